#pragma once

#include "ElementId.h"

#include <QUndoCommand>

#include <string>
#include <vector>

namespace morvane {

class DesignDocument;

// Cells of one record, swapped between their old and new texts.
class ChangeCellsCommand : public QUndoCommand {
public:
    struct Cell {
        int column;
        std::string before;
        std::string after;
    };

    ChangeCellsCommand(DesignDocument& document, ElementId id, std::vector<Cell> cells, const QString& text);
    void redo() override;
    void undo() override;

private:
    void Apply(bool after);

    DesignDocument& document_;
    ElementId id_;
    std::vector<Cell> cells_;
};

} // namespace morvane
