#pragma once

#include <QBuffer>
#include <QColor>
#include <QImage>

#include <string>

// The bytes of a PNG picture of one colour, for a test server to hand out.
class PngImage {
public:
    static std::string Bytes(int width, int height, QColor colour = QColor(10, 200, 30))
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes.toStdString();
    }
};
