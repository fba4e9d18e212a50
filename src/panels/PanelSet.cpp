#include "PanelSet.h"

#include "CanvasElement.h"
#include "CarouselPanel.h"
#include "ComponentKind.h"
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

template <typename P> PanelSet::Factory Make()
{
    return [](const PanelHost& host) { return new P(host); };
}

QString Word(std::string_view word)
{
    return QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size()));
}

} // namespace

PanelSet::PanelSet(DesignDocument& document, QWidget* owner) : document_(document), owner_(owner)
{
    Register(Word(ComponentKind::Picture), Make<PicturePanel>());
    Register(Word(ComponentKind::Carousel), Make<CarouselPanel>());
    Register(Word(ComponentKind::Countdown), Make<CountdownPanel>());
    for (const SmallWidgetPanel::Member& member : SmallWidgetMembers::All())
        Register(Word(member.kind), [&member](const PanelHost& host) { return new SmallWidgetPanel(host, member); });
    Register(Word(ComponentKind::Magnifier), Make<MagnifierPanel>());
    Register(Word(ComponentKind::TwoSided), Make<TwoSidedPanel>());
    Register(Word(ComponentKind::Text), Make<TextPanel>());
    Register(Word(ComponentKind::Search), Make<SearchPanel>());
    Register(Word(ComponentKind::CustomerService), Make<CustomerServicePanel>());
}

PanelSet::~PanelSet()
{
    for (auto& [kind, panel] : panels_)
        delete panel.data();
    delete pageSettings_.data();
}

void PanelSet::Register(const QString& panel, Factory factory)
{
    factories_[panel] = std::move(factory);
}

QString PanelSet::PanelKind(const QString& kind)
{
    const KindInfo* info = KindTable::Find(kind.toStdString());
    return info ? Word(info->panel) : kind;
}

PropertyPanel* PanelSet::Panel(const QString& kind) const
{
    const auto found = panels_.find(PanelKind(kind));
    if (found == panels_.end() || !found->second || !found->second->isVisible())
        return nullptr;
    return found->second.data();
}

PageSettingsPanel* PanelSet::PageSettings() const
{
    return pageSettings_ && pageSettings_->isVisible() ? pageSettings_.data() : nullptr;
}

void PanelSet::Present(CanvasElement* element, bool isText)
{
    if (!element)
        return;
    const QString kind = document_.KindOf(element);
    const QString panelKind = PanelKind(kind);
    // A component panel of another kind left open by a right press would
    // still show the previous component; closing it keeps its fields from
    // ever reaching the new component's record. Selecting a text closes
    // nothing, and the text panel stays open beside a component's: each
    // acts on the current element of its own sort.
    if (!isText) {
        for (auto& [openKind, panel] : panels_) {
            if (openKind != panelKind && openKind != Word(ComponentKind::Text))
                Close(openKind);
        }
    }
    const auto factory = factories_.find(panelKind);
    if (factory == factories_.end())
        return;
    PropertyPanel* panel = Panel(panelKind);
    if (!panel) {
        Close(panelKind);
        panel = factory->second(PanelHost{document_, owner_, pictures_});
        panel->setAttribute(Qt::WA_DeleteOnClose);
        panels_[panelKind] = panel;
        panel->Place();
        panel->show();
    }
    panel->Present(kind, element);
}

void PanelSet::Close(const QString& panelKind)
{
    const auto found = panels_.find(panelKind);
    if (found == panels_.end() || !found->second)
        return;
    PropertyPanel* panel = found->second.data();
    found->second = nullptr;
    panel->close();
}

void PanelSet::CloseComponentPanels()
{
    for (auto& [kind, panel] : panels_)
        Close(kind);
}

void PanelSet::ClosePanelOfKind(const QString& kind)
{
    Close(PanelKind(kind));
}

void PanelSet::ArrowsHidden()
{
    if (PropertyPanel* carousel = Panel(Word(ComponentKind::Carousel)))
        carousel->ArrowsHidden();
}

void PanelSet::OpenPageSettings()
{
    if (PageSettingsPanel* open = PageSettings()) {
        open->raise();
        open->activateWindow();
        return;
    }
    pageSettings_ = new PageSettingsPanel(PanelHost{document_, owner_, pictures_});
    pageSettings_->Place();
    pageSettings_->show();
    pageSettings_->Fill();
}

} // namespace morvane
