// Not a test: opens the designer with the page settings panel and the panel
// of one kind under a real display and stays up for the given seconds, so
// the screen can be captured: panels_screenshot [seconds] [kind word]
// [tab page].
#include "CanvasElement.h"
#include "DesignDocument.h"
#include "DesignerWindow.h"
#include "KindWords.h"
#include "PanelSet.h"
#include "TempDir.h"

#include <QApplication>
#include <QTabWidget>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), font.family()});
    QApplication::setFont(font);
    TempDir dir;
    morvane::DesignDocument document(QString::fromStdString(dir.Path()));
    morvane::DesignerWindow window(document);
    morvane::PanelSet panels(document, &window);
    window.SetPanelPresenter(&panels);
    window.Start();
    const QString kind = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("图片");
    const morvane::Kind shown = morvane::KindWords::From(kind).value_or(morvane::Kind::Picture);
    const morvane::ElementId element = shown == morvane::Kind::Text ? document.AddText() : document.AddComponent(shown);
    if (element) {
        morvane::Placement place = document.PlacementOf(element);
        place.left = 120;
        place.top = 60;
        document.SetPlacement(element, place);
        document.Select(element);
        auto* tabs = argc > 3 ? panels.Panel(shown)->findChild<QTabWidget*>() : nullptr;
        if (tabs)
            tabs->setCurrentIndex(QString::fromLocal8Bit(argv[3]).toInt());
    }
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 4;
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    const int result = app.exec();
    window.SetPanelPresenter(nullptr);
    return result;
}
