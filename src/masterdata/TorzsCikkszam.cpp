#include "TorzsCikkszam.h"

#include "Beall.h"
#include "DbHiba.h"
#include "HibaKezeles.h"
#include "Kapcsolat.h"
#include "Seged.h"
#include "SegedUI.h"
#include "Uzenetek.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTableView>
#include <QVBoxLayout>

namespace
{

// The price column shown with the money format.
class ArlistaModell : public QSqlQueryModel
{
public:
    using QSqlQueryModel::QSqlQueryModel;

    QVariant data(const QModelIndex& i, int szerep) const override
    {
        if (i.column() == 3 && (szerep == Qt::DisplayRole || szerep == Qt::TextAlignmentRole)) {
            if (szerep == Qt::TextAlignmentRole)
                return QVariant(Qt::AlignRight | Qt::AlignVCenter);
            const QVariant v = QSqlQueryModel::data(i, Qt::DisplayRole);
            return v.isNull() ? QVariant() : QVariant(SzamFormat(v.toDouble(), Beall.PenzFormatum));
        }
        return QSqlQueryModel::data(i, szerep);
    }
};

const char* const ArlistaSql = "SELECT cikkazon, cikkszam, cikkszam_nev, ar FROM cikkszam"
                               " WHERE torolve='N' ORDER BY cikkszam;";

} // namespace

Tfrm_TorzsCikkszam::Tfrm_TorzsCikkszam(QWidget* szulo) : QDialog(szulo)
{
    setObjectName(QStringLiteral("frm_TorzsCikkszam"));
    setWindowTitle(QStringLiteral("Árlista"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);
    resize(640, 480);

    QLabel* fejlec = CimPanel(QStringLiteral("Árlista"), Qt::AlignHCenter, this);

    m_modell = new ArlistaModell(this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("grdArlista"));
    m_grid->setModel(m_modell);
    ListaRacsBeallit(m_grid);
    m_grid->horizontalHeader()->setStretchLastSection(false);

    auto* elfogad = new QPushButton(QStringLiteral("Elfogad"), this);
    elfogad->setObjectName(QStringLiteral("btnElfogad"));
    elfogad->setAutoDefault(false);
    auto* bezar = new QPushButton(QStringLiteral("Bezár"), this);
    bezar->setObjectName(QStringLiteral("btnBezar"));
    bezar->setAutoDefault(false);
    connect(elfogad, &QPushButton::clicked, this, &QDialog::accept);
    connect(bezar, &QPushButton::clicked, this, &QDialog::reject);
    // Enter and a double click both arrive as "activated".
    connect(m_grid, &QAbstractItemView::activated, this, &QDialog::accept);

    auto* gombok = new QHBoxLayout;
    gombok->addStretch();
    gombok->addWidget(elfogad);
    gombok->addWidget(bezar);
    auto* fo = new QVBoxLayout(this);
    fo->addWidget(fejlec);
    fo->addWidget(m_grid, 1);
    fo->addLayout(gombok);

    AblakBeallit(this, true, false);
}

void Tfrm_TorzsCikkszam::megnyit(int kezdoAzon)
{
    QSqlQuery q(Kapcsolat::fo());
    const QString sql = QLatin1String(ArlistaSql);
    if (!q.exec(sql))
        throw DbHiba::driverbol(q.lastError(), sql);
    m_modell->setQuery(std::move(q));
    while (m_modell->canFetchMore())
        m_modell->fetchMore();
    const char* const cimek[] = {"azon", "kód", "megnevezés", "ár"};
    for (int i = 0; i < 4; ++i)
        m_modell->setHeaderData(i, Qt::Horizontal, QString::fromUtf8(cimek[i]));
    m_grid->hideColumn(0);
    m_grid->setColumnWidth(1, 110);
    m_grid->setColumnWidth(2, 330);
    m_grid->setColumnWidth(3, 110);
    OszlopKiemel(m_grid, 1);

    int sor = 0;
    for (int i = 0; i < m_modell->rowCount(); ++i)
        if (m_modell->index(i, 0).data().toInt() == kezdoAzon) {
            sor = i;
            break;
        }
    if (m_modell->rowCount() > 0)
        m_grid->setCurrentIndex(m_modell->index(sor, 1));
    m_grid->setFocus();
}

int Tfrm_TorzsCikkszam::aktualisAzon() const
{
    const QModelIndex i = m_grid->currentIndex();
    if (!i.isValid())
        return -1;
    const QVariant v = m_modell->index(i.row(), 0).data();
    return v.isNull() ? 0 : v.toInt();
}

int ArlistaValaszt(int kezdoAzon, bool valasztas, QWidget* szulo)
{
    int azon = -1;
    HibaKezel(szulo, [&] {
        Tfrm_TorzsCikkszam d(szulo);
        d.findChild<QPushButton*>(QStringLiteral("btnElfogad"))->setVisible(valasztas);
        if (!valasztas)
            QObject::disconnect(d.grid(), &QAbstractItemView::activated, &d, &QDialog::accept);
        d.megnyit(kezdoAzon);
        if (d.exec() == QDialog::Accepted && valasztas)
            azon = d.aktualisAzon();
    });
    return azon;
}
