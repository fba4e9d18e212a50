#include "KindTable.h"
#include "KindWords.h"
#include "PanelTestFixture.h"

#include "CodeGenerator.h"
#include "ComponentRecord.h"
#include "KindColumns.h"
#include "LoopbackHttpServer.h"
#include "PicturePanel.h"
#include "SmallWidgetMembers.h"
#include "TestPicture.h"

#include <QApplication>
#include <QMenu>
#include <QRadioButton>

#include <algorithm>
#include <map>

namespace morvane {
namespace {

using S = SmallWidgetMembers;

const QColor kGreen(0, 255, 0);

const char* ToolbarButton(const QString& kind)
{
    static const std::map<QString, const char*> buttons{
        {QStringLiteral("旺旺群"), "超级按钮4"}, {QStringLiteral("购物车"), "超级按钮5"},
        {QStringLiteral("二维码"), "超级按钮6"}, {QStringLiteral("视频"), "超级按钮_图片3"},
        {QStringLiteral("分享"), "超级按钮9"},   {QStringLiteral("收藏"), "超级按钮10"},
        {QStringLiteral("喜欢"), "超级按钮11"},  {QStringLiteral("关注"), "超级按钮12"},
    };
    return buttons.at(kind);
}

class SmallWidgetTest : public PanelTest {
protected:
    // Adds a component of the kind through the toolbar and drags it onto the
    // canvas, which opens its panel.
    PropertyPanel* Add(const QString& kind, QPoint canvasPosition = {30, 40})
    {
        QTest::mouseClick(Find<QPushButton>(&window, ToolbarButton(kind)), Qt::LeftButton);
        element = ComponentView(document.Count(Sort::Component));
        const QPoint target(canvasPosition.x() + window.CanvasOrigin().x(),
                            canvasPosition.y() + DesignerWindow::CanvasTop);
        Drag(element, target - element->pos());
        return panels.Panel(*KindWords::From(kind));
    }

    static void Save(PropertyPanel* panel) { QTest::mouseClick(Find<QPushButton>(panel, "按钮1"), Qt::LeftButton); }

    std::vector<std::string> Record(int row)
    {
        std::vector<std::string> cells;
        for (int column = 0; column < ComponentRecord::ColumnCount; ++column)
            cells.push_back(Cell(row, column));
        return cells;
    }

