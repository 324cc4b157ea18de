#include "SegedUI.h"

#include "AblakKezelo.h"
#include "Beall.h"
#include "FokuszSzinezo.h"
#include "KiemeltOszlopDelegate.h"
#include "KozosDB.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTableView>
#include <QTranslator>

QColor KiemeloSzin()
{
    return QColor(255, 255, 185);
}

QColor FokuszSzin()
{
    return QColor(166, 202, 240);
}

QColor KijeloltSzin()
{
    return QColor(0, 128, 192);
}

void AlkalmazasStilus(QApplication& app)
{
    // Once per application, however often it is called.
    if (app.findChild<FokuszSzinezo*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    app.installEventFilter(new FokuszSzinezo(&app));
}

bool MagyarFelulet(QCoreApplication& app)
{
    const QLocale magyar(QLocale::Hungarian, QLocale::Hungary);
    QLocale::setDefault(magyar);
    const QString nev = QStringLiteral("qtbase_hu");
    // Once per application, however often it is called.
    if (app.findChild<QTranslator*>(nev, Qt::FindDirectChildrenOnly))
        return true;
    auto* t = new QTranslator(&app);
    t->setObjectName(nev);
    const QStringList mappak = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                QCoreApplication::applicationDirPath() +
                                    QStringLiteral("/translations")};
    for (const QString& m : mappak) {
        if (t->load(magyar, QStringLiteral("qtbase"), QStringLiteral("_"), m)) {
            QCoreApplication::installTranslator(t);
            return true;
        }
    }
    delete t;
    return false;
}

void AblakBeallit(QWidget* ablak, bool meretezheto, bool enterLep)
{
    if (!ablak || AblakKezelo::kezelo(ablak))
        return;
    if (Beall.BetuMeret > 0) {
        QFont f = ablak->font();
        f.setPointSize(Beall.BetuMeret);
        ablak->setFont(f);
    }
    new AblakKezelo(ablak, meretezheto, enterLep);
}

void EnterGomb(QWidget* mezo, QAbstractButton* gomb)
{
    if (mezo)
        mezo->setProperty("enterGomb", QVariant::fromValue<QObject*>(gomb));
}

void OszlopKiemel(QTableView* racs, int oszlop)
{
    if (!racs)
        return;
    racs->setProperty("kiemeltOszlop", oszlop);
    QAbstractItemDelegate* d = racs->itemDelegate();
    // Only Qt's own default delegate is replaced; a window's own delegate
    // derives from KiemeltOszlopDelegate to get the highlight.
    if (!qobject_cast<KiemeltOszlopDelegate*>(d) &&
        (!d || d->metaObject() == &QStyledItemDelegate::staticMetaObject)) {
        racs->setItemDelegate(new KiemeltOszlopDelegate(racs));
        if (d && d->parent() == racs)
            d->deleteLater();
    }
    racs->viewport()->update();
}

namespace
{

void feltolt(QComboBox* combo, const QString& sql, const QString& elso, bool adatmezo)
{
    if (!combo)
        return;
    // The query runs first: a server error leaves the combo box as it was.
    QSqlQuery q = SqlNyit(sql);
    QStringList tetelek;
    if (!elso.isEmpty())
        tetelek << elso;
    while (q.next())
        tetelek << (q.value(0).isNull() ? QString() : q.value(0).toString());
    q.finish();

    const bool szerkesztheto = combo->isEditable();
    const QString regiSzoveg = szerkesztheto ? combo->currentText() : QString();
    combo->clear();
    combo->addItems(tetelek);
    if (szerkesztheto) {
        // An editable combo box keeps its own text: adding items must not
        // fill it with the first row.
        combo->setCurrentIndex(-1);
        if (adatmezo)
            combo->setEditText(regiSzoveg);
        else
            combo->setEditText(elso);
    } else {
        combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
    }
}

} // namespace

void ComboFeltolt(QComboBox* combo, const QString& sql, const QString& elso)
{
    feltolt(combo, sql, elso, false);
}

void DBComboFeltolt(QComboBox* combo, const QString& sql, const QString& elso)
{
    feltolt(combo, sql, elso, true);
}

void FormForditas(QWidget* ablak)
{
    if (!ablak || Beall.nyelv == 0)
        return;
    ablak->setWindowTitle(Forditas(ablak->windowTitle()));
    for (QLabel* c : ablak->findChildren<QLabel*>())
        c->setText(Forditas(c->text()));
    for (QAbstractButton* g : ablak->findChildren<QAbstractButton*>())
        g->setText(Forditas(g->text()));
    for (QGroupBox* g : ablak->findChildren<QGroupBox*>())
        g->setTitle(Forditas(g->title()));
    for (QAction* a : ablak->findChildren<QAction*>())
        a->setText(Forditas(a->text()));
}

QFont PixelBetu(const QString& csalad, int pixel, bool felkover)
{
    QFont f(csalad);
    f.setPixelSize(pixel);
    f.setBold(felkover);
    return f;
}

QLabel* CimPanel(const QString& cim, Qt::Alignment igazitas, QWidget* szulo)
{
    auto* panel = new QLabel(cim, szulo);
    panel->setObjectName(QStringLiteral("pnlFejlec"));
    panel->setFont(PixelBetu(QStringLiteral("Arial"), 15, true));
    panel->setAlignment(igazitas | Qt::AlignVCenter);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setMinimumHeight(30);
    return panel;
}

void ListaRacsBeallit(QTableView* racs)
{
    racs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    racs->setSelectionBehavior(QAbstractItemView::SelectRows);
    racs->setSelectionMode(QAbstractItemView::SingleSelection);
    racs->verticalHeader()->hide();
    racs->verticalHeader()->setDefaultSectionSize(racs->fontMetrics().height() + 6);
}

QSize AtlagKarakterSzelesseg(const QFontMetrics& fm)
{
    const QString betuk = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return QSize(fm.horizontalAdvance(betuk) / 52, fm.height());
}

int CimSzelesseg(const QHeaderView* fejlec, int oszlop)
{
    if (!fejlec || !fejlec->model())
        return 0;
    const QString cim =
        fejlec->model()->headerData(oszlop, fejlec->orientation(), Qt::DisplayRole).toString();
    QFont betu = fejlec->font();
    const int alap = QFontMetrics(betu).horizontalAdvance(cim);
    // The header may keep a font of its own while the window follows the
    // font-size setting: the larger of the two, one step up.
    if (betu.pointSizeF() > 0) {
        qreal pont = betu.pointSizeF();
        if (const QWidget* nezet = fejlec->parentWidget();
            nezet && nezet->font().pointSizeF() > pont)
            pont = nezet->font().pointSizeF();
        betu.setPointSizeF(pont + 1);
    } else if (betu.pixelSize() > 0) {
        betu.setPixelSize(betu.pixelSize() + 1);
    }
    const int nagyobb = QFontMetrics(betu).horizontalAdvance(cim);
    // The size hint holds the text at the current font with the margins and
    // the sort mark; the larger font adds its own extra width.
    return fejlec->sectionSizeHint(oszlop) + (nagyobb - alap);
}

void OszlopAranyok(QTableView* racs, const QList<int>& szazalekok, int levonas)
{
    if (!racs || !racs->model())
        return;
    const int szeles = qMax(0, racs->width() - levonas);
    const QHeaderView* fejlec = racs->horizontalHeader();
    const int darab = qMin(int(szazalekok.size()), racs->model()->columnCount());
    for (int i = 0; i < darab; ++i)
        racs->setColumnWidth(i, qMax(szeles * szazalekok.at(i) / 100, CimSzelesseg(fejlec, i)));
}
