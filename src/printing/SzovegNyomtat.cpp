#include "SzovegNyomtat.h"

#include "BlokkSzoveg.h"
#include "HibaKezeles.h"
#include "KozosDB.h"
#include "NyomtatKep.h"
#include "RawNyomtatas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace
{

QString& pdfCel()
{
    static QString cel;
    return cel;
}

} // namespace

void GrafikusPdfCel(const QString& fajl)
{
    pdfCel() = fajl;
}

int GrafikusRajzol(QPrinter& nyomtato, const TNyomtato& ny, const QStringList& sorok)
{
    QPainter p;
    if (!p.begin(&nyomtato))
        return 0;
    QFont betu = p.font();
    if (!ny.betutipus.isEmpty())
        betu.setFamily(ny.betutipus);
    if (ny.betumeret > 0)
        betu.setPointSize(ny.betumeret);
    p.setFont(betu);
    p.setBackgroundMode(Qt::TransparentMode);
    const QFontMetrics fm(betu, &nyomtato);
    int oldalak = 1;
    int sor = 0;
    for (int j = 0; j < sorok.size(); ++j) {
        if (j > 0 && j % GrafikusOldalSorok == 0) {
            nyomtato.newPage();
            ++oldalak;
            sor = 0;
        }
        p.drawText(QPoint(2, sor * fm.height() + 30 + fm.ascent()), sorok.at(j));
        ++sor;
    }
    p.end();
    return oldalak;
}

void GrafikusNyomtat(const TNyomtato& ny, const QStringList& sorok)
{
    QStringList s = sorok;
    EmelesHozzaad(s, ny.extrasor);
    QPrinter nyomtato(QPrinter::HighResolution);
    nyomtato.setDocName(QStringLiteral("Vexlo.F"));
    if (!pdfCel().isEmpty()) {
        nyomtato.setOutputFormat(QPrinter::PdfFormat);
        nyomtato.setOutputFileName(pdfCel());
    } else {
        const QPrinterInfo info = QPrinterInfo::printerInfo(ny.nyomtato_nev);
        const QString nev = info.isNull() ? QPrinterInfo::defaultPrinterName() : info.printerName();
        if (nev.isEmpty())
            throw NyomtatasHiba(Forditas(QStringLiteral("Nincs elérhető nyomtató.")));
        nyomtato.setPrinterName(nev);
    }
    if (GrafikusRajzol(nyomtato, ny, s) == 0)
        throw NyomtatasHiba(nyomtato.printerName());
}

void SzovegesNyomtat(const TNyomtato& ny, const QStringList& sorok)
{
    QString hiba;
    if (!RawNyomtat(ny.nyomtato_nev, SzovegesAdat(ny, sorok), &hiba))
        throw NyomtatasHiba(hiba);
}

void DirektNyomtat(const TNyomtato& ny, const QStringList& sorok)
{
    QString hiba;
    if (!PortraIr(ny.nyomtato_nev, DirektAdat(ny, sorok), &hiba))
        throw NyomtatasHiba(hiba);
}

void ProfilNyomtat(const TNyomtato& ny, const QStringList& sorok)
{
    switch (ny.nyomtipus) {
    case 0:
        GrafikusNyomtat(ny, sorok);
        break;
    case 1:
        SzovegesNyomtat(ny, sorok);
        break;
    case 2:
        DirektNyomtat(ny, sorok);
        break;
    default:
        break;
    }
}

NyomtatasEredmeny SzovegNyomtat(int n, const QStringList& sorok, bool direkt, QWidget* szulo)
{
    NyomtatasEredmeny e;
    if (direkt) {
        TNyomtato ny;
        NyomtatoBetolt(n, ny);
        try {
            ProfilNyomtat(ny, sorok);
        } catch (const NyomtatasHiba& h) {
            e.hiba = h;
        }
        return e;
    }

    Tfrm_NyomtatKep ablak(szulo);
    ablak.nyomtatoBeallit(n - 1);
    const bool van = NyomtatoBetolt(n, ablak.ny);
    if (van)
        ablak.margoBeallit(ablak.ny.szeles);
    ablak.nyomtatLathato(van);
    ablak.sorokBeallit(sorok);
    if (ablak.exec() != QDialog::Accepted)
        return e;
    // A chosen printer without a profile keeps the profile read above.
    NyomtatoBetolt(ablak.nyomtatoIndex() + 1, ablak.ny);
    try {
        ProfilNyomtat(ablak.ny, sorok);
        e.nyomtatva = true;
    } catch (const NyomtatasHiba& h) {
        e.hiba = h;
    }
    return e;
}

bool SzovegNyomtatMutat(int n, const QStringList& sorok, bool direkt, QWidget* szulo)
{
    const NyomtatasEredmeny e = SzovegNyomtat(n, sorok, direkt, szulo);
    if (e.hiba)
        HibaMutat(*e.hiba, szulo);
    return e.nyomtatva;
}
