#include "ChangePageSettingsCommand.h"

#include "DesignDocument.h"

namespace morvane {

ChangePageSettingsCommand::ChangePageSettingsCommand(DesignDocument& document, Cells before, Cells after)
    : QUndoCommand(QStringLiteral("全局设置")), document_(document), before_(std::move(before)),
      after_(std::move(after))
{
}

void ChangePageSettingsCommand::redo()
{
    document_.ApplyPageSettings(after_);
}

void ChangePageSettingsCommand::undo()
{
    document_.ApplyPageSettings(before_);
}

} // namespace morvane
