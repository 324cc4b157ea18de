#pragma once

// Fetching a price-list file over HTTP into a file: the file is replaced only
// by a complete download; a server error, a refused connection, a timeout or
// a cancel leave it as it was.

#include <QString>
#include <QUrl>
#include <functional>

// Throws Hiba with the operator's message. idokorlat: milliseconds without
// any data from the server after which the download is given up. haladas(got,
// total) is called as data arrives (total -1 when unknown); false cancels.
// The function runs the event loop while it waits, so the window stays
// responsive.
void HttpLetolt(const QUrl& cim, const QString& fajl, int idokorlat = 30000,
                const std::function<bool(qint64, qint64)>& haladas = {});

// The beginning of the operator's message for a failed download.
QString LetoltesHibaElotag();
