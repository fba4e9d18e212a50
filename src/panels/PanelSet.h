#pragma once

#include "PanelHost.h"
#include "PanelPresenter.h"
#include "PictureFetcher.h"
#include "PropertyPanel.h"

#include <QPointer>
#include <QString>

#include <functional>

namespace morvane {

class DesignDocument;
class PageSettingsPanel;

// The designer's panels: one window per kind, created when first needed and
// discarded when closed, plus the page settings panel. It owns the picture
// fetcher, which outlives every panel.
class PanelSet : public PanelPresenter {
public:
    using Factory = std::function<PropertyPanel*(const PanelHost&)>;

    // Panels are windows of owner (the designer window).
    PanelSet(DesignDocument& document, QWidget* owner);
    ~PanelSet() override;
    PanelSet(const PanelSet&) = delete;
    PanelSet& operator=(const PanelSet&) = delete;

    // Replaces the panel of the kinds whose panel is `panel` in the table of
    // kinds.
    void Register(Kind panel, Factory factory);

    void Present(CanvasElement* element) override;
    void CloseComponentPanels() override;
    void OpenPageSettings() override;
    void ClosePanelOfKind(Kind kind) override;
    void ArrowsHidden() override;

    // The open panel of a kind, nullptr when closed.
    PropertyPanel* Panel(Kind kind) const;
    PageSettingsPanel* PageSettings() const;
    PictureFetcher& Pictures() { return pictures_; }

private:
    void Close(Kind panel);

    DesignDocument& document_;
    QPointer<QWidget> owner_;
    PictureFetcher pictures_;
    KindArray<Factory> factories_;
    // By the kind whose panel it is.
    KindArray<QPointer<PropertyPanel>> panels_;
    QPointer<PageSettingsPanel> pageSettings_;
};

} // namespace morvane
