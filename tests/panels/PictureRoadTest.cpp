#include "KindTable.h"
#include "PanelTestFixture.h"

#include "CodeGenerator.h"
#include "ComponentRecord.h"
#include "GenerationController.h"
#include "LoopbackHttpServer.h"
#include "PageSettings.h"
#include "PageSettingsPanel.h"
#include "TestPicture.h"
#include "TextCodec.h"

#include <QClipboard>
#include <QGuiApplication>

namespace morvane {
namespace {

const char kFrame[] =
    "<div style=\"width:宽度px;height:高度px;margin-top:距顶px;background:#背景色 url(背景图)\"><div><div>";

class PictureRoadTest : public PanelTest {
protected:
    LoopbackHttpServer server;
};

// One picture from the toolbar to the clipboard, as the user goes.
TEST_F(PictureRoadTest, PictureReachesTheClipboardWithItsSavedValues)
{
    server.Serve("/s/tyb.txt", TextCodec::Utf8ToGb18030(kFrame)); // the server speaks GBK
    server.Serve("/s/jcb.txt", "<section>Morvane 527304816</section>");
    server.Serve("/d/tmb.txt", "<html>527304816</html>");
    server.Serve("/d/jsb.txt", "<html>527304816</html>");
    server.Serve("/pic.png", TestPicture::Png(64, 48));
    HttpClient::Limits limits;
    limits.connectTimeoutMs = 2000;
    limits.totalTimeoutMs = 4000;
    auto* controller =
        new GenerationController(document, {server.BaseUrl() + "/s/", server.BaseUrl() + "/d/"}, limits, &window);
    QObject::connect(&window, &DesignerWindow::GenerateRequested, controller, &GenerationController::GenerateCode);
    ASSERT_TRUE(QTest::qWaitFor([controller] { return controller->TemplatesLoaded(); }, 30000));
    QCoreApplication::sendPostedEvents(); // the last text arrives through the event loop

    panels.OpenPageSettings();
    CanvasElement* element = AddPictureAt({100, 50});
    PropertyPanel* panel = panels.Panel(Kind::Picture);
    ASSERT_NE(panel, nullptr);
    const QString pictureUrl = QString::fromStdString(server.BaseUrl()) + QStringLiteral("/pic.png");
    Type(panel, "编辑框_图片", pictureUrl);
    Type(panel, "编辑框_链接", QStringLiteral("https://detail.tmall.com/item.htm?id=42"));
    Type(panel, "编辑框_提示", QStringLiteral("夏季新品"));
    QTest::mouseClick(Find<QPushButton>(panel, "按钮1"), Qt::LeftButton);
    ASSERT_TRUE(WaitForPictures());
    EXPECT_EQ(server.RequestCount("/pic.png"), 1);
    ASSERT_TRUE(element->HasPicture());
    EXPECT_EQ(element->Picture().size(), QSize(64, 48));

    QTest::mouseClick(Find<QPushButton>(panels.PageSettings(), "按钮1"), Qt::LeftButton);
    const std::string height = document.Background().Cell(PageSettings::Row, PageSettings::Height);
    ASSERT_FALSE(height.empty());

    QTest::mouseClick(Find<QPushButton>(&window, "超级按钮_生成"), Qt::LeftButton);
    EXPECT_EQ(document.StatusText(), QStringLiteral("代码生成完毕，并已复制到剪切板..."));
    const std::string clipboard = QGuiApplication::clipboard()->text().toStdString();

    const std::string frame =
        "<div style=\"width:950px;height:" + height + "px;margin-top:0px;background: url()\"><div><div>";
    ASSERT_GE(clipboard.size(), frame.size());
    EXPECT_EQ(clipboard.substr(0, frame.size()), frame);
    const std::string closing = "</div></div></div>";
    EXPECT_EQ(clipboard.substr(clipboard.size() - closing.size()), closing);
    const std::string block = clipboard.substr(frame.size(), clipboard.size() - frame.size() - closing.size());
    for (const std::string& value : {pictureUrl.toStdString(), std::string("https://detail.tmall.com/item.htm?id=42"),
                                     std::string("夏季新品"), std::string("_blank")})
        EXPECT_NE(block.find(value), std::string::npos) << value << "\n" << block;

    // The block is what the generator makes of exactly the saved record.
    ComponentLayer expected;
    expected.AppendComponent(Kind::Picture);
    for (const auto& [column, text] :
         std::vector<std::pair<int, std::string>>{{1, "100"},
                                                  {2, "50"},
                                                  {3, std::to_string(element->width())},
                                                  {4, std::to_string(element->height())},
                                                  {5, "_blank"},
                                                  {6, pictureUrl.toStdString()},
                                                  {7, "https://detail.tmall.com/item.htm?id=42"},
                                                  {8, "夏季新品"},
                                                  {9, "1"}})
        expected.SetCell(2, column, text);
    RandomSource random;
    const GenerationResult reference =
        CodeGenerator::GenerateCode(expected, document.Background(), document.Settings(), {kFrame, "", "", ""}, random);
    EXPECT_EQ(clipboard, reference.code);
    EXPECT_EQ(panels.Panel(Kind::Picture), nullptr); // generation closes the component panels
}

TEST_F(PictureRoadTest, NothingUsableArrivingLeavesTheElementWithoutPictureAndSaysWhichAddress)
{
    server.Serve("/junk.png", "this is no picture");
    CanvasElement* element = AddPictureAt({0, 0});
    ASSERT_TRUE(element->HasPicture()); // the built-in sample
    PropertyPanel* panel = panels.Panel(Kind::Picture);
    for (const std::string path : {"/missing.png", "/junk.png"}) {
        element->SetPicture(QPixmap(4, 4));
        const QString address = QString::fromStdString(server.BaseUrl() + path);
        Type(panel, "编辑框_图片", address);
        QTest::mouseClick(Find<QPushButton>(panel, "按钮1"), Qt::LeftButton);
        ASSERT_TRUE(WaitForPictures());
        EXPECT_FALSE(element->HasPicture()) << path;
        EXPECT_EQ(Cell(2, ComponentRecord::Saved), "1");
        EXPECT_EQ(document.StatusText(), QStringLiteral("图片获取失败，请检查图片地址是否正确：") + address);
    }
    EXPECT_EQ(server.RequestCount("/junk.png"), 1);

    // The page settings' background picture as well.
    panels.OpenPageSettings();
    const QString background = QString::fromStdString(server.BaseUrl() + "/missing-bg.png");
    Type(panels.PageSettings(), "编辑框_背景图", background);
    ASSERT_TRUE(WaitForPictures());
    EXPECT_EQ(document.StatusText(), QStringLiteral("背景图片获取失败，请检查图片地址是否正确：") + background);
}

} // namespace
} // namespace morvane
