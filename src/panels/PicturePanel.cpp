#include "PicturePanel.h"

#include "KindColumns.h"
#include "KindTable.h"

namespace morvane {

const QString PicturePanel::DefaultPictureAddress = QString::fromUtf8(placeholders::kPicture);

const QString PicturePanel::UnsavedText =
    QStringLiteral("该图片组件未保存设置，请配置好后点击 保存设置，否则会影响生成代码的效果....");
const QString PicturePanel::SavedText = QStringLiteral(
    "图片属性值保存完成，如需修改，请再次点击该图片。右上角序号颜色为绿色，表示已保存设置，若为橙黄色，表示未保存设置....");

PicturePanel::PicturePanel(const PanelHost& host)
    : PropertyPanel(host, {QStringLiteral("属性设置"), {296, 332}, UnsavedText})
{
    using C = PictureColumn;
    AddBadge(this);
    BindToRecord(AddGeometryFields(this, {16, 20}));
    PanelField* open = Bind(AddLinkTarget(this, {16, 140}), C::Open);
    PanelField* picture = Bind(AddPictureField(this, QStringLiteral("图片地址"), QStringLiteral("编辑框_图片"),
                                               {16, 170}, 196, DefaultPictureAddress),
                               C::Picture);
    PanelField* link =
        Bind(AddRow(this, QStringLiteral("链接地址"), QStringLiteral("编辑框_链接"), {16, 200}, 196, "#"), C::Link);
    PanelField* tip =
        Bind(AddRow(this, QStringLiteral("提示文字"), QStringLiteral("编辑框_提示"), {16, 230}, 196), C::Tip);
    AddSaveButton(this, QStringLiteral("按钮1"), {(296 - 90) / 2, 280, 90, 28});

    SetLoadSteps({LoadBadge(), LoadFields({open, picture, link, tip}), LoadSaveFlag(), LoadGeometry()});
    SetSaveSteps({WriteBindings(), MarkSaved(), Download(picture), ShowStatus(SavedText)});
}

} // namespace morvane
