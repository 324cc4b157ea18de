// The widget helpers: the focus colour, the window conventions (geometry in
// the INI file, font size, Enter moving on), the sort-column highlight and
// the run-time input dialog.

#include "AblakSeged.h"
#include "Beall.h"
#include "KiemeltOszlopDelegate.h"
#include "Mappak.h"
#include "Seged.h"
#include "SegedUI.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QItemDelegate>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <memory>

class TestSegedUI : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void fokuszSzin_data();
    void fokuszSzin();
    void fokuszSzinSajatPalettaMarad();
    void fokuszSzinRacsSzerkesztoNem();

    void enterLep_data();
    void enterLep();
    void enterGombotNyom();
    void enterLepNelkulAlapGomb();
    void enterGombMezoben();
    void enterRacsSzerkesztoben();

    void helyVisszaEsMentes();
    void meretVisszaEsMentes();
    void iniNelkulAlapHely();
    void munkaTeruletbeIllesztes_data();
    void munkaTeruletbeIllesztes();
    void irhatatlanIniNemOmlikOssze();
    void betuMeret();

    void oszlopKiemel();
    void oszlopKiemelSajatDelegate();

    void beviteliAblakOk();
    void beviteliAblakMegsem();

    void magyarFelulet();

private:
    void iniIr(const QByteArray& tartalom);
    QString iniTartalom() const;

    QTemporaryDir m_mappa;
};

void TestSegedUI::initTestCase()
{
    QVERIFY(m_mappa.isValid());
    AlkalmazasStilus(*qApp);
    AlkalmazasStilus(*qApp); // a second call must not install a second filter
}

void TestSegedUI::init()
{
    iniIr("[Alapertek]\r\nBetuMeret=9\r\n");
    MappakBeallit(m_mappa.path());
    QCOMPARE(IniFajl(), m_mappa.path() + QStringLiteral("/VexloF.ini"));
    MunkaTeruletBeallit(QRect(0, 0, 1024, 768));
    Beall = TBeall();
}

