#include "TorzsModell.h"

#include "Seged.h"

#include <QSqlRecord>

TorzsModell::TorzsModell(const TablaLeiras* leiras, QObject* szulo)
    : RacsModell(szulo), m_leiras(leiras)
{
}

void TorzsModell::nyit(const QString& sql)
{
    beginResetModel();
    m_keresok.clear();
    m_kulcsok.clear();
    try {
        betolt(sql);
    } catch (...) {
        endResetModel();
        throw;
    }
    const QSqlRecord r = record();
    m_forras.clear();
    for (const OszlopLeiras& o : m_leiras->oszlopok)
        m_forras << r.indexOf(o.mezo);
    // One pass in row order: the driver moves to the next row cheaply, to
    // an arbitrary one by walking the rows.
    const int k = r.indexOf(m_leiras->kulcs);
    const int n = RacsModell::rowCount();
    m_kulcsok.resize(n);
    for (int i = 0; i < n; ++i)
        m_kulcsok[i] = k < 0 ? -1 : QSqlQueryModel::data(createIndex(i, k)).toInt();
    endResetModel();
}

int TorzsModell::columnCount(const QModelIndex& szulo) const
{
    return szulo.isValid() ? 0 : int(m_leiras->oszlopok.size());
}

int TorzsModell::forras(int oszlop) const
{
    return oszlop >= 0 && oszlop < m_forras.size() ? m_forras[oszlop] : -1;
}

QVariant TorzsModell::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const OszlopLeiras& o = m_leiras->oszlopok[index.column()];
    if (role == Qt::BackgroundRole) {
        if (sorSzin) {
            const QColor c = sorSzin(*this, index.row());
            if (c.isValid())
                return c;
        }
        return {};
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue((o.jobbra || !o.kep.isEmpty() ? Qt::AlignRight : Qt::AlignLeft) |
                                   Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const int f = forras(index.column());
    if (f < 0)
        return {};
    const QVariant v = QSqlQueryModel::data(createIndex(index.row(), f), Qt::DisplayRole);
    if (role == Qt::EditRole || v.isNull())
        return v;
    if (!o.kep.isEmpty())
        return SzamFormat(v.toDouble(), o.kep);
    if (v.metaType().id() == QMetaType::QDate)
        return v.toDate().toString(QStringLiteral("yyyy.MM.dd"));
    if (v.metaType().id() == QMetaType::QDateTime)
        return v.toDateTime().toString(QStringLiteral("yyyy.MM.dd hh:mm:ss"));
    return v;
}

QVariant TorzsModell::headerData(int oszlop, Qt::Orientation o, int role) const
{
    if (o == Qt::Horizontal && oszlop >= 0 && oszlop < m_leiras->oszlopok.size()) {
        const OszlopLeiras& l = m_leiras->oszlopok[oszlop];
        if (role == Qt::DisplayRole)
            return l.cim;
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue((l.jobbra ? Qt::AlignRight : Qt::AlignLeft) |
                                       Qt::AlignVCenter);
        return {};
    }
    return RacsModell::headerData(oszlop, o, role);
}

QVariant TorzsModell::ertek(int sor, const QString& mezo) const
{
    const int f = record().indexOf(mezo);
    if (sor < 0 || sor >= rowCount() || f < 0)
        return {};
    return QSqlQueryModel::data(createIndex(sor, f), Qt::DisplayRole);
}

int TorzsModell::kulcs(int sor) const
{
    return sor >= 0 && sor < m_kulcsok.size() ? m_kulcsok[sor] : -1;
}

int TorzsModell::kulcsSor(int kulcsErtek) const
{
    return int(m_kulcsok.indexOf(kulcsErtek));
}

const QStringList& TorzsModell::kisbetus(const QString& mezo) const
{
    auto i = m_keresok.find(mezo);
    if (i != m_keresok.end())
        return *i;
    QStringList l;
    const int f = record().indexOf(mezo);
    const int n = rowCount();
    l.reserve(n);
    for (int s = 0; s < n; ++s)
        l << (f < 0
                  ? QString()
                  : QSqlQueryModel::data(createIndex(s, f), Qt::DisplayRole).toString().toLower());
    return *m_keresok.insert(mezo, l);
}

int TorzsModell::keres(const QString& mezo, const QString& szoveg) const
{
    const QString k = szoveg.toLower();
    const QStringList& l = kisbetus(mezo);
    for (int i = 0; i < l.size(); ++i)
        if (l[i].startsWith(k))
            return i;
    return -1;
}
