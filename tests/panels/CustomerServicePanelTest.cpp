#include "PanelTestFixture.h"

#include "CustomerServicePanel.h"
#include "KindColumns.h"
#include "PicturePanel.h"

#include <QCheckBox>

namespace morvane {
namespace {

using CS = CustomerServicePanel;

class CustomerServicePanelTest : public KindPanelTest {
protected:
    CustomerServicePanelTest() : KindPanelTest("超级按钮_图片2", "客服", {5, 6}) {}

    QCheckBox* Box(const char* unit) { return Find<QCheckBox>(panel, unit); }
};

TEST_F(CustomerServicePanelTest, ANewComponentSavedUnchangedStoresTheGetcidLinkAndRight)
{
    EXPECT_EQ(panel->windowTitle(), QStringLiteral("客服属性设置"));
    EXPECT_EQ(panel->frameGeometry().size(), QSize(310, 353));
    EXPECT_FALSE(Box("选择框1")->isChecked());
    EXPECT_FALSE(Box("选择框2")->isChecked());
    EXPECT_EQ(Text(panel, "编辑框_分流"), CS::GetcidLink);
    EXPECT_EQ(Shown(panel, "组合框1"), QStringLiteral("不显示"));
    EXPECT_EQ(Shown(panel, "组合框2"), QStringLiteral("头像下方"));
    EXPECT_EQ(Shown(panel, "组合框3"), QStringLiteral("右侧"));
    EXPECT_EQ(document.StatusText(), PicturePanel::UnsavedText);

    Save(panel);
    EXPECT_EQ(Row(2), (std::vector<std::string>{"客服", "5", "6", "70", "70", "", CS::GetcidLink.toStdString(), "", "",
                                                "1", "", "right"}));
    EXPECT_EQ(document.StatusText(),
              QStringLiteral("旺旺群组件属性值保存完成，如需修改，请再次点击该图片。"
                             "右上角序号颜色为绿色，表示已保存设置，若为橙黄色，表示未保存设置...."));
}

TEST_F(CustomerServicePanelTest, TheAvatarBoxFollowsTheFieldAndBringsBackTheDefault)
{
    Type(panel, "编辑框_头像", QStringLiteral("https://pictures.example/me.gif"));
    EXPECT_TRUE(Box("选择框1")->isChecked());
    Box("选择框1")->click();
    EXPECT_EQ(Text(panel, "编辑框_头像"), QString());
    Box("选择框1")->click();
    EXPECT_EQ(Text(panel, "编辑框_头像"), CS::DefaultAvatar);
}

TEST_F(CustomerServicePanelTest, ListsWriteTheirFixedTextsAndLoadedTextsSelectThem)
{
    Type(panel, "编辑框_旺旺号", QStringLiteral("小店客服"));
    Choose(panel, "组合框1", QStringLiteral("大图标"));
    EXPECT_EQ(Text(panel, "编辑框_旺旺样式"), CS::BigStatusIcon);
    Choose(panel, "组合框1", QStringLiteral("小图标"));
    EXPECT_EQ(Text(panel, "编辑框_旺旺样式"), CS::SmallStatusIcon);
    Choose(panel, "组合框2", QStringLiteral("头像内部"));
    EXPECT_EQ(Text(panel, "编辑框_旺旺位置"), CS::IconInsideAvatar);
    Choose(panel, "组合框3", QStringLiteral("中间"));
    EXPECT_EQ(Text(panel, "编辑框_旺旺对齐"), QStringLiteral("center"));
    Save(panel);
    EXPECT_EQ(Cell(2, CustomerServiceColumn::Icon), CS::SmallStatusIcon.toStdString());
    EXPECT_EQ(Cell(2, CustomerServiceColumn::IconBox), "most-footer footer-more-trigger");

    Reopen();
    EXPECT_EQ(Text(panel, "编辑框_旺旺号"), QStringLiteral("小店客服"));
    EXPECT_EQ(Shown(panel, "组合框1"), QStringLiteral("小图标"));
    EXPECT_EQ(Shown(panel, "组合框2"), QStringLiteral("头像内部"));
    EXPECT_EQ(Shown(panel, "组合框3"), QStringLiteral("中间"));

    // An icon address of one's own leaves the list; any position text means
    // inside the avatar.
    panel->WriteField(QStringLiteral("编辑框_旺旺样式"), QStringLiteral("http://icons.example/me.png"));
    EXPECT_EQ(Shown(panel, "组合框1"), QStringLiteral("小图标"));
    panel->WriteField(QStringLiteral("编辑框_旺旺位置"), QString());
    EXPECT_EQ(Shown(panel, "组合框2"), QStringLiteral("头像下方"));
    panel->WriteField(QStringLiteral("编辑框_旺旺位置"), QStringLiteral("x"));
    EXPECT_EQ(Shown(panel, "组合框2"), QStringLiteral("头像内部"));
}

TEST_F(CustomerServicePanelTest, TheMainAccountBoxFollowsALoadedChatAddress)
{
    Box("选择框2")->click();
    EXPECT_EQ(Text(panel, "编辑框_分流"), CS::WebChatLink);
    Save(panel);
    const std::vector<std::string> saved = Row(2);
    EXPECT_EQ(saved[CustomerServiceColumn::ChatLink], CS::WebChatLink.toStdString());

    Reopen();
    EXPECT_TRUE(Box("选择框2")->isChecked());
    Save(panel);
    EXPECT_EQ(Row(2), saved);

    Box("选择框2")->click();
    EXPECT_EQ(Text(panel, "编辑框_分流"), CS::GetcidLink);
    Save(panel);
    Reopen();
    EXPECT_FALSE(Box("选择框2")->isChecked());
    EXPECT_EQ(Text(panel, "编辑框_分流"), CS::GetcidLink);
}

} // namespace
} // namespace morvane
