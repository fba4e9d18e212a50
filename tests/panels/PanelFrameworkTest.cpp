// The framework's capabilities, each through a small panel declared here the
// way the real panels declare themselves.
#include "KindTable.h"
#include "PanelTestFixture.h"

#include "ComponentRecord.h"
#include "FileSystem.h"
#include "LoopbackHttpServer.h"
#include "PageSettingsPanel.h"
#include "TestPicture.h"
#include "TextCodec.h"

#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QTabWidget>

#include <filesystem>

namespace morvane {
namespace {

const QString kFront = QStringLiteral("http://pictures.example/front.png");
const QString kBack = QStringLiteral("http://pictures.example/back.png");

// A tabbed component panel storing into a settings file: two picture
// fields, an inert width, a height with a rule of its own, a list whose
// items differ from their words, and a key written only while a box says so.
class FileStoredPanel : public PropertyPanel {
public:
    PanelField* front;
    PanelField* back;
    PanelField* easing;
    PanelField* note;
    QCheckBox* withNote;
    int presentedWithoutLoad = 0;

    explicit FileStoredPanel(const PanelHost& host)
        : PropertyPanel(host, {QStringLiteral("测试属性设置"), {350, 320}, QStringLiteral("未保存....")})
    {
        AddTabs(QStringLiteral("高级选择夹1"), {3, 3, 344, 240});
        QWidget* basic = AddPage(QStringLiteral("基本设置"));
        QWidget* more = AddPage(QStringLiteral("动画设置"));
        AddBadge(basic, QStringLiteral("透明标签28"));
        PanelField* width =
            AddGeometryField(basic, Geometry::Width, QStringLiteral("宽度"), {10, 10}, GeometryRule::Inert);
        PanelField* height =
            AddGeometryField(basic, Geometry::Height, QStringLiteral("高度"), {10, 40}, GeometryRule::Inert);
        OnChange(height, [this](const QString& text) { WriteField(QStringLiteral("编辑框_备注"), text + "px"); });
        front = AddPictureField(basic, QStringLiteral("正面"), QStringLiteral("编辑框_正面"), {10, 70}, 200, kFront);
        back = AddPictureField(basic, QStringLiteral("反面"), QStringLiteral("编辑框_反面"), {10, 100}, 200, kBack);
        easing = WithEmptyDefault(AddHiddenField(QStringLiteral("编辑框_切换"), QStringLiteral("bounceIn")),
                                  QStringLiteral("bounceIn"));
        AddChoiceList(more, QStringLiteral("组合框4"), easing,
                      {{QStringLiteral("弹跳→变幻"), QStringLiteral("bounceIn")},
                       {QStringLiteral("弹性效果"), QStringLiteral("easeBothStrong")}},
                      QStringLiteral("弹性效果"), {10, 10, 120, 24});
        note = AddRow(more, QStringLiteral("备注"), QStringLiteral("编辑框_备注"), {10, 40}, 120);
        withNote = AddCheckBox(more, QStringLiteral("选择框1"), QStringLiteral("备注"), {10, 70, 80, 20}, true);
        Bind(width, "宽度");
        Bind(height, "高度");
        Bind(front, "正面");
        Bind(back, "反面");
        Bind(easing, "切换");
        Bind(note, "备注", [this] { return withNote->isChecked(); });
        AddSaveButton(this, QStringLiteral("按钮2"), {180, 260, 90, 28});
        auto* restore = AddButton(this, QStringLiteral("按钮4"), QStringLiteral("载入保存数据"), {60, 260, 90, 28});
        connect(restore, &QPushButton::clicked, this, [this] {
            for (const Step& step : {LoadFields({front, back, easing, note})})
                step();
        });
        SetLoadSteps({LoadBadge(), LoadSaveFlag(), LoadGeometry()});
        SetSaveSteps({ShowStatus(QStringLiteral("正在保存设置，请稍候....")), CheckPicture(front), Download(front),
                      WriteBindings(), MarkSaved(), ShowStatus(QStringLiteral("保存完成...."))});
    }

