#include "MagnifierPanel.h"

#include "KindColumns.h"
#include "Lenient.h"
#include "PicturePanel.h"

#include <QComboBox>

#include <algorithm>
#include <array>

namespace morvane {

const QString MagnifierPanel::DefaultPictureAddress =
    QStringLiteral("https://img.alicdn.com/imgextra/i2/2206686532409/O1CN01morvane_magnifier_!!2206686532409.jpg");

namespace {

constexpr std::array<double, 7> kRatios{1.2, 1.3, 1.4, 1.5, 1.6, 1.7, 1.8};
const QString kDefaultZoomWidth = QStringLiteral("264");

} // namespace

// The title ends in a blank on purpose: it is the window's title as users
// know it. Do not "fix" it.
MagnifierPanel::MagnifierPanel(const PanelHost& host)
    : PropertyPanel(host, {QStringLiteral("放大镜属性设置 "), {380, 328}, PicturePanel::UnsavedText})
{
    using C = MagnifierColumn;
    AddBadge(this);
    // The side changes the zoom width, never the element: the canvas
    // magnifier is resized with the selection frame only.
    const GeometryFields geometry = AddGeometryFields(this, {16, 20}, GeometryRule::Inert);
    width_ = geometry.width;
    OnChange(width_, [this](const QString&) { UpdateZoomWidth(); });

    zoomWidth_ = WithEmptyDefault(AddHiddenField(QStringLiteral("编辑框_倍数"), kDefaultZoomWidth), kDefaultZoomWidth);
    // The ratio itself is never stored, only the zoom width it gives.
    std::vector<Choice> ratios;
    for (const double ratio : kRatios)
        ratios.push_back({QStringLiteral("%1 倍").arg(ratio), {}});
    AddLabel(this, QStringLiteral("放大比例"), {236, 80, 56, 20});
    ratio_ = AddChoiceList(this, QStringLiteral("组合框2"), nullptr, ratios, ratios.front().item, {294, 78, 70, 24},
                           [this](int) { UpdateZoomWidth(); });
    AddLabel(this, QStringLiteral("边框颜色"), {236, 110, 56, 20});
    border_ = AddField(this, QStringLiteral("编辑框_边框色"), {294, 110, 40, 22}, QStringLiteral("#fff"));
    AddColourPicker(this, QStringLiteral("颜色选择器1"), border_, {338, 108, 26, 26});

    PanelField* open = AddLinkTarget(this, {16, 140});
    PanelField* base = AddPictureField(this, QStringLiteral("底层图片"), QStringLiteral("编辑框_底图"), {16, 170}, 280,
                                       DefaultPictureAddress);
    PanelField* zoomPicture = AddPictureField(this, QStringLiteral("放大图片"), QStringLiteral("编辑框_放大图"),
                                              {16, 200}, 280, DefaultPictureAddress);
    PanelField* link = AddRow(this, QStringLiteral("链接地址"), QStringLiteral("编辑框_链接"), {16, 230}, 280, "#");
    AddSaveButton(this, QStringLiteral("按钮2"), {(380 - 90) / 2, 264, 90, 28});

    // The height is never stored: loading makes the magnifier square again.
    Bind(geometry.left, C::Left);
    Bind(geometry.top, C::Top);
    Bind(width_, C::Side);
    Bind(open, C::Open);
    Bind(base, C::BasePicture);
    Bind(zoomPicture, C::ZoomPicture);
    Bind(link, C::Link);
    Bind(zoomWidth_, C::ZoomWidth);
    Bind(border_, C::BorderColour);

    SetLoadSteps({LoadBadge(), LoadFields({open, base, link, zoomPicture}), LoadSaveFlag(),
                  Do([this] { ratio_->setCurrentIndex(0); }), LoadGeometry(),
                  Do([this, height = geometry.height] { height->Write(width_->text()); }),
                  Do([this] { RestoreZoom(); })});
    SetSaveSteps(
        {WriteBindings(), MarkSaved(), Download(base),
         ShowStatus(QStringLiteral("放大镜属性值保存完成，如需修改，请再次点击该图片。在设计模式不支持效果显示，"
                                   "可生成代码后预览效果...."))});
}

qint64 MagnifierPanel::ZoomWidth(const QString& width, int ratioItem)
{
    const double ratio = kRatios[static_cast<size_t>(std::clamp(ratioItem, 0, static_cast<int>(kRatios.size()) - 1))];
    // The product is a double and its fraction is cut off, as the stored
    // zoom widths of earlier designs were made: 45 x 1.4 gives 62.
    return Lenient::IntegerFromReal(Lenient::ToReal(width.toStdString()) * ratio);
}

void MagnifierPanel::UpdateZoomWidth()
{
    zoomWidth_->Write(QString::number(ZoomWidth(width_->text(), ratio_->currentIndex())));
}

void MagnifierPanel::RestoreZoom()
{
    if (RecordCell(ComponentRecord::Saved) != QLatin1String("1")) {
        border_->Write(border_->InitialText());
        return;
    }
    const QString stored = RecordCell(MagnifierColumn::ZoomWidth);
    for (int item = 0; item < ratio_->count(); ++item) {
        if (QString::number(ZoomWidth(width_->text(), item)) == stored) {
            ratio_->setCurrentIndex(item);
            break;
        }
    }
    // No ratio gives it (the side changed since): the stored width stays.
    zoomWidth_->Write(stored);
    border_->Write(RecordCell(MagnifierColumn::BorderColour));
}

} // namespace morvane
