// Started by run-installed inside an installed tree, as a user who cannot
// write the program folder, under a decimal-comma locale: the designer must
// still save, generate and preview, with everything it writes in the user's
// own folder.
#include "CanvasElement.h"
#include "DesignDocument.h"
#include "DesignerProgram.h"
#include "DesignerWindow.h"
#include "FileBytes.h"
#include "GenerationController.h"
#include "KindTable.h"
#include "LoopbackHttpServer.h"
#include "PageSettingsPanel.h"
#include "PanelField.h"
#include "PanelSet.h"
#include "SettingsExport.h"
#include "SettingsFile.h"
#include "TestPicture.h"
#include "TextCodec.h"
#include "WidgetDriver.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace morvane;

namespace {

void Type(QWidget* panel, const char* unit, const QString& text)
{
    WidgetDriver::Type(WidgetDriver::Find<PanelField>(panel, unit), text);
}

} // namespace

TEST(InstalledDesigner, SavesAPictureAndGeneratesWithAReadOnlyProgramFolder)
{
    const std::filesystem::path programDirectory = qEnvironmentVariable("MORVANE_INSTALLED_PROGRAM_DIR").toStdString();
    const std::filesystem::path userData = qEnvironmentVariable("XDG_DATA_HOME").toStdString() + "/Morvane";
    ASSERT_FALSE(programDirectory.empty()) << "run by run-installed";
    // Qt took the locale from the environment, as on a German desktop.
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");

    DesignerProgram program(QString::fromStdString(programDirectory.string()));
    program.Start();
    DesignerWindow& window = program.Window();
    DesignDocument& document = program.Document();
    EXPECT_EQ(program.Folders().DataDirectory().toStdString(), userData.string());
    document.Export().Flush();
    EXPECT_TRUE(std::filesystem::is_directory(userData / "bj"));
    ASSERT_TRUE(QTest::qWaitFor([&program] { return program.Generation().TemplatesLoaded(); }, 30000));
    QCoreApplication::sendPostedEvents(); // the last text arrives through the event loop
    ASSERT_FALSE(program.Generation().Templates().pageFrame.empty()) << "the installed templates";

    // The page settings panel opens at start-up.
    PageSettingsPanel* page = program.Panels().PageSettings();
    ASSERT_NE(page, nullptr);
    Type(page, "编辑框_宽度", QStringLiteral("951"));
    Type(page, "编辑框_高度", QStringLiteral("510.5"));
    QTest::mouseClick(WidgetDriver::Find<QPushButton>(page, "按钮1"), Qt::LeftButton);

    LoopbackHttpServer server;
    server.Serve("/pic.png", TestPicture::Png(40, 30));
    QTest::mouseClick(WidgetDriver::Find<QPushButton>(&window, "超级按钮_图片"), Qt::LeftButton);
    CanvasElement* element = window.View(document.IdAt(Sort::Component, document.Count(Sort::Component)));
    ASSERT_NE(element, nullptr);
    WidgetDriver::Drag(element, QPoint(program.Window().CanvasOrigin().x() + 20, DesignerWindow::CanvasTop + 30) -
                                    element->pos());
    PropertyPanel* panel = program.Panels().Panel(Kind::Picture);
    ASSERT_NE(panel, nullptr);
    const QString picture = QString::fromStdString(server.BaseUrl() + "/pic.png");
    Type(panel, "编辑框_图片", picture);
    QTest::mouseClick(WidgetDriver::Find<QPushButton>(panel, "按钮1"), Qt::LeftButton);
    // The picture may arrive after the click returns.
    (void)QTest::qWaitFor([element] { return element->Picture().size() == QSize(40, 30); }, 30000);
    EXPECT_EQ(element->Picture().size(), QSize(40, 30));

    // A carousel's settings land in the user's working folder.
    const ElementId carousel = document.AddComponent(Kind::Carousel);
    document.WriteSettings(carousel, {{"宽度", "790"}});
    document.Export().Flush();
    const std::string settings =
        ReadBytes(userData / "bj" / SettingsExport::FileName(Kind::Carousel, document.NumberOf(carousel)));
    EXPECT_EQ(SettingsFile::FromBytes(settings).Value("宽度"), "790");
    document.Remove(carousel);

    QTest::mouseClick(WidgetDriver::Find<QPushButton>(&window, "超级按钮_生成"), Qt::LeftButton);
    EXPECT_EQ(document.StatusText(), QStringLiteral("代码生成完毕，并已复制到剪切板..."));
    const std::string code = QGuiApplication::clipboard()->text().toStdString();
    EXPECT_NE(code.find(picture.toStdString()), std::string::npos) << code;
    EXPECT_NE(code.find("left:-0.5px"), std::string::npos) << code;
    EXPECT_NE(code.find("height:510.5px"), std::string::npos) << code;

    const std::string preview = ReadBytes(userData / "yl.htm");
    EXPECT_NE(preview.find(TextCodec::Utf8ToGb18030(code)), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(programDirectory / "yl.htm"));
    EXPECT_FALSE(std::filesystem::exists(programDirectory / "bj"));
}
