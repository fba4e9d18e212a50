#include "PanelSet.h"

#include "CanvasElement.h"
#include "ComponentKind.h"
#include "ComponentRecord.h"
#include "DesignDocument.h"
#include "PageSettingsPanel.h"
#include "PicturePanel.h"

namespace morvane {

PanelSet::PanelSet(DesignDocument& document, QWidget* owner) : document_(document), owner_(owner)
{
    Register(QStringLiteral("图片"),
             [](DesignDocument& doc, QWidget* parent) { return new PicturePanel(doc, parent); });
}

PanelSet::~PanelSet()
{
    for (auto& [kind, panel] : panels_)
        delete panel.data();
    delete pageSettings_.data();
}

void PanelSet::Register(const QString& kind, Factory factory)
{
    factories_[kind] = std::move(factory);
}

QString PanelSet::PanelKind(const QString& kind)
{
    if (kind == QStringLiteral("左箭头") || kind == QStringLiteral("右箭头"))
        return QStringLiteral("轮播");
    return kind;
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
    const QString kind = PanelKind(document_.KindOf(element));
    // A component panel of another kind left open by a right press would
    // still show the previous component; closing it keeps its fields from
    // ever reaching the new component's record. Selecting a text closes
    // nothing, and the text panel stays open beside a component's: each
    // acts on the current element of its own sort.
    if (!isText) {
        for (auto& [openKind, panel] : panels_) {
            if (openKind != kind && openKind != QStringLiteral("文字"))
                Close(openKind);
        }
    }
    const auto factory = factories_.find(kind);
    if (factory == factories_.end())
        return;
    PropertyPanel* panel = Panel(kind);
    if (!panel) {
        Close(kind);
        panel = factory->second(document_, owner_);
        panel->setAttribute(Qt::WA_DeleteOnClose);
        panels_[kind] = panel;
        panel->Place();
        panel->show();
    }
    panel->WriteField(QStringLiteral("编辑框_读数据"), QStringLiteral("1"));
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

void PanelSet::OpenPageSettings()
{
    if (PageSettingsPanel* open = PageSettings()) {
        open->raise();
        open->activateWindow();
        return;
    }
    pageSettings_ = new PageSettingsPanel(document_, owner_);
    pageSettings_->Place();
    pageSettings_->show();
    pageSettings_->Fill();
}

} // namespace morvane
