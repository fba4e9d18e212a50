#pragma once

#include <QColor>

#include <string>

// The bytes of a PNG picture of one colour, as a picture host would serve it.
class TestPicture {
public:
    static std::string Png(int width, int height, const QColor& colour = QColor(10, 200, 30));
};
