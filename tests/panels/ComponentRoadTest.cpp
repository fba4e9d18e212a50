// Each kind configured through its panel, saved and generated: the block is
// what the generator makes of exactly the values the panel was given.
#include "KindTable.h"
#include "PanelTestFixture.h"

#include "CodeGenerator.h"
#include "CustomerServicePanel.h"
#include "DesignSettings.h"
#include "LoopbackHttpServer.h"
#include "TestPicture.h"
#include "TwoSidedPanel.h"

#include <QCheckBox>

namespace morvane {
namespace {

using Cells = std::vector<std::pair<int, std::string>>;
using Keys = std::vector<std::pair<std::string, std::string>>;

class ComponentRoadTest : public PanelTest {
protected:
    LoopbackHttpServer server;
    DesignSettings referenceStore;

    void SetUp() override
    {
        PanelTest::SetUp();
        server.Serve("/pic.png", TestPicture::Png(64, 48));
    }

    QString PictureUrl() const { return QString::fromStdString(server.BaseUrl()) + QStringLiteral("/pic.png"); }

    std::string Generated() { return Generate(document.Components(), document.Background(), document.Settings()); }

    // The generator's own code for one component of the kind, numbered 2,
    // holding the given cells.
    std::string Expected(std::string_view kind, const Cells& cells)
    {
        ComponentLayer components;
        const int row = components.AppendComponent(*KindTable::FromWord(kind));
        for (const auto& [column, text] : cells)
            components.SetCell(row, column, text);
        return Generate(components, document.Background(), referenceStore);
    }

    static std::string Generate(const ComponentLayer& components, const BackgroundLayer& background,
                                const DesignSettings& store)
    {
        RandomSource random(7);
        const GenerationResult result = CodeGenerator::GenerateCode(components, background, store, {}, random);
        EXPECT_TRUE(result.finished);
        return result.code;
    }

    void ExpectPictureArrived(CanvasElement* element)
    {
        ASSERT_TRUE(WaitForPictures());
        EXPECT_EQ(server.RequestCount("/pic.png"), 1);
        EXPECT_EQ(element->Picture().size(), QSize(64, 48));
    }
};

TEST_F(ComponentRoadTest, Magnifier)
{
    CanvasElement* element = AddAt("超级按钮3", {40, 30});
    PropertyPanel* panel = panels.Panel(Kind::Magnifier);
    Type(panel, "编辑框_底图", PictureUrl());
    Type(panel, "编辑框_放大图", QStringLiteral("https://pictures.example/big.jpg"));
    Type(panel, "编辑框_链接", QStringLiteral("https://shop.example/item?id=1"));
    Choose(panel, "组合框2", QStringLiteral("1.6 倍"));
    panel->ChooseColour(QStringLiteral("颜色选择器1"), QColor(0, 255, 0));
    Save(panel, "按钮2");
    ExpectPictureArrived(element);

    const std::string code = Generated();
    EXPECT_NE(code.find("width:352px"), std::string::npos) << code;
    EXPECT_EQ(code, Expected("放大镜", {{1, "40"},
                                        {2, "30"},
                                        {3, "220"},
                                        {5, "_blank"},
                                        {6, PictureUrl().toStdString()},
                                        {7, "https://pictures.example/big.jpg"},
                                        {8, "https://shop.example/item?id=1"},
                                        {9, "1"},
                                        {10, "352"},
                                        {11, "#00FF00"}}));
}

TEST_F(ComponentRoadTest, TwoSidedImage)
{
    CanvasElement* element = AddAt("超级按钮1", {10, 20});
    PropertyPanel* panel = panels.Panel(Kind::TwoSided);
    Type(panel, "编辑框_底图", PictureUrl());
    Choose(panel, "组合框2", QStringLiteral("樱花飘扬"));
    Type(panel, "编辑框_链接", QStringLiteral("https://shop.example/item?id=2"));
    Type(panel, "编辑框_高度", QStringLiteral("90"));
    Save(panel, "按钮2");
    ExpectPictureArrived(element);

    EXPECT_EQ(Generated(), Expected("双面图", {{1, "10"},
                                               {2, "20"},
                                               {3, "120"},
                                               {4, "90"},
                                               {5, "_blank"},
                                               {6, PictureUrl().toStdString()},
                                               {7, "https://shop.example/item?id=2"},
                                               {8, TwoSidedPanel::Overlays()[9].word.toStdString()},
                                               {9, "1"}}));
}

TEST_F(ComponentRoadTest, CustomerService)
{
    CanvasElement* element = AddAt("超级按钮_图片2", {5, 6});
    PropertyPanel* panel = panels.Panel(Kind::CustomerService);
    Type(panel, "编辑框_旺旺号", QStringLiteral("小店 客服"));
    Type(panel, "编辑框_头像", PictureUrl());
    Find<QCheckBox>(panel, "选择框2")->click();
    Choose(panel, "组合框1", QStringLiteral("大图标"));
    Choose(panel, "组合框3", QStringLiteral("中间"));
    Save(panel);
    ExpectPictureArrived(element);

    const std::string code = Generated();
    EXPECT_NE(code.find("touid=%E5%B0%8F%E5%BA%97%20%E5%AE%A2%E6%9C%8D"), std::string::npos) << code;
    EXPECT_EQ(code, Expected("客服", {{1, "5"},
                                      {2, "6"},
                                      {3, "70"},
                                      {4, "70"},
                                      {5, "小店 客服"},
                                      {6, CustomerServicePanel::WebChatLink.toStdString()},
                                      {7, PictureUrl().toStdString()},
                                      {8, CustomerServicePanel::BigStatusIcon.toStdString()},
                                      {9, "1"},
                                      {10, ""},
                                      {11, "center"}}));
}

TEST_F(ComponentRoadTest, SearchBox)
{
    AddAt("超级按钮7", {12, 34});
    PropertyPanel* panel = panels.Panel(Kind::Search);
    Type(panel, "编辑框_预设字", QStringLiteral("连衣裙"));
    Type(panel, "编辑框_店铺", QStringLiteral("https://shop.example"));
    panel->ChooseColour(QStringLiteral("颜色选择器3"), QColor(1, 2, 3));
    Save(panel);

    referenceStore.Set(Kind::Search, 2,
                       DesignSettings::Written(Keys{{"宽度", "238"},
                                                    {"高度", "31"},
                                                    {"距左", "12"},
                                                    {"距顶", "34"},
                                                    {"搜框宽", "180"},
                                                    {"搜框高", "30"},
                                                    {"按扭宽", "50"},
                                                    {"按扭高", "30"},
                                                    {"预设字", "连衣裙"},
                                                    {"店铺", "https://shop.example"},
                                                    {"搜框背景色", "#fff"},
                                                    {"搜框文字色", "#000"},
                                                    {"搜框边框色", "#010203"},
                                                    {"按扭背景色", "#FF798A"},
                                                    {"按扭文字色", "#fff"}}));
    const std::string code = Generated();
    EXPECT_NE(code.find("action=\"https://shop.example/category.htm"), std::string::npos) << code;
    EXPECT_EQ(code, Expected("搜索", {{9, "1"}}));
}

class TextRoadTest : public ComponentRoadTest {
protected:
    void AddSavedText(QPoint at, const QString& content, const QString& link)
    {
        AddAt("超级按钮8", at);
        PropertyPanel* panel = panels.Panel(Kind::Text);
        Type(panel, "编辑框_内容", content);
        Type(panel, "编辑框_链接", link);
        Choose(panel, "组合框1", QStringLiteral("居中"));
        Choose(panel, "组合框2", QStringLiteral("楷体"));
        panel->ChooseColour(QStringLiteral("颜色选择器2"), QColor(255, 0, 0));
        Save(panel);
    }

