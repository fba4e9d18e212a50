#include "ChangeSettingsCommand.h"

#include "DesignDocument.h"

namespace morvane {

ChangeSettingsCommand::ChangeSettingsCommand(DesignDocument& document, ElementId id, DesignSettings::File before,
                                             DesignSettings::File after)
    : QUndoCommand(QStringLiteral("修改设置")), document_(document), id_(id), before_(std::move(before)),
      after_(std::move(after))
{
}

void ChangeSettingsCommand::redo()
{
    document_.ApplySettings(id_, after_);
}

void ChangeSettingsCommand::undo()
{
    document_.ApplySettings(id_, before_);
}

} // namespace morvane