    CanvasElement* element = nullptr;
};

// Each member, configured through its panel the way a user does.
struct Road {
    const char* name;
    const char* kind;
    const char* title;
    QSize size;
    std::vector<std::pair<const char*, QString>> typed;
    std::vector<std::string> columns; // 1 and up, as the emitters read them
    QString savedText;                // empty: the status the load left stays
};

std::ostream& operator<<(std::ostream& out, const Road& road)
{
    return out << road.name;
}

class SmallWidgetRoadTest : public SmallWidgetTest, public ::testing::WithParamInterface<Road> {};

// The records are those the emitters' own tests start from, where a panel
// can write them. Built when the tests are registered, after the panels'
// own texts exist.
std::vector<Road> Roads()
{
    const QString groupSaved =
        QStringLiteral("旺旺群组件属性值保存完成，如需修改，请再次点击该图片。右上角序号颜色为绿色，"
                       "表示已保存设置，若为橙黄色，表示未保存设置....");
    const QString shareSaved =
        QStringLiteral("分享组件属性值保存完成，如需修改，请再次点击该图片。右上角序号颜色为绿色，"
                       "表示已保存设置，若为橙黄色，表示未保存设置....");
    // clang-format off
    return {
        {"WangwangGroup", "旺旺群", "旺旺群属性设置", {268, 286},
         {{"编辑框_距左", "1"}, {"编辑框_距顶", "2"}, {"编辑框_宽度", "80"}, {"编辑框_高度", "20"},
          {"编辑框_群号", "998877"}, {"编辑框_底图", "g.png"}},
         {"1", "2", "80", "20", "998877", "g.png"}, groupSaved},
        {"Cart", "购物车", "购物车属性设置", {266, 283},
         {{"编辑框_距左", "1"}, {"编辑框_距顶", "2"}, {"编辑框_图标地址", "btn.png"},
          {"编辑框_宝贝地址", "http://item/1"}},
         {"1", "2", "120", "31", "btn.png", "http://item/1"}, groupSaved},
        // Width and height only size the element; the type stays the first one.
        {"QrCode", "二维码", "二维码属性设置", {269, 284},
         {{"编辑框_距左", "5"}, {"编辑框_距顶", "6"}, {"编辑框_宽度", "200"}, {"编辑框_数字", "12345"}},
         {"5", "6", "2", S::QrFirstTemplate.toStdString(), "12345"}, {}},
        {"Video", "视频", "视频属性设置", {270, 261},
         {{"编辑框_距左", "1"}, {"编辑框_距顶", "2"}, {"编辑框_宽度", "400"}, {"编辑框_高度", "300"},
          {"编辑框_视频地址", "v.swf"}},
         {"1", "2", "400", "300", "v.swf"}, {}},
        {"Share", "分享", "分享属性设置", {266, 277},
         {{"编辑框_距左", "1"}, {"编辑框_距顶", "2"}, {"编辑框_宽度", "60"}, {"编辑框_高度", "20"},
          {"编辑框_宝贝", "556677"}, {"编辑框_图标", "s.png"}},
         {"1", "2", "60", "20", "556677", "s.png"}, shareSaved},
        {"Favourite", "收藏", "收藏属性设置", {282, 292},
         {{"编辑框_距左", "1"}, {"编辑框_距顶", "2"}, {"编辑框_宽度", "50"}, {"编辑框_高度", "40"},
          {"编辑框_图片", "f.png"}, {"编辑框_店铺", "http://shop"}},
         {"1", "2", "50", "40", "f.png", "http://shop"}, PicturePanel::SavedText},
        {"Like", "喜欢", "喜欢属性设置", {271, 239},
         {{"编辑框_距左", "7"}, {"编辑框_距顶", "8"}, {"编辑框_宝贝地址", "123"}},
         {"7", "8", "2", "123"}, QStringLiteral("喜欢组件属性值保存完成....")},
        {"Follow", "关注", "天猫关注属性设置", {253, 288},
         {{"编辑框_距左", "1"}, {"编辑框_距顶", "2"}, {"编辑框_宽度", "50"}, {"编辑框_高度", "40"},
          {"编辑框_店铺", "4455"}, {"编辑框_图标", "b.png"}},
         {"1", "2", "50", "40", "4455", "b.png"}, QStringLiteral("关注组件属性值保存完成....")},
    };
    // clang-format on
}

TEST_P(SmallWidgetRoadTest, SavesTheEmittersRecordAndStoresItAgainUnchanged)
{
    const Road& road = GetParam();
    const QString kind = QString::fromUtf8(road.kind);
    PropertyPanel* panel = Add(kind);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->windowTitle(), QString::fromUtf8(road.title));
    EXPECT_EQ(panel->frameGeometry().size(), road.size);
    EXPECT_EQ(document.StatusText(), PicturePanel::UnsavedText);
    // Every control stands clear of the badge and inside the window.
    const QRect circle = Find<QLabel>(panel, "透明标签13")->geometry();
    for (QWidget* control : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->isVisible() || control->objectName() == QStringLiteral("透明标签13") ||
            control->objectName() == QStringLiteral("透明标签_序号"))
            continue;
        EXPECT_FALSE(control->geometry().intersects(circle)) << control->objectName().toStdString();
        EXPECT_TRUE(panel->rect().contains(control->geometry())) << control->objectName().toStdString();
    }

    for (const auto& [unit, text] : road.typed)
        Type(panel, unit, text);
    const qint64 picture = element->Picture().cacheKey();
    Save(panel);

