#include "Sugo.h"

#include "Beall.h"
#include "Mappak.h"
#include "ProgramFajlok.h"
#include "SegedUI.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QUrl>
#include <QVBoxLayout>

QString KeszitoHonlap()
{
    return QStringLiteral("https://www.vexlo-szoftver.hu");
}

QString KeszitoEmail()
{
    return QStringLiteral("info@vexlo-szoftver.hu");
}

QString SugoFajl()
{
    return ProgramFajl(QStringLiteral("Help/index.htm"));
}

QString DokumentacioFajl()
{
    return ProgramFajl(QStringLiteral("Docs/VexloF.pdf"));
}

QString UjdonsagProgram()
{
    return ProgramMappa() + QStringLiteral("/Ujdonsag.exe");
}

QString LevelCim()
{
    return QStringLiteral("mailto:") + KeszitoEmail() +
           QStringLiteral("?subject=Vexlo.F%20program");
}

void Indit(const QString& cel)
{
    const QUrl url(cel);
    if (!url.scheme().isEmpty() && url.scheme().size() > 1) {
        QDesktopServices::openUrl(url);
        return;
    }
    if (cel.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) {
        QProcess::startDetached(cel, {}, ProgramMappa());
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(cel));
}

namespace
{

void szovegAblak(const QString& cim, const QString& html, QWidget* szulo)
{
    QDialog d(szulo);
    d.setObjectName(QStringLiteral("frm_Informacio"));
    d.setWindowTitle(cim);
    auto* l = new QVBoxLayout(&d);
    auto* szoveg = new QLabel(html, &d);
    szoveg->setTextFormat(Qt::RichText);
    szoveg->setWordWrap(true);
    szoveg->setOpenExternalLinks(true);
    szoveg->setMinimumWidth(420);
    l->addWidget(szoveg);
    auto* gombok = new QDialogButtonBox(QDialogButtonBox::Ok, &d);
    QObject::connect(gombok, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    l->addWidget(gombok);
    AblakBeallit(&d, false, false);
    d.exec();
}

QString elerhetoseg()
{
    return QStringLiteral("Honlap: <a href=\"%1\">%1</a><br>E-mail: <a href=\"mailto:%2\">%2</a>")
        .arg(KeszitoHonlap(), KeszitoEmail());
}

} // namespace

void FontosInformaciok(QWidget* szulo)
{
    szovegAblak(
        QStringLiteral("Fontos információk"),
        QStringLiteral("<h3>Vexlo.F fodrász- és kozmetikai szalon program</h3>"
                       "<p>A program adatait a MySQL adatbázis tárolja. Rendszeresen készítsen "
                       "biztonsági mentést a <i>Rendszer / Adatbázisok</i> menüpontban.</p>"
                       "<p>A nap zárása előtt minden fodrász számláját rendezni kell; lezárt "
                       "műszakban rendelés nem vehető fel.</p>"
                       "<p>Hiba vagy kérdés esetén keresse a készítőt:<br>") +
            elerhetoseg() + QStringLiteral("</p>"),
        szulo);
}

void Nevjegy(QWidget* szulo)
{
    szovegAblak(QStringLiteral("Névjegy"),
                QStringLiteral("<h3>Vexlo.F V") + ProgramVerzio +
                    QStringLiteral("</h3><p>Értékesítés, előjegyzés, készlet- és pénztárkezelés "
                                   "fodrász- és kozmetikai szalonoknak.</p><p>") +
                    elerhetoseg() + QStringLiteral("</p>"),
                szulo);
}
