#include "PanelSet.h"

#include "CanvasElement.h"
#include "ComponentKind.h"
#include "ComponentRecord.h"
#include "DesignerWindow.h"
#include "PageSettingsPanel.h"
#include "PicturePanel.h"

namespace morvane {

PanelSet::PanelSet(DesignerWindow& designer) : designer_(designer)
{
    Register(QStringLiteral("图片"), [](DesignerWindow& window) { return new PicturePanel(window); });
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
    const QString kind = PanelKind(
        isText ? QStringLiteral("文字")
               : QString::fromStdString(designer_.Components().Cell(element->Number(), ComponentRecord::Kind)));
    // A panel of another kind left open by a selection that closes nothing
    // would still show the previous component; closing it keeps its fields
    // from ever reaching the new component's record.
    for (auto& [openKind, panel] : panels_) {
        if (openKind != kind)
            Close(openKind);
    }
    const auto factory = factories_.find(kind);
    if (factory == factories_.end())
        return;
    PropertyPanel* panel = Panel(kind);
    if (!panel) {
        Close(kind);
        panel = factory->second(designer_);
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
    pageSettings_ = new PageSettingsPanel(designer_);
    pageSettings_->Place();
    pageSettings_->show();
    pageSettings_->Fill();
}

} // namespace morvane
