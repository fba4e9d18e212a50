#pragma once

#include <QLineEdit>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

// Drives widgets the way a user does: clicks, types and drags with real
// mouse and key events, so tests go through the same handlers as the user.
class WidgetDriver {
public:
    // The named child; a missing one fails the test that asked for it.
    template <typename T> static T* Find(const QWidget* parent, const char* unit)
    {
        T* child = parent ? parent->findChild<T*>(QString::fromUtf8(unit)) : nullptr;
        EXPECT_NE(child, nullptr) << unit;
        return child;
    }

    static void Click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton);
    // Presses and releases the right button on the widget's centre.
    static void RightClick(QWidget* widget);

    // Presses on the widget's centre, moves by `by` in two steps and releases.
    // The mouse travels in screen terms while the widget under it moves, so
    // each event's position is taken relative to where the widget is now.
    static void Drag(QWidget* widget, QPoint by, Qt::MouseButton button = Qt::LeftButton);

    // Replaces a field's text: select all, then type. Characters outside
    // ASCII arrive as one input-method commit each, as they do from an IME.
    static void Type(QLineEdit* field, const QString& text);
};
