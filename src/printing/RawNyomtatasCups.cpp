// The raw spooler job through CUPS: one job named "VRDL" with one raw
// document written in one piece, and the list of destinations. The server
// follows the CUPS client configuration (CUPS_SERVER, client.conf).

#include "RawNyomtatas.h"

#include <cups/cups.h>

namespace
{

QString cupsHiba()
{
    return QString::fromUtf8(cupsLastErrorString());
}

} // namespace

bool RawSpoolerNyomtat(const QString& nyomtato, const QByteArray& adat, QString* hiba)
{
    const QByteArray nev = nyomtato.toUtf8();
    const char* dokumentum = "VRDL";
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, nev.constData(), dokumentum, 0, nullptr);
    if (job == 0) {
        if (hiba)
            *hiba = QStringLiteral("%1: %2").arg(nyomtato, cupsHiba());
        return false;
    }
    bool ok = cupsStartDocument(CUPS_HTTP_DEFAULT, nev.constData(), job, dokumentum,
                                CUPS_FORMAT_RAW, 1) == HTTP_STATUS_CONTINUE;
    if (ok && !adat.isEmpty())
        ok = cupsWriteRequestData(CUPS_HTTP_DEFAULT, adat.constData(), size_t(adat.size())) ==
             HTTP_STATUS_CONTINUE;
    // Finish in every case: it also closes the request the server is waiting on.
    const bool vege = cupsFinishDocument(CUPS_HTTP_DEFAULT, nev.constData()) == IPP_STATUS_OK;
    if (!ok || !vege) {
        if (hiba)
            *hiba = QStringLiteral("%1: %2").arg(nyomtato, cupsHiba());
        cupsCancelJob2(CUPS_HTTP_DEFAULT, nev.constData(), job, 0);
        return false;
    }
    return true;
}

QStringList TelepitettNyomtatok()
{
    // The names the printer dialogs show: the queue, "/" and the instance
    // for an instance.
    cups_dest_t* celok = nullptr;
    const int db = cupsGetDests2(CUPS_HTTP_DEFAULT, &celok);
    QStringList nevek;
    for (int i = 0; i < db; ++i) {
        QString nev = QString::fromUtf8(celok[i].name);
        if (celok[i].instance)
            nev += QLatin1Char('/') + QString::fromUtf8(celok[i].instance);
        nevek << nev;
    }
    cupsFreeDests(db, celok);
    return nevek;
}
