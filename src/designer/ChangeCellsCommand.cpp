#include "ChangeCellsCommand.h"

#include "DesignDocument.h"

namespace morvane {

ChangeCellsCommand::ChangeCellsCommand(DesignDocument& document, ElementId id, std::vector<Cell> cells,
                                       const QString& text)
    : QUndoCommand(text), document_(document), id_(id), cells_(std::move(cells))
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
        document_.ApplyCell(id_, cell.column, after ? cell.after : cell.before);
}

} // namespace morvane