    std::vector<std::string> expected{road.kind};
    expected.insert(expected.end(), road.columns.begin(), road.columns.end());
    expected.resize(ComponentRecord::ColumnCount);
    expected[ComponentRecord::Saved] = "1";
    const std::vector<std::string> saved = Record(2);
    EXPECT_EQ(saved, expected);
    EXPECT_EQ(BadgeColour(panel), kGreen);
    EXPECT_EQ(document.StatusText(), road.savedText.isEmpty() ? PicturePanel::UnsavedText : road.savedText);
    // No typed picture address is a web address: nothing is fetched.
    EXPECT_EQ(panels.Pictures().Pending(), 0);
    EXPECT_EQ(element->Picture().cacheKey(), picture);

    // Closed and opened again, the panel shows the component as stored.
    document.ClearSelection();
    ASSERT_EQ(panels.Panel(*KindWords::From(kind)), nullptr);
    Drag(element, {0, 0});
    panel = panels.Panel(*KindWords::From(kind));
    ASSERT_NE(panel, nullptr);
    Save(panel);
    EXPECT_EQ(Record(2), saved);

    // The generator makes of it exactly what it makes of the record itself.
    ComponentLayer direct;
    direct.AppendComponent(*KindTable::FromWord(road.kind));
    for (size_t column = 1; column < expected.size(); ++column)
        direct.SetCell(2, static_cast<int>(column), expected[column]);
    RandomSource random(7);
    const GenerationResult fromPanel =
        CodeGenerator::GenerateCode(document.Components(), document.Background(), document.Settings(), {}, random);
    const GenerationResult fromRecord =
        CodeGenerator::GenerateCode(direct, document.Background(), document.Settings(), {}, random);
    EXPECT_EQ(fromPanel.code, fromRecord.code);
    EXPECT_GT(fromPanel.code.size(), std::string_view("</div></div></div>").size());
    EXPECT_EQ(std::count(fromPanel.statusTexts.begin(), fromPanel.statusTexts.end(),
                         std::string(CodeGenerator::StatusUnsavedPicture)),
              0);
}

INSTANTIATE_TEST_SUITE_P(Members, SmallWidgetRoadTest, ::testing::ValuesIn(Roads()),
                         [](const ::testing::TestParamInfo<Road>& road) { return std::string(road.param.name); });

TEST_F(SmallWidgetTest, FieldsThatMustNotBeEmptyRefillWithTheirDefaults)
{
    const std::pair<const char*, std::pair<const char*, QString>> fields[] = {
        {"旺旺群", {"编辑框_底图", S::GroupIcon}},      {"购物车", {"编辑框_图标地址", S::CartIcon}},
        {"视频", {"编辑框_视频地址", S::Video}},        {"分享", {"编辑框_图标", S::ShareIcon}},
        {"收藏", {"编辑框_图片", S::FavouritePicture}}, {"关注", {"编辑框_图标", S::FollowIcon}},
    };
    for (const auto& [kind, field] : fields) {
        const auto& [unit, address] = field;
        // A new component's empty column loads as the default; so does a
        // field the user clears.
        PropertyPanel* panel = Add(QString::fromUtf8(kind));
        ASSERT_NE(panel, nullptr) << kind;
        EXPECT_EQ(Text(panel, unit), address) << kind;
        Type(panel, unit, QStringLiteral("x"));
        Type(panel, unit, QString());
        EXPECT_EQ(Text(panel, unit), address) << kind;
        EXPECT_TRUE(address.startsWith(QLatin1String("http"))) << kind;
    }

    // The hidden type and style fields load an empty column as "2".
    PropertyPanel* qr = Add(QStringLiteral("二维码"));
    EXPECT_EQ(Text(qr, "编辑框_店铺"), QStringLiteral("2"));
    EXPECT_EQ(Find<QComboBox>(qr, "组合框1")->currentText(), QStringLiteral("集市店铺"));
    qr->WriteField(QStringLiteral("编辑框_店铺"), QString());
    EXPECT_EQ(Text(qr, "编辑框_店铺"), QStringLiteral("2"));

    PropertyPanel* like = Add(QStringLiteral("喜欢"));
    EXPECT_EQ(Text(like, "编辑框_样式"), QStringLiteral("2"));
    EXPECT_TRUE(Find<QRadioButton>(like, "单选框2")->isChecked());
}

