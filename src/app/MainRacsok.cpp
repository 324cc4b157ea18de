// The main window's grids: column layout, selecting a service point, the
// refresh rules, the VAT-group panel, the search box, focus moves and the
// font size commands.

#include "Main.h"

#include "AsztalDelegalt.h"
#include "AsztalModell.h"
#include "Beall.h"
#include "EloOszlop.h"
#include "KeresoMezo.h"
#include "KozosDB.h"
#include "PGepDelegalt.h"
#include "PGepModell.h"
#include "RacsSzabalyok.h"
#include "RendelesDelegalt.h"
#include "RendelesModell.h"
#include "Seged.h"
#include "SegedUI.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

namespace
{

QFont betu(const char* csalad, int pixel, bool felkover = false)
{
    return PixelBetu(QString::fromLatin1(csalad), pixel, felkover);
}

} // namespace

// --- Grids ---------------------------------------------------------------------

void Tfrm_Main::asztalOszlopok()
{
    const int nev = m_asztalModell->oszlop(QStringLiteral("asztal_nev"));
    const int masodik = m_asztalModell->oszlop(Beall.vanbeleptetes ? QStringLiteral("leul")
                                                                   : QStringLiteral("osszar"));
    for (int c = 0; c < m_asztalModell->columnCount(); ++c)
        m_asztalRacs->setColumnHidden(c, c != nev && c != masodik);
    if (nev >= 0) {
        if (auto* d = qobject_cast<AsztalDelegalt*>(m_asztalRacs->itemDelegate()))
            d->oszlopBetu(nev, betu("Segoe UI", 13));
    }
    const auto [w1, w2] = AsztalOszlopSzelesseg(m_balPanel->width());
    if (nev >= 0)
        m_asztalRacs->setColumnWidth(nev, w1);
    if (masodik >= 0)
        m_asztalRacs->setColumnWidth(masodik, w2);
    m_kereso->setFixedWidth(std::max(40, KeresoSzelesseg(m_balPanel->width())));
}

void Tfrm_Main::rendelesOszlopok()
{
    const int nev = m_rendelesModell->oszlop(QStringLiteral("cikkszam_nev"));
    const int osszeg = m_rendelesModell->oszlop(QStringLiteral("osszar"));
    for (int c = 0; c < m_rendelesModell->columnCount(); ++c)
        m_rendelesRacs->setColumnHidden(c, c != nev && c != osszeg);
    if (auto* d = qobject_cast<RendelesDelegalt*>(m_rendelesRacs->itemDelegate())) {
        if (nev >= 0)
            d->oszlopBetu(nev, betu("Segoe UI", 13));
        if (osszeg >= 0)
            d->oszlopBetu(osszeg, betu("Segoe UI", 15, true));
    }
    const auto [w1, w2] = RendelesOszlopSzelesseg(m_rendelesRacs->width());
    if (nev >= 0)
        m_rendelesRacs->setColumnWidth(nev, std::max(w1, 60));
    if (osszeg >= 0)
        m_rendelesRacs->setColumnWidth(osszeg, std::max(w2, 40));
}

void Tfrm_Main::pgepOszlopok()
{
    const int gyujto = m_pgepModell->oszlop(QStringLiteral("pgepgyujto"));
    const int osszeg = m_pgepModell->oszlop(QStringLiteral("osszar"));
    for (int c = 0; c < m_pgepModell->columnCount(); ++c)
        m_pgepRacs->setColumnHidden(c, c != gyujto && c != osszeg);
    if (gyujto >= 0) {
        m_pgepRacs->setColumnWidth(gyujto, 120);
        if (auto* d = qobject_cast<PGepDelegalt*>(m_pgepRacs->itemDelegate()))
            d->oszlopBetu(gyujto, betu("Segoe UI", 21, true));
    }
    if (osszeg >= 0)
        m_pgepRacs->setColumnWidth(osszeg, 120);
}

bool Tfrm_Main::eventFilter(QObject* obj, QEvent* e)
{
    if (e->type() == QEvent::Resize) {
        if (obj == m_balPanel)
            asztalOszlopok();
        else if (obj == m_rendelesRacs)
            rendelesOszlopok();
    }
    return QMainWindow::eventFilter(obj, e);
}

