#include "DesignerProgram.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    morvane::DesignerProgram program(QCoreApplication::applicationDirPath());
    program.Start();
    return app.exec();
}
