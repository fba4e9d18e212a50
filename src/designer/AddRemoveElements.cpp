#include "AddRemoveElements.h"

namespace morvane {

AddElementsCommand::AddElementsCommand(DesignDocument& document, Sort sort, int first,
                                       std::vector<DesignDocument::Taken> elements, const QString& text,
                                       QUndoCommand* parent)
    : QUndoCommand(text, parent), document_(document), sort_(sort), first_(first), elements_(std::move(elements))
{
}

void AddElementsCommand::redo()
{
    document_.InsertElements(sort_, first_, elements_);
}

void AddElementsCommand::undo()
{
    // Taken back with whatever arrived for them meanwhile (their pictures),
    // so a redo shows them as they were.
    elements_ = document_.TakeElements(sort_, first_, static_cast<int>(elements_.size()));
}

RemoveElementsCommand::RemoveElementsCommand(DesignDocument& document, Sort sort, int first, int count,
                                             const QString& text, QUndoCommand* parent)
    : QUndoCommand(text, parent), document_(document), sort_(sort), first_(first), count_(count)
{
}

void RemoveElementsCommand::redo()
{
    taken_ = document_.TakeElements(sort_, first_, count_);
}

void RemoveElementsCommand::undo()
{
    document_.InsertElements(sort_, first_, taken_);
}

} // namespace morvane
