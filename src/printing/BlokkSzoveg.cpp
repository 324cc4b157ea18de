#include "BlokkSzoveg.h"

#include "Ansi.h"
#include "Beall.h"
#include "Seged.h"

#include <array>

QString TermekFelirat()
{
    return QStringLiteral("Vexlo.F V") + ProgramVerzio;
}

int Profil1Szeles()
{
    // Without a profile 1 the text documents are laid out for the common
    // 80 mm receipt width instead of width 0, which would empty every
    // centred line (the owner, the title) and the item names.
    TNyomtato ny;
    return NyomtatoBetolt(1, ny) ? ny.szeles : AlapSzeles;
}

void FejlecHozzaad(QStringList& lista, const QString& cim, const TBeall& b, int w)
{
    lista << QString();
    if (b.SPrint) {
        lista << Kozepre(b.tulajdonos, 24) << Kozepre(b.irszvaros, 24) << Kozepre(b.cim, 24)
              << Kozepre(b.TulTel, 24);
    } else {
        lista << Kozepre(b.tulajdonos, w) << Kozepre(b.TulCim, w) << Kozepre(b.TulTel, w);
    }
    lista << QString() << Kozepre(cim, b.SPrint ? 24 : w) << QString();
}

void FejlecHozzaad(QStringList& lista, const QString& cim)
{
    FejlecHozzaad(lista, cim, Beall, Profil1Szeles());
}

void LablecHozzaad(QStringList& lista, bool sprint, int w, const QDateTime& ido, const QString& web)
{
    lista << QString() << ido.toString(QStringLiteral("yyyy.MM.dd hh:mm:ss"));
    const QString termek = TermekFelirat();
    if (sprint) {
        lista << BalraIgazit(termek, 24);
        if (!web.isEmpty())
            lista << web;
    } else if (web.isEmpty()) {
        lista << termek;
    } else if (termek.size() + 1 + web.size() <= w) {
        lista << BalraIgazit(termek, w - int(web.size())) + web;
    } else {
        // Label and address never run together or past the paper's edge.
        lista << termek << web;
    }
    for (int i = 0; i < 4; ++i)
        lista << QString();
}

void LablecHozzaad(QStringList& lista, bool sprint, int w, const QDateTime& ido)
{
    LablecHozzaad(lista, sprint, w, ido, KeszitoWebCim());
}

void LablecHozzaad(QStringList& lista)
{
    LablecHozzaad(lista, Beall.SPrint, Profil1Szeles(), QDateTime::currentDateTime());
}

namespace {

struct Betu {
    unsigned char ansi;
    std::array<char, 4> kod; // per code page 0..3
};

// Windows-1250 letter -> Windows1250, PC850, PC852, PC437.
constexpr Betu betuk[] = {
    {0xC1, {char(0xC1), char(0xB5), char(0xB5), 'A'}}, // Á
    {0xC9, {char(0xC9), char(0x90), char(0x90), 'E'}}, // É
    {0xCD, {char(0xCD), char(0xD6), char(0xD6), 'I'}}, // Í
    {0xD3, {char(0xD3), char(0xE0), char(0xE0), 'O'}}, // Ó
    {0xD5, {char(0xD5), char(0x99), char(0x8A), 'O'}}, // Ő
    {0xD6, {char(0xD6), char(0x99), char(0x99), 'O'}}, // Ö
    {0xDA, {char(0xDA), char(0xE9), char(0xE9), 'U'}}, // Ú
    {0xDB, {char(0xDB), char(0x9A), char(0xEB), 'U'}}, // Ű
    {0xDC, {char(0xDC), char(0x9A), char(0x9A), 'U'}}, // Ü
    {0xE1, {char(0xE1), char(0xA0), char(0xA0), 'a'}}, // á
    {0xE9, {char(0xE9), char(0x82), char(0x82), 'e'}}, // é
    {0xED, {char(0xED), char(0xA1), char(0xA1), 'i'}}, // í
    {0xF3, {char(0xF3), char(0xA2), char(0xA2), 'o'}}, // ó
    {0xF5, {char(0xF5), char(0x94), char(0x8B), 'o'}}, // ő
    {0xF6, {char(0xF6), char(0x94), char(0x94), 'o'}}, // ö
    {0xFA, {char(0xFA), char(0xA3), char(0xA3), 'u'}}, // ú
    {0xFB, {char(0xFB), char(0x81), char(0xFB), 'u'}}, // ű
    {0xFC, {char(0xFC), char(0x81), char(0x81), 'u'}}, // ü
};

} // namespace

