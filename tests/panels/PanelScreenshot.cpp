// Not a test: opens the designer with the page settings panel and a picture
// panel under a real display and stays up for the given seconds, so the
// screen can be captured.
#include "CanvasElement.h"
#include "DesignDocument.h"
#include "DesignerWindow.h"
#include "PanelSet.h"
#include "TempDir.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TempDir dir;
    morvane::DesignDocument document(QString::fromStdString(dir.Path()));
    morvane::DesignerWindow window(document);
    morvane::PanelSet panels(document, &window);
    window.SetPanelPresenter(&panels);
    window.Start();
    morvane::CanvasElement* element = window.AddComponent(QStringLiteral("图片"));
    element->move(document.CanvasOriginX() + 120, morvane::DesignDocument::CanvasTop + 60);
    document.SelectComponent(element);
    panels.Present(element, false);
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 4;
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    const int result = app.exec();
    window.SetPanelPresenter(nullptr);
    return result;
}
