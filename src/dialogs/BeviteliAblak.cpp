#include "SegedUI.h"

#include "JelszoStilus.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

bool BeviteliAblak(const QString& felirat, const QString& kerdes, const QString& maszk,
                   QString& szoveg, QChar jelszoKarakter, QWidget* szulo)
{
    QDialog ablak(szulo);
    ablak.setObjectName(QStringLiteral("BeviteliAblak"));
    ablak.setWindowTitle(felirat);
    ablak.setFont(QApplication::font());

    // Geometry in dialog units: a quarter of the average character width and
    // an eighth of the character height.
    const QSize k = AtlagKarakterSzelesseg(QFontMetrics(ablak.font()));
    auto x = [&](int egyseg) { return egyseg * k.width() / 4; };
    auto y = [&](int egyseg) { return egyseg * k.height() / 8; };

    auto* kerdesCimke = new QLabel(kerdes, &ablak);
    kerdesCimke->setObjectName(QStringLiteral("kerdes"));
    kerdesCimke->setWordWrap(true);
    const int cimkeSzeles = x(164);
    const int cimkeMagas = qMax(kerdesCimke->heightForWidth(cimkeSzeles), k.height());
    kerdesCimke->setGeometry(x(8), y(8), cimkeSzeles, cimkeMagas);

    auto* szerkeszto = new QLineEdit(&ablak);
    szerkeszto->setObjectName(QStringLiteral("szoveg"));
    szerkeszto->setMaxLength(255);
    if (!maszk.isEmpty())
        szerkeszto->setInputMask(maszk);
    if (!jelszoKarakter.isNull()) {
        // The style is created after the edit so that it outlives it.
        szerkeszto->setStyle(new JelszoStilus(jelszoKarakter, &ablak));
        szerkeszto->setEchoMode(QLineEdit::Password);
    }
    szerkeszto->setText(szoveg);
    szerkeszto->selectAll();
    const int szerkFent = kerdesCimke->geometry().bottom() + 1 + 5;
    szerkeszto->setGeometry(x(8), szerkFent, x(164), szerkeszto->sizeHint().height());

    const int gombFent = szerkeszto->geometry().bottom() + 1 + 15;
    auto* ok = new QPushButton(QStringLiteral("OK"), &ablak);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    ok->setGeometry(x(38), gombFent, x(50), y(14));
    auto* megsem = new QPushButton(QStringLiteral("Mégsem"), &ablak);
    megsem->setObjectName(QStringLiteral("megsem"));
    megsem->setGeometry(x(92), gombFent, x(50), y(14));
    QObject::connect(ok, &QPushButton::clicked, &ablak, &QDialog::accept);
    QObject::connect(megsem, &QPushButton::clicked, &ablak, &QDialog::reject);

    ablak.setFixedSize(x(180), gombFent + y(14) + 13);
    if (QScreen* kepernyo = szulo ? szulo->screen() : QGuiApplication::primaryScreen()) {
        QRect r(QPoint(0, 0), ablak.size());
        r.moveCenter(kepernyo->availableGeometry().center());
        ablak.move(r.topLeft());
    }
    szerkeszto->setFocus();

    if (ablak.exec() != QDialog::Accepted)
        return false;
    szoveg = szerkeszto->text();
    return true;
}
