#include "CustomerServicePanel.h"

#include "PanelDefaults.h"

#include "KindColumns.h"
#include "PicturePanel.h"

#include <QCheckBox>

namespace morvane {

namespace {

QString Address(size_t i)
{
    return QString::fromUtf8(PanelDefaults::CustomerServiceAddresses[i]);
}

} // namespace

// The status icons and the contact service live on the messaging service's
// host, the web chat page on the platform's own; the import reads them too.
const QString CustomerServicePanel::BigStatusIcon = Address(0);
const QString CustomerServicePanel::SmallStatusIcon = Address(1);
const QString CustomerServicePanel::GetcidLink = Address(2);
const QString CustomerServicePanel::WebChatLink = Address(3);
const QString CustomerServicePanel::DefaultAvatar =
    QStringLiteral("https://img.alicdn.com/imgextra/i3/2206686532409/O1CN01morvane_avatar_!!2206686532409.gif");
const QString CustomerServicePanel::IconInsideAvatar = QStringLiteral("most-footer footer-more-trigger");

CustomerServicePanel::CustomerServicePanel(const PanelHost& host)
    : PropertyPanel(host, {QStringLiteral("客服属性设置"), {310, 353}, PicturePanel::UnsavedText})
{
    using C = CustomerServiceColumn;
    AddTabs(QStringLiteral("选择夹1"), {4, 4, 294, 278});
    QWidget* basic = AddPage(QStringLiteral("基本设置"));
    QWidget* style = AddPage(QStringLiteral("样式设置"));

    AddBadge(basic);
    const GeometryFields geometry = AddGeometryFields(basic, {10, 12});
    PanelField* account = AddRow(basic, QStringLiteral("旺旺帐号"), QStringLiteral("编辑框_旺旺号"), {10, 134}, 196);

    PanelField* avatar =
        AddRow(basic, QStringLiteral("头像图片"), QStringLiteral("编辑框_头像"), {10, 194}, 196, DefaultAvatar);
    // Ticking brings back the default avatar, never one typed before.
    TieCheckBox(AddCheckBox(basic, QStringLiteral("选择框1"), QStringLiteral("显示头像"), {78, 164, 90, 22}, true),
                avatar, DefaultAvatar, QString(), [](const QString& text) { return !text.isEmpty(); });
    PanelField* chat = WithEmptyDefault(AddHiddenField(QStringLiteral("编辑框_分流"), WebChatLink), GetcidLink);
    TieCheckBox(AddCheckBox(basic, QStringLiteral("选择框2"), QStringLiteral("主号分流"), {174, 164, 90, 22}, false),
                chat, WebChatLink, GetcidLink, [](const QString& text) -> std::optional<bool> {
                    if (text == WebChatLink)
                        return true;
                    if (text == GetcidLink)
                        return false;
                    return std::nullopt;
                });

    PanelField* icon = AddHiddenField(QStringLiteral("编辑框_旺旺样式"), SmallStatusIcon);
    AddLabel(style, QStringLiteral("旺旺样式"), {10, 14, 64, 20});
    AddChoiceList(style, QStringLiteral("组合框1"), icon,
                  {{QStringLiteral("大图标"), BigStatusIcon},
                   {QStringLiteral("小图标"), SmallStatusIcon},
                   {QStringLiteral("不显示"), QString()}},
                  QStringLiteral("小图标"), {78, 12, 110, 24});
    PanelField* position = AddHiddenField(QStringLiteral("编辑框_旺旺位置"), IconInsideAvatar);
    AddLabel(style, QStringLiteral("旺旺位置"), {10, 46, 64, 20});
    AddChoiceList(style, QStringLiteral("组合框2"), position,
                  {{QStringLiteral("头像下方"), QString()}, {QStringLiteral("头像内部"), IconInsideAvatar}},
                  QStringLiteral("头像内部"), {78, 44, 110, 24}, {},
                  [](const QString& text) { return text.isEmpty() ? 0 : 1; });
    PanelField* align = WithEmptyDefault(AddHiddenField(QStringLiteral("编辑框_旺旺对齐"), QStringLiteral("right")),
                                         QStringLiteral("right"));
    AddLabel(style, QStringLiteral("对齐方式"), {10, 78, 64, 20});
    AddChoiceList(style, QStringLiteral("组合框3"), align,
                  {{QStringLiteral("左侧"), QStringLiteral("left")},
                   {QStringLiteral("中间"), QStringLiteral("center")},
                   {QStringLiteral("右侧"), QStringLiteral("right")}},
                  QStringLiteral("右侧"), {78, 76, 110, 24});

    AddSaveButton(this, QStringLiteral("按钮1"), {(310 - 90) / 2, 290, 90, 28});

    BindToRecord(geometry);
    Bind(account, C::Account);
    Bind(chat, C::ChatLink);
    Bind(avatar, C::Avatar);
    Bind(icon, C::Icon);
    Bind(position, C::IconBox);
    Bind(align, C::Align);

    SetLoadSteps(
        {LoadBadge(), LoadSaveFlag(), LoadFields({account, avatar, chat, icon, position, align}), LoadGeometry()});
    SetSaveSteps(
        {WriteBindings(), MarkSaved(), Download(avatar),
         ShowStatus(QStringLiteral("旺旺群组件属性值保存完成，如需修改，请再次点击该图片。右上角序号颜色为绿色，"
                                   "表示已保存设置，若为橙黄色，表示未保存设置...."))});
}

} // namespace morvane
