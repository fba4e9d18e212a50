#include "WriteSettingsCommand.h"

#include "DesignDocument.h"

namespace morvane {

WriteSettingsCommand::WriteSettingsCommand(DesignDocument& document, Sort sort, int number,
                                           std::optional<std::string> before, std::string after, QUndoCommand* parent)
    : QUndoCommand(QStringLiteral("写入设置文件"), parent), document_(document), sort_(sort), number_(number),
      before_(std::move(before)), after_(std::move(after))
{
}

void WriteSettingsCommand::redo()
{
    if (written_) {
        written_ = false;
        return;
    }
    document_.ApplySettings(sort_, number_, after_);
}

void WriteSettingsCommand::undo()
{
    document_.ApplySettings(sort_, number_, before_);
}

} // namespace morvane
