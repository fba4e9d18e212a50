#pragma once

#include <QUndoCommand>

namespace morvane {

// Several edits undone and redone as one (a panel save, a paste): each step
// is applied as it is made, as a child of this command, so the macro itself
// has nothing left to do when it goes on the stack.
class EditMacro : public QUndoCommand {
public:
    explicit EditMacro(const QString& text);
    void redo() override;

private:
    bool applied_ = true;
};

} // namespace morvane
