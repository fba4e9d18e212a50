#pragma once

#include "Kind.h"

#include <QUndoCommand>

#include <optional>
#include <string>

namespace morvane {

class DesignDocument;

// An element's settings file, byte for byte before and after a save. The
// file was written when the command was made (a write that fails is never
// recorded), so the first redo has nothing to do.
class WriteSettingsCommand : public QUndoCommand {
public:
    WriteSettingsCommand(DesignDocument& document, Sort sort, int number, std::optional<std::string> before,
                         std::string after, QUndoCommand* parent = nullptr);
    void redo() override;
    void undo() override;

private:
    DesignDocument& document_;
    Sort sort_;
    int number_;
    std::optional<std::string> before_;
    std::string after_;
    bool written_ = true;
};

} // namespace morvane
