#include "PicturePanel.h"

#include "ComponentRecord.h"

#include <QPushButton>

namespace morvane {

const QString PicturePanel::DefaultPictureAddress =
    QStringLiteral("https://img.alicdn.com/imgextra/i4/2206686532409/O1CN01morvane_!!2206686532409.jpg");

PicturePanel::PicturePanel(DesignDocument& document, QWidget* owner)
    : PropertyPanel(document, owner, QStringLiteral("属性设置"), 296, 332)
{
    BuildComponentControls(QStringLiteral("透明标签13"),
                           {QStringLiteral("图片距左"), QStringLiteral("图片距顶"), QStringLiteral("图片宽度"),
                            QStringLiteral("图片高度")},
                           20, true);
    AddLabel(QStringLiteral("图片地址"), 16, 170, 64);
    AddField(QStringLiteral("编辑框_图片"), 84, 170, 196, DefaultPictureAddress);
    AddLabel(QStringLiteral("链接地址"), 16, 200, 64);
    AddField(QStringLiteral("编辑框_链接"), 84, 200, 196, QStringLiteral("#"));
    AddLabel(QStringLiteral("提示文字"), 16, 230, 64);
    AddField(QStringLiteral("编辑框_提示"), 84, 230, 196);
    auto* save = AddButton(QStringLiteral("按钮1"), QStringLiteral("保存设置"), (296 - 90) / 2, 280);
    connect(save, &QPushButton::clicked, this, [this] { Save(); });

    SetPictureField(QStringLiteral("编辑框_图片"), DefaultPictureAddress);
    unsavedText_ = QStringLiteral("该图片组件未保存设置，请配置好后点击 保存设置，否则会影响生成代码的效果....");
    savedText_ = QStringLiteral(
        "图片属性值保存完成，如需修改，请再次点击该图片。右上角序号颜色为绿色，表示已保存设置，若为橙黄色，表示未保存设置....");
    loadOrder_ = {{ComponentRecord::Open, QStringLiteral("编辑框_打开")},
                  {ComponentRecord::Picture, QStringLiteral("编辑框_图片")},
                  {ComponentRecord::Link, QStringLiteral("编辑框_链接")},
                  {ComponentRecord::Tip, QStringLiteral("编辑框_提示")},
                  {ComponentRecord::Saved, QStringLiteral("编辑框_保存")}};
    saveOrder_ = {{ComponentRecord::Left, QStringLiteral("编辑框_距左")},
                  {ComponentRecord::Top, QStringLiteral("编辑框_距顶")},
                  {ComponentRecord::Width, QStringLiteral("编辑框_宽度")},
                  {ComponentRecord::Height, QStringLiteral("编辑框_高度")},
                  {ComponentRecord::Open, QStringLiteral("编辑框_打开")},
                  {ComponentRecord::Picture, QStringLiteral("编辑框_图片")},
                  {ComponentRecord::Link, QStringLiteral("编辑框_链接")},
                  {ComponentRecord::Tip, QStringLiteral("编辑框_提示")}};
}

} // namespace morvane
