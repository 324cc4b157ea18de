#include "EloOszlop.h"

#include "EloDelegalt.h"
#include "EloModell.h"
#include "Elojegyzes.h"
#include "KozosDB.h"
#include "Seged.h"
#include "SegedUI.h"
#include "Uzenetek.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

namespace
{

// The slot the book opens on before anything is selected: 08:00.
constexpr int kezdoSor = 16;

} // namespace

EloOszlop::EloOszlop(QWidget* szulo) : QWidget(szulo)
{
    setObjectName(QStringLiteral("EloOszlop"));
    m_fejlec = new QLabel(QStringLiteral("Előjegyzések"), this);
    m_fejlec->setAlignment(Qt::AlignCenter);
    m_fejlec->setFrameShape(QFrame::Panel);
    m_fejlec->setFrameShadow(QFrame::Raised);
    m_fejlec->setMinimumHeight(34);
    m_fejlec->setWordWrap(true);
    m_fejlec->setFont(PixelBetu(QStringLiteral("Arial"), 15, true));

    m_eszkoztar = new QToolBar(this);
    m_eszkoztar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_eszkoztar->setMovable(false);

    m_modell = new EloModell(this);
    m_racs = new QTableView(this);
    m_racs->setObjectName(QStringLiteral("EloRacs"));
    m_racs->setModel(m_modell);
    m_racs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_racs->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_racs->setSelectionMode(QAbstractItemView::SingleSelection);
    m_racs->horizontalHeader()->hide();
    m_racs->verticalHeader()->hide();
    m_racs->setShowGrid(false);
    QFont rf(QStringLiteral("Segoe UI"));
    rf.setPixelSize(24);
    m_racs->setFont(rf);
    m_racs->verticalHeader()->setDefaultSectionSize(36);
    m_racs->setItemDelegate(new EloDelegalt(m_racs));

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addWidget(m_fejlec);
    l->addWidget(m_eszkoztar);
    l->addWidget(m_racs, 1);
    setFixedWidth(333);

    eloUj = [this](int asztal, int ora, const QString& ora2, const QDate& nap) {
        return EloUj(asztal, ora, ora2, nap, this);
    };
}

void EloOszlop::oszlopok()
{
    const int ora2 = m_modell->oszlop(QStringLiteral("ora2"));
    const int szoveg = m_modell->oszlop(QStringLiteral("szoveg"));
    for (int c = 0; c < m_modell->columnCount(); ++c)
        m_racs->setColumnHidden(c, c != ora2 && c != szoveg);
    if (ora2 >= 0)
        m_racs->setColumnWidth(ora2, 50);
    if (szoveg >= 0) {
        m_racs->setColumnWidth(szoveg, 260);
        if (auto* d = qobject_cast<EloDelegalt*>(m_racs->itemDelegate())) {
            QFont f(QStringLiteral("Segoe UI"));
            f.setPixelSize(13);
            d->oszlopBetu(szoveg, f);
        }
    }
}

int EloOszlop::aktualisSor() const
{
    const QModelIndex i = m_racs->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void EloOszlop::sorValaszt(int sor)
{
    if (sor < 0 || sor >= m_modell->rowCount())
        return;
    const int ora2 = std::max(0, m_modell->oszlop(QStringLiteral("ora2")));
    m_racs->setCurrentIndex(m_modell->index(sor, ora2));
    m_racs->selectRow(sor);
    m_racs->scrollTo(m_modell->index(sor, ora2));
}

void EloOszlop::EloToltes(int asztal, const QDate& nap)
{
    // The same time of day stays selected when the day or the service point
    // changes.
    const int sor = m_modell->nyitva() && aktualisSor() >= 0 ? aktualisSor() : kezdoSor;
    m_eloNap = nap;
    m_asztal = asztal;
    m_fejlec->setText(AsztalNev(asztal) + QStringLiteral(": ") +
                      DatumFormat(nap, QStringLiteral("yyyy mmmm d. dddd")));
    m_modell->nyit(asztal, nap);
    oszlopok();
    sorValaszt(sor);
}

void EloOszlop::Uj()
{
    const int sor = aktualisSor();
    if (sor < 0)
        return;
    if (m_modell->azon(sor) != 0) {
        HibaUzenet(QStringLiteral("Foglalt időpont"), this);
        return;
    }
    const int uj = eloUj(m_asztal, m_modell->ora(sor), m_modell->ora2(sor), m_eloNap);
    if (uj == -1)
        return;
    m_modell->frissit();
    oszlopok();
    const int ujSor = m_modell->keres(QStringLiteral("elojegyzes"), uj);
    sorValaszt(ujSor >= 0 ? ujSor : sor);
}

void EloOszlop::Torol()
{
    const int sor = aktualisSor();
    if (sor < 0)
        return;
    const int azon = m_modell->azon(sor);
    if (azon == 0)
        return;
    SqlFuttat(QStringLiteral("DELETE FROM elojegyzes WHERE (azon = ") + QString::number(azon) +
              QStringLiteral(") AND (datum = ") + SqlDatum(m_eloNap) +
              QStringLiteral(") AND (asztal = ") + QString::number(m_asztal) +
              QStringLiteral(");"));
    m_modell->frissit();
    oszlopok();
    sorValaszt(sor);
}

void EloOszlop::Tegnap()
{
    EloToltes(m_asztal, m_eloNap.addDays(-1));
}

void EloOszlop::Ma()
{
    EloToltes(m_asztal, QDate::currentDate());
}

void EloOszlop::Holnap()
{
    EloToltes(m_asztal, m_eloNap.addDays(1));
}
