#pragma once

#include <QUndoCommand>

#include <string>
#include <utility>
#include <vector>

namespace morvane {

class DesignDocument;

// The page settings as the page settings panel commits them, all cells at
// once.
class ChangePageSettingsCommand : public QUndoCommand {
public:
    using Cells = std::vector<std::pair<int, std::string>>;

    ChangePageSettingsCommand(DesignDocument& document, Cells before, Cells after);
    void redo() override;
    void undo() override;

private:
    DesignDocument& document_;
    Cells before_;
    Cells after_;
};

} // namespace morvane
