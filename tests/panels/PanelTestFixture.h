#pragma once

#include "CanvasElement.h"
#include "DesignDocument.h"
#include "DesignerWindow.h"
#include "PanelField.h"
#include "PanelSet.h"
#include "TempDir.h"
#include "WidgetDriver.h"

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
    DesignDocument document{QString::fromStdString(dir.Path())};
    DesignerWindow window{document};
    PanelSet panels{document, &window};

    void SetUp() override
    {
        window.SetPanelPresenter(&panels);
        window.LayOutForScreen(1920, 1080);
        window.show();
    }
    void TearDown() override { window.SetPanelPresenter(nullptr); }

    template <typename T> static T* Find(QWidget* parent, const char* unit)
    {
        return WidgetDriver::Find<T>(parent, unit);
    }

    // Replaces a field's text the way a user does: select all, type.
    static void Type(QWidget* panel, const char* unit, const QString& text)
    {
        WidgetDriver::Type(Find<PanelField>(panel, unit), text);
    }

    static QString Text(QWidget* panel, const char* unit) { return Find<PanelField>(panel, unit)->text(); }

    static void Drag(QWidget* widget, QPoint by) { WidgetDriver::Drag(widget, by); }

    // Adds a picture through the toolbar and drags it to the given canvas
    // position; the drag selects it and opens its panel.
    CanvasElement* AddPictureAt(QPoint canvasPosition)
    {
        QTest::mouseClick(Find<QPushButton>(&window, "超级按钮_图片"), Qt::LeftButton);
        CanvasElement* element = document.State().ComponentElement(document.State().componentCounter);
        const QPoint target(canvasPosition.x() + document.CanvasOriginX(),
                            canvasPosition.y() + DesignDocument::CanvasTop);
        Drag(element, target - element->pos());
        EXPECT_EQ(element->pos(), target);
        return element;
    }

    // Pictures arrive off the user-interface thread; this waits for them.
    bool WaitForPictures(int timeoutMs = 5000)
    {
        return QTest::qWaitFor([this] { return panels.Pictures().Pending() == 0; }, timeoutMs);
    }

    QLabel* Canvas() { return Find<QLabel>(&window, "标签_背景"); }

    std::string Cell(int row, int column) { return document.Components().Cell(row, column); }

    static QColor BadgeColour(QWidget* panel)
    {
        return Find<QLabel>(panel, "透明标签_序号")->palette().color(QPalette::WindowText);
    }
};

} // namespace morvane
