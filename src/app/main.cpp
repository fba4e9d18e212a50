#include "DesignerWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvane"));
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), font.family()});
    QApplication::setFont(font);

    morvane::DesignerWindow window(QCoreApplication::applicationDirPath());
    window.Start();
    return app.exec();
}
