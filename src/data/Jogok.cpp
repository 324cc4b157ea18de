#include "Jogok.h"

#include "Seged.h"

#include <QSqlRecord>

unsigned JogBitek(const TJog& jog)
{
    unsigned b = 0;
    for (const JogLeiras& j : Jogok)
        if (jog.*(j.mezo))
            b |= j.bit;
    return b;
}

void JogokOlvas(TJog& jog, const QSqlRecord& sor)
{
    for (const JogLeiras& j : Jogok)
        jog.*(j.mezo) = IgenE(sor.value(QLatin1String(j.oszlop)));
}
