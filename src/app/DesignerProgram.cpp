#include "DesignerProgram.h"

#include "CodeImport.h"
#include "DesignDocument.h"
#include "DesignFiles.h"
#include "DesignerChrome.h"
#include "DesignerWindow.h"
#include "FileSystem.h"
#include "GenerationController.h"
#include "PanelSet.h"
#include "TerminationSignals.h"

#include <QAction>
#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QMenu>
#include <QPointer>
#include <QPushButton>

namespace morvane {

namespace {

// The data folder depends on the application's name, so the name is set
// before the folders are chosen.
QString Named(const QString& programDirectory)
{
    QCoreApplication::setApplicationName(QStringLiteral("Morvane"));
    return programDirectory;
}

} // namespace

DesignerProgram::DesignerProgram(const QString& programDirectory) : folders_(Named(programDirectory))
{
    // The window is Chinese whatever the desktop's language, so Qt's own
    // dialogs and context menus are too.
    if (qtTexts_.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts_);
    QFont font = QApplication::font();
    // Emoji typed into a text come from the colour emoji font.
    font.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), font.family(), QStringLiteral("Noto Color Emoji")});
    QApplication::setFont(font);

    // The design's files (bj, yl.htm) live in the data folder; the template
    // texts come from beside the program.
    document_ = std::make_unique<DesignDocument>(folders_.DataDirectory());
    // A run killed while writing the preview file leaves its temporary.
    FileSystem::RemoveStaleTemporaries(folders_.DataDirectory().toStdString(), "yl.htm");
    window_ = std::make_unique<DesignerWindow>(*document_);
    panels_ = std::make_unique<PanelSet>(*document_, window_.get());
    window_->SetPanelPresenter(panels_.get());
    // Starts the template download; goes with the window, taking the
    // preview file with it.
    generation_ = new GenerationController(*document_, folders_.ProgramDirectory(), window_.get());
    QObject::connect(window_.get(), &DesignerWindow::GenerateRequested, generation_,
                     &GenerationController::GenerateCode);
    QObject::connect(window_.get(), &DesignerWindow::PreviewRequested, generation_, &GenerationController::OpenPreview);
    signals_ = std::make_unique<TerminationSignals>();
    const QString user = ProgramFolders::UserFolder();
    const QString userDirectory = user.isEmpty() ? folders_.DataDirectory() : user;
    // And one killed while writing its autosave, those of the autosave.
    const std::string autosave = std::string("autosave.") + DesignFiles::Extension;
    for (const std::string& name : {autosave, autosave + ".origin"})
        FileSystem::RemoveStaleTemporaries(userDirectory.toStdString(), name);
    files_ = std::make_unique<DesignFiles>(*document_, window_.get(), userDirectory);
    Connect(*files_, *window_);
    import_ = std::make_unique<CodeImport>(
        *document_, *files_, [generation = generation_]() -> const TemplateTexts& { return generation->Templates(); });
    auto* importAction = new QAction(QStringLiteral("导入代码..."), window_.get());
    importAction->setObjectName(QStringLiteral("动作_导入代码"));
    importAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    importAction->setShortcutContext(Qt::ApplicationShortcut);
    window_->addAction(importAction);
    files_->Menu()->addAction(importAction);
    QObject::connect(importAction, &QAction::triggered, import_.get(), &CodeImport::Run);
}

DesignerProgram::~DesignerProgram()
{
    import_.reset();
    files_.reset();
    window_->SetPanelPresenter(nullptr);
    panels_.reset();
    window_.reset();
    document_.reset();
}

void DesignerProgram::Connect(DesignFiles& files, DesignerWindow& window)
{
    DesignerChrome& chrome = window.Chrome();
    chrome.FileButton()->setMenu(files.Menu());
    window.addActions(files.Commands());
    const auto showName = [&window, &chrome](const QString& name) {
        window.setWindowTitle(name + QStringLiteral(" - Morvane"));
        chrome.ShowDesignName(QStringLiteral("设计：") + name);
    };
    showName(files.DisplayName());
    QObject::connect(&files, &DesignFiles::NameChanged, &window, showName);
    window.SetCloseGuard([guarded = QPointer<DesignFiles>(&files)] { return !guarded || guarded->MayClose(); });
    QObject::connect(&files, &DesignFiles::RecoveryOffered, &chrome, &DesignerChrome::ShowRecoveryOffer);
    QObject::connect(&files, &DesignFiles::RecoveryClosed, &chrome, &DesignerChrome::HideRecoveryOffer);
    QObject::connect(&chrome, &DesignerChrome::RecoveryAccepted, &files, &DesignFiles::AcceptRecovery);
    QObject::connect(&chrome, &DesignerChrome::RecoveryDeclined, &files, &DesignFiles::DeclineRecovery);
}

void DesignerProgram::Start(const QString& designPath)
{
    window_->Start();
    files_->OfferRecovery();
    if (!designPath.isEmpty())
        files_->OpenFile(designPath);
}

} // namespace morvane
