#include "PanelSet.h"

#include "CarouselPanel.h"
#include "CountdownPanel.h"
#include "CustomerServicePanel.h"
#include "DesignDocument.h"
#include "KindTable.h"
#include "MagnifierPanel.h"
#include "PageSettingsPanel.h"
#include "PicturePanel.h"
#include "SearchPanel.h"
#include "SmallWidgetMembers.h"
#include "TextPanel.h"
#include "TwoSidedPanel.h"

namespace morvane {

namespace {

using MakePanel = PropertyPanel* (*)(const PanelHost&, Kind);

template <typename P> PropertyPanel* Make(const PanelHost& host, Kind)
{
    return new P(host);
}

PropertyPanel* MakeSmallWidget(const PanelHost& host, Kind kind)
{
    const SmallWidgetPanel::Member* member = SmallWidgetMembers::Of(kind);
    return member ? new SmallWidgetPanel(host, *member) : nullptr;
}

// The panel of every kind that has one of its own (the arrows open their
// carousel's). Kinds not named here are small widgets, whose panel is one
// shape and a member row.
constexpr KindSlots<MakePanel> kPanels = [] {
    KindSlots<MakePanel> panels;
    for (const KindInfo& kind : kinds::kTable) {
        if (kind.panel == kind.kind)
            panels.Set(kind.kind, &MakeSmallWidget);
    }
    panels.Set(Kind::Picture, &Make<PicturePanel>);
    panels.Set(Kind::Carousel, &Make<CarouselPanel>);
    panels.Set(Kind::Magnifier, &Make<MagnifierPanel>);
    panels.Set(Kind::TwoSided, &Make<TwoSidedPanel>);
    panels.Set(Kind::Countdown, &Make<CountdownPanel>);
    panels.Set(Kind::CustomerService, &Make<CustomerServicePanel>);
    panels.Set(Kind::Search, &Make<SearchPanel>);
    panels.Set(Kind::Text, &Make<TextPanel>);
    return panels;
}();
static_assert(
    [] {
        for (const KindInfo& kind : kinds::kTable) {
            if (!kPanels.filled[IndexOf(kind.panel)])
                return false;
        }
        return true;
    }(),
    "every kind opens a panel");

} // namespace

PanelSet::PanelSet(DesignDocument& document, QWidget* owner)
    : document_(document), owner_(owner), elementPictures_(document, pictures_)
{
    QObject::connect(&document_, &DesignDocument::Restored, &elementPictures_, [this] { ShowRestored(); });
    QObject::connect(&document_, &DesignDocument::Replaced, &elementPictures_, [this] { ShowReplaced(); });
    QObject::connect(&document_.Selection(), &SelectionModel::Changed, &elementPictures_,
                     [this] { FollowSelection(); });
    QObject::connect(&document_.Selection(), &SelectionModel::Selected, &elementPictures_,
                     [this](ElementId id) { Present(id); });
    for (const KindInfo& kind : KindTable::All()) {
        if (const MakePanel make = kPanels.value[IndexOf(kind.kind)])
            factories_[IndexOf(kind.kind)] = [make, k = kind.kind](const PanelHost& host) { return make(host, k); };
    }
}

PanelSet::~PanelSet()
{
    for (QPointer<PropertyPanel>& panel : panels_)
        delete panel.data();
    delete pageSettings_.data();
}

void PanelSet::Register(Kind panel, Factory factory)
{
    factories_[IndexOf(panel)] = std::move(factory);
}

PropertyPanel* PanelSet::Panel(Kind kind) const
{
    const QPointer<PropertyPanel>& panel = panels_[IndexOf(KindTable::Of(kind).panel)];
    return panel && panel->isVisible() ? panel.data() : nullptr;
}

PageSettingsPanel* PanelSet::PageSettings() const
{
    return pageSettings_ && pageSettings_->isVisible() ? pageSettings_.data() : nullptr;
}

PanelHost PanelSet::Host()
{
    return PanelHost{document_, owner_, pictures_, elementPictures_, canvasOrigin_};
}

void PanelSet::SetCanvasOrigin(QPoint origin)
{
    canvasOrigin_ = origin;
}

void PanelSet::Present(ElementId id)
{
    const std::optional<Kind> kind = document_.KindOf(id);
    if (!kind)
        return;
    const Sort sort = SortOf(*kind);
    const Kind panelKind = KindTable::Of(*kind).panel;
    // A component panel of another kind left open by a right press would
    // still show the previous component; closing it keeps its fields from
    // ever reaching the new component's record. Selecting a text closes
    // nothing, and the text panel stays open beside a component's: each
    // acts on the current element of its own sort.
    if (sort == Sort::Component) {
        for (const KindInfo& open : KindTable::All()) {
            if (open.kind != panelKind && SortOf(open.kind) == Sort::Component)
                Close(open.kind);
        }
    }
    const Factory& factory = factories_[IndexOf(panelKind)];
    if (!factory)
        return;
    PropertyPanel* panel = Panel(panelKind);
    if (!panel) {
        Close(panelKind);
        panel = factory(Host());
        if (!panel)
            return;
        panel->setAttribute(Qt::WA_DeleteOnClose);
        // The designer keeps the keyboard until the user clicks into the
        // panel, so the canvas keys act on the element just pressed.
        panel->setAttribute(Qt::WA_ShowWithoutActivating);
        panels_[IndexOf(panelKind)] = panel;
        panel->Place();
        panel->show();
    }
    panel->Present(*kind, id);
}

void PanelSet::FollowSelection()
{
    for (const KindInfo& kind : KindTable::All()) {
        const PropertyPanel* panel = panels_[IndexOf(kind.kind)];
        if (!panel)
            continue;
        const ElementId loaded = panel->LoadedElement();
        if (!document_.Selection().CurrentOf(SortOf(kind.kind)) || (loaded && !document_.Find(loaded)))
            Close(kind.kind);
    }
}

void PanelSet::ShowRestored()
{
    for (const KindInfo& kind : KindTable::All()) {
        PropertyPanel* panel = panels_[IndexOf(kind.kind)];
        if (!panel || !panel->isVisible())
            continue;
        const ElementId loaded = panel->LoadedElement();
        // A panel acts on the current element of its sort only.
        if (!document_.Find(loaded) || loaded != document_.Selection().CurrentOf(SortOf(kind.kind))) {
            Close(kind.kind);
            continue;
        }
        if (const std::optional<Kind> shown = document_.KindOf(loaded))
            panel->PresentQuietly(*shown, loaded);
    }
    if (PageSettingsPanel* page = PageSettings())
        page->Fill();
}

void PanelSet::Close(Kind panelKind)
{
    QPointer<PropertyPanel>& slot = panels_[IndexOf(panelKind)];
    if (!slot)
        return;
    PropertyPanel* panel = slot.data();
    slot = nullptr;
    panel->close();
}

void PanelSet::CloseComponentPanels()
{
    for (const KindInfo& kind : KindTable::All())
        Close(kind.kind);
}

void PanelSet::ShowReplaced()
{
    CloseComponentPanels();
    // Closing would commit what the panel shows over the new design's
    // page settings: it goes without a word, and opens on the new ones, as
    // at start.
    delete pageSettings_.data();
    OpenPageSettings();
}

void PanelSet::OpenPageSettings()
{
    if (PageSettingsPanel* open = PageSettings()) {
        open->raise();
        open->activateWindow();
        return;
    }
    pageSettings_ = new PageSettingsPanel(Host());
    pageSettings_->Place();
    pageSettings_->show();
    pageSettings_->Fill();
}

} // namespace morvane