bool Tfrm_Main::asztalValaszt(int asztal)
{
    const int sor = m_asztalModell->keres(QStringLiteral("asztal"), asztal);
    if (sor < 0)
        return false;
    m_asztalRacs->setCurrentIndex(m_asztalModell->index(
        sor, std::max(0, m_asztalModell->oszlop(QStringLiteral("asztal_nev")))));
    return true;
}

void Tfrm_Main::AsztalValtas()
{
    const QModelIndex i = m_asztalRacs->currentIndex();
    const int sor = i.isValid() ? i.row() : -1;
    const QVariant szam = m_asztalModell->mezo(sor, QStringLiteral("asztal"));
    m_asztal = szam.isNull() ? 0 : szam.toInt();
    PGepElrejt();
    ulesPanelFrissit();
    if (szam.isNull())
        return;
    m_rendelesModell->nyit(m_asztal);
    rendelesOszlopok();
    m_eloOszlop->EloToltes(m_asztal, m_eloOszlop->EloNap().isValid() ? m_eloOszlop->EloNap()
                                                                     : QDate::currentDate());
}

void Tfrm_Main::ulesPanelFrissit()
{
    const QModelIndex i = m_asztalRacs->currentIndex();
    const int sor = i.isValid() ? i.row() : -1;
    const QVariant leul = m_asztalModell->mezo(sor, QStringLiteral("leul"));
    m_erkezes->setText(leul.isNull() ? QString()
                                     : DatumFormat(leul.toDateTime(), QStringLiteral("hh:nn")));
    m_felnott->setText(Szoveg(m_asztalModell->mezo(sor, QStringLiteral("fo"))));
    m_gyermek->setText(Szoveg(m_asztalModell->mezo(sor, QStringLiteral("fo1"))));
}

void Tfrm_Main::AsztalFrissit()
{
    const int volt = m_asztal;
    m_asztalModell->nyit();
    asztalOszlopok();
    if (!asztalValaszt(volt) && m_asztalModell->rowCount() > 0)
        m_asztalRacs->setCurrentIndex(m_asztalModell->index(
            0, std::max(0, m_asztalModell->oszlop(QStringLiteral("asztal_nev")))));
}

void Tfrm_Main::RendelesFrissit()
{
    m_rendelesModell->nyit(m_asztal);
    rendelesOszlopok();
}

void Tfrm_Main::Frissites()
{
    AsztalFrissit();
    RendelesFrissit();
}

void Tfrm_Main::FoglaltFrissit()
{
    SqlFuttat(QStringLiteral("CALL sp_setfoglalt();"));
    AsztalFrissit();
}

void Tfrm_Main::PGepMutat(int asztal)
{
    m_pgepModell->nyit(asztal);
    pgepOszlopok();
    m_pgepPanel->show();
}

void Tfrm_Main::PGepElrejt()
{
    m_pgepPanel->hide();
    m_pgepModell->bezar();
}

void Tfrm_Main::keresoValtozott(const QString& szoveg)
{
    const int sor = KeresoTalalat(m_asztalModell->nevek(), szoveg);
    if (sor >= 0)
        m_asztalRacs->setCurrentIndex(m_asztalModell->index(
            sor, std::max(0, m_asztalModell->oszlop(QStringLiteral("asztal_nev")))));
}

void Tfrm_Main::KovAblak()
{
    QWidget* f = QApplication::focusWidget();
    if (f == m_asztalRacs) {
        m_kereso->setFocus();
        m_kereso->lineEdit()->selectAll();
    } else if (f == m_rendelesRacs) {
        m_asztalRacs->setFocus();
    } else if (f && (f == m_kereso || m_kereso->isAncestorOf(f))) {
        m_rendelesRacs->setFocus();
    } else {
        m_kereso->setFocus();
    }
}

void Tfrm_Main::BetumeretNovel()
{
    if (Beall.BetuMeret < 10)
        ++Beall.BetuMeret;
    QFont f = font();
    f.setPointSize(Beall.BetuMeret);
    setFont(f);
}

void Tfrm_Main::BetuCsokkent()
{
    if (Beall.BetuMeret > 8)
        --Beall.BetuMeret;
    QFont f = font();
    f.setPointSize(Beall.BetuMeret);
    setFont(f);
}
