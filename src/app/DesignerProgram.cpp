#include "DesignerProgram.h"

#include "DesignerWindow.h"
#include "GenerationController.h"
#include "PanelSet.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <QFont>

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
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), font.family()});
    QApplication::setFont(font);

    window_ = std::make_unique<DesignerWindow>(folders_.DataDirectory());
    panels_ = std::make_unique<PanelSet>(*window_);
    window_->SetPanelPresenter(panels_.get());
    // Starts the template download with the window.
    generation_ = new GenerationController(*window_, folders_.ProgramDirectory());
    signals_ = std::make_unique<TerminationSignals>();
}

DesignerProgram::~DesignerProgram()
{
    window_->SetPanelPresenter(nullptr);
    panels_.reset();
    window_.reset();
}

void DesignerProgram::Start()
{
    window_->Start();
}

} // namespace morvane