    // A second sort of element (here: a carousel's arrow) shows a page and
    // does not load.
    void Present(Kind kind, ElementId element) override
    {
        if (kind == Kind::LeftArrow) {
            findChild<QTabWidget*>(QStringLiteral("高级选择夹1"))->setCurrentIndex(1);
            ++presentedWithoutLoad;
            return;
        }
        PropertyPanel::Present(kind, element);
    }
};

// A panel of texts: the record is the text's row, numbered after components.
class TextRecordPanel : public PropertyPanel {
public:
    explicit TextRecordPanel(const PanelHost& host)
        : PropertyPanel(host, {QStringLiteral("文字属性设置"), {308, 356}, QStringLiteral("未保存...."), Sort::Text})
    {
        AddBadge(this);
        PanelField* content = AddRow(this, QStringLiteral("文字内容"), QStringLiteral("编辑框_内容"), {16, 20}, 200);
        Bind(AddGeometryField(this, Geometry::Left, QStringLiteral("距左"), {16, 50}), "距左");
        Bind(content, "内容");
        AddSaveButton(this, QStringLiteral("按钮1"), {100, 300, 90, 28});
        SetLoadSteps({LoadBadge(), LoadSaveFlag(), LoadFields({content}), LoadGeometry()});
        SetSaveSteps({WriteBindings(), MarkSaved()});
    }
};

class PanelFrameworkTest : public PanelTest {
protected:
    void SetUp() override
    {
        PanelTest::SetUp();
        panels.Register(Kind::Carousel, [](const PanelHost& host) { return new FileStoredPanel(host); });
        panels.Register(Kind::Text, [](const PanelHost& host) { return new TextRecordPanel(host); });
    }

    // A carousel dragged onto the canvas: its panel opens and loads.
    FileStoredPanel* AddCarousel()
    {
        QTest::mouseClick(Find<QPushButton>(&window, "超级按钮_轮播"), Qt::LeftButton);
        Drag(ComponentView(document.Count(Sort::Component) - 2), {300, 20});
        return static_cast<FileStoredPanel*>(panels.Panel(Kind::Carousel));
    }

    std::string FileText(const std::string& path)
    {
        const auto bytes = FileSystem::ReadWholeFile(path);
        return bytes ? TextCodec::Gb18030ToUtf8(*bytes) : std::string("<none>");
    }
};

TEST_F(PanelFrameworkTest, ATabbedPanelBindsItsFieldsToSettingsKeysExactly)
{
    FileStoredPanel* panel = AddCarousel();
    ASSERT_NE(panel, nullptr);
    auto* tabs = Find<QTabWidget>(panel, "高级选择夹1");
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("动画设置"));
    EXPECT_EQ(Find<QLabel>(tabs->widget(0), "透明标签_序号")->text(), QStringLiteral("1"));
    EXPECT_EQ(Text(panel, "编辑框_宽度"), QStringLiteral("300"));

    Type(panel, "编辑框_备注", QStringLiteral("第一次"));
    QTest::mouseClick(Find<QPushButton>(panel, "按钮2"), Qt::LeftButton);
    const std::string path = ExportedPath(Kind::Carousel, 2);
    EXPECT_EQ(FileText(path), "[配置]\r\n宽度=300\r\n高度=130\r\n正面=" + kFront.toStdString() +
                                  "\r\n反面=" + kBack.toStdString() + "\r\n切换=bounceIn\r\n备注=第一次\r\n");
    EXPECT_EQ(Cell(2, ComponentRecord::Saved), "1");
    EXPECT_EQ(document.StatusText(), QStringLiteral("保存完成...."));

    // Keys whose condition fails are not written, and what stands stays.
    panel->withNote->click();
    Type(panel, "编辑框_备注", QStringLiteral("第二次"));
    Type(panel, "编辑框_反面", QStringLiteral("http://pictures.example/own.png"));
    QTest::mouseClick(Find<QPushButton>(panel, "按钮2"), Qt::LeftButton);
    document.Export().Flush();
    EXPECT_NE(FileText(path).find("备注=第一次"), std::string::npos);
    EXPECT_NE(FileText(path).find("反面=http://pictures.example/own.png"), std::string::npos);

