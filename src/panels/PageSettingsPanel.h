#pragma once

#include "PropertyPanel.h"

namespace morvane {

// The module's page settings: edition, size, spacing and background. It
// shows size, colour and picture on the canvas while the user edits, and
// writes the record each time it closes, however it is closed.
class PageSettingsPanel : public PropertyPanel {
    Q_OBJECT
public:
    PageSettingsPanel(DesignDocument& document, QWidget* owner);

    void Place() override;
    // Fills the fields from the record; runs once, when the window opens.
    void Fill();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OnSize(bool widthChanged);
    void OnColour();
    void OnPicture(const QString& text);
    bool NoBackground() const;
    void Commit();
};

} // namespace morvane