void TestSegedUI::iniIr(const QByteArray& tartalom)
{
    QFile f(m_mappa.path() + QStringLiteral("/VexloF.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(tartalom);
}

QString TestSegedUI::iniTartalom() const
{
    QFile f(m_mappa.path() + QStringLiteral("/VexloF.ini"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

// --- focus colour -------------------------------------------------------------

namespace
{

struct FokuszAblak {
    QWidget ablak;
    QLineEdit* szerk = new QLineEdit(&ablak);
    QComboBox* szerkCombo = new QComboBox(&ablak);
    QComboBox* lista = new QComboBox(&ablak);
    QSpinBox* szam = new QSpinBox(&ablak);
    QDateEdit* datum = new QDateEdit(&ablak);
    QPlainTextEdit* memo = new QPlainTextEdit(&ablak);
    QPushButton* gomb = new QPushButton(QStringLiteral("Gomb"), &ablak);

    FokuszAblak()
    {
        szerkCombo->setEditable(true);
        lista->addItems({QStringLiteral("a"), QStringLiteral("b")});
        auto* l = new QVBoxLayout(&ablak);
        for (QWidget* w : {static_cast<QWidget*>(szerk), static_cast<QWidget*>(szerkCombo),
                           static_cast<QWidget*>(lista), static_cast<QWidget*>(szam),
                           static_cast<QWidget*>(datum), static_cast<QWidget*>(memo),
                           static_cast<QWidget*>(gomb)})
            l->addWidget(w);
    }
    QWidget* elem(const QString& nev)
    {
        if (nev == QLatin1String("szerk"))
            return szerk;
        if (nev == QLatin1String("szerkCombo"))
            return szerkCombo;
        if (nev == QLatin1String("lista"))
            return lista;
        if (nev == QLatin1String("szam"))
            return szam;
        if (nev == QLatin1String("datum"))
            return datum;
        return memo;
    }
};

} // namespace

void TestSegedUI::fokuszSzin_data()
{
    QTest::addColumn<QString>("elem");
    QTest::newRow("line edit") << QStringLiteral("szerk");
    QTest::newRow("editable combo") << QStringLiteral("szerkCombo");
    QTest::newRow("drop-down list") << QStringLiteral("lista");
    QTest::newRow("spin box") << QStringLiteral("szam");
    QTest::newRow("date edit") << QStringLiteral("datum");
    QTest::newRow("multi-line edit") << QStringLiteral("memo");
}

void TestSegedUI::fokuszSzin()
{
    QFETCH(QString, elem);
    FokuszAblak a;
    QVERIFY(aktival(&a.ablak));
    QWidget* w = a.elem(elem);
    a.gomb->setFocus();
    const QColor eredeti = w->palette().color(QPalette::Base);
    QVERIFY(eredeti != FokuszSzin());

    w->setFocus();
    QVERIFY(w->hasFocus());
    QCOMPARE(w->palette().color(QPalette::Base), FokuszSzin());
    // The inner edit of a spin box or an editable combo shows the colour too.
    if (auto* belso = w->findChild<QLineEdit*>())
        QCOMPARE(belso->palette().color(QPalette::Base), FokuszSzin());

    a.gomb->setFocus();
    QCOMPARE(w->palette().color(QPalette::Base), eredeti);
    QVERIFY(!w->testAttribute(Qt::WA_SetPalette));
    // A push button is never painted.
    QVERIFY(a.gomb->palette().color(QPalette::Button) != FokuszSzin());
}

void TestSegedUI::fokuszSzinSajatPalettaMarad()
{
    FokuszAblak a;
    QPalette p = a.szerk->palette();
    p.setColor(QPalette::Base, Qt::red);
    p.setColor(QPalette::Text, Qt::white);
    a.szerk->setPalette(p);
    QVERIFY(aktival(&a.ablak));

    a.szerk->setFocus();
    QCOMPARE(a.szerk->palette().color(QPalette::Base), FokuszSzin());
    a.memo->setFocus();
    QCOMPARE(a.szerk->palette().color(QPalette::Base), QColor(Qt::red));
    QCOMPARE(a.szerk->palette().color(QPalette::Text), QColor(Qt::white));

    // A colour the window sets while the edit has the focus survives too.
    a.szerk->setFocus();
    QPalette q = a.szerk->palette();
    q.setColor(QPalette::Text, Qt::blue);
    a.szerk->setPalette(q);
    a.memo->setFocus();
    QCOMPARE(a.szerk->palette().color(QPalette::Base), QColor(Qt::red));
    QCOMPARE(a.szerk->palette().color(QPalette::Text), QColor(Qt::blue));
}

void TestSegedUI::fokuszSzinRacsSzerkesztoNem()
{
    QTableView v;
    QStandardItemModel m(2, 2);
    v.setModel(&m);
    QVERIFY(aktival(&v));
    v.setCurrentIndex(m.index(0, 0));
    v.edit(m.index(0, 0));
    auto* szerk = v.viewport()->findChild<QLineEdit*>();
    QVERIFY(szerk);
    QVERIFY(szerk->hasFocus());
    QVERIFY(szerk->palette().color(QPalette::Base) != FokuszSzin());
}

// --- Enter moves on -------------------------------------------------------------

namespace
{

struct EnterAblak {
    QDialog ablak;
    QLineEdit* e1 = new QLineEdit(&ablak);
    QComboBox* szerkCombo = new QComboBox(&ablak);
    QComboBox* lista = new QComboBox(&ablak);
    QCheckBox* jelolo = new QCheckBox(QStringLiteral("Jelölő"), &ablak);
    QSpinBox* szam = new QSpinBox(&ablak);
    QDateEdit* datum = new QDateEdit(&ablak);
    QLineEdit* e2 = new QLineEdit(&ablak);
    QPlainTextEdit* memo = new QPlainTextEdit(&ablak);
    QPushButton* gomb = new QPushButton(QStringLiteral("Gomb"), &ablak);
    QLineEdit* e3 = new QLineEdit(&ablak);
    QList<QWidget*> sorrend;

    EnterAblak()
    {
        ablak.setObjectName(QStringLiteral("frm_Enter"));
        szerkCombo->setEditable(true);
        lista->addItems({QStringLiteral("a"), QStringLiteral("b")});
        sorrend = {e1, szerkCombo, lista, jelolo, szam, datum, e2, memo, gomb, e3};
        auto* l = new QVBoxLayout(&ablak);
        for (QWidget* w : sorrend)
            l->addWidget(w);
        gomb->setDefault(true);
        AblakBeallit(&ablak, false, true);
    }
};

} // namespace

void TestSegedUI::enterLep_data()
{
    QTest::addColumn<int>("honnan");
    QTest::addColumn<int>("hova");
    QTest::newRow("line edit") << 0 << 1;
    QTest::newRow("editable combo") << 1 << 2;
    QTest::newRow("drop-down list") << 2 << 3;
    QTest::newRow("check box") << 3 << 4;
    QTest::newRow("spin box") << 4 << 5;
    QTest::newRow("date edit") << 5 << 6;
    QTest::newRow("line edit before memo") << 6 << 7;
    QTest::newRow("multi-line edit keeps the focus") << 7 << 7;
    QTest::newRow("push button keeps the focus") << 8 << 8;
}

void TestSegedUI::enterLep()
{
    QFETCH(int, honnan);
    QFETCH(int, hova);
    EnterAblak a;
    QVERIFY(aktival(&a.ablak));
    QSignalSpy kattint(a.gomb, &QPushButton::clicked);
    QWidget* w = a.sorrend[honnan];
    w->setFocus();
    QVERIFY(w->hasFocus());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY2(a.sorrend[hova]->hasFocus(),
             qPrintable(
                 QStringLiteral("focus on ") +
                 (QApplication::focusWidget()
                      ? QString::fromLatin1(QApplication::focusWidget()->metaObject()->className())
                      : QStringLiteral("nothing"))));
    if (w == a.memo)
        QCOMPARE(a.memo->toPlainText(), QStringLiteral("\n"));
    // Enter on the default button clicks it; elsewhere nothing is clicked.
    QCOMPARE(kattint.count(), w == a.gomb ? 1 : 0);
    QVERIFY(a.ablak.isVisible() || w == a.gomb);
}

void TestSegedUI::enterGombotNyom()
{
    // Enter on a focused button that is not the default one presses it.
    QDialog d;
    d.setObjectName(QStringLiteral("frm_Gombok"));
    auto* e = new QLineEdit(&d);
    auto* teszt = new QPushButton(QStringLiteral("Teszt"), &d);
    auto* ok = new QPushButton(QStringLiteral("Rendben"), &d);
    for (QPushButton* b : {teszt, ok})
        b->setAutoDefault(false);
    auto* l = new QVBoxLayout(&d);
    l->addWidget(e);
    l->addWidget(teszt);
    l->addWidget(ok);
    AblakBeallit(&d, false, true);
    QSignalSpy tesztKatt(teszt, &QPushButton::clicked);
    QSignalSpy okKatt(ok, &QPushButton::clicked);
    QVERIFY(aktival(&d));
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Return);
    QCOMPARE(okKatt.count(), 1);
    QCOMPARE(tesztKatt.count(), 0);
}

void TestSegedUI::enterLepNelkulAlapGomb()
{
    QDialog d;
    auto* e = new QLineEdit(&d);
    auto* ok = new QPushButton(QStringLiteral("OK"), &d);
    auto* l = new QVBoxLayout(&d);
    l->addWidget(e);
    l->addWidget(ok);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, &d, &QDialog::accept);
    AblakBeallit(&d, false, false);
    QVERIFY(aktival(&d));
    e->setFocus();
    QTest::keyClick(e, Qt::Key_Return);
    QCOMPARE(d.result(), int(QDialog::Accepted));
}

void TestSegedUI::enterGombMezoben()
{
    // The field given to EnterGomb confirms with Enter (in a date edit too);
    // the other fields still move on.
    QDialog d;
    d.setObjectName(QStringLiteral("frm_EnterGomb"));
    auto* kod = new QLineEdit(&d);
    auto* jelszo = new QLineEdit(&d);
    auto* datum = new QDateEdit(&d);
    auto* ok = new QPushButton(QStringLiteral("OK"), &d);
    ok->setAutoDefault(false);
    auto* l = new QVBoxLayout(&d);
    for (QWidget* w : std::initializer_list<QWidget*>{kod, jelszo, datum, ok})
        l->addWidget(w);
    AblakBeallit(&d, false, true);
    EnterGomb(jelszo, ok);
    EnterGomb(datum, ok);
    QSignalSpy okKatt(ok, &QPushButton::clicked);
    QVERIFY(aktival(&d));
    kod->setFocus();
    QTest::keyClick(kod, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(jelszo));
    QCOMPARE(okKatt.count(), 0);
    QTest::keyClick(jelszo, Qt::Key_Return);
    QCOMPARE(okKatt.count(), 1);
    datum->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(okKatt.count(), 2);
    // A disabled button is not pressed, and the focus stays.
    ok->setEnabled(false);
    jelszo->setFocus();
    QTest::keyClick(jelszo, Qt::Key_Return);
    QCOMPARE(okKatt.count(), 2);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(jelszo));
}

void TestSegedUI::enterRacsSzerkesztoben()
{
    // Enter in a grid's cell editor commits the cell; the focus stays in the
    // grid.
    QDialog d;
    auto* v = new QTableView(&d);
    auto* utana = new QLineEdit(&d);
    QStandardItemModel m(2, 2);
    m.setItem(0, 0, new QStandardItem(QStringLiteral("régi")));
    v->setModel(&m);
    auto* l = new QVBoxLayout(&d);
    l->addWidget(v);
    l->addWidget(utana);
    AblakBeallit(&d, false, true);
    QVERIFY(aktival(&d));
    v->setCurrentIndex(m.index(0, 0));
    v->edit(m.index(0, 0));
    auto* szerk = v->viewport()->findChild<QLineEdit*>();
    QVERIFY(szerk);
    szerk->setText(QStringLiteral("új"));
    QTest::keyClick(szerk, Qt::Key_Return);
    QTRY_COMPARE(m.index(0, 0).data().toString(), QStringLiteral("új"));
    QVERIFY(!utana->hasFocus());
}

// --- geometry in the INI file ---------------------------------------------------

void TestSegedUI::helyVisszaEsMentes()
{
    iniIr("[frm_Teszt]\r\nLeft=120\r\nTop=90\r\n");
    {
        QDialog d;
        d.setObjectName(QStringLiteral("frm_Teszt"));
        d.setFixedSize(200, 100);
        AblakBeallit(&d, false);
        d.show();
        QCOMPARE(d.pos(), QPoint(120, 90));
        QCOMPARE(d.size(), QSize(200, 100));
        d.move(300, 210);
        d.hide();
    }
    QCOMPARE(IniOlvas(QStringLiteral("frm_Teszt"), QStringLiteral("Left")), QStringLiteral("300"));
    QCOMPARE(IniOlvas(QStringLiteral("frm_Teszt"), QStringLiteral("Top")), QStringLiteral("210"));
    // A fixed dialog keeps no size.
    QVERIFY(!iniTartalom().contains(QLatin1String("Width")));

    // Shown again by a new instance: where it was left.
    QDialog d2;
    d2.setObjectName(QStringLiteral("frm_Teszt"));
    d2.setFixedSize(200, 100);
    AblakBeallit(&d2, false);
    d2.show();
    QCOMPARE(d2.pos(), QPoint(300, 210));
    d2.close();
    QCOMPARE(IniOlvas(QStringLiteral("frm_Teszt"), QStringLiteral("Left")), QStringLiteral("300"));
}

void TestSegedUI::meretVisszaEsMentes()
{
    // Left/Top are the outer corner, Width/Height the inner size.
    iniIr("[frm_Lista]\r\nLeft=50\r\nTop=60\r\nWidth=400\r\nHeight=300\r\n");
    {
        QWidget w;
        w.setObjectName(QStringLiteral("frm_Lista"));
        w.resize(250, 150);
        AblakBeallit(&w, true);
        w.show();
        QCOMPARE(w.frameGeometry().topLeft(), QPoint(50, 60));
        QCOMPARE(w.size(), QSize(400, 300));
        w.move(70, 80);
        w.resize(500, 350);
        w.close();
    }
    QCOMPARE(IniOlvas(QStringLiteral("frm_Lista"), QStringLiteral("Left")), QStringLiteral("70"));
    QCOMPARE(IniOlvas(QStringLiteral("frm_Lista"), QStringLiteral("Top")), QStringLiteral("80"));
    QCOMPARE(IniOlvas(QStringLiteral("frm_Lista"), QStringLiteral("Width")), QStringLiteral("500"));
    QCOMPARE(IniOlvas(QStringLiteral("frm_Lista"), QStringLiteral("Height")),
             QStringLiteral("350"));

    // The next instance opens as the last one closed.
    QWidget w2;
    w2.setObjectName(QStringLiteral("frm_Lista"));
    w2.resize(250, 150);
    AblakBeallit(&w2, true);
    w2.show();
    QCOMPARE(w2.pos(), QPoint(70, 80));
    QCOMPARE(w2.size(), QSize(500, 350));

    // A window deleted while shown saves as well.
    auto* w3 = new QWidget;
    w3->setObjectName(QStringLiteral("frm_Lista"));
    AblakBeallit(w3, true);
    w3->show();
    w3->move(90, 95);
    delete w3;
    QCOMPARE(IniOlvas(QStringLiteral("frm_Lista"), QStringLiteral("Left")), QStringLiteral("90"));
}

void TestSegedUI::iniNelkulAlapHely()
{
    // No section yet: position 10,10 and the design size.
    QDialog d;
    d.setObjectName(QStringLiteral("frm_Uj"));
    d.setFixedSize(220, 120);
    AblakBeallit(&d, false);
    d.show();
    QCOMPARE(d.pos(), QPoint(10, 10));

    QWidget w;
    w.setObjectName(QStringLiteral("frm_UjMeretes"));
    w.resize(330, 210);
    AblakBeallit(&w, true);
    w.show();
    QCOMPARE(w.pos(), QPoint(10, 10));
    QCOMPARE(w.size(), QSize(330, 210));
}

void TestSegedUI::munkaTeruletbeIllesztes_data()
{
    QTest::addColumn<bool>("meretezheto");
    QTest::addColumn<QByteArray>("ini");
    // -1: against the right or bottom edge of the 1024 x 768 work area.
    QTest::addColumn<int>("bal");
    QTest::addColumn<int>("fent");
    // The inner width; -1: the outer width is the work area's.
    QTest::addColumn<int>("szeles");
    QTest::newRow("fixed, saved far right")
        << false << QByteArray("Left=1900\r\nTop=100\r\n") << 0 << 100 << 200;
    QTest::newRow("fixed, right edge beyond the area")
        << false << QByteArray("Left=900\r\nTop=700\r\n") << -1 << -1 << 200;
    QTest::newRow("resizable, right edge beyond the area")
        << true << QByteArray("Left=900\r\nTop=100\r\nWidth=300\r\nHeight=200\r\n") << -1 << 100
        << 300;
    QTest::newRow("resizable, wider than the area")
        << true << QByteArray("Left=100\r\nTop=100\r\nWidth=2000\r\nHeight=200\r\n") << 0 << 100
        << -1;
}

void TestSegedUI::munkaTeruletbeIllesztes()
{
    QFETCH(bool, meretezheto);
    QFETCH(QByteArray, ini);
    QFETCH(int, bal);
    QFETCH(int, fent);
    QFETCH(int, szeles);
    iniIr("[frm_Illeszt]\r\n" + ini);
    QDialog d;
    d.setObjectName(QStringLiteral("frm_Illeszt"));
    if (meretezheto)
        d.resize(200, 100);
    else
        d.setFixedSize(200, 100);
    AblakBeallit(&d, meretezheto);
    d.show();
    const QRect k = d.frameGeometry();
    QCOMPARE(k.width(), szeles < 0 ? 1024 : szeles + k.width() - d.width());
    QCOMPARE(k.left(), bal < 0 ? 1024 - k.width() : bal);
    QCOMPARE(k.top(), fent < 0 ? 768 - k.height() : fent);
}

void TestSegedUI::irhatatlanIniNemOmlikOssze()
{
    // A program folder whose "VexloF.ini" is a folder: nothing can be written.
    QTemporaryDir rossz;
    QVERIFY(QDir(rossz.path()).mkdir(QStringLiteral("VexloF.ini")));
    MappakBeallit(rossz.path());
    QDialog d;
    d.setObjectName(QStringLiteral("frm_Rossz"));
    d.setFixedSize(200, 100);
    AblakBeallit(&d, false);
    d.show();
    QCOMPARE(d.pos(), QPoint(10, 10));
    d.hide(); // must not throw out of the event handler
    QWidget w;
    w.setObjectName(QStringLiteral("frm_Rossz2"));
    AblakBeallit(&w, true);
    w.show();
    w.close();
    QVERIFY(!d.isVisible());
}

void TestSegedUI::betuMeret()
{
    Beall.BetuMeret = 12;
    QDialog d;
    auto* c = new QLabel(QStringLiteral("Címke"), &d);
    auto* e = new QLineEdit(&d);
    QFont sajat = e->font();
    sajat.setPixelSize(15);
    e->setFont(sajat);
    AblakBeallit(&d, false);
    QCOMPARE(d.font().pointSize(), 12);
    QCOMPARE(c->font().pointSize(), 12);
    // A control with a size of its own keeps it.
    QCOMPARE(e->font().pixelSize(), 15);
}

// --- sort column ----------------------------------------------------------------

namespace
{

QColor hatter(QTableView& v, int sor, int oszlop)
{
    const QImage kep = v.viewport()->grab().toImage();
    const QRect r = v.visualRect(v.model()->index(sor, oszlop));
    return kep.pixelColor(r.left() + 3, r.top() + 3);
}

void racsKeszit(QTableView& v, QStandardItemModel& m)
{
    m.setRowCount(3);
    m.setColumnCount(3);
    v.setModel(&m);
    v.resize(400, 200);
    v.show();
}

} // namespace

void TestSegedUI::oszlopKiemel()
{
    QTableView v;
    QStandardItemModel m;
    racsKeszit(v, m);
    const QColor alap = hatter(v, 0, 1);
    QVERIFY(alap != KiemeloSzin());

    OszlopKiemel(&v, 1);
    QVERIFY(qobject_cast<KiemeltOszlopDelegate*>(v.itemDelegate()));
    QCOMPARE(hatter(v, 0, 1), KiemeloSzin());
    QCOMPARE(hatter(v, 2, 1), KiemeloSzin());
    QCOMPARE(hatter(v, 0, 0), alap);
    QCOMPARE(hatter(v, 0, 2), alap);

    // A selected row shows the selection, not the highlight.
    v.selectRow(2);
    QVERIFY(hatter(v, 2, 1) != KiemeloSzin());
    QCOMPARE(hatter(v, 1, 1), KiemeloSzin());

    // Another sort column: the old one returns to the window colour.
    auto* delegate = v.itemDelegate();
    OszlopKiemel(&v, 2);
    QCOMPARE(v.itemDelegate(), delegate);
    QCOMPARE(hatter(v, 0, 2), KiemeloSzin());
    QCOMPARE(hatter(v, 0, 1), alap);

    OszlopKiemel(&v, -1);
    QCOMPARE(hatter(v, 0, 2), alap);
}

void TestSegedUI::oszlopKiemelSajatDelegate()
{
    // A window's own delegate is kept; derived from ours it highlights.
    class Sajat : public KiemeltOszlopDelegate
    {
    public:
        using KiemeltOszlopDelegate::KiemeltOszlopDelegate;
    };
    QTableView v;
    QStandardItemModel m;
    racsKeszit(v, m);
    auto* sajat = new Sajat(&v);
    v.setItemDelegate(sajat);
    OszlopKiemel(&v, 0);
    QCOMPARE(v.itemDelegate(), static_cast<QAbstractItemDelegate*>(sajat));
    QCOMPARE(hatter(v, 1, 0), KiemeloSzin());

    QTableView v2;
    QStandardItemModel m2;
    racsKeszit(v2, m2);
    auto* masik = new QItemDelegate(&v2);
    v2.setItemDelegate(masik);
    OszlopKiemel(&v2, 0);
    QCOMPARE(v2.itemDelegate(), static_cast<QAbstractItemDelegate*>(masik));
}

// --- run-time input dialog ------------------------------------------------------

void TestSegedUI::beviteliAblakOk()
{
    QString szoveg = QStringLiteral("régi");
    modalban<QDialog>([](QDialog* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Jelszó megadás"));
        auto* e = d->findChild<QLineEdit*>();
        QVERIFY(e);
        QCOMPARE(e->selectedText(), QStringLiteral("régi"));
        QCOMPARE(e->maxLength(), 255);
        QCOMPARE(e->echoMode(), QLineEdit::Password);
        QCOMPARE(e->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, e),
                 int('*'));
        QCOMPARE(d->findChild<QLabel*>()->text(), QStringLiteral("Add meg a szervízdíj jelszót"));
        // The width is 180 quarter character widths.
        const QSize k = AtlagKarakterSzelesseg(QFontMetrics(d->font()));
        QCOMPARE(d->width(), 180 * k.width() / 4);
        gepel(e, QStringLiteral("új"));
        auto* ok = d->findChild<QPushButton*>(QStringLiteral("ok"));
        QVERIFY(ok && ok->isDefault());
        QTest::keyClick(e, Qt::Key_Return);
    });
    QVERIFY(BeviteliAblak(QStringLiteral("Jelszó megadás"),
                          QStringLiteral("Add meg a szervízdíj jelszót"), QString(), szoveg,
                          QLatin1Char('*')));
    QCOMPARE(szoveg, QStringLiteral("új"));
}

void TestSegedUI::beviteliAblakMegsem()
{
    QString szoveg = QStringLiteral("12");
    modalban<QDialog>([](QDialog* d) {
        auto* e = d->findChild<QLineEdit*>();
        QCOMPARE(e->echoMode(), QLineEdit::Normal);
        QVERIFY(e->inputMask().startsWith(QLatin1String("999")));
        gepel(e, QStringLiteral("345"));
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("megsem")), Qt::LeftButton);
    });
    QVERIFY(!BeviteliAblak(QStringLiteral("Szám"), QStringLiteral("Add meg"), QStringLiteral("999"),
                           szoveg));
    QCOMPARE(szoveg, QStringLiteral("12"));
}

