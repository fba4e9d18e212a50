#include "EditMacro.h"

namespace morvane {

EditMacro::EditMacro(const QString& text) : QUndoCommand(text)
{
}

void EditMacro::redo()
{
    if (applied_) {
        applied_ = false;
        return;
    }
    QUndoCommand::redo();
}

} // namespace morvane
