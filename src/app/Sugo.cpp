#include "Sugo.h"

#include "Beall.h"
#include "Mappak.h"
#include "ProgramFajlok.h"
#include "SegedUI.h"
#include "Uzenetek.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QStringList>
#include <QUrl>
#include <QVBoxLayout>

QString KeszitoHonlap()
{
    return KeszitoHonlapUrl();
}

QString KeszitoEmail()
{
    return Beall.KeszitoEmail.trimmed();
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
    return KeszitoLevelUrl();
}

void Indit(const QString& cel)
{
    const QUrl url(cel);
    // Without a program for the address or document (a workstation without
    // a desktop) the operator is told so rather than left waiting.
    const auto nyit = [&cel](const QUrl& u) {
        if (!QDesktopServices::openUrl(u))
            Figyelmeztetes(QStringLiteral("Nincs program, amely megnyitná:\r\n") + cel);
    };
    if (!url.scheme().isEmpty() && url.scheme().size() > 1) {
        nyit(url);
        return;
    }
    if (cel.isEmpty())
        return;
    if (cel.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) {
        if (!QFileInfo::exists(cel)) {
            Figyelmeztetes(QStringLiteral("A program nem található:\r\n") +
                           QDir::toNativeSeparators(cel));
            return;
        }
        QProcess::startDetached(cel, {}, ProgramMappa());
        return;
    }
    // A missing document is said, not silently ignored.
    if (!QFileInfo::exists(cel)) {
        Figyelmeztetes(QStringLiteral("A fájl nem található:\r\n") + QDir::toNativeSeparators(cel));
        return;
    }
    nyit(QUrl::fromLocalFile(cel));
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
    QStringList sorok;
    if (!KeszitoHonlap().isEmpty())
        sorok
            << QStringLiteral("Honlap: <a href=\"%1\">%1</a>").arg(KeszitoHonlap().toHtmlEscaped());
    if (!KeszitoEmail().isEmpty())
        sorok << QStringLiteral("E-mail: <a href=\"mailto:%1\">%1</a>")
                     .arg(KeszitoEmail().toHtmlEscaped());
    return sorok.join(QStringLiteral("<br>"));
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
                       "<p>") +
            (elerhetoseg().isEmpty()
                 ? QString()
                 : QStringLiteral("Hiba vagy kérdés esetén keresse a készítőt:<br>") +
                       elerhetoseg()) +
            QStringLiteral("</p>"),
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
