// The way back through the real program: a module generated to the
// clipboard, a new design, 导入代码, and the same code generated again.
#include "CanvasElement.h"
#include "CodeImport.h"
#include "DesignDocument.h"
#include "DesignFiles.h"
#include "DesignerProgram.h"
#include "DesignerWindow.h"
#include "GenerationController.h"
#include "PanelField.h"
#include "PanelSet.h"
#include "PropertyPanel.h"
#include "TempDir.h"
#include "WidgetDriver.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

namespace morvane {
namespace {

void Click(QWidget* parent, const char* unit)
{
    QTest::mouseClick(WidgetDriver::Find<QPushButton>(parent, unit), Qt::LeftButton);
}

void Type(QWidget* panel, const char* unit, const QString& text)
{
    WidgetDriver::Type(WidgetDriver::Find<PanelField>(panel, unit), text);
}

TEST(ImportRoad, GeneratedCodeImportedIntoANewDesignGeneratesTheSameCode)
{
    TempDir program;
    std::filesystem::copy(MORVANE_TEMPLATE_DIR, program.File("templates"));
    DesignerProgram designer(QString::fromStdString(program.Path()));
    designer.Start();
    DesignerWindow& window = designer.Window();
    DesignDocument& document = designer.Document();
    ASSERT_TRUE(QTest::qWaitFor([&] { return designer.Generation().TemplatesLoaded(); }, 30000));
    QCoreApplication::sendPostedEvents();

    const auto add = [&](const char* button, Kind kind, QPoint at) {
        Click(&window, button);
        CanvasElement* element = window.View(document.IdAt(SortOf(kind), document.Count(SortOf(kind))));
        WidgetDriver::Drag(element, at + window.CanvasOrigin() - element->pos());
        return designer.Panels().Panel(kind);
    };
    PropertyPanel* panel = add("超级按钮_图片", Kind::Picture, {40, 30});
    Type(panel, "编辑框_提示", QStringLiteral("夏季新品"));
    Type(panel, "编辑框_宽度", QStringLiteral("300"));
    Click(panel, "按钮1");
    Click(add("超级按钮2", Kind::Countdown, {400, 40}), "按钮1");
    Click(add("超级按钮7", Kind::Search, {400, 200}), "按钮1");
    panel = add("超级按钮8", Kind::Text, {60, 380});
    Type(panel, "编辑框_内容", QStringLiteral("限时特惠"));
    Click(panel, "按钮1");
    document.ClearSelection();

    Click(&window, "超级按钮_生成");
    const QString code = QGuiApplication::clipboard()->text();
    ASSERT_TRUE(code.contains(QStringLiteral("限时特惠")));

    QTimer::singleShot(0, [] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
                WidgetDriver::Find<QPushButton>(box, "按钮_不保存")->click();
    });
    window.findChild<QAction*>(QStringLiteral("动作_新建"))->trigger();
    ASSERT_EQ(document.Count(Sort::Component), 1);

    window.findChild<QAction*>(QStringLiteral("动作_导入代码"))->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !designer.Import().Busy(); }, 30000));
    EXPECT_EQ(document.StatusText(), QStringLiteral("已导入代码：3 个组件，1 个文字..."));
    ASSERT_EQ(document.Count(Sort::Component), 4);
    EXPECT_TRUE(designer.Files().IsModified());
    EXPECT_EQ(document.Components().Cell(2, 9), "1") << "saved, with a green badge";

    QGuiApplication::clipboard()->clear();
    Click(&window, "超级按钮_生成");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), code);

    // Text that is no module's code leaves the open design as it was.
    QGuiApplication::clipboard()->setText(QStringLiteral("只是一段文字，不是代码"));
    window.findChild<QAction*>(QStringLiteral("动作_导入代码"))->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !designer.Import().Busy(); }, 30000));
    EXPECT_TRUE(document.StatusText().contains(QStringLiteral("没有可以导入的模块代码")))
        << document.StatusText().toStdString();
    EXPECT_EQ(document.Count(Sort::Component), 4);
}

} // namespace
} // namespace morvane
