#include "DesignerWindow.h"
#include "CanvasElement.h"
#include "ComponentRecord.h"
#include "DesignDocument.h"
#include "FileSystem.h"
#include "Guides.h"
#include "KindTable.h"
#include "KindWords.h"
#include "PanelPresenter.h"
#include "SettingsExport.h"
#include "TempDir.h"
#include "WidgetDriver.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>

#include <unistd.h>

using namespace morvane;

namespace {

// Records what the designer asks of the panels: the page settings, and
// through the selection, as the panel set follows it, what to present and
// when to close.
class RecordingPresenter : public PanelPresenter {
public:
    QStringList calls;
    void OpenPageSettings() override { calls << QStringLiteral("page settings"); }
};

class DesignerWindowTest : public ::testing::Test {
protected:
    TempDir dir;
    RecordingPresenter presenter;
    DesignDocument document{QString::fromStdString(dir.Path())};
    QMetaObject::Connection presents =
        QObject::connect(&document.Selection(), &SelectionModel::Selected, [this](ElementId id) {
            const std::optional<DesignDocument::Ref> ref = document.Find(id);
            presenter.calls
                << QStringLiteral("present %1%2").arg(ref->sort == Sort::Text ? "text " : "").arg(ref->number);
        });
    QMetaObject::Connection closes = QObject::connect(&document.Selection(), &SelectionModel::Changed, [this] {
        if (!document.Selection().Current())
            presenter.calls << QStringLiteral("close all");
    });
    DesignerWindow window{document};

    void SetUp() override
    {
        window.SetPanelPresenter(&presenter);
        window.LayOutForScreen(1920, 1080);
        window.show();
    }

    void Click(const char* unit) { QTest::mouseClick(Find<QPushButton>(unit), Qt::LeftButton); }

    template <typename T> T* Find(const char* unit) { return WidgetDriver::Find<T>(&window, unit); }

    CanvasElement* Element(int number) { return window.View(document.IdAt(Sort::Component, number)); }
    CanvasElement* TextView(int number) { return window.View(document.IdAt(Sort::Text, number)); }
    CanvasElement* Add(Kind kind)
    {
        return window.View(kind == Kind::Text ? document.AddText() : document.AddComponent(kind));
    }
    QLabel* Canvas() { return Find<QLabel>("标签_背景"); }

    static void Drag(QWidget* widget, QPoint by, Qt::MouseButton button = Qt::LeftButton)
    {
        WidgetDriver::Drag(widget, by, button);
    }

    void RightClickAndRemove(QWidget* element)
    {
        QTest::mousePress(element, Qt::RightButton);
        QTest::mouseRelease(element, Qt::RightButton);
        auto* menu = Find<QMenu>("菜单");
        ASSERT_EQ(menu->actions().size(), 1);
        EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("移除"));
        menu->hide();
        menu->actions()[0]->trigger();
    }
};

} // namespace

TEST_F(DesignerWindowTest, ControlsStandWhereTheLayoutPutsThem)
{
    window.LayOutForScreen(1366, 768);
    EXPECT_EQ(window.size(), QSize(1366, 728));
    EXPECT_EQ(window.CanvasOrigin().x(), 210);
    EXPECT_EQ(Find<QWidget>("外形框_右边线")->x(), 1159);
    EXPECT_EQ(Find<QWidget>("超级按钮_生成")->x(), 1166);
    EXPECT_EQ(Find<QWidget>("超级按钮_关闭")->x(), 1340);
    EXPECT_EQ(Canvas()->geometry(), QRect(210, 90, 950, 618));
    EXPECT_EQ(Find<QWidget>("图片框_顶背景")->x(), 210);
    EXPECT_EQ(Find<QWidget>("状态提示")->geometry(), QRect(0, 708, 1366, 20));
    EXPECT_TRUE(document.StatusText().contains(QStringLiteral("Morvane")));
    EXPECT_TRUE(document.StatusText().endsWith(QStringLiteral("请先配置全局设置...")));
    window.LayOutForScreen(1920, 1080);
    EXPECT_EQ(window.CanvasOrigin().x(), 487);
    EXPECT_EQ(Find<QPushButton>("超级按钮_全局")->text(), QStringLiteral("全局设置 ☆"));
    EXPECT_EQ(Find<QPushButton>("超级按钮_生成")->text(), QStringLiteral("生成\n代码"));
}

