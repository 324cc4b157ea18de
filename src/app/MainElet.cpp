// The main window's start-up steps, showing and closing.

#include "Main.h"

#include "AkcioTar.h"
#include "AsztalModell.h"
#include "Beall.h"
#include "EloOszlop.h"
#include "HibaKezeles.h"
#include "Kapcsolat.h"
#include "KeresoMezo.h"
#include "KozosDB.h"
#include "Mappak.h"
#include "SegedUI.h"
#include "Uzenetek.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStatusTipEvent>
#include <QTableView>
#include <QToolTip>
#include <stdexcept>

// --- Start-up, showing and closing -----------------------------------------------

bool Tfrm_Main::indit()
{
    m_kilepes = false;
    Inditas inditas(*this, m_horgok);
    if (!inditas.futtat()) {
        kilepesBeallit();
        return false;
    }
    autoMentesIndit();
    return true;
}

void Tfrm_Main::kilepesBeallit()
{
    m_kilepes = true;
    m_zaroIdozito.start();
}

void Tfrm_Main::jogokAlkalmaz()
{
    m_akciok->jogok(Jog);
}

void Tfrm_Main::felhasznaloKiir()
{
    m_statusz[2]->setText(QStringLiteral("Felhasználó: ") + Jog.felhasznalo);
}

void Tfrm_Main::TulajdonosOlvas()
{
    TulajdonosRekordOlvas(Beall);
    setWindowTitle(QStringLiteral("Vexlo.F V") + ProgramVerzio + QStringLiteral(": [") +
                   Beall.tulajdonos + QLatin1Char(']'));
}

void Tfrm_Main::BeallitOlvas()
{
    BeallitRekordOlvas(Beall);
    AkcioAllapot a = m_akciok->allapot();
    a.kedvsor = Beall.kedvsor;
    a.szervsor = Beall.szervsor;
    m_akciok->alkalmaz(a);
    AllapotFrissit();
}

void Tfrm_Main::indulasiBeallitasok()
{
    m_ulesPanel->setVisible(Beall.vanbeleptetes);
    AkcioAllapot a = m_akciok->allapot();
    a.bonusz = Beall.bonuszcikkazon > 0;
    a.adossag = Beall.vanadossag;
    a.honlap = !KeszitoHonlapUrl().isEmpty();
    a.email = !KeszitoLevelUrl().isEmpty();
    m_akciok->alkalmaz(a);
}

void Tfrm_Main::listakNyit()
{
    m_asztalModell->nyit();
    asztalOszlopok();
    if (m_asztalModell->rowCount() > 0)
        m_asztalRacs->setCurrentIndex(m_asztalModell->index(
            0, std::max(0, m_asztalModell->oszlop(QStringLiteral("asztal_nev")))));
    m_eloOszlop->EloToltes(m_asztal, QDate::currentDate());
    ComboFeltolt(m_kereso, QStringLiteral("SELECT asztal_nev FROM asztal ORDER BY 1;"));
}

void Tfrm_Main::tippekBeallit()
{
    QPalette p = QToolTip::palette();
    p.setColor(QPalette::ToolTipBase, QColor(255, 218, 181));
    p.setColor(QPalette::ToolTipText, QColor(Qt::black));
    QToolTip::setPalette(p);
}

bool Tfrm_Main::event(QEvent* e)
{
    // The hints of the actions and controls go to the first status panel,
    // which is emptied when there is none.
    if (e->type() == QEvent::StatusTip) {
        m_statusz[0]->setText(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

void Tfrm_Main::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (m_megjelent)
        return;
    m_megjelent = true;
    elsoMegjelenes();
}

void Tfrm_Main::elsoMegjelenes()
{
    if (m_kilepes) {
        m_zaroIdozito.start();
        return;
    }
    const QRect terulet = MunkaTerulet();
    if (Beall.TeljesKep) {
        setGeometry(0, 0, terulet.right() + 1, terulet.bottom() + 1);
    } else {
        int bal = 10, fent = 10, szeles = 1053, magas = 598;
        MeretOlvas(objectName(), bal, fent, szeles, magas);
        const QRect r = MeretIllesztes(QRect(bal, fent, szeles, magas), terulet.right() + 1,
                                       terulet.bottom() + 1);
        resize(r.size());
        move(r.topLeft());
    }
    m_kereso->setFocus();
    m_kereso->lineEdit()->selectAll();
    QFont f = font();
    f.setPointSize(Beall.BetuMeret);
    setFont(f);
    m_horgok.logo();
    m_eletIdozito.start();
}

void Tfrm_Main::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && m_kilepes && isActiveWindow())
        QTimer::singleShot(0, this, &QWidget::close);
}

void Tfrm_Main::IniMent()
{
    BeallIniIr(Beall);
    if (!Beall.TeljesKep && m_megjelent) {
        const QRect g = isMaximized() || isMinimized() ? normalGeometry() : QRect(pos(), size());
        MeretIr(objectName(), g.x(), g.y(), g.width(), g.height());
    }
}

void Tfrm_Main::closeEvent(QCloseEvent* e)
{
    m_eletIdozito.stop();
    m_zaroIdozito.stop();
    if (!m_kilepes) {
        HibaKezel(this, [this] { IniMent(); });
        autoMentesKilepes();
        try {
            Kapcsolat::foBezar();
        } catch (...) {
            // Errors while closing the connection are of no interest now.
        }
    }
    e->accept();
    emit bezarult();
}
