#pragma once

#include "PanelForm.h"

#include <utility>
#include <vector>

namespace morvane {

// The module's page settings: edition, size, spacing and background. It
// shows size, colour and picture on the canvas while the user edits, and
// writes the record each time it closes, however it is closed.
class PageSettingsPanel : public PanelForm {
    Q_OBJECT
public:
    explicit PageSettingsPanel(const PanelHost& host);

    void Place() override;
    // Fills the fields from the record; runs once, when the window opens.
    void Fill();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OnSize(bool widthChanged);
    void OnPicture(const QString& text);
    bool NoBackground() const;
    void Commit();

    // Record column and field, in the order of filling and committing.
    std::vector<std::pair<int, PanelField*>> columns_;
    PanelField* width_ = nullptr;
    PanelField* height_ = nullptr;
    PanelField* colour_ = nullptr;
    PanelField* picture_ = nullptr;
    PanelField* spacing_ = nullptr;
};

} // namespace morvane
