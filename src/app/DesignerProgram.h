#pragma once

#include "ProgramFolders.h"

#include <QString>
#include <QTranslator>

#include <memory>

namespace morvane {

class CodeImport;
class DesignDocument;
class DesignFiles;
class DesignerWindow;
class GenerationController;
class PanelSet;
class TerminationSignals;

// The designer as the program runs it: the application's name and font,
// the folders of the run, the window with its panels and its generation,
// and an orderly quit on a termination signal. main() builds one; tests
// build one the same way to run what the program runs.
class DesignerProgram {
public:
    // programDirectory: the executable's folder, where the templates are.
    explicit DesignerProgram(const QString& programDirectory);
    ~DesignerProgram();
    DesignerProgram(const DesignerProgram&) = delete;
    DesignerProgram& operator=(const DesignerProgram&) = delete;

    // Shows the window and starts the run (working folder, page settings),
    // opening the design file given, and offers to restore the autosave of
    // a run that did not end through its close button.
    void Start(const QString& designPath = {});

    // The window shows what the design files tell and asks them before it
    // closes: the menu and its keys, the name, the recovery offer.
    static void Connect(DesignFiles& files, DesignerWindow& window);

    const ProgramFolders& Folders() const { return folders_; }
    // Whether Qt's own texts (dialogs, context menus) were found in Chinese.
    bool QtSpeaksChinese() const { return !qtTexts_.isEmpty(); }
    DesignDocument& Document() { return *document_; }
    DesignerWindow& Window() { return *window_; }
    PanelSet& Panels() { return *panels_; }
    GenerationController& Generation() { return *generation_; }
    DesignFiles& Files() { return *files_; }
    CodeImport& Import() { return *import_; }

private:
    ProgramFolders folders_;
    QTranslator qtTexts_;
    std::unique_ptr<DesignDocument> document_;
    std::unique_ptr<DesignerWindow> window_;
    std::unique_ptr<PanelSet> panels_;
    GenerationController* generation_ = nullptr; // a child of the window
    std::unique_ptr<TerminationSignals> signals_;
    std::unique_ptr<DesignFiles> files_;
    std::unique_ptr<CodeImport> import_;
};

} // namespace morvane
