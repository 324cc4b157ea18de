#include "HttpLetoltes.h"

#include "Hiba.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>

QString LetoltesHibaElotag()
{
    return QStringLiteral("Hiba letöltés közben: Kiszolgáló nem elérhető, vagy\r\nspeciális "
                          "proxibeállítások szükségesek\r\n");
}

void HttpLetolt(const QUrl& cim, const QString& fajl, int idokorlat,
                const std::function<bool(qint64, qint64)>& haladas)
{
    if (!cim.isValid() || cim.scheme().isEmpty() || cim.host().isEmpty())
        throw Hiba(LetoltesHibaElotag() + QStringLiteral("Érvénytelen cím: ") + cim.toString());
    QSaveFile ki(fajl);
    if (!ki.open(QIODevice::WriteOnly))
        throw Hiba(QStringLiteral("File létrehozási hiba"));

    QNetworkAccessManager nam;
    QNetworkRequest kerdes(cim);
    kerdes.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                        QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* valasz = nam.get(kerdes);
    QEventLoop hurok;
    QTimer ora;
    ora.setSingleShot(true);
    ora.setInterval(idokorlat);
    bool lejart = false, megszakitva = false, irasHiba = false;
    QObject::connect(&ora, &QTimer::timeout, &hurok, [&] {
        lejart = true;
        valasz->abort();
    });
    QObject::connect(valasz, &QNetworkReply::readyRead, &hurok, [&] {
        ora.start();
        const QByteArray adat = valasz->readAll();
        if (ki.write(adat) != adat.size()) {
            irasHiba = true;
            valasz->abort();
        }
    });
    QObject::connect(valasz, &QNetworkReply::downloadProgress, &hurok,
                     [&](qint64 megvan, qint64 osszes) {
                         ora.start();
                         if (haladas && !megszakitva && !haladas(megvan, osszes)) {
                             megszakitva = true;
                             valasz->abort();
                         }
                     });
    // A cancel is also noticed while the server sends nothing.
    qint64 utolsoMegvan = 0, utolsoOsszes = -1;
    QTimer figyelo;
    figyelo.setInterval(200);
    QObject::connect(valasz, &QNetworkReply::downloadProgress, &hurok,
                     [&](qint64 megvan, qint64 osszes) {
                         utolsoMegvan = megvan;
                         utolsoOsszes = osszes;
                     });
    QObject::connect(&figyelo, &QTimer::timeout, &hurok, [&] {
        if (haladas && !megszakitva && !haladas(utolsoMegvan, utolsoOsszes)) {
            megszakitva = true;
            valasz->abort();
        }
    });
    figyelo.start();
    QObject::connect(valasz, &QNetworkReply::finished, &hurok, &QEventLoop::quit);
    ora.start();
    if (!valasz->isFinished())
        hurok.exec(QEventLoop::ExcludeUserInputEvents);
    ora.stop();
    figyelo.stop();

    const QNetworkReply::NetworkError hibaKod = valasz->error();
    const QString hibaSzoveg = valasz->errorString();
    const int allapot = valasz->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (hibaKod == QNetworkReply::NoError && !irasHiba)
        ki.write(valasz->readAll());
    valasz->deleteLater();

    if (megszakitva) {
        ki.cancelWriting();
        throw Hiba(QStringLiteral("A letöltés megszakítva."));
    }
    if (lejart) {
        ki.cancelWriting();
        throw Hiba(LetoltesHibaElotag() +
                   QStringLiteral("Időtúllépés: a kiszolgáló %1 másodpercig nem küldött adatot.")
                       .arg(idokorlat / 1000.0, 0, 'g', 3));
    }
    if (irasHiba) {
        ki.cancelWriting();
        throw Hiba(QStringLiteral("File írási hiba: ") + fajl);
    }
    if (hibaKod != QNetworkReply::NoError || (allapot != 0 && (allapot < 200 || allapot > 299))) {
        ki.cancelWriting();
        QString uzenet = hibaSzoveg;
        if (allapot != 0)
            uzenet = QStringLiteral("HTTP %1: ").arg(allapot) + uzenet;
        throw Hiba(LetoltesHibaElotag() + uzenet);
    }
    if (!ki.commit())
        throw Hiba(QStringLiteral("File írási hiba: ") + fajl + QStringLiteral(": ") +
                   ki.errorString());
}
