#pragma once

// A tiny HTTP server for the download tests (header-only).

#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

// A tiny HTTP server on 127.0.0.1 answering every request the same way:
// a status with a body, or nothing at all.
class TesztSzerver : public QTcpServer
{
public:
    int allapot = 200;
    QByteArray torzs;
    bool hallgat = false;

    TesztSzerver()
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    s->readAll();
                    if (hallgat)
                        return;
                    QByteArray v = "HTTP/1.1 " + QByteArray::number(allapot) +
                                   (allapot == 200 ? " OK" : " Internal Server Error") +
                                   "\r\nContent-Type: text/csv\r\nContent-Length: " +
                                   QByteArray::number(torzs.size()) +
                                   "\r\nConnection: close\r\n\r\n" + torzs;
                    s->write(v);
                    s->disconnectFromHost();
                });
                connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
    }
    QUrl cim() const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/arlista.csv").arg(serverPort()));
    }
};
