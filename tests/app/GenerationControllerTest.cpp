#include "GenerationController.h"
#include "FileBytes.h"
#include "KindTable.h"

#include "CodeGenerator.h"
#include "ComponentRecord.h"
#include "DesignDocument.h"
#include "DesignerWindow.h"
#include "LoopbackHttpServer.h"
#include "PageSettings.h"
#include "SettingsExport.h"
#include "TempDir.h"
#include "TextCodec.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

using namespace morvane;

namespace {

void WriteGb18030(const std::string& path, const std::string& utf8)
{
    std::ofstream(path, std::ios::binary) << TextCodec::Utf8ToGb18030(utf8);
}

HttpClient::Limits TestLimits()
{
    HttpClient::Limits limits;
    limits.connectTimeoutMs = 1000;
    limits.totalTimeoutMs = 60000;
    limits.maxBodyBytes = 1024 * 1024;
    return limits;
}

class GenerationControllerTest : public ::testing::Test {
protected:
    TempDir dir;
    std::unique_ptr<DesignDocument> document;
    std::unique_ptr<DesignerWindow> window;
    GenerationController* controller = nullptr;
    QList<QUrl> opened;

    void SetUp() override
    {
        std::filesystem::create_directories(dir.File("templates"));
        document = std::make_unique<DesignDocument>(QString::fromStdString(dir.Path()));
        window = std::make_unique<DesignerWindow>(*document);
    }

    // Starts the download from the templates folder of the test directory and
    // waits until every text has reached its box.
    void StartController()
    {
        const std::string base = "file://" + dir.File("templates") + "/";
        Connect(new GenerationController(*document, {base, base}, TestLimits(), window.get()));
        controller->SetOpener([this](const QUrl& url) {
            opened << url;
            return true;
        });
        ASSERT_TRUE(QTest::qWaitFor([this] { return controller->TemplatesLoaded(); }, 30000));
        QCoreApplication::sendPostedEvents(); // the queued hand-overs
    }

    // Wires the window's generate and preview requests as the program does.
    void Connect(GenerationController* generation)
    {
        controller = generation;
        QObject::connect(window.get(), &DesignerWindow::GenerateRequested, controller,
                         &GenerationController::GenerateCode);
        QObject::connect(window.get(), &DesignerWindow::PreviewRequested, controller,
                         &GenerationController::OpenPreview);
    }

    void WriteTemplates()
    {
        WriteGb18030(
            dir.File("templates/tyb.txt"),
            "<div style=\"width:宽度px;height:总高px;margin-left:偏移px\"><div class=\"Morvane版本\"><div style=\"top:距顶px;background:#背景色\">");
        WriteGb18030(dir.File("templates/jcb.txt"),
                     "<div style=\"height:总高px;left:偏移量px\">Morvane软件527304816</div>");
        WriteGb18030(dir.File("templates/tmb.txt"), "<html>天猫527304816</html>");
        WriteGb18030(dir.File("templates/jsb.txt"), "<html>集市 527304816 尾 527304816</html>");
    }

    void SetPage(const std::string& edition, const std::string& width)
    {
        document->SetPageSettings({{PageSettings::Edition, QString::fromStdString(edition)},
                                   {PageSettings::Width, QString::fromStdString(width)},
                                   {PageSettings::Height, QStringLiteral("500")},
                                   {PageSettings::BackColour, QStringLiteral("#ffeecc")},
                                   {PageSettings::HorizontalPos, QStringLiteral("center")},
                                   {PageSettings::TopSpacing, QStringLiteral("20")}});
    }

    // The settings of a three-slide carousel at row 2 of the component
    // layer, exported as bj/lb2.ini.
    void WriteCarouselSettings()
    {
        ASSERT_EQ(document->Components().Cell(2, ComponentRecord::Kind), "轮播");
        document->WriteSettings(document->IdAt(Sort::Component, 2), {{"宽度", "400"},
                                                                     {"高度", "200"},
                                                                     {"距左", "10"},
                                                                     {"距顶", "20"},
                                                                     {"动画效果", "scrollx"},
                                                                     {"切换效果", "easeNone"},
                                                                     {"自动轮播", "true"},
                                                                     {"刷新间隔", "0.3"},
                                                                     {"箭头开关", "block"},
                                                                     {"编辑框数量", "3"},
                                                                     {"图片1", "a.png"},
                                                                     {"图片2", "b.png"},
                                                                     {"图片3", "c.png"},
                                                                     {"链接1", "l1"},
                                                                     {"链接2", "l2"},
                                                                     {"链接3", "l3"},
                                                                     {"打开方式", "_blank"}});
        document->Export().Flush();
        ASSERT_TRUE(std::filesystem::exists(dir.File("bj/lb2.ini")));
    }

