#include "IdoSzinkron.h"

#include "DbHiba.h"
#include "KozosDB.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <ctime>
#endif

bool OraBeallit(const QDateTime& ido)
{
    if (!ido.isValid())
        return false;
#ifdef Q_OS_WIN
    SYSTEMTIME st{};
    const QDate d = ido.date();
    const QTime t = ido.time();
    st.wYear = WORD(d.year());
    st.wMonth = WORD(d.month());
    st.wDay = WORD(d.day());
    st.wHour = WORD(t.hour());
    st.wMinute = WORD(t.minute());
    st.wSecond = WORD(t.second());
    if (!SetLocalTime(&st))
        return false;
    // Other programs learn of the change as they would from the clock
    // applet.
    SendMessageTimeout(HWND_BROADCAST, WM_TIMECHANGE, 0, 0, SMTO_ABORTIFHUNG, 1000, nullptr);
    return true;
#else
    // The server's time is local time; the system clock counts from the
    // epoch.
    timespec ts{};
    ts.tv_sec = time_t(ido.toSecsSinceEpoch());
    ts.tv_nsec = 0;
    return clock_settime(CLOCK_REALTIME, &ts) == 0;
#endif
}

void IdoSzinkronizal()
{
    try {
        OraBeallit(SqlDatumIdo(QStringLiteral("SELECT NOW();"), QDateTime()));
    } catch (const DbHiba&) {
        // A failed synchronisation leaves the clock as it was.
    }
}
