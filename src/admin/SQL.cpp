#include "SQL.h"

#include "Ansi.h"
#include "Beall.h"
#include "DbHiba.h"
#include "Hatarolt.h"
#include "Kapcsolat.h"
#include "KozosDB.h"
#include "Mappak.h"
#include "SegedUI.h"
#include "SqlMunka.h"
#include "Uzenetek.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>
#include <Qsci/qscilexersql.h>
#include <Qsci/qsciscintilla.h>

namespace
{

QString sqlMappa()
{
    const QString m = QDir(AdatMappa()).filePath(QStringLiteral("SQL"));
    QDir().mkpath(m);
    return m;
}

} // namespace

Tfrm_SQL::Tfrm_SQL(QWidget* szulo) : QDialog(szulo), m_munka(new SqlMunka(this))
{
    setObjectName(QStringLiteral("frm_SQL"));
    setWindowTitle(QStringLiteral("SQL lekérdezés"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    auto* aUj = ujAkcio("aUj", QStringLiteral("Új SQL file"), QStringLiteral("Új SQL"),
                        {QKeySequence(Qt::CTRL | Qt::Key_N)});
    auto* aMegnyit =
        ujAkcio("aMegnyit", QStringLiteral("Megnyit"), QStringLiteral("SQL megnyitása"),
                {QKeySequence(Qt::CTRL | Qt::Key_O)});
    auto* aMent = ujAkcio("aMent", QStringLiteral("Mentés"), QStringLiteral("SQL mentése"),
                          {QKeySequence(Qt::CTRL | Qt::Key_S)});
    auto* aExport = ujAkcio("aExport", QStringLiteral("Export"), QStringLiteral("Export"),
                            {QKeySequence(Qt::CTRL | Qt::Key_E)});
    auto* aMasol =
        ujAkcio("aMasol", QStringLiteral("Másol"), QStringLiteral("Eredmény másolása vágólapra"),
                {QKeySequence(Qt::Key_F3)});
    auto* aFuttat = ujAkcio("aFuttat", QStringLiteral("Futtat"), QStringLiteral("SQL lekérdezés"),
                            {QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_Return),
                             QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    auto* aEredmeny = ujAkcio("aEredmeny", QStringLiteral("Eredmény"), QStringLiteral("Eredmény"),
                              {QKeySequence(Qt::Key_F9)});
    auto* aMegszakit = ujAkcio("aMegszakit", QStringLiteral("Megszakít"),
                               QStringLiteral("A futó lekérdezés megszakítása"),
                               {QKeySequence(Qt::CTRL | Qt::Key_Pause)});
    auto* aTab = ujAkcio("aTab", QStringLiteral("Tab"), QStringLiteral("Tab"),
                         {QKeySequence(Qt::CTRL | Qt::Key_Tab)});
    auto* aBezar = ujAkcio("aBezar", QStringLiteral("Bezár"), QStringLiteral("Bezár"), {});
    aExport->setEnabled(false);
    aMasol->setEnabled(false);
    aMegszakit->setEnabled(false);
    connect(aUj, &QAction::triggered, this, &Tfrm_SQL::uj);
    connect(aMegnyit, &QAction::triggered, this, &Tfrm_SQL::megnyit);
    connect(aMent, &QAction::triggered, this, &Tfrm_SQL::ment);
    connect(aExport, &QAction::triggered, this, &Tfrm_SQL::exportal);
    connect(aMasol, &QAction::triggered, this, &Tfrm_SQL::masol);
    connect(aFuttat, &QAction::triggered, this, &Tfrm_SQL::futtat);
    connect(aEredmeny, &QAction::triggered, this, &Tfrm_SQL::eredmenyMutat);
    connect(aMegszakit, &QAction::triggered, this, &Tfrm_SQL::megszakit);
    connect(aBezar, &QAction::triggered, this, &Tfrm_SQL::reject);

    auto* menu = new QMenuBar(this);
    QMenu* fajl = menu->addMenu(QStringLiteral("Fájl"));
    fajl->addActions({aUj, aMegnyit, aMent, aExport});
    fajl->addSeparator();
    fajl->addAction(aBezar);
    QMenu* sql = menu->addMenu(QStringLiteral("SQL"));
    sql->addActions({aFuttat, aMegszakit});
    auto* eszkoz = new QToolBar(this);
    eszkoz->setToolButtonStyle(Qt::ToolButtonTextOnly);
    eszkoz->addActions({aUj, aMegnyit, aMent});
    eszkoz->addSeparator();
    eszkoz->addActions({aFuttat, aEredmeny, aMegszakit});
    eszkoz->addSeparator();
    eszkoz->addActions({aMasol, aExport});
    eszkoz->addSeparator();
    eszkoz->addAction(aBezar);

    m_szerk = new QsciScintilla(this);
    m_szerk->setUtf8(true);
    auto* lexer = new QsciLexerSQL(m_szerk);
    QFont fix = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fix.setPointSize(std::max(Beall.BetuMeret, 8) + 1);
    lexer->setDefaultFont(fix);
    lexer->setFont(fix);
    for (int s : {QsciLexerSQL::Comment, QsciLexerSQL::CommentLine, QsciLexerSQL::CommentDoc,
                  QsciLexerSQL::CommentLineHash, QsciLexerSQL::PlusComment})
        lexer->setColor(QColor(0, 128, 0), s);
    lexer->setColor(Qt::blue, QsciLexerSQL::Number);
    lexer->setColor(Qt::red, QsciLexerSQL::SingleQuotedString);
    lexer->setColor(Qt::red, QsciLexerSQL::DoubleQuotedString);
    m_szerk->setLexer(lexer);
    m_szerk->setMarginType(0, QsciScintilla::NumberMargin);
    m_szerk->setMarginLineNumbers(0, true);
    m_szerk->setMarginsFont(fix);
    m_szerk->setMarginWidth(0, QStringLiteral("00000"));
    m_szerk->setCaretLineVisible(true);
    m_szerk->setCaretLineBackgroundColor(QColor(225, 240, 255));
    m_szerk->setSelectionBackgroundColor(QColor(192, 192, 192));
    m_szerk->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_szerk->addActions({aFuttat, aEredmeny, aUj, aMegnyit, aMent});

    m_racs = new QTableView(this);
    m_racs->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_racs->addAction(aExport);
    m_racs->horizontalHeader()->setDefaultSectionSize(64);
    m_racs->setWordWrap(false);
    m_racs->verticalHeader()->setDefaultSectionSize(m_racs->fontMetrics().height() + 6);

    m_fulek = new QTabWidget(this);
    m_fulek->addTab(m_szerk, QStringLiteral("SQL"));
    m_fulek->addTab(m_racs, QStringLiteral("Eredmény"));
    connect(aTab, &QAction::triggered, this,
            [this] { m_fulek->setCurrentIndex(1 - m_fulek->currentIndex()); });

    m_haladas = new QProgressBar(this);
    m_haladas->hide();
    auto* allapotSav = new QStatusBar(this);
    allapotSav->setSizeGripEnabled(true);
    m_allapot = new QLabel(this);
    m_allapot->setMinimumWidth(120);
    allapotSav->addWidget(m_allapot);

    auto* fo = new QVBoxLayout(this);
    fo->setContentsMargins(0, 0, 0, 0);
    fo->setSpacing(0);
    fo->setMenuBar(menu);
    fo->addWidget(eszkoz);
    fo->addWidget(m_fulek, 1);
    fo->addWidget(m_haladas);
    fo->addWidget(allapotSav);

    connect(m_munka, &SqlMunka::eredmeny, this, &Tfrm_SQL::lekerdezesKesz);
    connect(m_munka, &SqlMunka::haladas, this, [this](int kesz, int osszes) {
        m_haladas->setMaximum(std::max(osszes, 1));
        m_haladas->setValue(kesz);
    });
    connect(m_munka, &SqlMunka::szkriptKesz, this,
            [this] { Uzenet(QStringLiteral("SQL futtatás kész."), this); });
    connect(m_munka, &SqlMunka::hiba, this, [this](const QString& u) {
        HibaUzenet(QStringLiteral("SQL hiba:\r\n") + Forditas(u), this);
    });
    connect(m_munka, &SqlMunka::vege, this, [this] { futasAllapot(false); });

    resize(800, 560);
    AblakBeallit(this, true, false);
    m_szerk->setFocus();
}

Tfrm_SQL::~Tfrm_SQL() = default;

QAction* Tfrm_SQL::ujAkcio(const char* nev, const QString& felirat, const QString& sugo,
                           const QList<QKeySequence>& billentyuk)
{
    auto* a = new QAction(felirat, this);
    a->setObjectName(QLatin1String(nev));
    a->setToolTip(sugo);
    a->setShortcuts(billentyuk);
    a->setShortcutContext(Qt::WindowShortcut);
    addAction(a);
    return a;
}

QAction* Tfrm_SQL::akcio(const char* nev) const
{
    return findChild<QAction*>(QLatin1String(nev), Qt::FindDirectChildrenOnly);
}

QAbstractItemModel* Tfrm_SQL::eredmeny() const
{
    return m_modell;
}

bool Tfrm_SQL::fut() const
{
    return m_munka->fut();
}

void Tfrm_SQL::futasAllapot(bool fut)
{
    akcio("aFuttat")->setEnabled(!fut);
    akcio("aEredmeny")->setEnabled(!fut);
    akcio("aMegszakit")->setEnabled(fut);
    if (!fut)
        m_haladas->hide();
    m_allapot->setText(fut ? QStringLiteral("Fut...") : QString());
    if (!fut)
        allapotFrissit();
}

void Tfrm_SQL::futtat()
{
    indit(false);
}

void Tfrm_SQL::eredmenyMutat()
{
    indit(true);
}

void Tfrm_SQL::indit(bool csakLekerdezes)
{
    if (m_munka->fut())
        return;
    // Table mode: a first line "table: name" opens the table for editing.
    const QString elsoSor = m_szerk->text().section(QLatin1Char('\n'), 0, 0);
    if (elsoSor.left(5).compare(QLatin1String("table"), Qt::CaseInsensitive) == 0) {
        tablaNyit();
        return;
    }
    const QString szoveg = m_szerk->hasSelectedText() ? m_szerk->selectedText() : m_szerk->text();
    if (szoveg.trimmed().isEmpty())
        return;
    QStringList utasitasok;
    try {
        utasitasok = KonzolUtasitasok(szoveg);
    } catch (const Hiba& h) {
        HibaUzenet(QStringLiteral("SQL hiba:\r\n") + h.uzenet(), this);
        return;
    }
    if (utasitasok.isEmpty())
        return;
    if (csakLekerdezes || (utasitasok.size() == 1 && LekerdezesE(utasitasok.first()))) {
        // "Eredmény" shows the first statement; a lone query is opened.
        futasAllapot(true);
        m_munka->lekerdez(utasitasok.first());
        return;
    }
    futasAllapot(true);
    m_haladas->setRange(0, int(utasitasok.size()));
    m_haladas->setValue(0);
    m_haladas->show();
    m_munka->szkript(szoveg);
}

bool Tfrm_SQL::tablaNyit()
{
    const QString elsoSor = m_szerk->text().section(QLatin1Char('\n'), 0, 0);
    const QString tabla = elsoSor.section(QLatin1Char(':'), 1).trimmed().remove(QLatin1Char(';'));
    auto* m = new QSqlTableModel(this, Kapcsolat::fo());
    m->setTable(tabla);
    m->setEditStrategy(QSqlTableModel::OnFieldChange);
    if (tabla.isEmpty() || !m->select()) {
        const QString u = tabla.isEmpty() ? QStringLiteral("Hiányzik a tábla neve.")
                                          : DbHiba::driverbol(m->lastError()).uzenet();
        delete m;
        HibaUzenet(QStringLiteral("SQL hiba:\r\n") + u, this);
        return false;
    }
    connect(m, &QSqlTableModel::dataChanged, this, [this, m] {
        if (m->lastError().isValid())
            HibaUzenet(QStringLiteral("SQL hiba:\r\n") + DbHiba::driverbol(m->lastError()).uzenet(),
                       this);
    });
    modellBeallit(m);
    return true;
}

void Tfrm_SQL::lekerdezesKesz(QSharedPointer<SqlEredmeny> e)
{
    modellBeallit(new EredmenyModell(std::move(e), this));
}

void Tfrm_SQL::modellBeallit(QAbstractItemModel* m)
{
    QAbstractItemModel* regi = m_modell;
    m_modell = m;
    m_racs->setModel(m);
    delete regi;
    m_racs->setEditTriggers(qobject_cast<QSqlTableModel*>(m) ? QAbstractItemView::AllEditTriggers
                                                             : QAbstractItemView::NoEditTriggers);
    for (int c = 0; c < m->columnCount(); ++c)
        m_racs->setColumnWidth(c, 64);
    connect(m_racs->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &Tfrm_SQL::allapotFrissit);
    m_fulek->setCurrentIndex(1);
    if (m->rowCount() > 0)
        m_racs->setCurrentIndex(m->index(0, 0));
    akcio("aExport")->setEnabled(true);
    akcio("aMasol")->setEnabled(true);
    allapotFrissit();
}

void Tfrm_SQL::allapotFrissit()
{
    if (!m_modell || m_munka->fut())
        return;
    const QModelIndex i = m_racs->currentIndex();
    m_allapot->setText(RekordSzamlalo(m_modell->rowCount(), i.isValid() ? i.row() + 1 : 0));
}

void Tfrm_SQL::megszakit()
{
    m_munka->megszakit();
}

void Tfrm_SQL::masol()
{
    if (!m_modell)
        return;
    QApplication::clipboard()->setText(AdatExportModell(m_modell).join(QStringLiteral("\r\n")));
}

void Tfrm_SQL::exportal()
{
    if (!m_modell)
        return;
    QList<OszlopFajta> fajtak;
    if (auto* e = qobject_cast<EredmenyModell*>(m_modell))
        fajtak = OszlopFajtak(e->rekord());
    else if (auto* t = qobject_cast<QSqlTableModel*>(m_modell))
        fajtak = OszlopFajtak(t->record());
    HataroltExport(m_modell, fajtak, {}, this);
}

void Tfrm_SQL::uj()
{
    m_szerk->clear();
}

void Tfrm_SQL::megnyit()
{
    const QString f =
        QFileDialog::getOpenFileName(this, QStringLiteral("SQL megnyitás"), sqlMappa(),
                                     QStringLiteral("SQL állományok (*.sql)"));
    if (f.isEmpty())
        return;
    QFile file(f);
    if (!file.open(QIODevice::ReadOnly)) {
        HibaUzenet(QStringLiteral("Hiba: ") + file.errorString(), this);
        return;
    }
    m_szerk->setText(FajlSzoveg(file.readAll()));
    m_fajlNev = f;
}

void Tfrm_SQL::ment()
{
    const QString javasolt = m_fajlNev.isEmpty() ? sqlMappa() : m_fajlNev;
    const QString f = QFileDialog::getSaveFileName(this, QStringLiteral("SQL mentése"), javasolt,
                                                   QStringLiteral("SQL file-ok (*.sql)"));
    if (f.isEmpty())
        return;
    QSaveFile file(f);
    const QByteArray b = m_szerk->text().toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(b) != b.size() || !file.commit()) {
        HibaUzenet(QStringLiteral("Hiba: ") + file.errorString(), this);
        return;
    }
    m_fajlNev = f;
}

void Tfrm_SQL::reject()
{
    // A running statement is cancelled; the worker ends with the window.
    if (m_munka->fut())
        m_munka->megszakit();
    QDialog::reject();
}

void SzabadLekerdezes(QWidget* szulo)
{
    if (!Jog.rendszergazda) {
        HibaUzenet(QStringLiteral("Nincs jogosultság a művelethez."), szulo);
        return;
    }
    Tfrm_SQL ablak(szulo);
    ablak.exec();
}
