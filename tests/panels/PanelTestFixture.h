#pragma once

#include "CanvasElement.h"
#include "DesignerWindow.h"
#include "PanelField.h"
#include "PanelSet.h"
#include "TempDir.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace morvane {

// A designer on a 1920 x 1080 screen with the real panel set installed.
class PanelTest : public ::testing::Test {
protected:
    TempDir dir;
    DesignerWindow window{QString::fromStdString(dir.Path())};
    PanelSet panels{window};

    void SetUp() override
    {
        window.SetPanelPresenter(&panels);
        window.LayOutForScreen(1920, 1080);
        window.show();
    }
    void TearDown() override { window.SetPanelPresenter(nullptr); }

    template <typename T>
    static T* Find(QWidget* parent, const char* unit)
    {
        T* child = parent ? parent->findChild<T*>(QString::fromUtf8(unit)) : nullptr;
        EXPECT_NE(child, nullptr) << unit;
        return child;
    }

    // Replaces a field's text the way a user does: select all, type.
    static void Type(QWidget* panel, const char* unit, const QString& text)
    {
        auto* field = Find<PanelField>(panel, unit);
        field->selectAll();
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        // Chinese text arrives through the input method, as one commit.
        for (const QChar c : text) {
            if (c.unicode() < 128)
                QTest::keyClick(field, c.toLatin1());
            else
                field->insert(QString(c));
        }
    }

    static QString Text(QWidget* panel, const char* unit) { return Find<PanelField>(panel, unit)->text(); }

    static void Drag(QWidget* widget, QPoint by)
    {
        const QPoint start = widget->mapToGlobal(QPoint(widget->width() / 2, widget->height() / 2));
        QTest::mousePress(widget, Qt::LeftButton, {}, widget->mapFromGlobal(start));
        QTest::mouseMove(widget, widget->mapFromGlobal(start + by / 2));
        QTest::mouseMove(widget, widget->mapFromGlobal(start + by));
        QTest::mouseRelease(widget, Qt::LeftButton, {}, widget->mapFromGlobal(start + by));
    }

    // Adds a picture through the toolbar and drags it to the given canvas
    // position; the drag selects it and opens its panel.
    CanvasElement* AddPictureAt(QPoint canvasPosition)
    {
        QTest::mouseClick(Find<QPushButton>(&window, "超级按钮_图片"), Qt::LeftButton);
        CanvasElement* element = window.State().ComponentElement(window.State().componentCounter);
        const QPoint target(canvasPosition.x() + window.CanvasOriginX(), canvasPosition.y() + DesignerWindow::CanvasTop);
        Drag(element, target - element->pos());
        EXPECT_EQ(element->pos(), target);
        return element;
    }

    std::string Cell(int row, int column) { return window.Components().Cell(row, column); }

    static QColor BadgeColour(QWidget* panel)
    {
        return Find<QLabel>(panel, "透明标签_序号")->palette().color(QPalette::WindowText);
    }
};

} // namespace morvane
