#include "WidgetDriver.h"

#include <QTest>

void WidgetDriver::Click(QWidget* widget, Qt::MouseButton button)
{
    QTest::mouseClick(widget, button);
}

void WidgetDriver::RightClick(QWidget* widget)
{
    QTest::mousePress(widget, Qt::RightButton);
    QTest::mouseRelease(widget, Qt::RightButton);
}

void WidgetDriver::Drag(QWidget* widget, QPoint by, Qt::MouseButton button)
{
    const QPoint start = widget->mapToGlobal(QPoint(widget->width() / 2, widget->height() / 2));
    QTest::mousePress(widget, button, {}, widget->mapFromGlobal(start));
    QTest::mouseMove(widget, widget->mapFromGlobal(start + by / 2));
    QTest::mouseMove(widget, widget->mapFromGlobal(start + by));
    QTest::mouseRelease(widget, button, {}, widget->mapFromGlobal(start + by));
}

void WidgetDriver::Type(QLineEdit* field, const QString& text)
{
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(field, c.toLatin1());
        else
            field->insert(QString(c));
    }
}
