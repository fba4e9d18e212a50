#include "AddRemoveElements.h"

namespace morvane {

AddElementsCommand::AddElementsCommand(DesignDocument& document, std::vector<DesignDocument::Taken> elements,
                                       const QString& text)
    : QUndoCommand(text), document_(document), elements_(std::move(elements))
{
    for (const DesignDocument::Taken& taken : elements_)
        ids_.push_back(taken.element.id);
}

void AddElementsCommand::redo()
{
    document_.PutBack(elements_);
}

void AddElementsCommand::undo()
{
    // Taken back with whatever arrived for them meanwhile (their pictures),
    // so a redo shows them as they were.
    elements_ = document_.Take(ids_);
}

RemoveElementsCommand::RemoveElementsCommand(DesignDocument& document, std::vector<ElementId> ids, const QString& text)
    : QUndoCommand(text), document_(document), ids_(std::move(ids))
{
}

void RemoveElementsCommand::redo()
{
    taken_ = document_.Take(ids_);
}

void RemoveElementsCommand::undo()
{
    document_.PutBack(taken_);
}

} // namespace morvane
