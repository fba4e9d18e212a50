#include "SmallWidgetMembers.h"

#include "KindColumns.h"
#include "PanelDefaults.h"
#include "PicturePanel.h"

namespace morvane {

using namespace Qt::StringLiterals;

namespace {

// Every fixed address of the small widgets is formed here. Pictures sit in
// the designer's folder on the platform's picture host, the video on its
// video host.
const QString kPictureFolder = u"https://img.alicdn.com/imgextra/i1/2206686532409/O1CN01morvane_"_s;

} // namespace

const QString SmallWidgetMembers::GroupIcon = kPictureFolder + u"wwgroup.gif"_s;
const QString SmallWidgetMembers::CartIcon = kPictureFolder + u"cart.png"_s;
const QString SmallWidgetMembers::Video =
    u"http://cloud.video.taobao.com/play/u/2206686532409/p/1/e/1/t/1/morvane.swf"_s;
const QString SmallWidgetMembers::ShareIcon = kPictureFolder + u"share.gif"_s;
const QString SmallWidgetMembers::FavouritePicture = kPictureFolder + u"favourite.gif"_s;
const QString SmallWidgetMembers::FollowIcon = kPictureFolder + u"follow.png"_s;

// The QR addresses come from where the import reads them too.
const std::array<QString, 5> SmallWidgetMembers::QrTemplates = [] {
    std::array<QString, 5> addresses;
    for (size_t i = 0; i < addresses.size(); ++i)
        addresses[i] = QString::fromUtf8(PanelDefaults::QrTemplates[i]);
    return addresses;
}();
const QString SmallWidgetMembers::QrFirstTemplate = QString::fromUtf8(PanelDefaults::QrFirstTemplate);

namespace {

using Panel = SmallWidgetPanel;
using Sizing = Panel::Sizing;
using K = Kind;
using S = SmallWidgetMembers;

Panel::KindField Row(const QString& label, const QString& unitName, int column)
{
    return {label, unitName, column};
}

// A field that is never empty: it opens with its address and refills with it.
Panel::KindField Address(const QString& label, const QString& unitName, int column, const QString& address)
{
    return {label, unitName, column, address, address};
}

// An address field whose picture the element shows after a save.
Panel::KindField Picture(const QString& label, const QString& unitName, int column, const QString& address)
{
    return {label, unitName, column, address, address, {}, true};
}

// The QR code's type list over its hidden type field; choosing a type
// writes its template too. Loading an empty template gives a newly opened
// window's, as an empty type gives "2", so the template always belongs to
// the type shown.
std::vector<Panel::KindField> QrCodeFields()
{
    const QString items[] = {u"天猫店铺"_s, u"天猫宝贝"_s, u"集市店铺"_s, u"集市宝贝"_s, u"微淘"_s};
    Panel::Chooser types{Panel::Chooser::Shape::List, u"组合框1"_s, {}, u"2"_s, u"编辑框_宝贝"_s};
    for (size_t type = 0; type < S::QrTemplates.size(); ++type)
        types.options.push_back({items[type], QString::number(type), {}, S::QrTemplates[type]});
    return {{u"生成类型"_s, u"编辑框_店铺"_s, QrCodeColumn::Type, u"2"_s, u"2"_s, types},
            {{}, u"编辑框_宝贝"_s, QrCodeColumn::Template, S::QrFirstTemplate, S::QrFirstTemplate},
            Row(u"数字 ID"_s, u"编辑框_数字"_s, QrCodeColumn::Number)};
}

// The like's two radio buttons over its hidden style field: a new window
// shows blue over an empty style, and loading fills the style in.
Panel::KindField LikeStyle()
{
    const Panel::Chooser radios{Panel::Chooser::Shape::Radios,
                                {},
                                {{u"橙色"_s, u"1"_s, u"单选框1"_s}, {u"蓝色"_s, u"2"_s, u"单选框2"_s}},
                                u"2"_s};
    return {u"图标样式"_s, u"编辑框_样式"_s, LikeColumn::Style, {}, u"2"_s, radios};
}

std::vector<Panel::Member> Members()
{
    // The cart reports its save in the Wangwang group's words.
    const QString groupSaved = u"旺旺群组件属性值保存完成，如需修改，请再次点击该图片。右上角序号颜色为绿色，"
                               "表示已保存设置，若为橙黄色，表示未保存设置...."_s;
    const QString shareSaved = u"分享组件属性值保存完成，如需修改，请再次点击该图片。右上角序号颜色为绿色，"
                               "表示已保存设置，若为橙黄色，表示未保存设置...."_s;
    // One member a few lines: kind, window, sizing; fields in load order;
    // status after a save.
    // clang-format off
    return {
        {K::WangwangGroup, u"旺旺群属性设置"_s, {268, 286}, Sizing::Stored,
         {Row(u"旺旺群号"_s, u"编辑框_群号"_s, WangwangGroupColumn::Group),
          Picture(u"群标图片"_s, u"编辑框_底图"_s, WangwangGroupColumn::Icon, S::GroupIcon)}, groupSaved},
        {K::Cart, u"购物车属性设置"_s, {266, 283}, Sizing::Stored,
         {Picture(u"图标地址"_s, u"编辑框_图标地址"_s, CartColumn::Icon, S::CartIcon),
          Row(u"宝贝地址"_s, u"编辑框_宝贝地址"_s, CartColumn::Item)}, groupSaved},
        {K::QrCode, u"二维码属性设置"_s, {269, 284}, Sizing::ElementOnly, QrCodeFields()},
        {K::Video, u"视频属性设置"_s, {270, 261}, Sizing::Stored,
         {Address(u"视频地址"_s, u"编辑框_视频地址"_s, VideoColumn::Video, S::Video)}},
        {K::Share, u"分享属性设置"_s, {266, 277}, Sizing::Stored,
         {Row(u"宝贝 ID"_s, u"编辑框_宝贝"_s, ShareColumn::Item),
          Picture(u"分享图标"_s, u"编辑框_图标"_s, ShareColumn::Icon, S::ShareIcon)},
         shareSaved},
        {K::Favourite, u"收藏属性设置"_s, {282, 292}, Sizing::Stored,
         {Picture(u"收藏图片"_s, u"编辑框_图片"_s, FavouriteColumn::Picture, S::FavouritePicture),
          Row(u"店铺地址"_s, u"编辑框_店铺"_s, FavouriteColumn::Shop)}, PicturePanel::SavedText},
        {K::Like, u"喜欢属性设置"_s, {271, 239}, Sizing::None,
         {LikeStyle(), Row(u"宝贝 ID"_s, u"编辑框_宝贝地址"_s, LikeColumn::Item)}, u"喜欢组件属性值保存完成...."_s},
        {K::Follow, u"天猫关注属性设置"_s, {253, 288}, Sizing::Stored,
         {Row(u"店铺 ID"_s, u"编辑框_店铺"_s, FollowColumn::Shop),
          Picture(u"图标地址"_s, u"编辑框_图标"_s, FollowColumn::Icon, S::FollowIcon)}, u"关注组件属性值保存完成...."_s},
    };
    // clang-format on
}

} // namespace

const std::vector<SmallWidgetPanel::Member>& SmallWidgetMembers::All()
{
    static const std::vector<Panel::Member> members = Members();
    return members;
}

const SmallWidgetPanel::Member* SmallWidgetMembers::Of(Kind kind)
{
    for (const Panel::Member& member : All()) {
        if (member.kind == kind)
            return &member;
    }
    return nullptr;
}

} // namespace morvane
