#pragma once

#include "ElementId.h"
#include "TextLook.h"

#include <QUndoCommand>

#include <cstdint>

namespace morvane {

class DesignDocument;

// The look of a text's label; the changes typed and chosen in one panel
// share a merge key and become one command.
class ChangeTextLookCommand : public QUndoCommand {
public:
    ChangeTextLookCommand(DesignDocument& document, ElementId id, TextLook before, TextLook after, std::uint64_t merge);
    void redo() override;
    void undo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    DesignDocument& document_;
    ElementId id_;
    TextLook before_;
    TextLook after_;
    std::uint64_t merge_;
};

} // namespace morvane