    // Loading from the file restores each field exactly.
    Type(panel, "编辑框_反面", QStringLiteral("x"));
    Type(panel, "编辑框_备注", QStringLiteral("y"));
    QTest::mouseClick(Find<QPushButton>(panel, "按钮4"), Qt::LeftButton);
    EXPECT_EQ(Text(panel, "编辑框_反面"), QStringLiteral("http://pictures.example/own.png"));
    EXPECT_EQ(Text(panel, "编辑框_备注"), QStringLiteral("第一次"));
}

TEST_F(PanelFrameworkTest, EachPictureFieldRefillsWithItsOwnDefault)
{
    FileStoredPanel* panel = AddCarousel();
    Type(panel, "编辑框_正面", QString());
    Type(panel, "编辑框_反面", QString());
    EXPECT_EQ(Text(panel, "编辑框_正面"), kFront);
    EXPECT_EQ(Text(panel, "编辑框_反面"), kBack);
    panel->WriteField(QStringLiteral("编辑框_反面"), QString());
    EXPECT_EQ(Text(panel, "编辑框_反面"), kBack);
    EXPECT_EQ(Text(panel, "编辑框_正面"), kFront);
}

TEST_F(PanelFrameworkTest, InertGeometryLeavesTheElementAndOwnRulesRun)
{
    FileStoredPanel* panel = AddCarousel();
    CanvasElement* carousel = ComponentView(2);
    Type(panel, "编辑框_宽度", QStringLiteral("500"));
    Type(panel, "编辑框_高度", QStringLiteral("77"));
    EXPECT_EQ(carousel->size(), QSize(300, 130));
    EXPECT_EQ(Text(panel, "编辑框_备注"), QStringLiteral("77px"));
}

TEST_F(PanelFrameworkTest, APictureCheckThatFailsWritesNothing)
{
    FileStoredPanel* panel = AddCarousel();
    Type(panel, "编辑框_正面", QStringLiteral("ftp://pictures.example/a.png"));
    QTest::mouseClick(Find<QPushButton>(panel, "按钮2"), Qt::LeftButton);
    EXPECT_EQ(document.StatusText(), QStringLiteral("图片地址不正确，请填写以http开头的网络图片地址...."));
    EXPECT_FALSE(FileSystem::Exists(ExportedPath(Kind::Carousel, 2)));
    EXPECT_EQ(Cell(2, ComponentRecord::Saved), "");
    EXPECT_EQ(BadgeColour(panel), QColor(255, 128, 0));
    EXPECT_EQ(panels.Pictures().Pending(), 0);
}

TEST_F(PanelFrameworkTest, ASettingsFileThatCannotBeWrittenLosesNothingOfTheSave)
{
    FileStoredPanel* panel = AddCarousel();
    // A folder where the file should go makes the export's write fail.
    std::filesystem::create_directories(ExportedPath(Kind::Carousel, 2) + "/blocked");
    QTest::mouseClick(Find<QPushButton>(panel, "按钮2"), Qt::LeftButton);
    EXPECT_EQ(Cell(2, ComponentRecord::Saved), "1");
    EXPECT_EQ(BadgeColour(panel), QColor(0, 255, 0));
    EXPECT_EQ(document.SettingsOf(document.IdAt(Sort::Component, 2)).Value("宽度"), "300");
    document.Export().Flush();
    EXPECT_TRUE(document.StatusText().startsWith(QStringLiteral("工作文件夹 bj 中的设置文件 lb2.ini 未能写入")))
        << document.StatusText().toStdString();
}

TEST_F(PanelFrameworkTest, AListShowsItsItemAndStoresItsWord)
{
    FileStoredPanel* panel = AddCarousel();
    auto* list = Find<QComboBox>(panel, "组合框4");
    // At first the list shows one item while the field holds another's word.
    EXPECT_EQ(list->currentText(), QStringLiteral("弹性效果"));
    EXPECT_EQ(Text(panel, "编辑框_切换"), QStringLiteral("bounceIn"));
    // Choosing writes the word; a written word selects its item.
    list->activated(1);
    EXPECT_EQ(Text(panel, "编辑框_切换"), QStringLiteral("easeBothStrong"));
    panel->WriteField(QStringLiteral("编辑框_切换"), QStringLiteral("bounceIn"));
    EXPECT_EQ(list->currentText(), QStringLiteral("弹跳→变幻"));
    panel->WriteField(QStringLiteral("编辑框_切换"), QStringLiteral("unknown"));
    EXPECT_EQ(list->currentText(), QStringLiteral("弹跳→变幻"));
    panel->WriteField(QStringLiteral("编辑框_切换"), QString());
    EXPECT_EQ(Text(panel, "编辑框_切换"), QStringLiteral("bounceIn"));
}

TEST_F(PanelFrameworkTest, APanelPresentsItselfWithoutLoading)
{
    FileStoredPanel* panel = AddCarousel();
    Type(panel, "编辑框_宽度", QStringLiteral("999"));
    // The left arrow opens the same panel, which switches page and keeps
    // what it shows.
    CanvasElement* arrow = ComponentView(3);
    QTest::mousePress(arrow, Qt::RightButton);
    QTest::mouseRelease(arrow, Qt::RightButton);
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QMenu*>(widget))
            widget->hide();
    ASSERT_EQ(panels.Panel(Kind::LeftArrow), panel);
    EXPECT_EQ(panel->presentedWithoutLoad, 1);
    EXPECT_EQ(Find<QTabWidget>(panel, "高级选择夹1")->currentIndex(), 1);
    EXPECT_EQ(Text(panel, "编辑框_宽度"), QStringLiteral("999"));
}

