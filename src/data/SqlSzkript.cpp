#include "SqlSzkript.h"

#include "Ansi.h"
#include "DbHiba.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <cstring>

namespace
{

inline bool ures(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

bool SzkriptDarabolo::hibaJelez(const QString& uzenet, int sor)
{
    m_hiba = uzenet + QStringLiteral(" (") + QString::number(sor) + QStringLiteral(". sor)");
    m_hibaSor = sor;
    m_be.clear();
    m_utasitas.clear();
    return false;
}

void SzkriptDarabolo::kiad()
{
    const QByteArray u = m_utasitas.trimmed();
    if (!u.isEmpty() && m_kimenet)
        m_kimenet(u, m_kezdoSor);
    m_utasitas.clear();
    m_tartalom = false;
}

bool SzkriptDarabolo::etet(const char* adat, qsizetype n)
{
    if (!m_hiba.isEmpty())
        return false;
    m_be.append(adat, n);
    return feldolgoz(false);
}

bool SzkriptDarabolo::vege()
{
    if (!m_hiba.isEmpty())
        return false;
    if (!feldolgoz(true))
        return false;
    switch (m_allapot) {
    case Allapot::Idezet:
        return hibaJelez(QStringLiteral("Lezáratlan idézet"), m_nyitoSor);
    case Allapot::BlokkMegjegyzes:
        return hibaJelez(QStringLiteral("Lezáratlan megjegyzés"), m_nyitoSor);
    default:
        break;
    }
    if (m_tartalom)
        return hibaJelez(QStringLiteral("Befejezetlen utasítás a szkript végén"), m_kezdoSor);
    return true;
}

// Works through m_be as far as the bytes decide; what needs bytes not yet
// fed (a "--" at the end of a piece, a delimiter cut in two) stays for the
// next piece. With utolso the input has ended and everything is decided.
bool SzkriptDarabolo::feldolgoz(bool utolso)
{
    const char* t = m_be.constData();
    const qsizetype n = m_be.size();
    qsizetype i = 0;
    // Bytes that need a closer look in the normal state; any other byte is
    // copied in runs.
    bool kulonleges[256];
    auto tablaEpit = [&] {
        std::fill(std::begin(kulonleges), std::end(kulonleges), false);
        for (const char k : {'\n', '\'', '"', '`', '#', '-', '/', 'D', 'd'})
            kulonleges[static_cast<unsigned char>(k)] = true;
        kulonleges[static_cast<unsigned char>(m_hatarolo.at(0))] = true;
    };
    tablaEpit();

    while (i < n) {
        const char c = t[i];
        switch (m_allapot) {
        case Allapot::Idezet: {
            // A run up to the next quote, backslash or line end.
            qsizetype k = i;
            while (k < n && t[k] != m_idezo && t[k] != '\\' && t[k] != '\n')
                ++k;
            if (k > i) {
                m_utasitas.append(t + i, k - i);
                m_sorElejen = false;
                i = k;
                continue;
            }
            if (c == '\n') {
                ++m_sor;
                m_sorElejen = true;
                m_utasitas.append(c);
                ++i;
            } else if (c == '\\' && m_idezo != '`') {
                if (i + 1 >= n) {
                    if (!utolso)
                        goto varakozas;
                    m_utasitas.append(c);
                    ++i;
                    continue;
                }
                if (t[i + 1] == '\n') {
                    ++m_sor;
                    m_sorElejen = true;
                } else {
                    m_sorElejen = false;
                }
                m_utasitas.append(t + i, 2);
                i += 2;
            } else {
                m_utasitas.append(c);
                m_sorElejen = false;
                ++i;
                if (c == m_idezo)
                    m_allapot = Allapot::Normal;
            }
            continue;
        }
        case Allapot::SorMegjegyzes: {
            const char* v = static_cast<const char*>(memchr(t + i, '\n', size_t(n - i)));
            const qsizetype k = v ? v - t : n;
            if (k > i)
                m_sorElejen = false;
            i = k;
            if (v)
                m_allapot = Allapot::Normal; // the line end itself is read there
            continue;
        }
        case Allapot::BlokkMegjegyzes: {
            if (c == '*') {
                if (i + 1 >= n) {
                    if (!utolso)
                        goto varakozas;
                } else if (t[i + 1] == '/') {
                    if (m_vegrehajtando)
                        m_utasitas.append("*/", 2);
                    else
                        m_utasitas.append(' ');
                    m_sorElejen = false;
                    m_allapot = Allapot::Normal;
                    i += 2;
                    continue;
                }
            }
            if (c == '\n') {
                ++m_sor;
                m_sorElejen = true;
            } else if (c != ' ' && c != '\t') {
                m_sorElejen = false;
            }
            if (m_vegrehajtando)
                m_utasitas.append(c);
            ++i;
            continue;
        }
        case Allapot::Normal:
            break;
        }

        // The normal state.
        if (!kulonleges[static_cast<unsigned char>(c)]) {
            qsizetype k = i;
            while (k < n && !kulonleges[static_cast<unsigned char>(t[k])]) {
                const char d = t[k];
                if (d != ' ' && d != '\t') {
                    m_sorElejen = false;
                    if (!m_tartalom && !ures(d)) {
                        m_kezdoSor = m_sor;
                        m_tartalom = true;
                    }
                }
                ++k;
            }
            m_utasitas.append(t + i, k - i);
            i = k;
            continue;
        }

        // A DELIMITER command stands on its own line between statements.
        if (!m_tartalom && m_sorElejen && (c == 'D' || c == 'd')) {
            const char* v = static_cast<const char*>(memchr(t + i, '\n', size_t(n - i)));
            if (!v && !utolso)
                goto varakozas;
            const qsizetype sorVege = v ? v - t : n;
            if (sorVege - i > 9 && qstrnicmp(t + i, "DELIMITER", 9) == 0 &&
                (t[i + 9] == ' ' || t[i + 9] == '\t')) {
                const QByteArray uj = QByteArray(t + i + 9, sorVege - i - 9).simplified();
                const QByteArray elso = uj.left(uj.indexOf(' ') < 0 ? uj.size() : uj.indexOf(' '));
                if (elso.isEmpty())
                    return hibaJelez(QStringLiteral("Hiányzó határoló a DELIMITER után"), m_sor);
                m_hatarolo = elso;
                m_voltHatarolo = true;
                tablaEpit();
                m_utasitas.clear();
                m_tartalom = false;
                m_sorElejen = false;
                i = sorVege;
                continue;
            }
        }

        if (c == '\n') {
            ++m_sor;
            m_sorElejen = true;
            m_utasitas.append(c);
            ++i;
            continue;
        }

        if (c == '\'' || c == '"' || c == '`') {
            if (!m_tartalom)
                m_kezdoSor = m_sor;
            m_tartalom = true;
            m_nyitoSor = m_sor;
            m_idezo = c;
            m_allapot = Allapot::Idezet;
            m_sorElejen = false;
            m_utasitas.append(c);
            ++i;
            continue;
        }

        if (c == '#') {
            m_allapot = Allapot::SorMegjegyzes;
            continue;
        }
        if (c == '-') {
            if (i + 2 >= n && !utolso)
                goto varakozas;
            if (i + 1 < n && t[i + 1] == '-' && (i + 2 >= n || ures(t[i + 2]))) {
                m_allapot = Allapot::SorMegjegyzes;
                continue;
            }
        }
        if (c == '/') {
            if (i + 3 >= n && !utolso)
                goto varakozas;
            if (i + 1 < n && t[i + 1] == '*') {
                m_vegrehajtando = i + 2 < n && (t[i + 2] == '!' ||
                                                (t[i + 2] == 'M' && i + 3 < n && t[i + 3] == '!'));
                m_nyitoSor = m_sor;
                m_allapot = Allapot::BlokkMegjegyzes;
                m_sorElejen = false;
                if (m_vegrehajtando) {
                    if (!m_tartalom)
                        m_kezdoSor = m_sor;
                    m_tartalom = true;
                    m_utasitas.append("/*", 2);
                }
                i += 2;
                continue;
            }
        }

        if (c == m_hatarolo.at(0)) {
            const qsizetype h = m_hatarolo.size();
            if (i + h > n && !utolso)
                goto varakozas;
            if (i + h <= n && memcmp(t + i, m_hatarolo.constData(), size_t(h)) == 0) {
                kiad();
                m_sorElejen = false;
                i += h;
                continue;
            }
        }

        if (c != ' ' && c != '\t')
            m_sorElejen = false;
        if (!m_tartalom && !ures(c)) {
            m_kezdoSor = m_sor;
            m_tartalom = true;
        }
        m_utasitas.append(c);
        ++i;
    }
varakozas:
    m_be.remove(0, i);
    return true;
}

SqlSzkript SqlSzkript::elemez(const QString& t)
{
    SqlSzkript ki;
    SzkriptDarabolo d([&ki](const QByteArray& u, int sor) {
        ki.m_utasitasok.append({QString::fromUtf8(u), sor});
    });
    if (!d.etet(t.toUtf8()) || !d.vege()) {
        ki.m_utasitasok.clear();
        ki.m_hiba = d.hiba();
        ki.m_hibaSor = d.hibaSor();
    }
    return ki;
}

SqlSzkript SqlSzkript::betolt(const QString& fajl)
{
    QFile f(fajl);
    if (!f.open(QIODevice::ReadOnly)) {
        SqlSzkript ki;
        ki.m_hiba = QStringLiteral("A fájl nem olvasható: ") + fajl + QStringLiteral(": ") +
                    f.errorString();
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