TEST_F(DesignerWindowTest, AddingAndRemovingKeepsNumbersRowsAndTagsInStep)
{
    Click("超级按钮_图片");
    EXPECT_TRUE(document.StatusText().startsWith(QStringLiteral("添加一张图片成完")));
    Click("超级按钮_轮播");
    Click("超级按钮_图片");
    EXPECT_EQ(document.Count(Sort::Component), 6);
    ASSERT_EQ(document.Components().RowCount(), 7);
    const char* kinds[] = {"图片", "轮播", "左箭头", "右箭头", "图片"};
    for (int n = 2; n <= 6; ++n) {
        EXPECT_EQ(document.Components().Cell(n, ComponentRecord::Kind), kinds[n - 2]);
        EXPECT_EQ(Element(n)->Tag(), QString::number(n));
    }
    EXPECT_EQ(document.Components().Cell(3, ComponentRecord::Left), "真");
    EXPECT_EQ(Element(3)->geometry(), QRect(9, 247, 300, 130));
    EXPECT_EQ(Element(4)->geometry(), QRect(9, 337, 40, 40));
    EXPECT_EQ(Element(5)->geometry(), QRect(269, 337, 40, 40));
    EXPECT_EQ(Element(2)->geometry(), Element(6)->geometry());

    CanvasElement* last = Element(6);
    RightClickAndRemove(Element(3));
    EXPECT_EQ(document.Count(Sort::Component), 3);
    EXPECT_EQ(document.Components().RowCount(), 4);
    EXPECT_EQ(Element(3), last);
    EXPECT_EQ(last->Tag(), QStringLiteral("3"));
    EXPECT_EQ(document.StatusText(), QStringLiteral("组件删除完成，点击上方组件名称添加对应组件..."));
    // The selection tells of the selected carousel's going.
    EXPECT_EQ(presenter.calls.last(), QStringLiteral("close all"));
}

TEST_F(DesignerWindowTest, RemovingAnArrowOnlyHidesBothArrows)
{
    Click("超级按钮_轮播");
    RightClickAndRemove(Element(3));
    EXPECT_EQ(document.Count(Sort::Component), 4);
    EXPECT_FALSE(Element(3)->isVisible());
    EXPECT_FALSE(Element(4)->isVisible());
    EXPECT_TRUE(Element(2)->isVisible());
    EXPECT_FALSE(document.PlacementOf(Element(3)->Id()).visible);
    EXPECT_FALSE(document.PlacementOf(Element(4)->Id()).visible);
}

TEST_F(DesignerWindowTest, TextsAreNumberedApartAndRemovedByTheirRightPress)
{
    Click("超级按钮_图片");
    Click("超级按钮8");
    Click("超级按钮8");
    EXPECT_EQ(document.Count(Sort::Text), 2);
    EXPECT_EQ(document.Background().Cell(2, 0), "文字");
    // select the component first: the right press on the text decides
    QTest::mousePress(Element(2), Qt::RightButton);
    QTest::mouseRelease(Element(2), Qt::RightButton);
    Find<QMenu>("菜单")->hide();
    QWidget* firstText = TextView(1);
    QTest::mousePress(firstText, Qt::RightButton);
    Find<QMenu>("菜单")->hide();
    Find<QMenu>("菜单")->actions()[0]->trigger();
    EXPECT_EQ(document.Count(Sort::Text), 1);
    EXPECT_EQ(document.Count(Sort::Component), 2);
    EXPECT_EQ(TextView(1)->Tag(), QStringLiteral("1"));
    Click("超级按钮8");
    EXPECT_EQ(TextView(document.Count(Sort::Text))->Tag(), QStringLiteral("2"));
}

TEST_F(DesignerWindowTest, HandlesSurroundTheSelectionTouchingIt)
{
    Click("超级按钮_图片");
    Placement place = document.PlacementOf(Element(2)->Id());
    place.left = 300 - window.CanvasOrigin().x();
    place.top = 200 - DesignerWindow::CanvasTop;
    document.SetPlacement(Element(2)->Id(), place);
    QTest::mousePress(Element(2), Qt::RightButton);
    const std::pair<const char*, QPoint> expected[] = {
        {"外形框1", {420, 320}}, {"外形框7", {420, 256}}, {"外形框6", {420, 192}}, {"外形框8", {352, 320}},
        {"外形框3", {292, 320}}, {"外形框4", {292, 252}}, {"外形框2", {292, 192}}, {"外形框5", {352, 192}},
    };
    for (const auto& [unit, position] : expected) {
        QWidget* handle = Find<QWidget>(unit);
        EXPECT_EQ(handle->pos(), position) << unit;
        EXPECT_TRUE(handle->isVisible()) << unit;
    }
}

