#pragma once

#include "DesignDocument.h"

#include <QUndoCommand>

#include <vector>

namespace morvane {

// Adding and removing elements, the two directions of one step: what one
// adds the other takes away, records, places, looks, pictures and settings
// files included, and the elements after them are renumbered both ways.

// Elements put in at `first` (the end, when added or pasted).
class AddElementsCommand : public QUndoCommand {
public:
    AddElementsCommand(DesignDocument& document, Sort sort, int first, std::vector<DesignDocument::Taken> elements,
                       const QString& text, QUndoCommand* parent = nullptr);
    void redo() override;
    void undo() override;

private:
    DesignDocument& document_;
    Sort sort_;
    int first_;
    std::vector<DesignDocument::Taken> elements_;
};

// Elements taken out from `first` on; undo puts them back under their old
// numbers.
class RemoveElementsCommand : public QUndoCommand {
public:
    RemoveElementsCommand(DesignDocument& document, Sort sort, int first, int count, const QString& text,
                          QUndoCommand* parent = nullptr);
    void redo() override;
    void undo() override;

private:
    DesignDocument& document_;
    Sort sort_;
    int first_;
    int count_;
    std::vector<DesignDocument::Taken> taken_;
};

} // namespace morvane
