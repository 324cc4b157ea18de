#include "XlsxIro.h"

#include "Hiba.h"

#include <QAbstractItemModel>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QVariant>
#include <cmath>
#include <xlsxwriter.h>

#ifdef Q_OS_UNIX
#include <dlfcn.h>
#endif

namespace
{

// libxlsxwriter packs the workbook with the system's minizip, whose function
// names QuaZip (linked for the backups) exports as well: in one process the
// dynamic linker would hand the worksheet writer QuaZip's zipOpen, which
// takes a QIODevice instead of a path. The library is therefore loaded on
// first use with its own symbols bound first (RTLD_DEEPBIND) and reached
// through these pointers.
struct Xlsx {
    decltype(&workbook_new_opt) workbookNewOpt = nullptr;
    decltype(&workbook_add_worksheet) addWorksheet = nullptr;
    decltype(&workbook_add_format) addFormat = nullptr;
    decltype(&format_set_bold) setBold = nullptr;
    decltype(&format_set_num_format) setNumFormat = nullptr;
    decltype(&worksheet_write_string) writeString = nullptr;
    decltype(&worksheet_write_number) writeNumber = nullptr;
    decltype(&worksheet_write_datetime) writeDatetime = nullptr;
    decltype(&workbook_close) close = nullptr;
    decltype(&lxw_strerror) strerror = nullptr;
    QString hiba;
};

const Xlsx& xlsx()
{
    static const Xlsx x = [] {
        Xlsx k;
#ifdef Q_OS_UNIX
        void* h = nullptr;
        for (const char* nev : {"libxlsxwriter.so.4", "libxlsxwriter.so.5", "libxlsxwriter.so"}) {
            h = dlopen(nev, RTLD_NOW | RTLD_LOCAL | RTLD_DEEPBIND);
            if (h)
                break;
        }
        if (!h) {
            k.hiba = QString::fromLocal8Bit(dlerror());
            return k;
        }
        auto f = [&](auto& cel, const char* nev) {
            cel = reinterpret_cast<std::remove_reference_t<decltype(cel)>>(dlsym(h, nev));
            if (!cel)
                k.hiba = QStringLiteral("hiányzik: ") + QLatin1String(nev);
        };
        f(k.workbookNewOpt, "workbook_new_opt");
        f(k.addWorksheet, "workbook_add_worksheet");
        f(k.addFormat, "workbook_add_format");
        f(k.setBold, "format_set_bold");
        f(k.setNumFormat, "format_set_num_format");
        f(k.writeString, "worksheet_write_string");
        f(k.writeNumber, "worksheet_write_number");
        f(k.writeDatetime, "worksheet_write_datetime");
        f(k.close, "workbook_close");
        f(k.strerror, "lxw_strerror");
#else
        k.workbookNewOpt = &workbook_new_opt;
        k.addWorksheet = &workbook_add_worksheet;
        k.addFormat = &workbook_add_format;
        k.setBold = &format_set_bold;
        k.setNumFormat = &format_set_num_format;
        k.writeString = &worksheet_write_string;
        k.writeNumber = &worksheet_write_number;
        k.writeDatetime = &worksheet_write_datetime;
        k.close = &workbook_close;
        k.strerror = &lxw_strerror;
#endif
        return k;
    }();
    return x;
}

// The longest text a cell can hold.
constexpr int maxSzoveg = 32767;

bool szam(const QVariant& v)
{
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        // Beyond 2^53 a double cell would change the value.
        return std::fabs(v.toDouble()) <= 9007199254740992.0;
    default:
        return false;
    }
}

void ellenoriz(lxw_error e, const QString& fajl)
{
    if (e != LXW_NO_ERROR)
        throw Hiba(QStringLiteral("A munkalap nem írható: ") + fajl + QStringLiteral(": ") +
                   QString::fromUtf8(xlsx().strerror(e)));
}

} // namespace