TEST_F(DesignerWindowTest, LeftDragMovesSelectsAndPresentsAfterClosingPanels)
{
    Click("超级按钮_图片");
    presenter.calls.clear();
    Drag(Element(2), QPoint(400, 30));
    EXPECT_EQ(Element(2)->pos(), QPoint(409, 277));
    EXPECT_EQ(presenter.calls, (QStringList{"close all", "present 2"}));
    EXPECT_EQ(document.Selection().Current(), Element(2)->Id());
    EXPECT_EQ(Find<QWidget>("外形框1")->pos(), QPoint(409 + 120, 277 + 120));
    // components can go off the canvas without limits
    Drag(Element(2), QPoint(-400, -30));
    EXPECT_EQ(Element(2)->pos(), QPoint(9, 247));
}

TEST_F(DesignerWindowTest, CarouselArrowsFollowDragsButNotRightPresses)
{
    Click("超级按钮_轮播");
    Drag(Element(2), QPoint(50, 20));
    EXPECT_EQ(Element(3)->pos(), QPoint(59, 357));
    EXPECT_EQ(Element(4)->pos(), QPoint(319, 357));
    QTest::mousePress(Element(2), Qt::RightButton);
    QTest::mouseRelease(Element(2), Qt::RightButton);
    Find<QMenu>("菜单")->hide();
    EXPECT_EQ(Element(3)->pos(), QPoint(59, 357));
    // a resize from the top-left moves the arrows by the change of left and top
    Drag(Find<QWidget>("外形框2"), QPoint(-10, -5));
    EXPECT_EQ(Element(2)->geometry(), QRect(49, 262, 310, 135));
    EXPECT_EQ(Element(3)->pos(), QPoint(49, 352));
}

TEST_F(DesignerWindowTest, HandlesResizeFromTheirEdgeAndTheTextWhenATextIsCurrent)
{
    Click("超级按钮_图片");
    Click("超级按钮8");
    Drag(Element(2), QPoint(300, 0));
    Drag(Find<QWidget>("外形框1"), QPoint(30, 40));
    EXPECT_EQ(Element(2)->geometry(), QRect(309, 247, 150, 160));
    Drag(Find<QWidget>("外形框4"), QPoint(-9, 0));
    EXPECT_EQ(Element(2)->geometry(), QRect(300, 247, 159, 160));

    presenter.calls.clear();
    CanvasElement* text = TextView(1);
    Drag(text, QPoint(200, 0));
    EXPECT_EQ(presenter.calls, QStringList{"present text 1"}); // no closing of panels
    Drag(Find<QWidget>("外形框8"), QPoint(0, 10));
    EXPECT_EQ(text->size(), QSize(75, 32));
    EXPECT_EQ(Element(2)->size(), QSize(159, 160));
}

TEST_F(DesignerWindowTest, QrCodeAndLikeArePresentedButNotFramed)
{
    Click("超级按钮6");
    Drag(Element(2), QPoint(300, 0));
    EXPECT_FALSE(Find<QWidget>("外形框1")->isVisible());
    EXPECT_TRUE(presenter.calls.contains(QStringLiteral("present 2")));
}

TEST_F(DesignerWindowTest, ReleasingOverTheCanvasDeselects)
{
    Click("超级按钮_图片");
    Drag(Element(2), QPoint(400, 0));
    presenter.calls.clear();
    QTest::mouseClick(Canvas(), Qt::LeftButton, {}, QPoint(500, 300));
    EXPECT_FALSE(Find<QWidget>("外形框1")->isVisible());
    EXPECT_EQ(presenter.calls, QStringList{"close all"});
}

