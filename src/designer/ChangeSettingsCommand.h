#pragma once

#include "DesignSettings.h"
#include "ElementId.h"

#include <QUndoCommand>

namespace morvane {

class DesignDocument;

// An element's settings before and after a save, both held as they are:
// undo and redo swap the one for the other.
class ChangeSettingsCommand : public QUndoCommand {
public:
    ChangeSettingsCommand(DesignDocument& document, ElementId id, DesignSettings::File before,
                          DesignSettings::File after);
    void redo() override;
    void undo() override;

private:
    DesignDocument& document_;
    ElementId id_;
    DesignSettings::File before_;
    DesignSettings::File after_;
};

} // namespace morvane