TEST_F(PanelFrameworkTest, ATextPanelIsNumberedAfterTheComponentsAndStoresInTheTextsRecord)
{
    QTest::mouseClick(Find<QPushButton>(&window, "超级按钮_图片"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(&window, "超级按钮_图片"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(&window, "超级按钮_图片"), Qt::LeftButton);
    ASSERT_EQ(document.Count(Sort::Component), 4);
    QTest::mouseClick(Find<QPushButton>(&window, "超级按钮8"), Qt::LeftButton);
    Drag(TextView(1), {200, 100});
    PropertyPanel* panel = panels.Panel(Kind::Text);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(Find<QLabel>(panel, "透明标签_序号")->text(), QStringLiteral("4"));
    Type(panel, "编辑框_内容", QStringLiteral("你好"));
    QTest::mouseClick(Find<QPushButton>(panel, "按钮1"), Qt::LeftButton);
    EXPECT_EQ(document.Background().Cell(1, ComponentRecord::Saved), "1");
    EXPECT_EQ(Cell(1, ComponentRecord::Saved), "-1"); // the component layer's placeholder is untouched
    EXPECT_EQ(ExportedValue(Kind::Text, 1, "内容"), "你好");
    EXPECT_EQ(BadgeColour(panel), QColor(0, 255, 0));
}

class PictureFetchTest : public PanelFrameworkTest {
protected:
    LoopbackHttpServer server;
    QString Url(const std::string& path) { return QString::fromStdString(server.BaseUrl() + path); }
};

TEST_F(PictureFetchTest, ASaveNeverWaitsForAPictureHost)
{
    server.Hang("/never.png");
    server.Serve("/good.png", TestPicture::Png(30, 20));
    CanvasElement* element = AddPictureAt({0, 0});
    PropertyPanel* panel = panels.Panel(Kind::Picture);
    Type(panel, "编辑框_图片", Url("/never.png"));
    QTest::mouseClick(Find<QPushButton>(panel, "按钮1"), Qt::LeftButton);
    // The host never answers, yet the save is done and its picture pending.
    EXPECT_EQ(Cell(2, ComponentRecord::Saved), "1");
    EXPECT_TRUE(document.StatusText().startsWith(QStringLiteral("图片属性值保存完成")));
    EXPECT_EQ(panels.Pictures().Pending(), 1);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
    // The window goes on handling input meanwhile.
    QTest::mouseClick(Find<QPushButton>(&window, "超级按钮_图片"), Qt::LeftButton);
    EXPECT_EQ(document.Count(Sort::Component), 3);

    // A newer save of the same element replaces the hanging one.
    Type(panel, "编辑框_图片", Url("/good.png"));
    QTest::mouseClick(Find<QPushButton>(panel, "按钮1"), Qt::LeftButton);
    ASSERT_TRUE(WaitForPictures());
    EXPECT_EQ(element->Picture().size(), QSize(30, 20));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PictureFetchTest, RemovingTheElementDropsItsPendingPicture)
{
    server.Hang("/never.png");
    AddPictureAt({0, 0});
    PropertyPanel* panel = panels.Panel(Kind::Picture);
    Type(panel, "编辑框_图片", Url("/never.png"));
    QTest::mouseClick(Find<QPushButton>(panel, "按钮1"), Qt::LeftButton);
    ASSERT_EQ(panels.Pictures().Pending(), 1);
    document.Remove(document.Selection().Current());
    EXPECT_EQ(document.Count(Sort::Component), 1);
    EXPECT_EQ(panels.Pictures().Pending(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PictureFetchTest, APictureArrivingForARemovedElementIsDropped)
{
    server.Serve("/good.png", TestPicture::Png(30, 20));
    AddPictureAt({0, 0});
    PropertyPanel* panel = panels.Panel(Kind::Picture);
    Type(panel, "编辑框_图片", Url("/good.png"));
    QTest::mouseClick(Find<QPushButton>(panel, "按钮1"), Qt::LeftButton);
    document.Remove(document.Selection().Current()); // before the answer is handed over
    ASSERT_TRUE(QTest::qWaitFor([this] { return panels.Pictures().Workers() == 0; }, 30000));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(panels.Pictures().Pending(), 0);
}

TEST_F(PictureFetchTest, ClosingWhileAPictureHostHangsEndsAndDeliversNothing)
{
    // The fetcher's end waits a second at most for its workers, then leaves
    // them behind (WorkerThread's test holds one on a latch).
    server.Hang("/never.png");
    auto fetcher = std::make_unique<PictureFetcher>();
    QObject target;
    bool delivered = false;
    fetcher->Fetch(Url("/never.png"), &target, [&delivered](const QPixmap&) { delivered = true; });
    fetcher->Fetch(Url("/never.png"), &target, [&delivered](const QPixmap&) { delivered = true; });
    EXPECT_LE(fetcher->Workers(), 1); // one worker per target
    ASSERT_TRUE(QTest::qWaitFor([this] { return server.RequestCount("/never.png") >= 1; }, 30000));
    fetcher.reset();
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(delivered);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PictureFetchTest, HostileAddressesAndHugePictures)
{
    // Typing a hanging address, key by key: one worker for the canvas at
    // any time, the newest address waiting behind it.
    server.Hang("/never.png");
    server.Serve("/good.png", TestPicture::Png(30, 20));
    panels.OpenPageSettings();
    auto* background = Find<PanelField>(panels.PageSettings(), "编辑框_背景图");
    background->selectAll();
    for (const QChar c : Url("/never.png")) {
        QTest::keyClick(background, c.toLatin1());
        ASSERT_LE(panels.Pictures().Workers(), 1) << background->text().toStdString();
    }
    EXPECT_EQ(panels.Pictures().Pending(), 1);
    WidgetDriver::Type(background, Url("/good.png"));
    ASSERT_TRUE(WaitForPictures(30000));
    EXPECT_EQ(Canvas()->pixmap().size(), QSize(30, 20));

    // A local file whose address merely contains "http" is never opened.
    TempDir planted;
    const std::string local = planted.File("p.png");
    ASSERT_TRUE(FileSystem::WriteFileAtomically(local, TestPicture::Png(30, 20)));
    CanvasElement* element = AddPictureAt({0, 0});
    PropertyPanel* panel = panels.Panel(Kind::Picture);
    Type(panel, "编辑框_图片", QString::fromStdString("file://" + local + "?http"));
    QTest::mouseClick(Find<QPushButton>(panel, "按钮1"), Qt::LeftButton);
    ASSERT_TRUE(WaitForPictures());
    EXPECT_TRUE(element->Picture().isNull());

    // A picture far larger than its element is decoded at the element's
    // size; without an element size, within the pixel budget.
    server.Serve("/huge.png", TestPicture::Png(3000, 2400));
    Type(panel, "编辑框_图片", Url("/huge.png"));
    QTest::mouseClick(Find<QPushButton>(panel, "按钮1"), Qt::LeftButton);
    ASSERT_TRUE(WaitForPictures());
    EXPECT_EQ(element->Picture().size(), element->size());
    // Grown past that, it is fetched again at its new size.
    Resize(element, element->size() + QSize(40, 30));
    ASSERT_TRUE(WaitForPictures());
    EXPECT_EQ(element->Picture().size(), element->size());
    const QImage budget = PictureFetcher::Decode(TestPicture::Png(3000, 2400), QSize(), PictureFetcher::Fit::Crop);
    EXPECT_LE(static_cast<qint64>(budget.width()) * budget.height(), PictureFetcher::kPixelBudget);
    EXPECT_GT(budget.width(), budget.height()); // cut at about the same proportions
    EXPECT_EQ(PictureFetcher::Decode(TestPicture::Png(30, 20), QSize(200, 10), PictureFetcher::Fit::Stretch).size(),
              QSize(30, 10));
}

} // namespace
} // namespace morvane
