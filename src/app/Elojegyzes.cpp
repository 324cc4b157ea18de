#include "Elojegyzes.h"

#include "KozosDB.h"
#include "Seged.h"
#include "SegedUI.h"
#include "Tranzakcio.h"
#include "Uzenetek.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

int HosszFelorak(const QString& hossz)
{
    return int(KerekitParosra(SzamErtek(hossz, 0.0) * 2));
}

QString HosszCsokkent(const QString& hossz)
{
    const int n = HosszFelorak(hossz);
    return n > 1 ? SzamSzoveg((n - 1) / 2.0) : hossz;
}

QString HosszNovel(const QString& hossz)
{
    const int n = HosszFelorak(hossz);
    return n < 48 ? SzamSzoveg((n + 1) / 2.0) : hossz;
}

QString EloUjSql(int asztal, const QDate& nap, int ora, int felorak, const QString& szoveg,
                 const QString& nev)
{
    return QStringLiteral("CALL sp_ujelojegyzes(") + QString::number(asztal) + QLatin1Char(',') +
           SqlDatum(nap) + QLatin1Char(',') + QString::number(ora) + QLatin1Char(',') +
           QString::number(felorak) + QLatin1Char(',') + SqlIdez(szoveg) + QLatin1Char(',') +
           SqlIdez(nev) + QStringLiteral(");");
}

int EloMent(int asztal, const QDate& nap, int ora, int felorak, const QString& szoveg,
            const QString& nev, QSqlDatabase db)
{
    // The procedure answers with the key of the booking's last row; the
    // largest key could be another workstation's booking of the same moment.
    int kulcs = -1;
    TranzakcioIsmetel(
        [&] {
            QSqlQuery q = SqlNyit(EloUjSql(asztal, nap, ora, felorak, szoveg, nev), db);
            kulcs = q.next() && !q.value(0).isNull() && q.value(0).toInt() > 0 ? q.value(0).toInt()
                                                                               : -1;
        },
        5, db);
    return kulcs;
}

Tfrm_Elojegyzes::Tfrm_Elojegyzes(QWidget* szulo) : QDialog(szulo)
{
    setObjectName(QStringLiteral("frm_Elojegyzes"));
    setWindowTitle(QStringLiteral("Előjegyzés szerkesztés"));

    m_datum = new QLineEdit(this);
    m_ido = new QLineEdit(this);
    for (QLineEdit* e : {m_datum, m_ido}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
    }
    m_szoveg = new QComboBox(this);
    m_nev = new QComboBox(this);
    for (QComboBox* c : {m_szoveg, m_nev}) {
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setMinimumWidth(260);
        // The columns hold 50 characters.
        c->lineEdit()->setMaxLength(50);
    }

    m_minusz = new QPushButton(QStringLiteral("-"), this);
    m_plusz = new QPushButton(QStringLiteral("+"), this);
    m_hossz = new QLineEdit(QStringLiteral("1"), this);
    m_hossz->setAlignment(Qt::AlignCenter);
    m_hossz->setMaximumWidth(70);
    for (QPushButton* b : {m_minusz, m_plusz})
        b->setFixedWidth(36);
    auto* hosszSor = new QHBoxLayout;
    hosszSor->addWidget(m_minusz);
    hosszSor->addWidget(m_hossz);
    hosszSor->addWidget(m_plusz);
    hosszSor->addStretch(1);

    auto* urlap = new QFormLayout;
    urlap->addRow(QStringLiteral("Dátum"), m_datum);
    urlap->addRow(QStringLiteral("Idő"), m_ido);
    urlap->addRow(QStringLiteral("Szöveg"), m_szoveg);
    urlap->addRow(QStringLiteral("Név"), m_nev);
    urlap->addRow(QStringLiteral("Hossz (óra)"), hosszSor);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_megsem = new QPushButton(QStringLiteral("Mégsem"), this);
    auto* gombok = new QHBoxLayout;
    gombok->addStretch(1);
    gombok->addWidget(m_ok);
    gombok->addWidget(m_megsem);

    auto* fo = new QVBoxLayout(this);
    fo->addLayout(urlap);
    fo->addLayout(gombok);
    fo->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_szoveg, m_nev);
    setTabOrder(m_nev, m_plusz);
    setTabOrder(m_plusz, m_ok);
    setTabOrder(m_ok, m_megsem);
    setTabOrder(m_megsem, m_minusz);
    setTabOrder(m_minusz, m_hossz);

    connect(m_minusz, &QPushButton::clicked, this,
            [this] { m_hossz->setText(HosszCsokkent(m_hossz->text())); });
    connect(m_plusz, &QPushButton::clicked, this,
            [this] { m_hossz->setText(HosszNovel(m_hossz->text())); });
    connect(m_ok, &QPushButton::clicked, this, &Tfrm_Elojegyzes::accept);
    connect(m_megsem, &QPushButton::clicked, this, &QDialog::reject);

    AblakBeallit(this, false, true);
    m_szoveg->setFocus();
}

void Tfrm_Elojegyzes::beallit(const QDate& nap, const QString& ora2)
{
    DBComboFeltolt(m_szoveg, QStringLiteral("SELECT DISTINCT szoveg FROM elojegyzes ORDER BY 1;"));
    DBComboFeltolt(m_nev, QStringLiteral("SELECT DISTINCT nev FROM elojegyzes ORDER BY 1;"));
    m_datum->setText(DatumFormat(nap, QStringLiteral("yyyy.mm.dd")));
    m_ido->setText(ora2);
}

QString Tfrm_Elojegyzes::szoveg() const
{
    return m_szoveg->currentText();
}

QString Tfrm_Elojegyzes::nev() const
{
    return m_nev->currentText();
}

int Tfrm_Elojegyzes::felorak() const
{
    return HosszFelorak(m_hossz->text());
}

void Tfrm_Elojegyzes::accept()
{
    if (felorak() < 1) {
        HibaUzenet(QStringLiteral("Az előjegyzés hossza legalább fél óra."), this);
        m_hossz->setFocus();
        return;
    }
    QDialog::accept();
}

int EloUj(int asztal, int ora, const QString& ora2, const QDate& nap, QWidget* szulo)
{
    Tfrm_Elojegyzes d(szulo);
    d.beallit(nap, ora2);
    if (d.exec() != QDialog::Accepted)
        return -1;
    return EloMent(asztal, nap, ora, d.felorak(), d.szoveg(), d.nev());
}
