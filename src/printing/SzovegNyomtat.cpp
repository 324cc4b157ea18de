#include "SzovegNyomtat.h"

#include "BlokkSzoveg.h"
#include "KozosDB.h"
#include "NyomtatKep.h"
#include "RawNyomtatas.h"
#include "Uzenetek.h"

#include <QDir>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

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

QString FajlbaNyomtatvaSzoveg(const QString& fajl)
{
    return Forditas(QStringLiteral("A nyomtatás fájlba került:")) + QStringLiteral("\r\n") +
           QDir::toNativeSeparators(fajl);
}

QString NyomtatasHibaSzoveg(const QString& ok)
{
    return Forditas(QStringLiteral("Hiba nyomtatás közben:")) + QStringLiteral("\r\n") + ok;
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

bool GrafikusNyomtat(const TNyomtato& ny, const QStringList& sorok, QWidget* szulo)
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
        if (nev.isEmpty()) {
            // Typically a workstation without any profile or printer yet.
            HibaUzenet(NyomtatasHibaSzoveg(
                           Forditas(QStringLiteral("Nincs elérhető nyomtató.")) + QLatin1Char(' ') +
                           Forditas(QStringLiteral("Nyomtatót a Rendszer menü \u201eNyomtatók "
                                                   "beállítása\u201d pontjában lehet felvenni."))),
                       szulo);
            return false;
        }
        nyomtato.setPrinterName(nev);
    }
    if (GrafikusRajzol(nyomtato, ny, s) == 0) {
        HibaUzenet(NyomtatasHibaSzoveg(nyomtato.printerName()), szulo);
        return false;
    }
    return true;
}

bool SzovegesNyomtat(const TNyomtato& ny, const QStringList& sorok, QWidget* szulo)
{
    QString hiba;
    if (!RawNyomtat(ny.nyomtato_nev, SzovegesAdat(ny, sorok), &hiba)) {
        HibaUzenet(NyomtatasHibaSzoveg(hiba), szulo);
        return false;
    }
    return true;
}

bool DirektNyomtat(const TNyomtato& ny, const QStringList& sorok, QWidget* szulo)
{
    QString hiba;
    if (!PortraIr(ny.nyomtato_nev, DirektAdat(ny, sorok), &hiba)) {
        HibaUzenet(NyomtatasHibaSzoveg(hiba), szulo);
        return false;
    }
    // A file is not paper: the operator is told where to find it.
    const QString fajl = PortFajl(ny.nyomtato_nev);
    if (!PortEszkozE(ny.nyomtato_nev) && !PortEszkozE(fajl))
        Uzenet(FajlbaNyomtatvaSzoveg(fajl), szulo);
    return true;
}

bool ProfilNyomtat(const TNyomtato& ny, const QStringList& sorok, QWidget* szulo)
{
    switch (ny.nyomtipus) {
    case 0:
        return GrafikusNyomtat(ny, sorok, szulo);
    case 1:
        return SzovegesNyomtat(ny, sorok, szulo);
    case 2:
        return DirektNyomtat(ny, sorok, szulo);
    default:
        return true;
    }
}

bool SzovegNyomtat(int n, const QStringList& sorok, bool direkt, QWidget* szulo)
{
    if (direkt) {
        TNyomtato ny;
        NyomtatoBetolt(n, ny);
        ProfilNyomtat(ny, sorok, szulo);
        return false;
    }

    Tfrm_NyomtatKep ablak(szulo);
    ablak.nyomtatoBeallit(n - 1);
    ablak.profilBeallit(n);
    ablak.sorokBeallit(sorok);
    if (ablak.exec() != QDialog::Accepted)
        return false;
    // A chosen printer without a profile keeps the profile read above.
    NyomtatoBetolt(ablak.nyomtatoIndex() + 1, ablak.ny);
    ProfilNyomtat(ablak.ny, sorok, &ablak);
    return true;
}
