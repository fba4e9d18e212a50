#include "MagnifierPanel.h"

#include "KindColumns.h"
#include "KindTable.h"
#include "Lenient.h"
#include "PicturePanel.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QStyle>

#include <algorithm>
#include <array>

namespace morvane {

const QString MagnifierPanel::DefaultPictureAddress = QString::fromUtf8(placeholders::kMagnifier);

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
    // The geometry fields hold a few digits; narrower than elsewhere, they
    // leave the right column room for a whole colour text.
    constexpr int kGeometryWidth = 80;
    GeometryFields geometry{};
    geometry.left = AddGeometryField(this, Geometry::Left, QStringLiteral("图片距左"), {16, 20}, GeometryRule::Live, 64,
                                     kGeometryWidth);
    geometry.top = AddGeometryField(this, Geometry::Top, QStringLiteral("图片距顶"), {16, 50}, GeometryRule::Live, 64,
                                    kGeometryWidth);
    geometry.width = AddGeometryField(this, Geometry::Width, QStringLiteral("图片宽度"), {16, 80}, GeometryRule::Inert,
                                      64, kGeometryWidth);
    geometry.height = AddGeometryField(this, Geometry::Height, QStringLiteral("图片高度"), {16, 110},
                                       GeometryRule::Live, 64, kGeometryWidth);
    width_ = geometry.width;
    OnChange(width_, [this](const QString&) { UpdateZoomWidth(); });

    zoomWidth_ = WithEmptyDefault(AddHiddenField(QStringLiteral("编辑框_倍数"), kDefaultZoomWidth), kDefaultZoomWidth);
    // The ratio itself is never stored, only the zoom width it gives.
    std::vector<Choice> ratios;
    for (const double ratio : kRatios)
        ratios.push_back({QStringLiteral("%1 倍").arg(ratio), {}});
    constexpr int kRightLabel = 204;
    constexpr int kRightField = kRightLabel + 58;
    AddLabel(this, QStringLiteral("放大比例"), {kRightLabel, 80, 56, 20});
    ratio_ = AddChoiceList(this, QStringLiteral("组合框2"), nullptr, ratios, ratios.front().item,
                           {kRightField, 78, 70, 24}, [this](int) { UpdateZoomWidth(); });
    AddLabel(this, QStringLiteral("边框颜色"), {kRightLabel, 110, 56, 20});
    border_ = AddField(this, QStringLiteral("编辑框_边框色"), {kRightField, 110, 40, 22}, QStringLiteral("#fff"));
    border_->resize(ColourTextWidth(border_), border_->height());
    AddColourPicker(this, QStringLiteral("颜色选择器1"), border_, {border_->geometry().right() + 5, 108, 26, 26});

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

    // The ratio and border come first, so that the width written from the
    // element makes the zoom width from the ratio the magnifier really has.
    SetLoadSteps({LoadBadge(), LoadFields({open, base, link, zoomPicture}), LoadSaveFlag(),
                  Do([this] { RestoreZoom(); }), LoadGeometry(),
                  Do([this, height = geometry.height] { height->Write(width_->text()); }),
                  Do([this] { KeepUnmatchedZoomWidth(); })});
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

std::optional<int> MagnifierPanel::RatioGiving(const QString& side, const QString& zoomWidth)
{
    for (int item = 0; item < static_cast<int>(kRatios.size()); ++item) {
        if (QString::number(ZoomWidth(side, item)) == zoomWidth)
            return item;
    }
    return std::nullopt;
}

int MagnifierPanel::ColourTextWidth(const QLineEdit* field)
{
    const QFontMetrics metrics = field->fontMetrics();
    int digit = 0;
    for (const QChar c : QStringLiteral("0123456789ABCDEF"))
        digit = std::max(digit, metrics.horizontalAdvance(c));
    // The text, the line edit's own margins (2 on each side), its frame on
    // each side and room for the cursor.
    const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
    return metrics.horizontalAdvance(QLatin1Char('#')) + 6 * digit + 2 * (2 + frame) + 2;
}

void MagnifierPanel::RestoreZoom()
{
    const ElementId shownBefore = shownFor_;
    shownFor_ = LoadedElement();
    matchedRatio_.reset();
    if (RecordCell(ComponentRecord::Saved) != QLatin1String("1")) {
        // Reloading the same magnifier (a resize reloads it) keeps the ratio
        // and border the user chose for it; another one starts from the
        // window's own defaults, not from what the last one left here.
        if (shownBefore != shownFor_) {
            ratio_->setCurrentIndex(0);
            border_->Write(border_->InitialText());
        }
        return;
    }
    // The ratio it was saved with is the one whose product with the saved
    // side is the saved zoom width.
    matchedRatio_ = RatioGiving(RecordCell(MagnifierColumn::Side), RecordCell(MagnifierColumn::ZoomWidth));
    ratio_->setCurrentIndex(matchedRatio_.value_or(0));
    border_->Write(RecordCell(MagnifierColumn::BorderColour));
}

void MagnifierPanel::KeepUnmatchedZoomWidth()
{
    // A zoom width no ratio gives (a record written elsewhere) stays as it
    // was stored while the side is the saved one: nothing has changed that
    // it should follow.
    if (RecordCell(ComponentRecord::Saved) == QLatin1String("1") && !matchedRatio_ &&
        width_->text() == RecordCell(MagnifierColumn::Side))
        zoomWidth_->Write(RecordCell(MagnifierColumn::ZoomWidth));
}

} // namespace morvane
