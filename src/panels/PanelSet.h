#pragma once

#include "ElementPictures.h"
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
// discarded when closed, plus the page settings panel. They follow the
// document's selection: a selected element's panel opens and loads, and a
// panel closes when nothing of its sort is selected any more or its element
// is gone. It owns the picture fetcher, which outlives every panel.
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

    void OpenPageSettings() override;
    void SetCanvasOrigin(QPoint origin) override;

    // The open panel of a kind, nullptr when closed.
    PropertyPanel* Panel(Kind kind) const;
    PageSettingsPanel* PageSettings() const;
    PictureFetcher& Pictures() { return pictures_; }

private:
    // An element has just been selected: its kind's panel opens if needed
    // and loads.
    void Present(ElementId id);
    // Every open component panel closes without saving; the page settings
    // panel stays.
    void CloseComponentPanels();
    // The panels whose element went or whose sort has no selection close.
    void FollowSelection();
    void Close(Kind panel);
    PanelHost Host();
    // After an undo or redo every open panel shows its element as it is
    // now, or closes when the element is gone.
    void ShowRestored();
    void ShowReplaced();

    DesignDocument& document_;
    QPointer<QWidget> owner_;
    PictureFetcher pictures_;
    ElementPictures elementPictures_;
    QPoint canvasOrigin_{136, 90};
    KindArray<Factory> factories_;
    // By the kind whose panel it is.
    KindArray<QPointer<PropertyPanel>> panels_;
    QPointer<PageSettingsPanel> pageSettings_;
};

} // namespace morvane
