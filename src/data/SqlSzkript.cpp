#include "SqlSzkript.h"

#include "Ansi.h"
#include "DbHiba.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

SqlSzkript SqlSzkript::elemez(const QString& t)
{
    SqlSzkript ki;
    QString hatarolo = QStringLiteral(";");
    QString puffer;
    bool tartalom = false; // the buffer holds more than white space
    int sor = 1;
    int kezdoSor = 1;
    const int n = int(t.size());
    int i = 0;

    auto hiba = [&](const QString& uzenet, int hol) {
        ki.m_utasitasok.clear();
        ki.m_hiba = uzenet + QStringLiteral(" (") + QString::number(hol) + QStringLiteral(". sor)");
        ki.m_hibaSor = hol;
        return ki;
    };
    auto sorVege = [&](int from) {
        int k = from;
        while (k < n && t.at(k) != QLatin1Char('\n'))
            ++k;
        return k;
    };

    while (i < n) {
        const QChar c = t.at(i);

        // A DELIMITER command stands on its own line between statements.
        if (!tartalom && (c == QLatin1Char('D') || c == QLatin1Char('d'))) {
            int b = i - 1;
            while (b >= 0 && (t.at(b) == QLatin1Char(' ') || t.at(b) == QLatin1Char('\t')))
                --b;
            const bool sorElejen = b < 0 || t.at(b) == QLatin1Char('\n');
            if (sorElejen && t.mid(i, 9).compare(QLatin1String("DELIMITER"), Qt::CaseInsensitive) == 0 &&
                i + 9 < n && (t.at(i + 9) == QLatin1Char(' ') || t.at(i + 9) == QLatin1Char('\t'))) {
                const int v = sorVege(i);
                const QString uj =
                    t.mid(i + 9, v - i - 9).trimmed().section(QRegularExpression(QStringLiteral("\\s")), 0, 0);
                if (uj.isEmpty())
                    return hiba(QStringLiteral("Hiányzó határoló a DELIMITER után"), sor);
                hatarolo = uj;
                puffer.clear();
                tartalom = false;
                i = v;
                continue;
            }
        }

        if (c == QLatin1Char('\n')) {
            ++sor;
            puffer.append(c);
            ++i;
            continue;
        }

        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`')) {
            const int kezd = sor;
            if (!tartalom)
                kezdoSor = sor;
            tartalom = true;
            puffer.append(c);
            ++i;
            bool zarva = false;
            while (i < n) {
                const QChar d = t.at(i);
                if (d == QLatin1Char('\n'))
                    ++sor;
                if (d == QLatin1Char('\\') && c != QLatin1Char('`') && i + 1 < n) {
                    if (t.at(i + 1) == QLatin1Char('\n'))
                        ++sor;
                    puffer.append(d);
                    puffer.append(t.at(i + 1));
                    i += 2;
                    continue;
                }
                puffer.append(d);
                ++i;
                if (d == c) {
                    zarva = true;
                    break;
                }
            }
            if (!zarva)
                return hiba(QStringLiteral("Lezáratlan idézet"), kezd);
            continue;
        }

        if (c == QLatin1Char('#') ||
            (c == QLatin1Char('-') && i + 1 < n && t.at(i + 1) == QLatin1Char('-') &&
             (i + 2 >= n || t.at(i + 2).isSpace()))) {
            i = sorVege(i);
            continue;
        }

        if (c == QLatin1Char('/') && i + 1 < n && t.at(i + 1) == QLatin1Char('*')) {
            const int kezd = sor;
            const bool vegrehajtando = i + 2 < n && (t.at(i + 2) == QLatin1Char('!') ||
                                                     (t.at(i + 2) == QLatin1Char('M') && i + 3 < n &&
                                                      t.at(i + 3) == QLatin1Char('!')));
            const int vege = int(t.indexOf(QLatin1String("*/"), i + 2));
            if (vege < 0)
                return hiba(QStringLiteral("Lezáratlan megjegyzés"), kezd);
            const QString resz = t.mid(i, vege + 2 - i);
            sor += int(resz.count(QLatin1Char('\n')));
            if (vegrehajtando) {
                if (!tartalom)
                    kezdoSor = kezd;
                tartalom = true;
                puffer.append(resz);
            } else {
                puffer.append(QLatin1Char(' '));
            }
            i = vege + 2;
            continue;
        }

        if (c == hatarolo.at(0) && QStringView(t).sliced(i).startsWith(hatarolo)) {
            const QString u = puffer.trimmed();
            if (!u.isEmpty())
                ki.m_utasitasok.append({u, kezdoSor});
            puffer.clear();
            tartalom = false;
            i += int(hatarolo.size());
            continue;
        }

        if (!tartalom && !c.isSpace()) {
            kezdoSor = sor;
            tartalom = true;
        }
        puffer.append(c);
        ++i;
    }
    if (tartalom)
        return hiba(QStringLiteral("Befejezetlen utasítás a szkript végén"), kezdoSor);
    return ki;
}

SqlSzkript SqlSzkript::betolt(const QString& fajl)
{
    QFile f(fajl);
    if (!f.open(QIODevice::ReadOnly)) {
        SqlSzkript ki;
        ki.m_hiba = QStringLiteral("A fájl nem olvasható: ") + fajl + QStringLiteral(": ") + f.errorString();
        return ki;
    }
    return elemez(FajlSzoveg(f.readAll()));
}

void SqlSzkript::futtat(QSqlDatabase db, const std::function<void(int, int)>& haladas) const
{
    if (!ervenyes())
        throw DbHiba(m_hiba);
    if (!db.isValid() || !db.isOpen())
        throw DbHiba(QStringLiteral("Nincs nyitott adatbázis-kapcsolat."));
    const int darab = int(m_utasitasok.size());
    for (int k = 0; k < darab; ++k) {
        const Utasitas& u = m_utasitasok.at(k);
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(u.szoveg)) {
            const DbHiba h = DbHiba::driverbol(q.lastError(), u.szoveg);
            throw DbHiba(h.uzenet() + QStringLiteral(" (") + QString::number(u.sor) +
                             QStringLiteral(". sor)"),
                         u.szoveg, h.kod());
        }
        if (haladas)
            haladas(k + 1, darab);
    }
}
