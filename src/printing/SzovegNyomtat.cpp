#include "SzovegNyomtat.h"

#include "BlokkSzoveg.h"
#include "HibaKezeles.h"
#include "KozosDB.h"
#include "NyomtatKep.h"
#include "RawNyomtatas.h"
#include "Uzenetek.h"

#include <QDir>
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

// The ordinary file (not a device) the port path of the profile writes.
QString kimenetiFajl(const TNyomtato& ny)
{
    if (ny.nyomtipus != 2)
        return {};
    const QString fajl = PortFajl(ny.nyomtato_nev);
    return PortEszkozE(ny.nyomtato_nev) || PortEszkozE(fajl) ? QString() : fajl;
}

} // namespace

void GrafikusPdfCel(const QString& fajl)
{
    pdfCel() = fajl;
}

QString FajlbaNyomtatvaSzoveg(const QString& fajl)
{
    return Forditas(QStringLiteral("A nyomtatás fájlba került:")) + QStringLiteral("\r\n") +
           QDir::toNativeSeparators(fajl);
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
            // Typically a workstation without any profile or printer yet.
            throw NyomtatasHiba(
                Forditas(QStringLiteral("Nincs elérhető nyomtató.")) + QLatin1Char(' ') +
                Forditas(QStringLiteral("Nyomtatót a Rendszer menü \u201eNyomtatók "
                                        "beállítása\u201d pontjában lehet felvenni.")));
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
            e.fajl = kimenetiFajl(ny);
        } catch (const NyomtatasHiba& h) {
            e.hiba = h;
        }
        return e;
    }

    Tfrm_NyomtatKep ablak(szulo);
    ablak.nyomtatoBeallit(n - 1);
    ablak.profilBeallit(n);
    ablak.sorokBeallit(sorok);
    if (ablak.exec() != QDialog::Accepted)
        return e;
    // A chosen printer without a profile keeps the profile read above.
    NyomtatoBetolt(ablak.nyomtatoIndex() + 1, ablak.ny);
    try {
        ProfilNyomtat(ablak.ny, sorok);
        e.nyomtatva = true;
        e.fajl = kimenetiFajl(ablak.ny);
    } catch (const NyomtatasHiba& h) {
        e.hiba = h;
    }
    // The preview is the operator's window: a document that went to a file
    // is said there (a direct print leaves it to the caller).
    if (!e.fajl.isEmpty())
        Uzenet(FajlbaNyomtatvaSzoveg(e.fajl), szulo);
    return e;
}

bool SzovegNyomtatMutat(int n, const QStringList& sorok, bool direkt, QWidget* szulo)
{
    const NyomtatasEredmeny e = SzovegNyomtat(n, sorok, direkt, szulo);
    if (e.hiba)
        HibaMutat(*e.hiba, szulo);
    else if (direkt && !e.fajl.isEmpty())
        Uzenet(FajlbaNyomtatvaSzoveg(e.fajl), szulo);
    return e.nyomtatva;
}
