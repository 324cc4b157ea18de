#include "Main.h"
#include "HelyiSzerver.h"
#include "Mappak.h"
#include "SegedUI.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vexlo.F"));
    MagyarFelulet(app);
    MappakBeallit(QCoreApplication::applicationDirPath());
    if (QScreen* s = QGuiApplication::primaryScreen())
        MunkaTeruletBeallit(s->availableGeometry());
    AlkalmazasStilus(app);

    Tfrm_Main frm_Main;
    QObject::connect(&frm_Main, &Tfrm_Main::bezarult, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    if (frm_Main.indit())
        frm_Main.show();
    const int kilepesKod = app.exec();
    // The local database server keeps running unless the INI file says
    // otherwise.
    HelyiSzerverKilepes(IniFajl());
    return kilepesKod;
}
