// The raw spooler job through the Windows spooler: a level-1 document named
// "VRDL" of data type "RAW", one page, the whole byte string in one write;
// and the list of local and connected printers.

#include "RawNyomtatas.h"

#include <string>
#include <vector>

#include <windows.h>
#include <winspool.h>

bool RawSpoolerNyomtat(const QString& nyomtato, const QByteArray& adat, QString* hiba)
{
    const auto hibaSzoveg = [&](const char* lepes) {
        if (hiba)
            *hiba = QStringLiteral("%1: %2 (%3)")
                        .arg(nyomtato, QString::fromLatin1(lepes))
                        .arg(GetLastError());
    };
    std::wstring nev = nyomtato.toStdWString();
    HANDLE h = nullptr;
    if (!OpenPrinterW(nev.data(), &h, nullptr)) {
        hibaSzoveg("OpenPrinter");
        return false;
    }
    wchar_t dokNev[] = L"VRDL";
    wchar_t tipus[] = L"RAW";
    DOC_INFO_1W doc{dokNev, nullptr, tipus};
    bool ok = StartDocPrinterW(h, 1, reinterpret_cast<LPBYTE>(&doc)) != 0;
    if (!ok) {
        hibaSzoveg("StartDocPrinter");
        ClosePrinter(h);
        return false;
    }
    DWORD irt = 0;
    ok = StartPagePrinter(h) &&
         WritePrinter(h, const_cast<char*>(adat.constData()), DWORD(adat.size()), &irt) &&
         irt == DWORD(adat.size());
    if (!ok)
        hibaSzoveg("WritePrinter");
    EndPagePrinter(h);
    EndDocPrinter(h);
    ClosePrinter(h);
    return ok;
}

QStringList TelepitettNyomtatok()
{
    const DWORD jelzok = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD kell = 0;
    DWORD db = 0;
    EnumPrintersW(jelzok, nullptr, 4, nullptr, 0, &kell, &db);
    QStringList nevek;
    if (kell == 0)
        return nevek;
    std::vector<BYTE> tar(kell);
    if (!EnumPrintersW(jelzok, nullptr, 4, tar.data(), kell, &kell, &db))
        return nevek;
    const auto* info = reinterpret_cast<const PRINTER_INFO_4W*>(tar.data());
    for (DWORD i = 0; i < db; ++i)
        nevek << QString::fromWCharArray(info[i].pPrinterName);
    return nevek;
}
