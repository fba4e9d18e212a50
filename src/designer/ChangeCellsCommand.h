#pragma once

#include "Kind.h"

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

    ChangeCellsCommand(DesignDocument& document, Sort sort, int row, std::vector<Cell> cells, const QString& text,
                       QUndoCommand* parent = nullptr);
    void redo() override;
    void undo() override;

private:
    void Apply(bool after);

    DesignDocument& document_;
    Sort sort_;
    int row_;
    std::vector<Cell> cells_;
};

} // namespace morvane