    void Click(const char* name)
    {
        auto* button = window->findChild<QPushButton*>(QString::fromUtf8(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    std::string Clipboard() const { return QGuiApplication::clipboard()->text().toStdString(); }
    std::string Status() const { return document->StatusText().toStdString(); }
};

} // namespace

TEST_F(GenerationControllerTest, GenerateFromTheToolbarFillsClipboardStatusAndPreviewFile)
{
    WriteTemplates();
    StartController();
    EXPECT_EQ(controller->Templates().marketPreview, "<html>集市 527304816 尾 527304816</html>");
    SetPage("专业版", "1920");
    Click("超级按钮_轮播");
    WriteCarouselSettings();
    Click("超级按钮_生成");

    const std::string code = Clipboard();
    const std::string frame =
        "<div style=\"width:1920px;height:520px;margin-left:-485px\"><div class=\"most-footer footer-more-trigger\"><div style=\"top:20px;background:#ffeecc\">";
    ASSERT_EQ(code.substr(0, frame.size()), frame);
    EXPECT_NE(code.find("'effect':'scrollx'"), std::string::npos);
    for (const char* picture : {"a.png", "b.png", "c.png"})
        EXPECT_NE(code.find(picture), std::string::npos) << picture;
    EXPECT_EQ(code.find("图层0"), std::string::npos);
    EXPECT_EQ(code.substr(code.size() - 18), "</div></div></div>");
    EXPECT_EQ(Status(), "代码生成完毕，并已复制到剪切板...");

    // The code goes into the first marker only; GB18030, no byte-order mark.
    const std::string preview = ReadBytes(dir.File("yl.htm"));
    EXPECT_EQ(preview, TextCodec::Utf8ToGb18030("<html>集市 " + code + " 尾 527304816</html>"));

    // Generating again gives the same page, apart from the carousel's class
    // number, which follows an underscore wherever it stands.
    Click("超级按钮_生成");
    const std::regex classNumber("_[0-9]+");
    EXPECT_EQ(std::regex_replace(Clipboard(), classNumber, "_N"), std::regex_replace(code, classNumber, "_N"));

    Click("超级按钮_预览");
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(QString::fromStdString(dir.File("yl.htm"))));
}

TEST_F(GenerationControllerTest, MissingTemplatesAreNamedAndNothingUnpastableIsHandedOut)
{
    StartController(); // the templates folder is empty: every fetch fails
    const TemplateTexts& texts = controller->Templates();
    for (const std::string* text : {&texts.pageFrame, &texts.basicWrapper, &texts.tmallPreview, &texts.marketPreview})
        EXPECT_TRUE(text->empty());
    SetPage("专业版", "950");
    Click("超级按钮_轮播");
    WriteCarouselSettings();
    QGuiApplication::clipboard()->setText(QStringLiteral("earlier"));
    Click("超级按钮_生成");

    EXPECT_EQ(Clipboard(), "earlier");
    EXPECT_EQ(Status(), "缺少模板文字 tyb.txt、jsb.txt，无法生成代码，请重新安装本程序...");
    EXPECT_FALSE(std::filesystem::exists(dir.File("yl.htm")));
}

TEST_F(GenerationControllerTest, PreviewSaysWhatToDoAndWhenNoBrowserStarts)
{
    WriteTemplates();
    StartController();
    Click("超级按钮_预览");
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(Status(), GenerationController::StatusNoPreview);

    SetPage("专业版", "950");
    Click("超级按钮_生成");
    controller->SetOpener([](const QUrl&) { return false; });
    Click("超级按钮_预览");
    EXPECT_EQ(document->StatusText(), QString::fromUtf8(GenerationController::StatusBrowserFailed)
                                          .arg(QDir::toNativeSeparators(QString::fromStdString(dir.File("yl.htm")))));
}

TEST_F(GenerationControllerTest, UnconfiguredPageSettingsLeaveClipboardAndPreviewAlone)
{
    WriteTemplates();
    StartController();
    SetPage("专业版", "950");
    document->SetPageSettings({{PageSettings::HorizontalPos, QString()}});
    QGuiApplication::clipboard()->setText(QStringLiteral("earlier"));
    Click("超级按钮_生成");
    EXPECT_EQ(Clipboard(), "earlier");
    EXPECT_EQ(Status(), "您未配置 全局设置 里面的数属性，不能生成代码...");
    EXPECT_FALSE(std::filesystem::exists(dir.File("yl.htm")));
}

TEST_F(GenerationControllerTest, AnUnwritablePreviewFileIsReportedNotHidden)
{
    WriteTemplates();
    StartController();
    SetPage("天猫版", "950");
    std::filesystem::create_directories(dir.File("yl.htm/blocked"));
    Click("超级按钮_生成");
    EXPECT_EQ(Clipboard().substr(Clipboard().size() - 18), "</div></div></div>");
    EXPECT_EQ(document->StatusText(), QString::fromUtf8(GenerationController::StatusPreviewNotWritten));
}

TEST_F(GenerationControllerTest, ClosingTheWindowDeletesThePreviewFile)
{
    WriteTemplates();
    StartController();
    SetPage("基础版", "950");
    Click("超级按钮_生成");
    EXPECT_EQ(Clipboard().rfind("<div style=\"height:520px;left:-200px\">", 0), 0u) << Clipboard();
    ASSERT_TRUE(std::filesystem::exists(dir.File("yl.htm")));
    window.reset();
    EXPECT_FALSE(std::filesystem::exists(dir.File("yl.htm")));
}

TEST_F(GenerationControllerTest, ClosingDuringAHangingDownloadReturnsAtOnce)
{
    LoopbackHttpServer server;
    server.Hang("/t/tyb.txt");
    Connect(new GenerationController(*document, {server.BaseUrl() + "/t/", server.BaseUrl() + "/t/"}, TestLimits(),
                                     window.get()));
    ASSERT_TRUE(QTest::qWaitFor([&server] { return server.RequestCount("/t/tyb.txt") == 1; }, 30000));
    // The download is cancelled, not waited for (the loader's own tests
    // prove that with a client that never returns).
    window.reset();
    QCoreApplication::sendPostedEvents(); // nothing may arrive for the window that is gone
}

TEST_F(GenerationControllerTest, ByDefaultTheTextsComeFromTheTemplatesFolderOfTheProgram)
{
    WriteTemplates();
    Connect(new GenerationController(*document, window.get()));
    ASSERT_TRUE(QTest::qWaitFor([this] { return controller->TemplatesLoaded(); }, 30000));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(controller->Templates().tmallPreview, "<html>天猫527304816</html>");
    EXPECT_EQ(controller->Templates().basicWrapper,
              "<div style=\"height:总高px;left:偏移量px\">Morvane软件527304816</div>");
}
