// The whole road for a design holding every kind: components and texts are
// added from the toolbar, moved, configured and saved through their panels
// only, one picture and one text are removed again, and the generated code
// is compared block by block with what the generator makes of the values
// the panels were given, written down here independently.
#include "PanelTestFixture.h"

#include "CarouselPanel.h"
#include "CodeGenerator.h"
#include "ComponentRecord.h"
#include "CountdownPanel.h"
#include "CustomerServicePanel.h"
#include "DesignSettings.h"
#include "GenerationController.h"
#include "KindColumns.h"
#include "KindTable.h"
#include "MagnifierPanel.h"
#include "PageSettings.h"
#include "PageSettingsPanel.h"
#include "PicturePanel.h"
#include "RoadController.h"
#include "SmallWidgetMembers.h"
#include "TwoSidedPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QRadioButton>

#include <regex>

namespace morvane {
namespace {

using Keys = std::vector<std::pair<std::string, std::string>>;

std::string S(const QString& text)
{
    return text.toStdString();
}

// Loopback addresses that nothing answers: pictures are asked for, never
// waited for.
QString Address(const char* path)
{
    return QStringLiteral("http://127.0.0.1:9/") + QString::fromUtf8(path);
}

class EveryKindRoadTest : public PanelTest {
protected:
    // The design as the panels should have stored it.
    ComponentLayer expected;
    BackgroundLayer expectedTexts;
    DesignSettings reference;

    // A component from the toolbar, dragged from where it was added to the
    // canvas position given; its panel opens and loads.
    PropertyPanel* Place(const char* button, const char* kind, QPoint at)
    {
        QTest::mouseClick(Find<QPushButton>(&window, button), Qt::LeftButton);
        // A carousel comes with its arrows after it; the carousel is dragged.
        const KindInfo& info = KindTable::Of(*KindTable::FromWord(kind));
        CanvasElement* element =
            ComponentView(document.Count(Sort::Component) - static_cast<int>(info.companions.size()));
        Drag(element, at + QPoint(window.CanvasOrigin().x(), DesignerWindow::CanvasTop) - element->pos());
        PropertyPanel* panel = panels.Panel(info.kind);
        EXPECT_NE(panel, nullptr) << kind;
        return panel;
    }

    // The next expected record: the kind word and the cells given.
    void Expect(std::string_view kind, const std::vector<std::pair<int, std::string>>& cells)
    {
        const int row = expected.AppendComponent(*KindTable::FromWord(kind));
        for (const auto& [column, text] : cells)
            expected.SetCell(row, column, text);
        expected.SetCell(row, ComponentRecord::Saved, "1");
    }

    static std::vector<std::pair<int, std::string>> Geometry(QPoint at, int width, int height)
    {
        return {{1, std::to_string(at.x())},
                {2, std::to_string(at.y())},
                {3, std::to_string(width)},
                {4, std::to_string(height)}};
    }

    void Remove(CanvasElement* element)
    {
        RightSelect(element);
        auto* menu = window.findChild<QMenu*>(QStringLiteral("菜单"));
        ASSERT_NE(menu, nullptr);
        menu->actions().first()->trigger();
    }

