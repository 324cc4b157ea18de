#include "TorzsSzerkeszt.h"

#include "DbHiba.h"
#include "Hiba.h"
#include "KozosDB.h"
#include "Seged.h"
#include "SegedUI.h"
#include "SzamSzuro.h"
#include "Uzenetek.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlRecord>
#include <QToolButton>
#include <QVBoxLayout>

TorzsSzerkeszt::TorzsSzerkeszt(const TablaLeiras& leiras, const QString& nev,
                               const QString& felirat, int kulcs, QWidget* szulo)
    : QDialog(szulo), m_leiras(leiras), m_kulcs(kulcs)
{
    setObjectName(nev);
    setWindowTitle(felirat);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto* fo = new QVBoxLayout(this);
    m_oszlopok = new QHBoxLayout;
    m_oszlopok->setSpacing(16);
    fo->addLayout(m_oszlopok);
    m_urlap = new QFormLayout;
    m_urlap->setLabelAlignment(Qt::AlignLeft);
    m_oszlopok->addLayout(m_urlap);
    fo->setSizeConstraint(QLayout::SetFixedSize);
}

void TorzsSzerkeszt::mezoHozzaad(const QString& mezo, const QString& cimke, QWidget* w,
                                 QWidget* sorElem)
{
    w->setObjectName(QStringLiteral("edt_") + mezo);
    m_mezok << mezo;
    m_vezerlok.insert(mezo, w);
    m_cimkek.insert(mezo, cimke);
    if (cimke.isEmpty())
        m_urlap->addRow(sorElem);
    else
        m_urlap->addRow(cimke, sorElem);
}

QLineEdit* TorzsSzerkeszt::szoveg(const QString& mezo, const QString& cimke, bool nagybetu)
{
    auto* e = new QLineEdit(this);
    e->setMinimumWidth(260);
    if (nagybetu)
        m_nagybetuk << mezo;
    if (nagybetu)
        connect(e, &QLineEdit::textEdited, e, [e](const QString& t) {
            const int p = e->cursorPosition();
            e->setText(t.toUpper());
            e->setCursorPosition(p);
        });
    mezoHozzaad(mezo, cimke, e, e);
    return e;
}

QLineEdit* TorzsSzerkeszt::szam(const QString& mezo, const QString& cimke, bool egesz,
                                bool csakOlvas)
{
    auto* e = new QLineEdit(this);
    e->setMaximumWidth(140);
    e->setAlignment(Qt::AlignRight);
    if (csakOlvas) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
    } else {
        e->installEventFilter(new SzamSzuro(
            egesz ? QStringLiteral("-0123456789") : QStringLiteral("-0123456789.,"), e));
    }
    if (egesz)
        m_egeszek << mezo;
    mezoHozzaad(mezo, cimke, e, e);
    return e;
}

QCheckBox* TorzsSzerkeszt::jelzo(const QString& mezo, const QString& cimke)
{
    auto* c = new QCheckBox(cimke, this);
    mezoHozzaad(mezo, QString(), c, c);
    m_cimkek.insert(mezo, cimke);
    return c;
}

QPlainTextEdit* TorzsSzerkeszt::memo(const QString& mezo, const QString& cimke)
{
    auto* m = new QPlainTextEdit(this);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m->setTabChangesFocus(true);
    m->setFixedHeight(80);
    mezoHozzaad(mezo, cimke, m, m);
    return m;
}

QToolButton* TorzsSzerkeszt::valaszto(const QString& mezo, const QString& cimke,
                                      std::function<int(int)> valaszt,
                                      std::function<QString(int)> nev)
{
    auto* sor = new QWidget(this);
    auto* h = new QHBoxLayout(sor);
    h->setContentsMargins(0, 0, 0, 0);
    auto* doboz = new QLineEdit(sor);
    doboz->setReadOnly(true);
    doboz->setFocusPolicy(Qt::NoFocus);
    doboz->setObjectName(QStringLiteral("nev_") + mezo);
    auto* gomb = new QToolButton(sor);
    gomb->setText(QStringLiteral("…"));
    h->addWidget(doboz, 1);
    h->addWidget(gomb);
    mezoHozzaad(mezo, cimke, gomb, sor);
    m_nevek.insert(mezo, nev);
    m_nevDobozok.insert(mezo, doboz);
    connect(gomb, &QToolButton::clicked, this, [this, mezo, valaszt, doboz, nev] {
        const int k = valaszt(m_sor.value(mezo).toInt());
        if (k != -1)
            m_sor.insert(mezo, k);
        doboz->setText(nev(m_sor.value(mezo).toInt()));
        focusNextChild();
    });
    return gomb;
}

