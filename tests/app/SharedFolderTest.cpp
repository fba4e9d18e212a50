// Two designers started from the same program folder, each with a design
// of its own, at the same time: they share the working folder "bj", which
// holds whichever export came last, and each generates its own design's
// code, since neither reads the folder back.
#include "CanvasElement.h"
#include "DesignDocument.h"
#include "DesignerProgram.h"
#include "DesignerWindow.h"
#include "FileBytes.h"
#include "FileSystem.h"
#include "GenerationController.h"
#include "PageSettingsPanel.h"
#include "PanelField.h"
#include "PanelSet.h"
#include "PropertyPanel.h"
#include "SettingsExport.h"
#include "TempDir.h"
#include "WidgetDriver.h"

#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <tuple>

namespace morvane {
namespace {

// Run as a child process by the test below, once for each designer: it
// makes its design through the panels, waits until the other designer has
// exported its own, then generates.
TEST(SharedFolder, DISABLED_OneDesigner)
{
    const std::string shared = qEnvironmentVariable("MORVANE_SHARED_DIR").toStdString();
    const QString own = qEnvironmentVariable("MORVANE_DESIGNER");
    const QString other = own == QLatin1String("a") ? QStringLiteral("b") : QStringLiteral("a");
    ASSERT_FALSE(shared.empty());
    DesignerProgram designer(QString::fromStdString(shared));
    designer.Start();
    DesignerWindow& window = designer.Window();
    DesignDocument& document = designer.Document();
    ASSERT_TRUE(QTest::qWaitFor([&] { return designer.Generation().TemplatesLoaded(); }, 30000));
    QCoreApplication::sendPostedEvents();
    WidgetDriver::Click(WidgetDriver::Find<QPushButton>(designer.Panels().PageSettings(), "按钮1"));

    const auto add = [&](const char* button, Kind kind) {
        WidgetDriver::Click(WidgetDriver::Find<QPushButton>(&window, button));
        const Sort sort = SortOf(kind);
        CanvasElement* element =
            window.View(document.IdAt(sort, document.Count(sort) - (kind == Kind::Carousel ? 2 : 0)));
        WidgetDriver::Drag(element, QPoint(60, 40) + window.CanvasOrigin() - element->pos());
        return designer.Panels().Panel(kind);
    };
    PropertyPanel* panel = add("超级按钮_轮播", Kind::Carousel);
    WidgetDriver::Type(WidgetDriver::Find<PanelField>(panel, "编辑框_图片1"),
                       QStringLiteral("http://127.0.0.1:9/%1.jpg").arg(own));
    WidgetDriver::Type(WidgetDriver::Find<PanelField>(panel, "编辑框_链接1"),
                       QStringLiteral("http://shop/%1").arg(own));
    WidgetDriver::Click(WidgetDriver::Find<QPushButton>(panel, "按钮2"));
    panel = add("超级按钮8", Kind::Text);
    WidgetDriver::Type(WidgetDriver::Find<PanelField>(panel, "编辑框_内容"), QStringLiteral("文字%1").arg(own));
    WidgetDriver::Click(WidgetDriver::Find<QPushButton>(panel, "按钮1"));
    document.Export().Flush();
    const auto marker = [&](const char* what, const QString& whose) {
        return shared + "/" + what + "-" + whose.toStdString();
    };
    ASSERT_TRUE(FileSystem::WriteFileAtomically(marker("exported", own), ""));
    ASSERT_TRUE(QTest::qWaitFor([&] { return FileSystem::Exists(marker("exported", other)); }, 60000));

    WidgetDriver::Click(WidgetDriver::Find<QPushButton>(&window, "超级按钮_生成"));
    ASSERT_TRUE(document.StatusText().startsWith(QStringLiteral("代码生成完毕，并已复制到剪切板...")));
    ASSERT_TRUE(
        FileSystem::WriteFileAtomically(marker("code", own), QGuiApplication::clipboard()->text().toStdString()));
}

TEST(SharedFolder, TwoDesignersFromOneFolderEachGenerateTheirOwnDesign)
{
    TempDir shared;
    std::filesystem::copy(MORVANE_TEMPLATE_DIR, shared.File("templates"));
    TempDir userA, userB;
    QProcess a, b;
    for (auto [child, name, user] : {std::tuple{&a, "a", &userA}, {&b, "b", &userB}}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("MORVANE_SHARED_DIR"), QString::fromStdString(shared.Path()));
        environment.insert(QStringLiteral("MORVANE_DESIGNER"), QString::fromLatin1(name));
        // Each with its own autosave and recent designs.
        environment.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromStdString(user->Path()));
        child->setProcessEnvironment(environment);
        child->setProcessChannelMode(QProcess::ForwardedChannels);
        child->start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--gtest_also_run_disabled_tests"),
                      QStringLiteral("--gtest_filter=SharedFolder.DISABLED_OneDesigner")});
    }
    for (QProcess* child : {&a, &b}) {
        ASSERT_TRUE(child->waitForFinished(150000));
        EXPECT_EQ(child->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(child->exitCode(), 0);
    }

    const std::string codeA = ReadBytes(shared.File("code-a"));
    const std::string codeB = ReadBytes(shared.File("code-b"));
    for (const auto& [code, own, other] : {std::tuple{&codeA, "a", "b"}, {&codeB, "b", "a"}}) {
        EXPECT_NE(code->find(std::string("http://shop/") + own), std::string::npos) << *code;
        EXPECT_NE(code->find(std::string("文字") + own), std::string::npos);
        EXPECT_EQ(code->find(std::string("http://shop/") + other), std::string::npos);
        EXPECT_EQ(code->find(std::string("文字") + other), std::string::npos);
    }
    // The same design apart from its own values (and the carousel's random
    // class number).
    const std::regex classNumber("_[0-9]+");
    std::string aAsB = std::regex_replace(codeA, std::regex("shop/a"), "shop/b");
    aAsB = std::regex_replace(aAsB, std::regex("/a\\.jpg"), "/b.jpg");
    aAsB = std::regex_replace(aAsB, std::regex("文字a"), "文字b");
    EXPECT_EQ(std::regex_replace(aAsB, classNumber, "_N"), std::regex_replace(codeB, classNumber, "_N"));
    // The folder holds the export of one of them.
    const std::string carousel = ReadBytes(shared.File("bj/" + SettingsExport::FileName(Kind::Carousel, 2)));
    EXPECT_TRUE(carousel.find("shop/a") != std::string::npos || carousel.find("shop/b") != std::string::npos)
        << carousel;
}

} // namespace
} // namespace morvane
