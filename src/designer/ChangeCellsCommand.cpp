#include "ChangeCellsCommand.h"

#include "DesignDocument.h"

namespace morvane {

ChangeCellsCommand::ChangeCellsCommand(DesignDocument& document, Sort sort, int row, std::vector<Cell> cells,
                                       const QString& text, QUndoCommand* parent)
    : QUndoCommand(text, parent), document_(document), sort_(sort), row_(row), cells_(std::move(cells))
{
}

void ChangeCellsCommand::redo()
{
    Apply(true);
}

void ChangeCellsCommand::undo()
{
    Apply(false);
}

void ChangeCellsCommand::Apply(bool after)
{
    for (const Cell& cell : cells_)
        document_.ApplyCell(sort_, row_, cell.column, after ? cell.after : cell.before);
}

} // namespace morvane
