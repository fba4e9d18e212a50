#pragma once

#include "PanelForm.h"

#include <utility>
#include <vector>

namespace morvane {

// The module's page settings: edition, size, spacing and background. The
// canvas shows its fields while the user edits, and it writes the record
// each time it closes, however it is closed.
class PageSettingsPanel : public PanelForm {
    Q_OBJECT
public:
    explicit PageSettingsPanel(const PanelHost& host);
    ~PageSettingsPanel() override;

    void Place() override;
    // Fills the fields from the record; runs once, when the window opens.
    void Fill();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::vector<std::pair<int, QString>> Cells() const;
    void Commit();

    // Record column and field, in the order of filling and committing.
    std::vector<std::pair<int, PanelField*>> columns_;
    PanelField* width_ = nullptr;
    PanelField* height_ = nullptr;
    PanelField* spacing_ = nullptr;
};

} // namespace morvane