    // Blocks start where a component's outer box does.
    static std::vector<std::string> Blocks(const std::string& code)
    {
        static const std::string start = "<div class=\"most-footer footer-more-trigger";
        std::vector<std::string> blocks;
        size_t from = 0;
        while (from < code.size()) {
            const size_t next = code.find(start, from + 1);
            blocks.push_back(code.substr(from, next == std::string::npos ? std::string::npos : next - from));
            from = next;
        }
        return blocks;
    }
};

TEST_F(EveryKindRoadTest, EveryKindFromTheToolbarToTheClipboard)
{
    auto* controller = StartRoadController(document, dir, &window);
    ASSERT_NE(controller, nullptr);
    QObject::connect(&window, &DesignerWindow::GenerateRequested, controller, &GenerationController::GenerateCode);
    panels.OpenPageSettings();
    Save(panels.PageSettings());

    // A picture that will be removed again, so everything after it moves
    // down one number, settings files included.
    PropertyPanel* panel = Place("超级按钮_图片", "图片", {5, 5});
    Type(panel, "编辑框_图片", Address("removed.jpg"));
    Save(panel);
    CanvasElement* removedPicture = ComponentView(2);

    panel = Place("超级按钮_图片", "图片", {10, 20});
    Type(panel, "编辑框_图片", Address("picture.jpg"));
    Type(panel, "编辑框_链接", QStringLiteral("http://shop.example/item?id=1"));
    Type(panel, "编辑框_提示", QStringLiteral("夏季新品"));
    Save(panel);
    Expect("图片", {{1, "10"},
                    {2, "20"},
                    {3, "120"},
                    {4, "120"},
                    {5, "_blank"},
                    {6, S(Address("picture.jpg"))},
                    {7, "http://shop.example/item?id=1"},
                    {8, "夏季新品"}});

    panel = Place("超级按钮_轮播", "轮播", {200, 20});
    QTest::mouseClick(Find<QPushButton>(panel, "按钮1"), Qt::LeftButton);
    for (int row = 1; row <= 3; ++row) {
        const QString number = QString::number(row);
        Type(panel, ("编辑框_图片" + number).toUtf8().constData(), Address("slide.jpg") + number);
        Type(panel, ("编辑框_链接" + number).toUtf8().constData(), QStringLiteral("http://l/") + number);
    }
    Choose(panel, "组合框3", QStringLiteral("淡隐淡现"));
    Choose(panel, "组合框4", QStringLiteral("最原始均速"));
    Save(panel, "按钮2");
    Expect("轮播", {{CarouselColumn::ArrowSwitch, CarouselColumn::ArrowsShown}});
    expected.AppendComponent(Kind::LeftArrow);
    expected.AppendComponent(Kind::RightArrow);
    Keys carousel{{"宽度", "300"},
                  {"高度", "130"},
                  {"距左", "200"},
                  {"距顶", "20"},
                  {"编辑框数量", "3"},
                  {"左箭头", S(CarouselPanel::DefaultLeftArrowAddress)},
                  {"右箭头", S(CarouselPanel::DefaultRightArrowAddress)},
                  {"左箭头距左", "0"},
                  {"左箭头距顶", "90"},
                  {"右箭头距左", "260"},
                  {"右箭头距顶", "90"},
                  {"打开方式", "_blank"},
                  {"自动轮播", "true"},
                  {"动画效果", "fade"},
                  {"切换效果", "easeNone"},
                  {"刷新间隔", "0.5"},
                  {"箭头开关", "block"}};
    for (int row = 1; row <= 3; ++row) {
        carousel.emplace_back("图片" + std::to_string(row), S(Address("slide.jpg")) + std::to_string(row));
        carousel.emplace_back("链接" + std::to_string(row), "http://l/" + std::to_string(row));
    }
    reference.Set(Kind::Carousel, 3, DesignSettings::Written(carousel));

    panel = Place("超级按钮3", "放大镜", {520, 20});
    Type(panel, "编辑框_底图", Address("base.jpg"));
    Type(panel, "编辑框_放大图", Address("zoom.jpg"));
    Type(panel, "编辑框_链接", QStringLiteral("http://shop.example/zoom"));
    Choose(panel, "组合框2", QStringLiteral("1.5 倍"));
    Save(panel, "按钮2");
    Expect("放大镜", {{1, "520"},
                      {2, "20"},
                      {3, "220"},
                      {5, "_blank"},
                      {6, S(Address("base.jpg"))},
                      {7, S(Address("zoom.jpg"))},
                      {8, "http://shop.example/zoom"},
                      {10, "330"},
                      {11, "#fff"}});

    panel = Place("超级按钮1", "双面图", {760, 20});
    Type(panel, "编辑框_底图", Address("front.jpg"));
    Type(panel, "编辑框_链接", QStringLiteral("http://shop.example/two"));
    Choose(panel, "组合框2", QStringLiteral("蝴蝶飞舞"));
    const std::string butterflies = S(Text(panel, "编辑框_放大图"));
    Save(panel, "按钮2");
    Expect("双面图", {{1, "760"},
                      {2, "20"},
                      {3, "120"},
                      {4, "120"},
                      {5, "_blank"},
                      {6, S(Address("front.jpg"))},
                      {7, "http://shop.example/two"},
                      {8, butterflies}});

    panel = Place("超级按钮2", "倒计时", {10, 180});
    Type(panel, "编辑框_年数", QStringLiteral("2027"));
    Type(panel, "编辑框_底图", Address("countdown.png"));
    Save(panel);
    Expect("倒计时", {});
    reference.Set(
        Kind::Countdown, 8,
        DesignSettings::Written(
            {{"距左", "10"},   {"距顶", "180"}, {"宽度", "360"}, {"高度", "90"}, {"底图", S(Address("countdown.png"))},
             {"年数", "2027"}, {"年字", "年"},  {"月数", "5"},   {"月字", "月"}, {"号数", "9"},
             {"号字", "日"},   {"时数", "20"},  {"时字", "时"},  {"分数", "23"}, {"分字", "分"},
             {"秒数", "18"},   {"秒字", "秒"},  {"字距", "89"},  {"字号", "18"}, {"字体", "微软雅黑"},
             {"字色", "#fff"}}));

    panel = Place("超级按钮4", "旺旺群", {400, 180});
    Type(panel, "编辑框_群号", QStringLiteral("12345678"));
    Save(panel);
    auto cells = Geometry({400, 180}, 63, 20);
    cells.insert(cells.end(), {{5, "12345678"}, {6, S(SmallWidgetMembers::GroupIcon)}});
    Expect("旺旺群", cells);

    panel = Place("超级按钮5", "购物车", {480, 180});
    Type(panel, "编辑框_宝贝地址", QStringLiteral("http://detail.example/item?id=9"));
    Save(panel);
    cells = Geometry({480, 180}, 120, 31);
    cells.insert(cells.end(), {{5, S(SmallWidgetMembers::CartIcon)}, {6, "http://detail.example/item?id=9"}});
    Expect("购物车", cells);

    panel = Place("超级按钮6", "二维码", {620, 180});
    Choose(panel, "组合框1", QStringLiteral("天猫宝贝"));
    Type(panel, "编辑框_数字", QStringLiteral("520520"));
    Save(panel);
    Expect("二维码", {{1, "620"}, {2, "180"}, {3, "1"}, {4, S(SmallWidgetMembers::QrTemplates[1])}, {5, "520520"}});

    panel = Place("超级按钮_图片2", "客服", {780, 180});
    Type(panel, "编辑框_旺旺号", QStringLiteral("店小二"));
    Find<QCheckBox>(panel, "选择框1")->click(); // ticked again: the default avatar
    Choose(panel, "组合框1", QStringLiteral("大图标"));
    Save(panel);
    cells = Geometry({780, 180}, 70, 70);
    cells.insert(cells.end(), {{5, "店小二"},
                               {6, S(CustomerServicePanel::GetcidLink)},
                               {7, S(CustomerServicePanel::DefaultAvatar)},
                               {8, S(CustomerServicePanel::BigStatusIcon)},
                               {10, ""},
                               {11, "right"}});
    Expect("客服", cells);

    panel = Place("超级按钮_图片3", "视频", {10, 300});
    Save(panel);
    cells = Geometry({10, 300}, 350, 240);
    cells.push_back({5, S(SmallWidgetMembers::Video)});
    Expect("视频", cells);

    panel = Place("超级按钮7", "搜索", {400, 300});
    Type(panel, "编辑框_预设字", QStringLiteral("连衣裙"));
    Type(panel, "编辑框_店铺", QStringLiteral("http://shop.example"));
    panel->ChooseColour(QStringLiteral("颜色选择器4"), QColor(0, 0, 255));
    Save(panel);
    Expect("搜索", {});
    reference.Set(Kind::Search, 14,
                  DesignSettings::Written({{"宽度", "238"},
                                           {"高度", "31"},
                                           {"距左", "400"},
                                           {"距顶", "300"},
                                           {"搜框宽", "180"},
                                           {"搜框高", "30"},
                                           {"按扭宽", "50"},
                                           {"按扭高", "30"},
                                           {"预设字", "连衣裙"},
                                           {"店铺", "http://shop.example"},
                                           {"搜框背景色", "#fff"},
                                           {"搜框文字色", "#000"},
                                           {"搜框边框色", "#FF798A"},
                                           {"按扭背景色", "#0000FF"},
                                           {"按扭文字色", "#fff"}}));

    panel = Place("超级按钮9", "分享", {660, 300});
    Type(panel, "编辑框_宝贝", QStringLiteral("1001"));
    Save(panel);
    cells = Geometry({660, 300}, 92, 27);
    cells.insert(cells.end(), {{5, "1001"}, {6, S(SmallWidgetMembers::ShareIcon)}});
    Expect("分享", cells);

    panel = Place("超级按钮10", "收藏", {760, 300});
    Type(panel, "编辑框_店铺", QStringLiteral("http://shop.example"));
    Save(panel);
    cells = Geometry({760, 300}, 190, 174);
    cells.insert(cells.end(), {{5, S(SmallWidgetMembers::FavouritePicture)}, {6, "http://shop.example"}});
    Expect("收藏", cells);

    panel = Place("超级按钮11", "喜欢", {400, 360});
    QTest::mouseClick(Find<QRadioButton>(panel, "单选框1"), Qt::LeftButton);
    Type(panel, "编辑框_宝贝地址", QStringLiteral("2002"));
    Save(panel);
    Expect("喜欢", {{1, "400"}, {2, "360"}, {3, "1"}, {4, "2002"}});

    panel = Place("超级按钮12", "关注", {540, 360});
    Type(panel, "编辑框_店铺", QStringLiteral("3003"));
    Save(panel);
    cells = Geometry({540, 360}, 75, 22);
    cells.insert(cells.end(), {{5, "3003"}, {6, S(SmallWidgetMembers::FollowIcon)}});
    Expect("关注", cells);

    // Three texts; the first goes again, so the others move down a number.
    const QPoint textPlaces[] = {{10, 560}, {200, 560}, {400, 560}};
    std::vector<CanvasElement*> texts;
    for (int i = 0; i < 3; ++i) {
        texts.push_back(AddAt("超级按钮8", textPlaces[i]));
        panel = panels.Panel(Kind::Text);
        ASSERT_NE(panel, nullptr);
        Type(panel, "编辑框_内容", QStringLiteral("文字%1").arg(i));
        if (i == 2) {
            Type(panel, "编辑框_链接", QStringLiteral("http://shop.example/text"));
            Choose(panel, "组合框1", QStringLiteral("居中"));
            panel->ChooseColour(QStringLiteral("颜色选择器2"), QColor(255, 0, 0));
        }
        Save(panel);
    }
    for (int i = 1; i < 3; ++i) {
        const int number = expectedTexts.AppendText();
        expectedTexts.SetCell(number, ComponentRecord::Saved, "1");
        const bool linked = i == 2;
        reference.Set(Kind::Text, number,
                      DesignSettings::Written({{"宽度", "75"},
                                               {"高度", "22"},
                                               {"距左", std::to_string(textPlaces[i].x())},
                                               {"距顶", std::to_string(textPlaces[i].y())},
                                               {"内容", "文字" + std::to_string(i)},
                                               {"链接", linked ? "http://shop.example/text" : ""},
                                               {"对齐", linked ? "center" : "left"},
                                               {"字号", "14"},
                                               {"字体", "仿宋"},
                                               {"字距", ""},
                                               {"加粗", "normal;"},
                                               {"字色", linked ? "#FF0000" : "#000000"},
                                               {"背色", ""}}));
    }

    Remove(removedPicture);
    Remove(texts[0]);
    ASSERT_EQ(document.Count(Sort::Component), 18);
    ASSERT_EQ(document.Count(Sort::Text), 2);

    QTest::mouseClick(Find<QPushButton>(&window, "超级按钮_生成"), Qt::LeftButton);
    ASSERT_EQ(document.StatusText(), QStringLiteral("代码生成完毕，并已复制到剪切板..."));
    const std::string clipboard = QGuiApplication::clipboard()->text().toStdString();

    // The page settings came through their panel too; the rest is the
    // independent design.
    for (int column = 0; column < PageSettings::ColumnCount; ++column)
        expectedTexts.SetCell(PageSettings::Row, column, document.Background().Cell(PageSettings::Row, column));
    RandomSource random;
    const GenerationResult result =
        CodeGenerator::GenerateCode(expected, expectedTexts, reference, controller->Templates(), random);
    ASSERT_TRUE(result.finished);
    // Carousels and magnifiers draw random class numbers.
    const std::regex classNumber("(_|morvane)[0-9]+");
    const auto masked = [&](const std::string& code) { return std::regex_replace(code, classNumber, "$1N"); };
    const std::vector<std::string> got = Blocks(masked(clipboard));
    const std::vector<std::string> want = Blocks(masked(result.code));
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i)
        EXPECT_EQ(got[i], want[i]) << "block " << i;
    // Every kind made it into the code.
    for (const char* mark :
         {"夏季新品", "'effect':'fade'", "zoom.jpg", "front.jpg", "2027", "12345678", "item?id=9", "520520",
          "%E5%BA%97%E5%B0%8F%E4%BA%8C", "swf", "连衣裙", "1001", "3003", "2002", "文字1", "文字2"})
        EXPECT_NE(clipboard.find(mark), std::string::npos) << mark;
    EXPECT_EQ(clipboard.find("removed.jpg"), std::string::npos);
    EXPECT_EQ(clipboard.find("文字0"), std::string::npos);
}

} // namespace
} // namespace morvane
