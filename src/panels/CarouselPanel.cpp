#include "CarouselPanel.h"

#include "DesignDocument.h"
#include "KindColumns.h"
#include "KindTable.h"
#include "Lenient.h"
#include "SettingsKeys.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>

#include <algorithm>

namespace morvane {

const QString CarouselPanel::DefaultPictureAddress = QString::fromUtf8(placeholders::kCarouselSlide);
const QString CarouselPanel::DefaultLeftArrowAddress =
    QStringLiteral("https://img.alicdn.com/imgextra/i2/2206686532409/O1CN01morvaneLeft_!!2206686532409.png");
const QString CarouselPanel::DefaultRightArrowAddress =
    QStringLiteral("https://img.alicdn.com/imgextra/i3/2206686532409/O1CN01morvaneRight_!!2206686532409.png");

namespace {

using K = CarouselKey;

// Row and strip places are given as on the whole tab control; a page starts
// below its tab bar.
constexpr int kTabBar = 24;
constexpr std::array<int, CarouselPanel::MaxRows> kRowTops{145, 175, 205, 234, 263, 292, 321, 350};
constexpr int kFirstStripTop = 200;
constexpr int kRowStep = 30;
constexpr int kMinRows = 2;

const QString kCarouselMode = QStringLiteral("轮播");
const QString kLeftMode = QStringLiteral("左");
const QString kRightMode = QStringLiteral("右");

} // namespace

CarouselPanel::CarouselPanel(const PanelHost& host)
    : PropertyPanel(host,
                    {QStringLiteral("轮播属性设置"),
                     {350, 320},
                     QStringLiteral("该轮播组件未保存设置，请配置好后点击 保存设置，否则会影响生成代码的效果....")})
{
    tabs_ = AddTabs(QStringLiteral("高级选择夹1"), {3, 0, 344, kFirstStripTop + 40});
    QWidget* basic = AddPage(QStringLiteral("基本设置"));
    QWidget* arrows = AddPage(QStringLiteral("箭头设置"));
    QWidget* animation = AddPage(QStringLiteral("动画设置"));
    AddBadge(basic, QStringLiteral("透明标签28"));

    // Live like every panel's: the carousel moves and resizes while the
    // user types, so the size it is saved with is the size it shows, and a
    // reopen, which takes the size from the element, loses nothing. Its
    // arrows move along with it (the document keeps them in place).
    const auto live = GeometryRule::Live;
    PanelField* width = AddGeometryField(basic, Geometry::Width, QStringLiteral("宽度"), {8, 10}, live, 32, 60);
    PanelField* height = AddGeometryField(basic, Geometry::Height, QStringLiteral("高度"), {8, 40}, live, 32, 60);
    PanelField* left = AddGeometryField(basic, Geometry::Left, QStringLiteral("距左"), {140, 10}, live, 32, 60);
    PanelField* top = AddGeometryField(basic, Geometry::Top, QStringLiteral("距顶"), {140, 40}, live, 32, 60);
    AddLabel(basic, QStringLiteral("图片"), {90, 96, 40, 20});
    AddLabel(basic, QStringLiteral("链接"), {240, 96, 40, 20});
    for (int row = 0; row < MaxRows; ++row) {
        const int y = kRowTops[static_cast<size_t>(row)] - kTabBar;
        const QString number = QString::number(row + 1);
        AddLabel(basic, QStringLiteral("0%1").arg(number), {8, y, 20, 20});
        rowPictures_[static_cast<size_t>(row)] =
            AddField(basic, QStringLiteral("编辑框_图片") + number, {30, y, 140, 22},
                     row < kMinRows ? DefaultPictureAddress : QString());
        rowLinks_[static_cast<size_t>(row)] =
            AddField(basic, QStringLiteral("编辑框_链接") + number, {178, y, 140, 22});
    }
    for (int row = 0; row < kMinRows; ++row)
        WithEmptyDefault(rowPictures_[static_cast<size_t>(row)], DefaultPictureAddress);
    strip_ = new QWidget(basic);
    strip_->setAutoFillBackground(true);
    plus_ = AddButton(strip_, QStringLiteral("按钮1"), QStringLiteral("+"), {130, 5, 30, 30});
    minus_ = AddButton(strip_, QStringLiteral("按钮3"), QStringLiteral("-"), {182, 5, 30, 30});
    minus_->setEnabled(false);
    connect(plus_, &QPushButton::clicked, this, [this] { StepRows(1); });
    connect(minus_, &QPushButton::clicked, this, [this] { StepRows(-1); });

    showArrows_ = AddCheckBox(arrows, QStringLiteral("选择框1"), QStringLiteral("显示箭头"), {16, 12, 100, 22}, true);
    connect(showArrows_, &QCheckBox::clicked, this, &CarouselPanel::OnShowArrows);
    PanelField* leftPicture = AddPictureField(arrows, QStringLiteral("左箭头图片"), QStringLiteral("编辑框_左箭头"),
                                              {16, 44}, 230, DefaultLeftArrowAddress);
    PanelField* rightPicture = AddPictureField(arrows, QStringLiteral("右箭头图片"), QStringLiteral("编辑框_右箭头"),
                                               {16, 74}, 230, DefaultRightArrowAddress);
    arrows_[0] = {leftPicture,
                  AddRow(arrows, QStringLiteral("左箭头距左"), QStringLiteral("编辑框_左箭头左"), {16, 110}, 60, "0"),
                  AddRow(arrows, QStringLiteral("左箭头距顶"), QStringLiteral("编辑框_左箭头顶"), {176, 110}, 60, "0"),
                  AddHiddenField(QStringLiteral("编辑框_左箭头左1"), "0"),
                  AddHiddenField(QStringLiteral("编辑框_左箭头顶1"), "0")};
    arrows_[1] = {rightPicture,
                  AddRow(arrows, QStringLiteral("右箭头距左"), QStringLiteral("编辑框_右箭头左"), {16, 140}, 60, "0"),
                  AddRow(arrows, QStringLiteral("右箭头距顶"), QStringLiteral("编辑框_右箭头顶"), {176, 140}, 60, "0"),
                  AddHiddenField(QStringLiteral("编辑框_右箭头左1"), "0"),
                  AddHiddenField(QStringLiteral("编辑框_右箭头顶1"), "0")};
    for (const QPoint at : {QPoint(144, 110), QPoint(304, 110), QPoint(144, 140), QPoint(304, 140)})
        AddLabel(arrows, QStringLiteral("PX"), {at.x(), at.y(), 24, 20});

    PanelField* open = AddLinkTarget(animation, {16, 14});
    PanelField* autoplay = AddHiddenField(QStringLiteral("编辑框_自动"), QStringLiteral("true"));
    AddLabel(animation, QStringLiteral("自动轮播"), {16, 46, 64, 20});
    AddChoiceList(animation, QStringLiteral("组合框2"), autoplay,
                  {{QStringLiteral("是"), QStringLiteral("true")}, {QStringLiteral("否"), QStringLiteral("false")}},
                  QStringLiteral("是"), {84, 46, 110, 24});
    PanelField* effect =
        WithEmptyDefault(AddHiddenField(QStringLiteral("编辑框_动画"), QStringLiteral("scrollx")), "scrollx");
    AddLabel(animation, QStringLiteral("动画效果"), {16, 78, 64, 20});
    AddChoiceList(animation, QStringLiteral("组合框3"), effect,
                  {{QStringLiteral("普通效果"), QStringLiteral("none")},
                   {QStringLiteral("淡隐淡现"), QStringLiteral("fade")},
                   {QStringLiteral("水平滚动"), QStringLiteral("scrollx")},
                   {QStringLiteral("垂直滚动"), QStringLiteral("scrolly")}},
                  QStringLiteral("水平滚动"), {84, 78, 110, 24});
    PanelField* easing =
        WithEmptyDefault(AddHiddenField(QStringLiteral("编辑框_切换"), QStringLiteral("bounceIn")), "bounceIn");
    AddLabel(animation, QStringLiteral("切换效果"), {16, 110, 64, 20});
    AddChoiceList(animation, QStringLiteral("组合框4"), easing,
                  {{QStringLiteral("最原始均速"), QStringLiteral("easeNone")},
                   {QStringLiteral("普通滚动"), QStringLiteral("easeBoth")},
                   {QStringLiteral("先快后慢→（弱）"), QStringLiteral("easeOut")},
                   {QStringLiteral("先慢后快→（弱）"), QStringLiteral("easeIn")},
                   {QStringLiteral("抖动→弹跳"), QStringLiteral("bounceBoth")},
                   {QStringLiteral("变幻→弹跳"), QStringLiteral("bounceOut")},
                   {QStringLiteral("弹跳→变幻"), QStringLiteral("bounceIn")},
                   {QStringLiteral("跑过头→返回"), QStringLiteral("backOut")},
                   {QStringLiteral("起步→跑"), QStringLiteral("backIn")},
                   {QStringLiteral("变幻→抖动"), QStringLiteral("elasticOut")},
                   {QStringLiteral("抖动→变幻"), QStringLiteral("elasticIn")},
                   {QStringLiteral("弹性效果"), QStringLiteral("easeBothStrong")},
                   {QStringLiteral("先快后慢→（强）"), QStringLiteral("easeOutStrong")},
                   {QStringLiteral("先慢后快→（强）"), QStringLiteral("easeInStrong")}},
                  QStringLiteral("弹性效果"), {84, 110, 150, 24});
    PanelField* duration = WithEmptyDefault(
        AddRow(animation, QStringLiteral("动画时长"), QStringLiteral("编辑框_时长"), {16, 142}, 110, "0.5"), "0.5");

    count_ = AddHiddenField(QStringLiteral("编辑框_数量"), QStringLiteral("2"));
    OnChange(count_, [this](const QString& text) { OnCount(text); });
    arrowSwitch_ = AddHiddenField(QStringLiteral("编辑框1"), QStringLiteral("block"));
    mode_ = AddHiddenField(QStringLiteral("编辑框_箭头区分"), QStringLiteral("0"));
    OnChange(mode_, [this](const QString& mode) { OnMode(mode); });

    for (const auto& [field, key] :
         std::initializer_list<std::pair<PanelField*, std::string_view>>{{width, K::Width},
                                                                         {height, K::Height},
                                                                         {left, K::Left},
                                                                         {top, K::Top},
                                                                         {count_, K::Count},
                                                                         {arrows_[0].picture, K::LeftArrow},
                                                                         {arrows_[1].picture, K::RightArrow},
                                                                         {arrows_[0].relativeLeft, K::LeftArrowLeft},
                                                                         {arrows_[0].relativeTop, K::LeftArrowTop},
                                                                         {arrows_[1].relativeLeft, K::RightArrowLeft},
                                                                         {arrows_[1].relativeTop, K::RightArrowTop},
                                                                         {open, K::Open},
                                                                         {autoplay, K::Autoplay},
                                                                         {effect, K::Effect},
                                                                         {easing, K::Easing},
                                                                         {duration, K::Duration},
                                                                         {arrowSwitch_, K::ArrowSwitch}})
        Bind(field, key);
    // The keys of the picture rows are written only up to the count, and
    // the file keeps any beyond it.
    for (int row = 0; row < MaxRows; ++row) {
        const auto shown = [this, row] { return RowCount() && row < *RowCount(); };
        Bind(rowPictures_[static_cast<size_t>(row)], K::Picture(row + 1), shown);
        Bind(rowLinks_[static_cast<size_t>(row)], K::Link(row + 1), shown);
    }
    restored_ = {arrows_[0].picture, arrows_[1].picture, open, autoplay, effect, easing, duration, count_};

    load_ = AddButton(this, QStringLiteral("按钮4"), QStringLiteral("载入保存数据"), {});
    save_ = AddSaveButton(this, QStringLiteral("按钮2"), {});
    connect(load_, &QPushButton::clicked, this, [this] {
        document_.ShowStatus(QStringLiteral("正在载入已保存的设置...."));
        RestoreSaved();
        document_.ShowStatus(QStringLiteral("载入保存设置完成，可再次修改...."));
    });
    PlaceStrip(kFirstStripTop);
    connect(&document_, &DesignDocument::PlacementChanged, this, &CarouselPanel::FollowArrows);

    SetLoadSteps({LoadBadge(), LoadSaveFlag(), LoadGeometry(), Do([this] {
                      const bool shown =
                          RecordCell(CarouselColumn::ArrowSwitch) == QString::fromUtf8(CarouselColumn::ArrowsShown);
                      showArrows_->setChecked(shown);
                      arrowSwitch_->Write(shown ? QStringLiteral("block") : QStringLiteral("none"));
                      // A saved carousel comes back as it was saved, so saving
                      // it again loses nothing.
                      if (RecordCell(ComponentRecord::Saved) == QLatin1String("1"))
                          RestoreSaved();
                  })});
    SetSaveSteps({Do([this] { mode_->Write(kCarouselMode); }), ShowStatus(QStringLiteral("正在保存设置，请稍候....")),
                  CheckPicture(rowPictures_[0]), Download(rowPictures_[0]), WriteBindings(), MarkSaved(),
                  ShowStatus(QStringLiteral("轮播属性值保存完成。右上角序号颜色为绿色，表示已保存设置，"
                                            "若为橙黄色，表示未保存设置...."))});
}

void CarouselPanel::Present(Kind kind, ElementId id)
{
    if (kind == Kind::Carousel) {
        // The arrows' places in window coordinates, for the relative ones
        // the mode works out.
        const std::vector<ElementId> arrows = document_.CompanionsOf(id);
        for (size_t i = 0; i < arrows.size() && i < arrows_.size(); ++i) {
            const Placement& arrow = document_.PlacementOf(arrows[i]);
            arrows_[i].left->Write(QString::number(arrow.left + canvasOrigin_.x()));
            arrows_[i].top->Write(QString::number(arrow.top + canvasOrigin_.y()));
        }
        load_->setEnabled(true);
        save_->setEnabled(true);
        mode_->Write(kCarouselMode);
        WriteField(LoadTrigger, QStringLiteral("1"));
        return;
    }
    // An arrow: the panel only shows where it stands, and does not load.
    tabs_->setCurrentIndex(1);
    mode_->Write(kind == Kind::LeftArrow ? kLeftMode : kRightMode);
    load_->setEnabled(false);
    save_->setEnabled(false);
}

void CarouselPanel::FollowArrows(ElementId id)
{
    if (document_.KindOf(LoadedElement()) != Kind::Carousel)
        return;
    const std::vector<ElementId> arrows = document_.CompanionsOf(LoadedElement());
    const auto which = std::find(arrows.begin(), arrows.end(), id);
    if (which == arrows.end() || which - arrows.begin() >= static_cast<std::ptrdiff_t>(arrows_.size()))
        return;
    const Placement& arrow = document_.PlacementOf(id);
    showArrows_->setChecked(arrow.visible);
    // The arrows' window places go with them when the carousel moves (its
    // own fields, a key, an undo): saving works out their places relative
    // to the carousel from these.
    if (mode_->text() == kCarouselMode) {
        const ArrowFields& fields = arrows_[static_cast<size_t>(which - arrows.begin())];
        fields.left->Write(QString::number(arrow.left + canvasOrigin_.x()));
        fields.top->Write(QString::number(arrow.top + canvasOrigin_.y()));
    }
}

void CarouselPanel::OnMode(const QString& mode)
{
    const ElementId element = Element();
    if (!element)
        return;
    const Placement& place = document_.PlacementOf(element);
    const auto number = [](const PanelField* field) { return Lenient::ToInt(field->text().toStdString()); };
    if (mode == kCarouselMode) {
        // The shown places are in window coordinates.
        const int left = place.left + canvasOrigin_.x();
        const int top = place.top + canvasOrigin_.y();
        for (const ArrowFields& arrow : arrows_) {
            arrow.relativeLeft->Write(QString::number(number(arrow.left) - left));
            arrow.relativeTop->Write(QString::number(number(arrow.top) - top));
        }
    } else if (mode == kLeftMode || mode == kRightMode) {
        const ArrowFields& arrow = arrows_[mode == kLeftMode ? 0 : 1];
        arrow.left->Write(QString::number(place.left));
        arrow.top->Write(QString::number(place.top));
    }
}

std::optional<int> CarouselPanel::RowCount() const
{
    const int count = Lenient::ToInt(count_->text().toStdString());
    if (count < kMinRows || count > MaxRows)
        return std::nullopt;
    return count;
}

void CarouselPanel::OnCount(const QString& text)
{
    const int count = Lenient::ToInt(text.toStdString());
    plus_->setEnabled(count < MaxRows);
    minus_->setEnabled(count > kMinRows);
}

void CarouselPanel::StepRows(int step)
{
    count_->Write(QString::number(Lenient::ToInt(count_->text().toStdString()) + step));
    PlaceStrip(stripTop_ + step * kRowStep);
}

void CarouselPanel::PlaceStrip(int stripTop)
{
    stripTop_ = stripTop;
    strip_->setGeometry(0, stripTop - kTabBar, 342, 40);
    const int tabHeight = stripTop + 40;
    tabs_->resize(tabs_->width(), tabHeight);
    const int buttonsTop = tabHeight + 10;
    load_->setGeometry(60, buttonsTop, 100, 28);
    save_->setGeometry(190, buttonsTop, 100, 28);
    SetOuterSize({OuterSize().width(), buttonsTop + 70});
}

void CarouselPanel::OnShowArrows(bool shown)
{
    for (const ArrowFields& arrow : arrows_) {
        for (PanelField* field : {arrow.picture, arrow.left, arrow.top})
            field->setEnabled(shown);
    }
    arrowSwitch_->Write(shown ? QStringLiteral("block") : QStringLiteral("none"));
    const ElementId element = Element();
    if (!element)
        return;
    // The arrows of the selected element: a carousel's, or those beside the
    // selected arrow.
    const ElementId carousel = document_.OwnerOf(element);
    document_.BeginEdit(shown ? QStringLiteral("显示箭头") : QStringLiteral("隐藏箭头"));
    for (const ElementId arrow : document_.CompanionsOf(carousel)) {
        Placement place = document_.PlacementOf(arrow);
        place.visible = shown;
        document_.SetPlacement(arrow, place);
    }
    if (carousel == element && document_.KindOf(element) == Kind::Carousel)
        document_.SetCells(element,
                           {{CarouselColumn::ArrowSwitch,
                             QString::fromUtf8(shown ? CarouselColumn::ArrowsShown : CarouselColumn::ArrowsHidden)}});
    document_.EndEdit();
}

void CarouselPanel::RestoreSaved()
{
    LoadFields(restored_)();
    if (const std::optional<int> count = RowCount()) {
        std::vector<PanelField*> rows;
        for (int row = 0; row < *count; ++row) {
            rows.push_back(rowPictures_[static_cast<size_t>(row)]);
            rows.push_back(rowLinks_[static_cast<size_t>(row)]);
        }
        LoadFields(rows)();
        PlaceStrip(kFirstStripTop + kRowStep * (*count - kMinRows));
    }
}

} // namespace morvane