QTEST_MAIN(TestSegedUI)
#include "test_segedui.moc"

void TestSegedUI::magyarFelulet()
{
    // Qt's own texts in Hungarian and the Hungarian number form, from the
    // routine main() calls.
    QVERIFY(MagyarFelulet(*qApp));
    QVERIFY(MagyarFelulet(*qApp)); // a second call adds nothing
    QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    QCOMPARE(QLocale().toString(1.5), QStringLiteral("1,5"));
    QDialogButtonBox gombok(QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                            QDialogButtonBox::No);
    QCOMPARE(gombok.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Mégse"));
    QCOMPARE(gombok.button(QDialogButtonBox::Yes)->text().remove(QLatin1Char('&')),
             QStringLiteral("Igen"));
    // The right-click menu of the edits.
    QLineEdit e;
    std::unique_ptr<QMenu> menu(e.createStandardContextMenu());
    QStringList feliratok;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            feliratok << a->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
    QVERIFY2(!feliratok.contains(QStringLiteral("Undo")) &&
                 !feliratok.contains(QStringLiteral("Paste")),
             qPrintable(feliratok.join(QLatin1String(", "))));
    // Qt's own file dialog, as the backup and the printer set-up show it.
    QFileDialog fd(nullptr, QStringLiteral("Biztonsági mentés készítés"), m_mappa.path(),
                   QStringLiteral("SQL fájl (*.sql)"));
    fd.setOption(QFileDialog::DontUseNativeDialog);
    fd.setAcceptMode(QFileDialog::AcceptSave);
    fd.resize(720, 420);
    QVERIFY(aktival(&fd));
    auto* fdGombok = fd.findChild<QDialogButtonBox*>();
    QVERIFY(fdGombok);
    QCOMPARE(fdGombok->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Mégse"));
    kepMent(&fd, QStringLiteral("QFileDialog"));
    fd.reject();
    // The booking length and every number shown through SzamSzoveg.
    QCOMPARE(SzamSzoveg(1.5), QStringLiteral("1,5"));
    QLocale::setDefault(QLocale::c());
}