TEST_F(SmallWidgetTest, QrCodeStoresTypeTemplateAndIdButNoSize)
{
    PropertyPanel* panel = Add(QStringLiteral("二维码"));
    ASSERT_NE(panel, nullptr);
    auto* types = Find<QComboBox>(panel, "组合框1");
    EXPECT_EQ(types->count(), 5);
    QTest::keyClick(types, Qt::Key_Up); // the user picks "天猫宝贝"
    EXPECT_EQ(types->currentText(), QStringLiteral("天猫宝贝"));
    Type(panel, "编辑框_数字", QStringLiteral("600123"));
    Type(panel, "编辑框_宽度", QStringLiteral("90"));
    Type(panel, "编辑框_高度", QStringLiteral("70"));
    EXPECT_EQ(element->size(), QSize(90, 70));
    Save(panel);
    EXPECT_EQ(Cell(2, QrCodeColumn::Type), "1");
    EXPECT_EQ(Cell(2, QrCodeColumn::Template), "http://gqrcode.alicdn.com/img?v=1&type=bi&item_id=数字");
    EXPECT_EQ(Cell(2, QrCodeColumn::Number), "600123");
    EXPECT_EQ(Cell(2, ComponentRecord::Picture), "");

    // Every type writes its own template; a written type selects its item
    // and leaves the template alone.
    for (int type = 0; type < 5; ++type) {
        types->setCurrentIndex(type);
        emit types->activated(type);
        EXPECT_EQ(Text(panel, "编辑框_店铺"), QString::number(type));
        EXPECT_EQ(Text(panel, "编辑框_宝贝"), S::QrTemplates[static_cast<size_t>(type)]);
        EXPECT_TRUE(S::QrTemplates[static_cast<size_t>(type)].contains(QStringLiteral("数字")));
    }
    panel->WriteField(QStringLiteral("编辑框_店铺"), QStringLiteral("3"));
    EXPECT_EQ(types->currentText(), QStringLiteral("集市宝贝"));
    EXPECT_EQ(Text(panel, "编辑框_宝贝"), S::QrTemplates[4]);

    // A second, new QR code selected with the right button reloads the open
    // panel: its template is the first one again, matching type "2".
    CanvasElement* first = element;
    QTest::mouseClick(Find<QPushButton>(&window, "超级按钮6"), Qt::LeftButton);
    CanvasElement* second = ComponentView(3);
    WidgetDriver::RightClick(second);
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QMenu*>(widget))
            widget->hide();
    ASSERT_EQ(panels.Panel(Kind::QrCode), panel);
    EXPECT_EQ(types->currentText(), QStringLiteral("集市店铺"));
    Save(panel);
    EXPECT_EQ(Cell(3, QrCodeColumn::Type), "2");
    EXPECT_EQ(Cell(3, QrCodeColumn::Template), S::QrFirstTemplate.toStdString());

    // Back on the first: its stored type and template return together.
    WidgetDriver::RightClick(first);
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QMenu*>(widget))
            widget->hide();
    EXPECT_EQ(types->currentText(), QStringLiteral("天猫宝贝"));
    EXPECT_EQ(Text(panel, "编辑框_宝贝"), S::QrTemplates[1]);
}

