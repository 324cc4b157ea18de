#include "RiportNyomtat.h"

#include "RiportRajz.h"
#include "Uzenetek.h"

#include <QAction>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QToolBar>

namespace
{

RiportCelFv& cel()
{
    static RiportCelFv c;
    return c;
}

QStringList& tesztNyomtatok()
{
    static QStringList n;
    return n;
}

QString fajlNev(const QString& cim)
{
    QString n = cim.isEmpty() ? QStringLiteral("riport") : cim;
    for (QChar& c : n)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':'))
            c = QLatin1Char('_');
    return n + QStringLiteral(".pdf");
}

} // namespace

RiportCelFv RiportCel(RiportCelFv c)
{
    RiportCelFv regi = std::move(cel());
    cel() = std::move(c);
    return regi;
}

void RiportNyomtatokBeallit(const QStringList& nevek)
{
    tesztNyomtatok() = nevek;
}

bool RiportNyomtatoVan(const QString& nev)
{
    if (nev.isEmpty())
        return false;
    if (!tesztNyomtatok().isEmpty())
        return tesztNyomtatok().contains(nev);
    return QPrinterInfo::availablePrinterNames().contains(nev);
}

bool RiportNyomtat(const RDokumentum& doc, const QString& nyomtatoNev, QString* hiba)
{
    if (cel())
        return cel()(doc, nyomtatoNev);
    if (!RiportNyomtatoVan(nyomtatoNev)) {
        if (hiba)
            *hiba = QStringLiteral("Ismeretlen nyomtató: ") + nyomtatoNev;
        return false;
    }
    QPrinter p(QPrinter::HighResolution);
    p.setPrinterName(nyomtatoNev);
    p.setDocName(doc.cim);
    p.setCopyCount(doc.peldany);
    p.setFullPage(true);
    if (!RiportEszkozreRajzol(p, doc)) {
        if (hiba)
            *hiba = QStringLiteral("Nem sikerült nyomtatni: ") + nyomtatoNev;
        return false;
    }
    return true;
}

QPrintPreviewDialog* RiportElonezetAblak(const RDokumentum& doc, QWidget* szulo)
{
    auto* nyomtato = new QPrinter(QPrinter::HighResolution);
    nyomtato->setDocName(doc.cim);
    nyomtato->setCopyCount(doc.peldany);
    nyomtato->setFullPage(true);
    auto* ablak = new QPrintPreviewDialog(nyomtato, szulo);
    QObject::connect(ablak, &QObject::destroyed, [nyomtato]() { delete nyomtato; });
    ablak->setWindowTitle(doc.cim.isEmpty() ? QStringLiteral("Nyomtatási kép")
                                            : QStringLiteral("Nyomtatási kép - ") + doc.cim);
    ablak->resize(900, 700);
    // The document is copied: the preview may repaint after the caller's
    // document is gone.
    const RDokumentum d = doc;
    QObject::connect(ablak, &QPrintPreviewDialog::paintRequested,
                     [d](QPrinter* p) { RiportEszkozreRajzol(*p, d); });
    if (QToolBar* eszkoztar = ablak->findChild<QToolBar*>()) {
        QAction* pdf = eszkoztar->addAction(QStringLiteral("PDF"));
        pdf->setObjectName(QStringLiteral("pdfMentes"));
        pdf->setToolTip(QStringLiteral("Mentés PDF fájlba"));
        QObject::connect(pdf, &QAction::triggered, ablak, [ablak, d]() {
            const QString f =
                QFileDialog::getSaveFileName(ablak, QStringLiteral("Mentés PDF fájlba"),
                                             fajlNev(d.cim), QStringLiteral("PDF (*.pdf)"));
            QString hiba;
            if (!f.isEmpty() && !RiportPdf(d, f, &hiba))
                HibaUzenet(hiba, ablak);
        });
    }
    return ablak;
}

void RiportElonezet(const RDokumentum& doc, QWidget* szulo)
{
    if (cel()) {
        cel()(doc, QString());
        return;
    }
    QPrintPreviewDialog* ablak = RiportElonezetAblak(doc, szulo);
    ablak->exec();
    delete ablak;
}
