#pragma once

#include "PanelHost.h"
#include "PanelPresenter.h"
#include "PictureFetcher.h"
#include "PropertyPanel.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <map>

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

    // Makes a panel available for the kind words whose panel is `panel`
    // in the table of kinds; a later registration replaces an earlier one.
    void Register(const QString& panel, Factory factory);

    void Present(CanvasElement* element, bool isText) override;
    void CloseComponentPanels() override;
    void OpenPageSettings() override;
    void ClosePanelOfKind(const QString& kind) override;
    void ArrowsHidden() override;

    // The open panel of a kind word, nullptr when closed.
    PropertyPanel* Panel(const QString& kind) const;
    PageSettingsPanel* PageSettings() const;
    PictureFetcher& Pictures() { return pictures_; }

private:
    // The panel a kind word opens: the arrows share their carousel's.
    static QString PanelKind(const QString& kind);
    void Close(const QString& panelKind);

    DesignDocument& document_;
    QPointer<QWidget> owner_;
    PictureFetcher pictures_;
    std::map<QString, Factory> factories_;
    std::map<QString, QPointer<PropertyPanel>> panels_;
    QPointer<PageSettingsPanel> pageSettings_;
};

} // namespace morvane