TEST_F(SmallWidgetTest, LikeHasOnlyPositionAndStoresItsStyle)
{
    PropertyPanel* panel = Add(QStringLiteral("喜欢"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->findChild<PanelField*>(QStringLiteral("编辑框_宽度")), nullptr);
    EXPECT_EQ(panel->findChild<PanelField*>(QStringLiteral("编辑框_高度")), nullptr);
    const QSize size = element->size();

    QTest::mouseClick(Find<QRadioButton>(panel, "单选框1"), Qt::LeftButton);
    EXPECT_EQ(Text(panel, "编辑框_样式"), QStringLiteral("1"));
    Type(panel, "编辑框_宝贝地址", QStringLiteral("42"));
    Save(panel);
    EXPECT_EQ(Cell(2, LikeColumn::Style), "1");
    EXPECT_EQ(Cell(2, LikeColumn::Item), "42");
    EXPECT_EQ(Cell(2, 5), "");
    EXPECT_EQ(Cell(2, 6), "");
    EXPECT_EQ(element->size(), size);

    // A written style selects its button; other words change nothing.
    panel->WriteField(QStringLiteral("编辑框_样式"), QStringLiteral("2"));
    EXPECT_TRUE(Find<QRadioButton>(panel, "单选框2")->isChecked());
    panel->WriteField(QStringLiteral("编辑框_样式"), QStringLiteral("3"));
    EXPECT_TRUE(Find<QRadioButton>(panel, "单选框2")->isChecked());
    panel->WriteField(QStringLiteral("编辑框_读数据"), QStringLiteral("1"));
    EXPECT_TRUE(Find<QRadioButton>(panel, "单选框1")->isChecked());
}

class SmallWidgetPictureTest : public SmallWidgetTest {
protected:
    LoopbackHttpServer server;
    QString Url(const std::string& path) { return QString::fromStdString(server.BaseUrl() + path); }
};

TEST_F(SmallWidgetPictureTest, TheMembersWithAPictureShowItAfterASave)
{
    server.Serve("/p.png", TestPicture::Png(30, 20));
    const std::pair<const char*, const char*> pictures[] = {
        {"旺旺群", "编辑框_底图"}, {"购物车", "编辑框_图标地址"}, {"分享", "编辑框_图标"},
        {"收藏", "编辑框_图片"},   {"关注", "编辑框_图标"},
    };
    for (const auto& [kind, unit] : pictures) {
        PropertyPanel* panel = Add(QString::fromUtf8(kind));
        ASSERT_NE(panel, nullptr) << kind;
        Type(panel, unit, Url("/p.png"));
        EXPECT_NE(element->Picture().size(), QSize(30, 20)) << kind;
        Save(panel);
        ASSERT_TRUE(WaitForPictures()) << kind;
        EXPECT_EQ(element->Picture().size(), QSize(30, 20)) << kind;
    }
    EXPECT_EQ(server.RequestCount("/p.png"), 5);
}

TEST_F(SmallWidgetPictureTest, VideoAndQrCodeSavesShowNoMessageAndFetchNothing)
{
    server.Serve("/p.png", TestPicture::Png(30, 20));
    PropertyPanel* video = Add(QStringLiteral("视频"));
    ASSERT_NE(video, nullptr);
    Type(video, "编辑框_视频地址", Url("/p.png"));
    document.ShowStatus(QStringLiteral("之前"));
    Save(video);
    EXPECT_EQ(document.StatusText(), QStringLiteral("之前"));
    EXPECT_EQ(panels.Pictures().Pending(), 0);
    EXPECT_EQ(Cell(2, VideoColumn::Video), Url("/p.png").toStdString());

    PropertyPanel* qr = Add(QStringLiteral("二维码"));
    ASSERT_NE(qr, nullptr);
    document.ShowStatus(QStringLiteral("之前"));
    Save(qr);
    EXPECT_EQ(document.StatusText(), QStringLiteral("之前"));
    EXPECT_EQ(panels.Pictures().Pending(), 0);
    // No worker was started, so no request can come later.
    EXPECT_EQ(panels.Pictures().Workers(), 0);
    EXPECT_EQ(server.RequestCount("/p.png"), 0);
}

} // namespace
} // namespace morvane
