#include "TarhelyModel.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

TarhelyModel::TarhelyModel(QObject* szulo) : QAbstractTableModel(szulo) {}

int TarhelyModel::rowCount(const QModelIndex& p) const
{
    return p.isValid() ? 0 : int(m_sorok.size());
}

int TarhelyModel::columnCount(const QModelIndex& p) const
{
    return p.isValid() ? 0 : OszlopSzam;
}

QString TarhelyModel::kulcs(const Tarhely& t, int oszlop) const
{
    switch (oszlop) {
    case Nev:
        return t.adat.adatbazisnev;
    case Adatbazis:
        return t.adat.adatbazis;
    case Kiszolgalo:
        return t.adat.kiszolgalo;
    case Port:
        return QString::number(t.adat.port);
    case Felhasznalo:
        return t.adat.felhasznalo;
    case Verzio:
        return t.verzio;
    }
    return {};
}

QVariant TarhelyModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_sorok.size())
        return {};
    const Tarhely& t = m_sorok.at(index.row());
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        if (index.column() == Port)
            return t.adat.port;
        return kulcs(t, index.column());
    }
    if (role == Qt::TextAlignmentRole && index.column() == Port)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TarhelyModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, o, role);
    switch (section) {
    case Nev:
        return QStringLiteral("Megjelenített név");
    case Adatbazis:
        return QStringLiteral("Adatbázis / tárhely");
    case Kiszolgalo:
        return QStringLiteral("Kiszolgáló");
    case Port:
        return QStringLiteral("Port");
    case Felhasznalo:
        return QStringLiteral("Felhasználó");
    case Verzio:
        return QStringLiteral("Verzió");
    }
    return {};
}

void TarhelyModel::rendez()
{
    QCollator c{QLocale(QLocale::Hungarian, QLocale::Hungary)};
    c.setCaseSensitivity(Qt::CaseInsensitive);
    c.setNumericMode(m_rendezo == Port);
    std::stable_sort(m_sorok.begin(), m_sorok.end(), [&](const Tarhely& a, const Tarhely& b) {
        if (m_rendezo == Port)
            return a.adat.port < b.adat.port;
        return c.compare(kulcs(a, m_rendezo), kulcs(b, m_rendezo)) < 0;
    });
}

void TarhelyModel::sort(int oszlop, Qt::SortOrder)
{
    if (oszlop < 0 || oszlop >= OszlopSzam)
        return;
    Q_EMIT layoutAboutToBeChanged();
    m_rendezo = oszlop;
    rendez();
    Q_EMIT layoutChanged();
}

void TarhelyModel::betolt(const QStringList& szovegek)
{
    beginResetModel();
    m_sorok.clear();
    for (const QString& s : szovegek)
        m_sorok.append({KapcsolatAdat::szovegbol(s), QString(), m_kovetkezo++});
    m_rendezo = Nev;
    rendez();
    endResetModel();
}

QStringList TarhelyModel::szovegek() const
{
    QStringList ki;
    for (const Tarhely& t : m_sorok)
        ki.append(t.adat.szoveg(true));
    return ki;
}

int TarhelyModel::sorAzon(int azon) const
{
    for (int i = 0; i < m_sorok.size(); ++i)
        if (m_sorok.at(i).azon == azon)
            return i;
    return -1;
}

int TarhelyModel::hozzaad(const KapcsolatAdat& adat)
{
    beginResetModel();
    const int azon = m_kovetkezo++;
    m_sorok.append({adat, QString(), azon});
    rendez();
    endResetModel();
    return sorAzon(azon);
}

int TarhelyModel::csere(int sor, const KapcsolatAdat& adat)
{
    if (sor < 0 || sor >= m_sorok.size())
        return -1;
    beginResetModel();
    m_sorok[sor].adat = adat;
    m_sorok[sor].verzio.clear();
    const int azon = m_sorok.at(sor).azon;
    rendez();
    endResetModel();
    return sorAzon(azon);
}

void TarhelyModel::torol(int sor)
{
    if (sor < 0 || sor >= m_sorok.size())
        return;
    beginRemoveRows({}, sor, sor);
    m_sorok.removeAt(sor);
    endRemoveRows();
}

void TarhelyModel::verzioBeallit(int sor, const QString& verzio)
{
    if (sor < 0 || sor >= m_sorok.size())
        return;
    m_sorok[sor].verzio = verzio;
    Q_EMIT dataChanged(index(sor, Verzio), index(sor, Verzio));
}