QButtonGroup* TorzsSzerkeszt::radio(const QString& mezo, const QString& cimke,
                                    const QStringList& elemek, const QVariantList& ertekek)
{
    auto* doboz = new QWidget(this);
    auto* v = new QVBoxLayout(doboz);
    v->setContentsMargins(0, 0, 0, 0);
    auto* g = new QButtonGroup(doboz);
    for (int i = 0; i < elemek.size(); ++i) {
        auto* r = new QRadioButton(elemek[i], doboz);
        g->addButton(r, i);
        v->addWidget(r);
    }
    m_radioErtekek.insert(mezo, ertekek);
    mezoHozzaad(mezo, cimke, doboz, doboz);
    doboz->setProperty("gombcsoport", QVariant::fromValue(static_cast<QObject*>(g)));
    return g;
}

QComboBox* TorzsSzerkeszt::combo(const QString& mezo, const QString& cimke, const QString& sql)
{
    auto* c = new QComboBox(this);
    c->setEditable(true);
    DBComboFeltolt(c, sql);
    mezoHozzaad(mezo, cimke, c, c);
    return c;
}

QComboBox* TorzsSzerkeszt::lista(const QString& mezo, const QString& cimke,
                                 const QStringList& elemek, const QVariantList& ertekek)
{
    auto* c = new QComboBox(this);
    c->addItems(elemek);
    m_listaErtekek.insert(mezo, ertekek);
    mezoHozzaad(mezo, cimke, c, c);
    return c;
}

void TorzsSzerkeszt::ujOszlop()
{
    m_urlap = new QFormLayout;
    m_urlap->setLabelAlignment(Qt::AlignLeft);
    m_oszlopok->addLayout(m_urlap);
}

void TorzsSzerkeszt::gombok()
{
    auto* sor = new QHBoxLayout;
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("btnOK"));
    auto* megsem = new QPushButton(QStringLiteral("Mégsem"), this);
    megsem->setObjectName(QStringLiteral("btnMegsem"));
    sor->addStretch(1);
    sor->addWidget(m_ok);
    sor->addWidget(megsem);
    static_cast<QVBoxLayout*>(layout())->addLayout(sor);
    connect(m_ok, &QPushButton::clicked, this, &TorzsSzerkeszt::accept);
    connect(megsem, &QPushButton::clicked, this, &QDialog::reject);
    AblakBeallit(this, false, true);
}

void TorzsSzerkeszt::kotelezo(const QString& mezo, const QString& uzenet)
{
    m_kotelezok << std::pair{mezo, uzenet};
}

void TorzsSzerkeszt::betolt()
{
    const QHash<QString, int> hosszak = MezoHosszak(m_leiras.tabla);
    for (auto i = m_vezerlok.cbegin(); i != m_vezerlok.cend(); ++i)
        if (auto* e = qobject_cast<QLineEdit*>(i.value()); e && hosszak.contains(i.key()))
            e->setMaxLength(hosszak.value(i.key()));

    m_sor.clear();
    if (m_kulcs < 0) {
        if (m_leiras.ujErtekek)
            m_sor = m_leiras.ujErtekek();
        if (m_ajanlott > 0)
            m_sor.insert(m_leiras.kulcs, m_ajanlott);
    } else {
        QSqlQuery q = SqlNyit(QLatin1String("SELECT * FROM ") + m_leiras.tabla +
                              QLatin1String(" WHERE ") + m_leiras.kulcs + QLatin1Char('=') +
                              QString::number(m_kulcs) + QLatin1Char(';'));
        if (!q.next())
            throw Hiba(QStringLiteral("A sort időközben törölték."));
        const QSqlRecord r = q.record();
        for (int i = 0; i < r.count(); ++i)
            m_sor.insert(r.fieldName(i), q.value(i));
    }
    vezerlokbe();
}