TEST_F(DesignerWindowTest, HorizontalLineIsPlacedClampedAndDraggedByItsGrip)
{
    auto* line = Find<QWidget>("外形框_水平线");
    auto* grip = Find<QWidget>("透明标签_水平线");
    auto* field = Find<QLineEdit>("编辑框_水平线顶边");
    QTest::mouseClick(Find<QCheckBox>("选择框_水平线"), Qt::LeftButton);
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(field->text(), QStringLiteral("381"));
    EXPECT_EQ(line->y(), 471);
    EXPECT_EQ(grip->y(), 464);
    field->setText(QStringLiteral("-5"));
    EXPECT_EQ(field->text(), QStringLiteral("0"));
    EXPECT_EQ(line->y(), 90);
    EXPECT_EQ(grip->y(), 83);
    field->setText(QStringLiteral("100"));
    EXPECT_EQ(line->y(), 190);
    EXPECT_EQ(grip->y(), 183);
    Drag(grip, QPoint(40, -150));
    EXPECT_EQ(grip->pos(), QPoint(0, 83));
    EXPECT_EQ(line->y(), 90);
    EXPECT_EQ(field->text(), QStringLiteral("0"));

    QTest::mouseClick(Find<QCheckBox>("选择框_中心线"), Qt::LeftButton);
    QTest::mouseClick(Find<QCheckBox>("选择框_中心线"), Qt::LeftButton);
    EXPECT_FALSE(Find<QWidget>("外形框_中心线")->isVisible());
    EXPECT_TRUE(document.StatusText().startsWith(QStringLiteral("中心线已显示")));
    window.findChild<Guides*>()->SetColour(QColor(255, 0, 0));
    EXPECT_EQ(line->palette().color(QPalette::Window), QColor(255, 0, 0));
}

TEST_F(DesignerWindowTest, CloseButtonDeletesTheWorkingDirectory)
{
    document.Export().Flush();
    const std::string bj = dir.Path() + "/bj";
    ASSERT_TRUE(std::filesystem::exists(bj));
    Click("超级按钮_关闭");
    EXPECT_FALSE(std::filesystem::exists(bj));
}

TEST_F(DesignerWindowTest, FiveHundredElementsShareOnePicture)
{
    for (int i = 0; i < 500; ++i)
        Add(Kind::Countdown);
    const qint64 key = Element(2)->Picture().cacheKey();
    for (int n = 3; n <= 501; ++n)
        ASSERT_EQ(Element(n)->Picture().cacheKey(), key);
    Add(Kind::Countdown);
    Drag(Element(300), QPoint(200, 100));
    EXPECT_EQ(Element(300)->pos(), QPoint(209, 347));
}

TEST_F(DesignerWindowTest, PressingNeverRaisesSoTheStackingIsThatOfTheCode)
{
    Click("超级按钮_轮播");
    CanvasElement* leftArrow = Element(3);
    Drag(Element(2), QPoint(300, 50));
    const QPoint onArrow = leftArrow->geometry().center();
    ASSERT_EQ(window.childAt(onArrow), leftArrow);
    // A right press there is on the arrow: "移除" hides the arrows and the
    // carousel stays.
    RightClickAndRemove(window.childAt(onArrow));
    EXPECT_EQ(document.Count(Sort::Component), 4);
    EXPECT_TRUE(Element(2)->isVisible());
    EXPECT_FALSE(leftArrow->isVisible());

    // Texts stay above components, also above ones added or moved later.
    Click("超级按钮8");
    CanvasElement* text = TextView(1);
    Drag(text, QPoint(600, 200));
    Click("超级按钮_图片");
    CanvasElement* picture = Element(5);
    Drag(picture, text->geometry().center() - picture->geometry().center());
    EXPECT_EQ(window.childAt(text->geometry().center()), text);
}

TEST_F(DesignerWindowTest, AnElementDraggedOutOfTheWindowCanStillBeGrabbed)
{
    Click("超级按钮_图片");
    CanvasElement* picture = Element(2);
    for (const QPoint by : {QPoint(-5000, -5000), QPoint(10000, 10000)}) {
        Drag(picture, by);
        const QRect visible = picture->geometry() & window.rect();
        EXPECT_GE(visible.width(), 16) << by.x();
        EXPECT_GE(visible.height(), 16) << by.y();
        EXPECT_EQ(window.childAt(visible.center()), picture);
    }
    // ...and be brought back.
    Drag(picture, QPoint(9, 247) - picture->pos());
    EXPECT_EQ(picture->pos(), QPoint(9, 247));
}

TEST_F(DesignerWindowTest, OnlyTheBackgroundAndTheCanvasDeselect)
{
    Click("超级按钮_图片");
    Drag(Element(2), QPoint(400, 0));
    presenter.calls.clear();
    for (const char* unit : {"图片框_顶背景", "图片框_logo", "图片框_刻度", "状态提示", "外形框10"}) {
        QTest::mouseClick(Find<QWidget>(unit), Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_TRUE(presenter.calls.isEmpty()) << unit;
    }
    EXPECT_TRUE(Find<QWidget>("外形框1")->isVisible());
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(20, 600));
    EXPECT_EQ(presenter.calls, QStringList{"close all"});
    EXPECT_FALSE(Find<QWidget>("外形框1")->isVisible());
}