QByteArray KodlapKonvertal(const QByteArray& ansi, int kodlapkonv)
{
    if (kodlapkonv < 1 || kodlapkonv > 3)
        return ansi;
    std::array<char, 256> tabla;
    for (int i = 0; i < 256; ++i)
        tabla[i] = char(i);
    for (const Betu& b : betuk)
        tabla[b.ansi] = b.kod[kodlapkonv];
    QByteArray ki = ansi;
    for (char& c : ki)
        c = tabla[static_cast<unsigned char>(c)];
    return ki;
}

QByteArray SzovegKodlap(const QString& szoveg, int kodlapkonv)
{
    return KodlapKonvertal(AnsiBajtok(szoveg), kodlapkonv);
}

QByteArray StartSorozat(int marka, int kodlapkonv)
{
    switch (marka) {
    case 0: {
        // ESC GS t n (code page 33, 5 or 1), ESC M, CR LF.
        char lap = 0x21;
        if (kodlapkonv == 1 || kodlapkonv == 2)
            lap = 0x05;
        else if (kodlapkonv == 3)
            lap = 0x01;
        return QByteArray("\x1B\x1D\x74", 3) + lap + QByteArray("\x1B\x4D\x0D\x0A", 4);
    }
    case 1:
        // ESC @, ESC SP 1, ESC ! 1, CR LF.
        return QByteArray("\x1B\x40\x1B\x20\x01\x1B\x21\x01\x0D\x0A", 10);
    default:
        return {};
    }
}

QByteArray VagoSorozat(int marka, bool cutter)
{
    if (!cutter)
        return {};
    switch (marka) {
    case 0:
        return QByteArray("\x1B\x64\x30", 3); // ESC d 0
    case 1:
        return QByteArray("\x1D\x56\x01", 3); // GS V 1
    default:
        return {};
    }
}

void EmelesHozzaad(QStringList& sorok, int extrasor)
{
    for (int i = 0; i < extrasor; ++i)
        sorok << QStringLiteral(" ");
    sorok << QStringLiteral(".");
}

QList<QByteArray> NyomtatoSorok(const QStringList& sorok, int kodlapkonv)
{
    QString szoveg;
    for (const QString& s : sorok)
        szoveg += s + QLatin1String("\r\n");
    const QByteArray bajtok = SzovegKodlap(szoveg, kodlapkonv);

    // Split as a text list does: CR LF, CR or LF ends a line; the break after
    // the last line does not start another.
    QList<QByteArray> ki;
    QByteArray akt;
    for (qsizetype i = 0; i < bajtok.size(); ++i) {
        const char c = bajtok.at(i);
        if (c == '\r' || c == '\n') {
            ki << akt;
            akt.clear();
            if (c == '\r' && i + 1 < bajtok.size() && bajtok.at(i + 1) == '\n')
                ++i;
        } else {
            akt += c;
        }
    }
    if (!akt.isEmpty())
        ki << akt;
    return ki;
}

QByteArray SzovegesAdat(const TNyomtato& ny, const QStringList& sorok)
{
    QStringList s = sorok;
    EmelesHozzaad(s, ny.extrasor);
    QByteArray adat = StartSorozat(ny.marka, ny.kodlapkonv);
    for (const QByteArray& sor : NyomtatoSorok(s, ny.kodlapkonv))
        adat += sor + "\r\n";
    adat += VagoSorozat(ny.marka, ny.cutter);
    return adat;
}

QByteArray DirektAdat(const TNyomtato& ny, const QStringList& sorok)
{
    QStringList s = sorok;
    EmelesHozzaad(s, ny.extrasor);
    QByteArray adat = StartSorozat(ny.marka, ny.kodlapkonv) + "\r\n";
    for (const QByteArray& sor : NyomtatoSorok(s, ny.kodlapkonv))
        adat += sor + "\r\n";
    adat += VagoSorozat(ny.marka, ny.cutter) + "\r\n";
    return adat;
}
