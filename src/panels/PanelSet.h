#pragma once

#include "PanelPresenter.h"
#include "PropertyPanel.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <map>

namespace morvane {

class DesignDocument;
class PageSettingsPanel;

// The designer's panels: one window per kind, created when first needed and
// discarded when closed, plus the page settings panel.
class PanelSet : public PanelPresenter {
public:
    using Factory = std::function<PropertyPanel*(DesignDocument&, QWidget*)>;

    // Panels are windows of owner (the designer window).
    PanelSet(DesignDocument& document, QWidget* owner);
    ~PanelSet() override;
    PanelSet(const PanelSet&) = delete;
    PanelSet& operator=(const PanelSet&) = delete;

    // Makes the kind's panel available; kinds without one are ignored.
    void Register(const QString& kind, Factory factory);

    void Present(CanvasElement* element, bool isText) override;
    void CloseComponentPanels() override;
    void OpenPageSettings() override;
    void ClosePanelOfKind(const QString& kind) override;

    // The open panel of a kind (or the page settings), nullptr when closed.
    PropertyPanel* Panel(const QString& kind) const;
    PageSettingsPanel* PageSettings() const;

private:
    // The panel a kind word opens: the arrows share their carousel's.
    static QString PanelKind(const QString& kind);
    void Close(const QString& panelKind);

    DesignDocument& document_;
    QPointer<QWidget> owner_;
    std::map<QString, Factory> factories_;
    std::map<QString, QPointer<PropertyPanel>> panels_;
    QPointer<PageSettingsPanel> pageSettings_;
};

} // namespace morvane
