#pragma once

#include "CanvasElement.h"
#include "DesignDocument.h"
#include "DesignerWindow.h"
#include "FileSystem.h"
#include "KindTable.h"
#include "PanelField.h"
#include "PanelSet.h"
#include "SettingsExport.h"
#include "SettingsFile.h"
#include "TempDir.h"
#include "TextCodec.h"
#include "WidgetDriver.h"

#include <QApplication>
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

    // The views of the elements standing at a number now.
    CanvasElement* ComponentView(int number) { return window.View(document.IdAt(Sort::Component, number)); }
    CanvasElement* TextView(int number) { return window.View(document.IdAt(Sort::Text, number)); }

    // Adds a picture through the toolbar and drags it to the given canvas
    // position; the drag selects it and opens its panel.
    CanvasElement* AddPictureAt(QPoint canvasPosition)
    {
        QTest::mouseClick(Find<QPushButton>(&window, "超级按钮_图片"), Qt::LeftButton);
        CanvasElement* element = ComponentView(document.Count(Sort::Component));
        const QPoint target(canvasPosition.x() + window.CanvasOrigin().x(),
                            canvasPosition.y() + DesignerWindow::CanvasTop);
        Drag(element, target - element->pos());
        EXPECT_EQ(element->pos(), target);
        return element;
    }

    // Adds a component (or a text) through its toolbar button and drags it
    // to the given canvas position, which selects it and opens its panel.
    CanvasElement* AddAt(const char* toolbarButton, QPoint canvasPosition)
    {
        const int texts = document.Count(Sort::Text);
        const int components = document.Count(Sort::Component);
        QTest::mouseClick(Find<QPushButton>(&window, toolbarButton), Qt::LeftButton);
        // A carousel's arrows come after it: the element is the first added.
        CanvasElement* element =
            document.Count(Sort::Text) > texts ? TextView(document.Count(Sort::Text)) : ComponentView(components + 1);
        const QPoint target(canvasPosition.x() + window.CanvasOrigin().x(),
                            canvasPosition.y() + DesignerWindow::CanvasTop);
        Drag(element, target - element->pos());
        return element;
    }

    // Selects an element with the right button: open panels stay open and
    // the one of its kind loads again; the pop-up menu is dismissed.
    void RightSelect(CanvasElement* element)
    {
        QTest::mousePress(element, Qt::RightButton);
        QTest::mouseRelease(element, Qt::RightButton);
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QStringLiteral("菜单"))
                widget->hide();
        }
    }

    // Selects the element with a left press, which opens its panel afresh,
    // and returns that panel.
    PropertyPanel* Reopen(CanvasElement* element, Kind kind)
    {
        Drag(element, {0, 0});
        PropertyPanel* panel = panels.Panel(kind);
        EXPECT_NE(panel, nullptr) << KindTable::Word(kind);
        return panel;
    }

    // Chooses a list item the way a user does.
    static void Choose(QWidget* panel, const char* unit, const QString& item)
    {
        auto* list = Find<QComboBox>(panel, unit);
        const int index = list->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    static QString Shown(QWidget* panel, const char* unit) { return Find<QComboBox>(panel, unit)->currentText(); }

    static void Save(QWidget* panel, const char* button = "按钮1")
    {
        QTest::mouseClick(Find<QPushButton>(panel, button), Qt::LeftButton);
    }

    // Pictures arrive off the user-interface thread; this waits for them.
    bool WaitForPictures(int timeoutMs = 5000)
    {
        return QTest::qWaitFor([this] { return panels.Pictures().Pending() == 0; }, timeoutMs);
    }

    QLabel* Canvas() { return Find<QLabel>(&window, "标签_背景"); }

    // Resizes an element as a handle or a panel does, through the document.
    void Resize(CanvasElement* element, QSize size)
    {
        Placement place = document.PlacementOf(element->Id());
        place.width = size.width();
        place.height = size.height();
        document.SetPlacement(element->Id(), place);
    }

    std::string Cell(int row, int column) { return document.Components().Cell(row, column); }

    // Every cell of a component record, column 0 to 11.
    std::vector<std::string> Row(int row)
    {
        std::vector<std::string> cells;
        for (int column = 0; column < 12; ++column)
            cells.push_back(Cell(row, column));
        return cells;
    }

    // Where the design's export puts an element's settings file, once it has
    // caught up with the design.
    std::string ExportedPath(Kind kind, int number)
    {
        document.Export().Flush();
        return dir.Path() + "/bj/" + SettingsExport::FileName(kind, number);
    }
    // A key of that file; empty when the key or the file is missing.
    std::string ExportedValue(Kind kind, int number, const char* key)
    {
        return SettingsFile::FromBytes(FileSystem::ReadWholeFile(ExportedPath(kind, number)).value_or("")).Value(key);
    }

    // A settings file as the design's export leaves it on disk, decoded;
    // "<none>" when missing.
    std::string SettingsText(Kind kind, int number)
    {
        const auto bytes = FileSystem::ReadWholeFile(ExportedPath(kind, number));
        return bytes ? TextCodec::Gb18030ToUtf8(*bytes) : std::string("<none>");
    }

    static QColor BadgeColour(QWidget* panel)
    {
        return Find<QLabel>(panel, "透明标签_序号")->palette().color(QPalette::WindowText);
    }
};

// A designer with one element of a kind added through its toolbar button
// and dragged onto the canvas, its panel open and loaded.
class KindPanelTest : public PanelTest {
protected:
    KindPanelTest(const char* toolbarButton, const char* kind, QPoint at)
        : toolbarButton_(toolbarButton), kind_(*KindTable::FromWord(kind)), at_(at)
    {
    }

    void SetUp() override
    {
        PanelTest::SetUp();
        element = AddAt(toolbarButton_, at_);
        panel = panels.Panel(kind_);
        ASSERT_NE(panel, nullptr);
    }

    // Opens the panel afresh for the element, as a left press does.
    void Reopen() { panel = PanelTest::Reopen(element, kind_); }

    CanvasElement* element = nullptr;
    PropertyPanel* panel = nullptr;

private:
    const char* toolbarButton_;
    Kind kind_;
    QPoint at_;
};

} // namespace morvane
