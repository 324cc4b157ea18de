#include "ProgramFajlok.h"

#include "Mappak.h"

#include <QDir>
#include <QFileInfo>

namespace
{

QStringList Helyek()
{
    const QString p = ProgramMappa();
    return {p, QDir::cleanPath(p + QStringLiteral("/../share/vexlof"))};
}

} // namespace

QString ProgramFajl(const QString& nev)
{
    const QStringList helyek = Helyek();
    for (const QString& h : helyek) {
        const QString f = h + QLatin1Char('/') + nev;
        if (QFileInfo::exists(f))
            return f;
    }
    return helyek.first() + QLatin1Char('/') + nev;
}

QString SemaFajl()
{
    const QString f = ProgramFajl(QStringLiteral("vexlof.sql"));
    if (QFileInfo::exists(f))
        return f;
#ifdef VEXLOF_SEMA_EPITES
    // The program run from its build tree.
    const QString epites = QStringLiteral(VEXLOF_SEMA_EPITES);
    if (QFileInfo::exists(epites))
        return epites;
#endif
    return QString();
}
