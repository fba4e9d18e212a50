#include "DesignerProgram.h"

#include "CanvasElement.h"
#include "DesignDocument.h"
#include "DesignerWindow.h"
#include "FileSystem.h"
#include "KindTable.h"
#include "PageSettings.h"
#include "PageSettingsPanel.h"
#include "PanelField.h"
#include "PanelSet.h"
#include "PropertyPanel.h"
#include "SettingsExport.h"
#include "TempDir.h"
#include "WidgetDriver.h"

#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace morvane {
namespace {

// Clicks a colour picker and gives back the title of the dialog it opens,
// closing the dialog unchosen.
QString DialogTitleOf(QWidget* panel, const char* picker)
{
    QString title;
    QTimer::singleShot(0, [&title] {
        if (auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget())) {
            title = dialog->windowTitle();
            dialog->reject();
        }
    });
    WidgetDriver::Find<QPushButton>(panel, picker)->click();
    return title;
}

TEST(ChineseProgram, QtSpeaksChineseColourDialogsNameTheirFieldAndTypedColoursShow)
{
    TempDir dir;
    DesignerProgram program(QString::fromStdString(dir.Path()));
    program.Start();
    // Qt's own texts, whatever the locale the test runs under.
    ASSERT_TRUE(program.QtSpeaksChinese());
    EXPECT_NE(QColorDialog::tr("Select Color"), QStringLiteral("Select Color"));

    DesignDocument& document = program.Document();
    PageSettingsPanel* page = program.Panels().PageSettings();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(DialogTitleOf(page, "颜色选择器1"), QStringLiteral("选择颜色：背景颜色"));
    // A typed colour paints the canvas; what is stored waits for the save.
    const auto canvasColour = [&program] {
        return WidgetDriver::Find<QLabel>(&program.Window(), "标签_背景")->palette().color(QPalette::Window);
    };
    WidgetDriver::Type(WidgetDriver::Find<PanelField>(page, "编辑框_背景色"), QStringLiteral("#123456"));
    EXPECT_EQ(canvasColour(), QColor(0x12, 0x34, 0x56));
    WidgetDriver::Type(WidgetDriver::Find<PanelField>(page, "编辑框_背景色"), QStringLiteral("zz")); // no colour
    EXPECT_EQ(canvasColour(), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(document.PageSetting(PageSettings::BackColour), QString());

    QTest::mouseClick(WidgetDriver::Find<QPushButton>(&program.Window(), "超级按钮8"), Qt::LeftButton);
    CanvasElement* text = program.Window().View(document.IdAt(Sort::Text, document.Count(Sort::Text)));
    ASSERT_NE(text, nullptr);
    WidgetDriver::Drag(text,
                       QPoint(program.Window().CanvasOrigin().x() + 50, DesignerWindow::CanvasTop + 50) - text->pos());
    PropertyPanel* panel = program.Panels().Panel(Kind::Text);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(DialogTitleOf(panel, "颜色选择器2"), QStringLiteral("选择颜色：文字颜色"));
    EXPECT_EQ(DialogTitleOf(panel, "颜色选择器3"), QStringLiteral("选择颜色：背景颜色"));
    WidgetDriver::Type(WidgetDriver::Find<PanelField>(panel, "编辑框_字色"), QStringLiteral("red"));
    EXPECT_EQ(document.LookOf(text->Id()).colour, "#FF0000");
    EXPECT_EQ(WidgetDriver::Find<PanelField>(panel, "编辑框_字色")->text(), QStringLiteral("red"));
    document.Export().Flush();
    EXPECT_FALSE(FileSystem::Exists(dir.Path() + "/bj/" + SettingsExport::FileName(Kind::Text, text->Number())));
}

} // namespace
} // namespace morvane