TEST_F(DesignerWindowTest, QrCodeAndLikeNeverKeepAnEarlierFrame)
{
    Click("超级按钮_图片");
    Click("超级按钮6");
    Click("超级按钮11");
    Drag(Element(2), QPoint(300, 0));
    ASSERT_TRUE(Find<QWidget>("外形框1")->isVisible());
    for (int number : {3, 4}) {
        QTest::mousePress(Element(number), Qt::RightButton);
        EXPECT_FALSE(Find<QWidget>("外形框1")->isVisible()) << number;
        EXPECT_EQ(document.Selection().Current(), Element(number)->Id());
        Find<QMenu>("菜单")->hide();
        QTest::mouseRelease(Element(number), Qt::RightButton);
        Find<QMenu>("菜单")->hide();
    }
}

TEST_F(DesignerWindowTest, AHugeHorizontalLineDistanceIsClampedNotOverflowed)
{
    auto* field = Find<QLineEdit>("编辑框_水平线顶边");
    field->setText(QStringLiteral("2147483647"));
    auto* line = Find<QWidget>("外形框_水平线");
    EXPECT_GT(line->y(), 1000000);
    EXPECT_EQ(Find<QWidget>("透明标签_水平线")->y(), line->y() - 7);
    EXPECT_EQ(field->text(), QStringLiteral("2147483647"));
}

TEST_F(DesignerWindowTest, EveryKindOfTheTableIsAddedWithItsSizeAndCompanions)
{
    int expectedCounter = 1;
    for (const KindInfo& kind : KindTable::All()) {
        if (kind.owner) {
            EXPECT_EQ(Add(kind.kind), nullptr) << "a companion never comes alone";
            EXPECT_FALSE(kind.toolbar.Exists());
            continue;
        }
        // Every other kind has its button, captioned with its word.
        auto* button = Find<QPushButton>(std::string(kind.toolbar.unit).c_str());
        ASSERT_NE(button, nullptr) << kind.word;
        EXPECT_EQ(button->text(), KindWords::Of(kind.kind));
        const int texts = document.Count(Sort::Text);
        QTest::mouseClick(button, Qt::LeftButton);
        CanvasElement* element =
            kind.kind == Kind::Text
                ? TextView(texts + 1)
                : Element(document.Count(Sort::Component) - static_cast<int>(kind.companions.size()));
        ASSERT_NE(element, nullptr) << kind.word;
        EXPECT_EQ(element->size(), QSize(kind.width, kind.height)) << kind.word;
        if (kind.kind == Kind::Text)
            continue;
        expectedCounter += 1 + static_cast<int>(kind.companions.size());
        EXPECT_EQ(document.Components().Cell(element->Number(), ComponentRecord::Kind), kind.word);
        for (size_t i = 0; i < kind.companions.size(); ++i)
            EXPECT_EQ(document.Components().Cell(element->Number() + 1 + static_cast<int>(i), ComponentRecord::Kind),
                      KindTable::Word(kind.companions[i].kind));
        // A right press selects it: framed or not, as the table says.
        QTest::mousePress(element, Qt::RightButton);
        EXPECT_EQ(Find<QWidget>("外形框1")->isVisible(), kind.framed) << kind.word;
        QTest::mouseRelease(element, Qt::RightButton);
        Find<QMenu>("菜单")->hide();
    }
    EXPECT_EQ(document.Count(Sort::Component), expectedCounter);
}

namespace {

// The files of a folder by name, with their bytes.
std::map<std::string, std::string> FolderFiles(const std::string& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files[entry.path().filename().string()] = FileSystem::ReadWholeFile(entry.path().string()).value_or("?");
    return files;
}

std::string Bytes(const std::vector<std::pair<std::string, std::string>>& keys)
{
    return DesignSettings::Written(keys)->Bytes();
}

} // namespace

