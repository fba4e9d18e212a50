#include "DesignDocument.h"
#include "DesignerWindow.h"
#include "GenerationController.h"
#include "PanelSet.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvane"));
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), font.family()});
    QApplication::setFont(font);

    morvane::DesignDocument document(QCoreApplication::applicationDirPath());
    morvane::DesignerWindow window(document);
    morvane::PanelSet panels(document, &window);
    window.SetPanelPresenter(&panels);
    // Starts the template download; goes with the window, taking the
    // preview file with it.
    auto* generation = new morvane::GenerationController(document, &window);
    QObject::connect(&window, &morvane::DesignerWindow::GenerateRequested, generation,
                     &morvane::GenerationController::GenerateCode);
    QObject::connect(&window, &morvane::DesignerWindow::PreviewRequested, generation,
                     &morvane::GenerationController::OpenPreview);
    window.Start();
    const int result = app.exec();
    window.SetPanelPresenter(nullptr);
    return result;
}
