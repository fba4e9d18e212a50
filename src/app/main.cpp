#include "DesignerProgram.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    morvane::DesignerProgram program(QCoreApplication::applicationDirPath());
    // A design given on the command line, as a file manager passes it.
    const QStringList arguments = QCoreApplication::arguments();
    program.Start(arguments.size() > 1 ? arguments.at(1) : QString());
    return app.exec();
}
