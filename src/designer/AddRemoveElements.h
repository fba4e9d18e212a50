#pragma once

#include "DesignDocument.h"

#include <QUndoCommand>

#include <vector>

namespace morvane {

// Adding and removing elements, the two directions of one step: what one
// adds the other takes away, records, places, looks, settings and pictures
// included, and the elements after them are renumbered both ways. Each
// knows its elements by their ids.

// Elements put in at their numbers (the end, when added or pasted).
class AddElementsCommand : public QUndoCommand {
public:
    AddElementsCommand(DesignDocument& document, std::vector<DesignDocument::Taken> elements, const QString& text);
    void redo() override;
    void undo() override;

private:
    DesignDocument& document_;
    std::vector<ElementId> ids_;
    std::vector<DesignDocument::Taken> elements_;
};

// Elements taken out wherever they stand; undo puts them back under their
// old numbers.
class RemoveElementsCommand : public QUndoCommand {
public:
    RemoveElementsCommand(DesignDocument& document, std::vector<ElementId> ids, const QString& text);
    void redo() override;
    void undo() override;

private:
    DesignDocument& document_;
    std::vector<ElementId> ids_;
    std::vector<DesignDocument::Taken> taken_;
};

} // namespace morvane