void XlsxMent(const QString& fajl, const QAbstractItemModel* modell, const XlsxBeallitas& b,
              const std::function<bool(int, int)>& folytat)
{
    const Xlsx& x = xlsx();
    if (!x.hiba.isEmpty())
        throw Hiba(QStringLiteral("A munkalap íráshoz szükséges libxlsxwriter nem tölthető be: ") +
                   x.hiba);
    auto* m = const_cast<QAbstractItemModel*>(modell);
    while (m->canFetchMore(QModelIndex()))
        m->fetchMore(QModelIndex());
    QList<int> oszlopok = b.oszlopok;
    if (oszlopok.isEmpty())
        for (int c = 0; c < modell->columnCount(); ++c)
            oszlopok.append(c);

    const QFileInfo cel(fajl);
    const QString ideiglenes =
        cel.absolutePath() + QStringLiteral("/.~") + cel.fileName() + QStringLiteral(".tmp");
    const QByteArray utvonal = QFile::encodeName(ideiglenes);
    const QByteArray tmp = QFile::encodeName(QDir::tempPath());
    lxw_workbook_options opciok{};
    opciok.constant_memory = LXW_TRUE;
    opciok.tmpdir = const_cast<char*>(tmp.constData());
    lxw_workbook* wb = x.workbookNewOpt(utvonal.constData(), &opciok);
    if (!wb)
        throw Hiba(QStringLiteral("A munkalap nem hozható létre: ") + fajl);
    const QByteArray lapNev = b.munkalap.toUtf8();
    lxw_worksheet* ws = x.addWorksheet(wb, lapNev.constData());
    lxw_format* felkover = x.addFormat(wb);
    x.setBold(felkover);
    lxw_format* datum = x.addFormat(wb);
    x.setNumFormat(datum, "yyyy-mm-dd");
    lxw_format* datumIdo = x.addFormat(wb);
    x.setNumFormat(datumIdo, "yyyy-mm-dd hh:mm:ss");

    lxw_error hiba = LXW_NO_ERROR;
    auto jegyez = [&](lxw_error e) {
        if (hiba == LXW_NO_ERROR)
            hiba = e;
    };
    lxw_row_t sor = 0;
    if (b.fejlec) {
        for (int k = 0; k < oszlopok.size(); ++k) {
            QString nev;
            if (b.eredetiNevek)
                nev = modell->headerData(oszlopok.at(k), Qt::Horizontal, Qt::UserRole).toString();
            if (nev.isEmpty())
                nev =
                    modell->headerData(oszlopok.at(k), Qt::Horizontal, Qt::DisplayRole).toString();
            jegyez(x.writeString(ws, sor, lxw_col_t(k), nev.toUtf8().constData(), felkover));
        }
        ++sor;
    }
    const int n = modell->rowCount();
    for (int r = 0; r < n && hiba == LXW_NO_ERROR; ++r, ++sor) {
        if (folytat && !folytat(r, n))
            break;
        for (int k = 0; k < oszlopok.size(); ++k) {
            const QVariant v = modell->data(modell->index(r, oszlopok.at(k)), Qt::EditRole);
            const lxw_col_t c = lxw_col_t(k);
            if (v.isNull() || !v.isValid())
                continue;
            if (szam(v)) {
                jegyez(x.writeNumber(ws, sor, c, v.toDouble(), nullptr));
            } else if (v.metaType().id() == QMetaType::QDate && v.toDate().isValid()) {
                const QDate d = v.toDate();
                lxw_datetime dt{d.year(), d.month(), d.day(), 0, 0, 0.0};
                jegyez(x.writeDatetime(ws, sor, c, &dt, datum));
            } else if (v.metaType().id() == QMetaType::QDateTime && v.toDateTime().isValid()) {
                const QDateTime d = v.toDateTime();
                lxw_datetime dt{d.date().year(),   d.date().month(),
                                d.date().day(),    d.time().hour(),
                                d.time().minute(), d.time().second() + d.time().msec() / 1000.0};
                jegyez(x.writeDatetime(ws, sor, c, &dt, datumIdo));
            } else if (v.metaType().id() == QMetaType::QByteArray) {
                jegyez(x.writeString(ws, sor, c, "BLOB", nullptr));
            } else {
                const QString s = v.toString().left(maxSzoveg);
                if (!s.isEmpty())
                    jegyez(x.writeString(ws, sor, c, s.toUtf8().constData(), nullptr));
            }
        }
    }
    const lxw_error zaras = x.close(wb);
    if (hiba == LXW_NO_ERROR)
        hiba = zaras;
    if (hiba != LXW_NO_ERROR) {
        QFile::remove(ideiglenes);
        ellenoriz(hiba, fajl);
    }
    QFile::remove(fajl);
    if (!QFile::rename(ideiglenes, fajl)) {
        QFile::remove(ideiglenes);
        throw Hiba(QStringLiteral("A munkalap nem írható: ") + fajl);
    }
}