    static Keys TextKeys(const std::string& left, const std::string& content, const std::string& link)
    {
        return {{"宽度", "75"},      {"高度", "22"},      {"距左", left}, {"距顶", "100"},  {"内容", content},
                {"链接", link},      {"对齐", "center"},  {"字号", "14"}, {"字体", "楷体"}, {"字距", ""},
                {"加粗", "normal;"}, {"字色", "#FF0000"}, {"背色", ""}};
    }
};

TEST_F(TextRoadTest, Text)
{
    AddSavedText({200, 100}, QStringLiteral("夏日特惠"), QStringLiteral("https://shop.example/sale"));
    referenceStore.Set(Kind::Text, 1,
                       DesignSettings::Written(TextKeys("200", "夏日特惠", "https://shop.example/sale")));
    const std::string code = Generated();
    EXPECT_NE(code.find(">夏日特惠</span></a>"), std::string::npos) << code;
    EXPECT_EQ(code, Generate({}, document.Background(), referenceStore));
}

TEST_F(TextRoadTest, ATextRemovedAfterSavingLeavesTheOthersTheirOwnSettings)
{
    AddSavedText({200, 100}, QStringLiteral("第一段"), QString());
    AddSavedText({400, 100}, QStringLiteral("第二段"), QString());
    AddSavedText({600, 100}, QStringLiteral("第三段"), QStringLiteral("https://shop.example/3"));
    RightSelect(TextView(1));
    document.Remove(document.Selection().Current());
    ASSERT_EQ(document.Count(Sort::Text), 2);

    BackgroundLayer reference = document.Background();
    referenceStore.Set(Kind::Text, 1, DesignSettings::Written(TextKeys("400", "第二段", "")));
    referenceStore.Set(Kind::Text, 2, DesignSettings::Written(TextKeys("600", "第三段", "https://shop.example/3")));
    const std::string code = Generated();
    EXPECT_EQ(code.find("第一段"), std::string::npos) << code;
    EXPECT_LT(code.find("第二段"), code.find("第三段"));
    EXPECT_EQ(code, Generate({}, reference, referenceStore));
}

} // namespace
} // namespace morvane
