#include "KonyhaJegy.h"

#include "KozosDB.h"
#include "Seged.h"

#include <QSqlQuery>

#include <algorithm>

QList<KonyhaJegy> KonyhaJegyek(const QList<KonyhaSor>& sorok, const QString& tulajdonos,
                               const QString& asztalNev,
                               const std::function<bool(int, TNyomtato&)>& profil,
                               const QDateTime& ido)
{
    QList<KonyhaJegy> jegyek;
    for (int n = 1; n <= 4; ++n) {
        TNyomtato ny;
        if (!profil(n, ny))
            continue;
        const bool szeles = ny.szeles > 24;
        const int w = szeles ? ny.szeles : 24;
        const int nevOszlop = szeles ? ny.szeles - 6 : 18;
        const int megjOszlop = szeles ? ny.szeles - 1 : 23;
        KonyhaJegy j;
        j.nyomtato = n;
        j.profil = szeles ? n : 1;
        j.direkt = szeles;
        j.sorok << Kozepre(tulajdonos, w) << QString()
                << Kozepre(QStringLiteral("Asztal: ") + asztalNev, w) << QString();
        const QString jel = QString::number(n);
        bool van = false;
        for (const KonyhaSor& s : sorok) {
            if (!std::count(s.port.begin(), s.port.end(), jel))
                continue;
            van = true;
            j.sorok << QStringLiteral(" ") + BalraIgazit(s.cikkszam_nev, nevOszlop) +
                           JobbraIgazit(SzamSzoveg(s.db), 5);
            j.sorok << QStringLiteral(" ") + BalraIgazit(s.megjegyzes, megjOszlop);
        }
        if (!van)
            continue;
        j.sorok << QString() << DatumFormat(ido, QStringLiteral("yyyy.mmmm.dd hh:mm:ss"));
        jegyek << j;
    }
    return jegyek;
}

QList<KonyhaSor> KonyhaSorokBetolt(int asztal)
{
    QSqlQuery q =
        SqlNyit(QStringLiteral("CALL sp_rnyom(") + QString::number(asztal) + QStringLiteral(");"));
    QList<KonyhaSor> sorok;
    while (q.next()) {
        KonyhaSor s;
        s.cikkszam_nev = Szoveg(q.value(QStringLiteral("cikkszam_nev")));
        s.db = Szam(q.value(QStringLiteral("db")));
        s.megjegyzes = Szoveg(q.value(QStringLiteral("megjegyzes")));
        for (int i = 0; i < 4; ++i)
            s.port[size_t(i)] = Szoveg(q.value(QStringLiteral("port%1").arg(i + 1))).trimmed();
        sorok << s;
    }
    return sorok;
}
