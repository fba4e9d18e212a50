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

    morvane::DesignerWindow window(QCoreApplication::applicationDirPath());
    morvane::PanelSet panels(window);
    window.SetPanelPresenter(&panels);
    // Starts the template download with the window; owned by the window.
    new morvane::GenerationController(window);
    window.Start();
    const int result = app.exec();
    window.SetPanelPresenter(nullptr);
    return result;
}
