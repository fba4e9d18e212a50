#include "TwoSidedPanel.h"

#include "KindColumns.h"
#include "KindTable.h"
#include "PicturePanel.h"

namespace morvane {

const QString TwoSidedPanel::DefaultFrontAddress = QString::fromUtf8(placeholders::kTwoSidedFront);

namespace {

constexpr int kDefaultOverlayItem = 7; // "阳光泡泡"

QString OverlayPicture(const char* name)
{
    return QStringLiteral("https://img.alicdn.com/imgextra/i4/2206686532409/O1CN01morvane_overlay_%1_!!2206686532409")
        .arg(QLatin1String(name));
}

} // namespace

const std::vector<PanelForm::Choice>& TwoSidedPanel::Overlays()
{
    // Matched by exact text, so every address is different.
    static const std::vector<Choice> overlays{
        {QStringLiteral("大网格层"), OverlayPicture("grid_large.gif")},
        {QStringLiteral("小网格层"), OverlayPicture("grid_small.gif")},
        {QStringLiteral("斜线罩层"), OverlayPicture("diagonal.gif")},
        {QStringLiteral("心形罩层"), OverlayPicture("hearts.gif")},
        {QStringLiteral("圆点HOT"), OverlayPicture("dots_hot.png")},
        {QStringLiteral("蝴蝶飞舞"), OverlayPicture("butterflies.gif")},
        {QStringLiteral("细雨绵绵"), OverlayPicture("drizzle.gif")},
        {QStringLiteral("阳光泡泡"), OverlayPicture("bubbles.gif")},
        {QStringLiteral("金光闪闪"), OverlayPicture("glitter.gif")},
        {QStringLiteral("樱花飘扬"), OverlayPicture("blossoms_drifting.gif")},
        {QStringLiteral("樱花飞舞"), OverlayPicture("blossoms_flying.gif")},
    };
    return overlays;
}

const QString& TwoSidedPanel::DefaultOverlay()
{
    return Overlays()[kDefaultOverlayItem].word;
}

TwoSidedPanel::TwoSidedPanel(const PanelHost& host)
    : PropertyPanel(host, {QStringLiteral("双面图属性设置"), {296, 344}, PicturePanel::UnsavedText})
{
    using C = TwoSidedColumn;
    AddBadge(this);
    const GeometryFields geometry = AddGeometryFields(this, {16, 20});
    PanelField* open = AddLinkTarget(this, {16, 140});
    // The back picture field holds the chosen style's address; emptied, it
    // falls back to the default style, and a typed style address selects it.
    PanelField* back = AddPictureField(this, QStringLiteral("反面图片"), QStringLiteral("编辑框_放大图"), {16, 230},
                                       196, DefaultOverlay());
    AddLabel(this, QStringLiteral("反面样式"), {16, 170, 64, 20});
    AddChoiceList(this, QStringLiteral("组合框2"), back, Overlays(), Overlays()[kDefaultOverlayItem].item,
                  {84, 168, 110, 24});
    PanelField* front = AddPictureField(this, QStringLiteral("正面图片"), QStringLiteral("编辑框_底图"), {16, 200}, 196,
                                        DefaultFrontAddress);
    PanelField* link = AddRow(this, QStringLiteral("链接地址"), QStringLiteral("编辑框_链接"), {16, 260}, 196);
    AddSaveButton(this, QStringLiteral("按钮2"), {(296 - 90) / 2, 292, 90, 28});

    BindToRecord(geometry);
    Bind(open, C::Open);
    Bind(front, C::FrontPicture);
    Bind(link, C::Link);
    Bind(back, C::BackPicture);

    SetLoadSteps({LoadBadge(), LoadFields({open, front, link, back}), LoadSaveFlag(), LoadGeometry()});
    SetSaveSteps(
        {WriteBindings(), MarkSaved(), Download(front),
         ShowStatus(QStringLiteral("双面图属性值保存完成，如需修改，请再次点击该图片。实际效果请生成代码后预览...."))});
}

} // namespace morvane