void TorzsSzerkeszt::vezerlokbe()
{
    for (const QString& mezo : m_mezok) {
        QWidget* w = m_vezerlok.value(mezo);
        const QVariant v = m_sor.value(mezo);
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            if (v.isNull())
                e->clear();
            else if (v.metaType().id() == QMetaType::Double)
                e->setText(SzamSzoveg(v.toDouble()));
            else
                e->setText(v.toString());
        } else if (auto* c = qobject_cast<QCheckBox*>(w)) {
            c->setChecked(IgenE(v));
        } else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
            m->setPlainText(v.toString());
        } else if (auto* cb = qobject_cast<QComboBox*>(w)) {
            if (m_listaErtekek.contains(mezo)) {
                const QVariantList& l = m_listaErtekek.value(mezo);
                for (int i = 0; i < l.size(); ++i)
                    if (l[i].toString() == v.toString())
                        cb->setCurrentIndex(i);
            } else {
                cb->setEditText(v.toString());
            }
        } else if (m_nevDobozok.contains(mezo)) {
            m_nevDobozok.value(mezo)->setText(m_nevek.value(mezo)(v.toInt()));
        } else if (m_radioErtekek.contains(mezo)) {
            auto* g = qobject_cast<QButtonGroup*>(w->property("gombcsoport").value<QObject*>());
            const QVariantList& l = m_radioErtekek.value(mezo);
            for (int i = 0; i < l.size(); ++i)
                if (l[i].toString() == v.toString() && g->button(i))
                    g->button(i)->setChecked(true);
        }
    }
}

QVariantMap TorzsSzerkeszt::ertekek() const
{
    QVariantMap ki = m_sor;
    // Read-only columns of an existing row are not written back.
    if (m_kulcs >= 0) {
        ki.clear();
        for (const QString& mezo : m_mezok)
            ki.insert(mezo, m_sor.value(mezo));
    }
    for (const QString& mezo : m_mezok) {
        QWidget* w = m_vezerlok.value(mezo);
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            if (e->isReadOnly()) {
                ki.remove(mezo);
                continue;
            }
            if (e->alignment() & Qt::AlignRight) {
                const QString t = e->text().trimmed();
                if (t.isEmpty())
                    ki.insert(mezo, m_egeszek.contains(mezo) ? QVariant(0) : QVariant(0.0));
                else if (m_egeszek.contains(mezo))
                    ki.insert(mezo, EgeszErtek(t));
                else
                    ki.insert(mezo, SzamErtek(t));
            } else {
                ki.insert(mezo, m_nagybetuk.contains(mezo) ? e->text().toUpper() : e->text());
            }
        } else if (auto* c = qobject_cast<QCheckBox*>(w)) {
            ki.insert(mezo, c->isChecked() ? QStringLiteral("I") : QStringLiteral("N"));
        } else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
            ki.insert(mezo, m->toPlainText());
        } else if (auto* cb = qobject_cast<QComboBox*>(w)) {
            if (m_listaErtekek.contains(mezo)) {
                const QVariantList& l = m_listaErtekek.value(mezo);
                if (cb->currentIndex() >= 0 && cb->currentIndex() < l.size())
                    ki.insert(mezo, l[cb->currentIndex()]);
            } else {
                ki.insert(mezo, cb->currentText());
            }
        } else if (m_radioErtekek.contains(mezo)) {
            auto* g = qobject_cast<QButtonGroup*>(w->property("gombcsoport").value<QObject*>());
            const int i = g->checkedId();
            const QVariantList& l = m_radioErtekek.value(mezo);
            if (i >= 0 && i < l.size())
                ki.insert(mezo, l[i]);
        }
    }
    return ki;
}

void TorzsSzerkeszt::accept()
{
    QVariantMap e = ertekek();
    for (const auto& [mezo, uzenet] : m_kotelezok) {
        if (e.value(mezo).toString().trimmed().isEmpty()) {
            HibaUzenet(uzenet, this);
            if (QWidget* w = m_vezerlok.value(mezo))
                w->setFocus();
            return;
        }
    }
    if (okElott && !okElott(e))
        return;
    try {
        m_eredmeny = SorMent(m_leiras, e, m_kulcs, m_ajanlott, m_cimkek);
    } catch (const Hiba& h) {
        HibaUzenet(QStringLiteral("Hiányos, vagy hibás adatmegadás\n") + h.uzenet(), this);
        return;
    }
    QDialog::accept();
}

int SzerkesztoFuttat(TorzsSzerkeszt& d)
{
    d.betolt();
    if (d.exec() != QDialog::Accepted)
        return -1;
    return d.eredmeny();
}
