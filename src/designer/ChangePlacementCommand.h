#pragma once

#include "ElementId.h"
#include "Placement.h"

#include <QUndoCommand>

#include <cstdint>
#include <vector>

namespace morvane {

class DesignDocument;

// Places of one or more elements (an element and the companions that follow
// it). The steps of one drag, handle resize, run of nudges or typing into a
// panel share a merge key and become one command.
class ChangePlacementCommand : public QUndoCommand {
public:
    struct Change {
        ElementId id;
        Placement before;
        Placement after;
    };

    ChangePlacementCommand(DesignDocument& document, std::vector<Change> changes, std::uint64_t merge,
                           const QString& text);
    void redo() override;
    void undo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    DesignDocument& document_;
    std::vector<Change> changes_;
    std::uint64_t merge_;
};

} // namespace morvane