// The design holds the settings; "bj" is only written from it. A removal
// and its undo go through a folder that cannot be written without losing
// anything, the failure told once, and the next change puts the folder
// right again.
TEST_F(DesignerWindowTest, TheWorkingFolderIsAnExportOfTheDesignNeverItsTruth)
{
    const std::string bj = dir.Path() + "/bj";
    // Left by an earlier run: it belongs to no design.
    document.Export().Flush();
    ASSERT_TRUE(FileSystem::WriteFileAtomically(bj + "/lb6.ini", "[配置]\r\n宽度=1\r\n"));
    DesignDocument fresh(QString::fromStdString(dir.Path()));
    fresh.Export().Flush();
    EXPECT_TRUE(FolderFiles(bj).empty());

    // Ten components, a configured carousel among them: pictures 2 to 5,
    // the carousel 6 with its arrows 7 and 8, a countdown 9, a search box
    // 10, pictures 11 to 13; and two texts.
    for (const Kind kind : {Kind::Picture, Kind::Picture, Kind::Picture, Kind::Picture, Kind::Carousel, Kind::Countdown,
                            Kind::Search, Kind::Picture, Kind::Picture, Kind::Picture, Kind::Text, Kind::Text})
        Add(kind);
    const std::vector<std::pair<std::string, std::string>> carousel{{"宽度", "500"}, {"图片1", "http://p/1.jpg"}},
        countdown{{"宽度", "360"}}, search{{"宽度", "238"}}, text{{"内容", "一"}};
    document.WriteSettings(Element(6)->Id(), carousel);
    document.WriteSettings(Element(9)->Id(), countdown);
    document.WriteSettings(Element(10)->Id(), search);
    document.WriteSettings(TextView(2)->Id(), text);
    document.Export().Flush();
    const std::map<std::string, std::string> configured{{"lb6.ini", Bytes(carousel)},
                                                        {"djs9.ini", Bytes(countdown)},
                                                        {"ss10.ini", Bytes(search)},
                                                        {"wz2.ini", Bytes(text)}};
    EXPECT_EQ(FolderFiles(bj), configured);
    const Design before = document.Snapshot();

    RightClickAndRemove(Element(6));
    document.Export().Flush();
    EXPECT_EQ(FolderFiles(bj),
              (std::map<std::string, std::string>{
                  {"djs6.ini", Bytes(countdown)}, {"ss7.ini", Bytes(search)}, {"wz2.ini", Bytes(text)}}));
    const Design removed = document.Snapshot();

    // The folder made read-only; root writes anywhere, so for root a file
    // takes its place.
    namespace fs = std::filesystem;
    fs::permissions(bj, fs::perms::owner_read | fs::perms::owner_exec);
    const bool root = ::geteuid() == 0;
    if (root) {
        fs::rename(bj, bj + ".away");
        ASSERT_TRUE(FileSystem::WriteFileAtomically(bj, "not a folder"));
    }
    QSignalSpy status(&document, &DesignDocument::StatusShown);
    const auto failures = [&status] {
        return std::count_if(status.begin(), status.end(), [](const QList<QVariant>& shown) {
            return shown[0].toString().startsWith(QStringLiteral("工作文件夹 bj 中的设置文件"));
        });
    };
    // Undo and redo are the window's shortcuts.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(document.Snapshot(), before) << "the undo puts the carousel back with its settings";
    EXPECT_EQ(document.StatusText(), QStringLiteral("已撤销：移除轮播..."));
    document.Export().Flush();
    EXPECT_EQ(failures(), 1);
    EXPECT_TRUE(document.StatusText().contains(QStringLiteral("lb6.ini"))) << document.StatusText().toStdString();
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    document.Export().Flush();
    EXPECT_EQ(document.Snapshot(), removed);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    document.Export().Flush();
    EXPECT_EQ(failures(), 1) << "told once";

    if (root) {
        fs::remove(bj);
        fs::rename(bj + ".away", bj);
    }
    fs::permissions(bj, fs::perms::owner_all);
    document.MoveBy(Element(2)->Id(), {1, 0}, 0);
    document.Export().Flush();
    EXPECT_EQ(FolderFiles(bj), configured);
    EXPECT_EQ(failures(), 1);
}

TEST_F(DesignerWindowTest, ClosingTheWindowAnyWayEndsTheProgramOnlyTheButtonDeletesTheSettings)
{
    document.Export().Flush();
    const std::string bj = dir.Path() + "/bj";
    QWidget otherWindow; // an open panel would keep a plain application running
    otherWindow.show();
    // Runs the event loop until the program ends; a run that does not end
    // is ended with 99, so the suite never hangs.
    const auto runUntilEnd = [](const std::function<void()>& action) {
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        guard.start(3000);
        QTimer::singleShot(0, action);
        return QApplication::exec();
    };
    EXPECT_EQ(runUntilEnd([this] { window.close(); }), 0);
    EXPECT_TRUE(std::filesystem::exists(bj));

    window.show();
    EXPECT_EQ(runUntilEnd([this] { Click("超级按钮_关闭"); }), 0);
    EXPECT_FALSE(std::filesystem::exists(bj));
}
