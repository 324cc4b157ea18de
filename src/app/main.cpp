#include "Mappak.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vexlo.F"));
    MappakBeallit(QCoreApplication::applicationDirPath());
    return 0;
}
