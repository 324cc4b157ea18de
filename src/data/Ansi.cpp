#include "Ansi.h"

#include <QHash>

namespace
{

// Unicode code points of the bytes 0x80..0xFF in Windows-1250.
constexpr char16_t felsoFel[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // F8
};

const QHash<char16_t, char>& visszaTabla()
{
    static const QHash<char16_t, char> tabla = [] {
        QHash<char16_t, char> t;
        for (int i = 0; i < 128; ++i)
            t.insert(felsoFel[i], char(0x80 + i));
        return t;
    }();
    return tabla;
}

} // namespace

QByteArray AnsiBajtok(const QString& szoveg)
{
    QByteArray ki;
    ki.reserve(szoveg.size());
    const auto& tabla = visszaTabla();
    for (QChar c : szoveg) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            ki.append(char(u));
        } else {
            auto it = tabla.constFind(u);
            ki.append(it != tabla.cend() ? *it : '?');
        }
    }
    return ki;
}

QString AnsiSzoveg(const QByteArray& bajtok)
{
    QString ki;
    ki.reserve(bajtok.size());
    for (char b : bajtok) {
        const unsigned char u = static_cast<unsigned char>(b);
        ki.append(u < 0x80 ? QChar(u) : QChar(felsoFel[u - 0x80]));
    }
    return ki;
}

bool AnsiKodolhato(const QString& szoveg)
{
    const auto& tabla = visszaTabla();
    for (QChar c : szoveg)
        if (c.unicode() >= 0x80 && !tabla.contains(c.unicode()))
            return false;
    return true;
}

bool Utf8Szoveg(const QByteArray& bajtok)
{
    bool nemAscii = false;
    const int n = bajtok.size();
    for (int i = 0; i < n;) {
        const unsigned char c = static_cast<unsigned char>(bajtok[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int folytatas;
        if ((c & 0xE0) == 0xC0 && c >= 0xC2)
            folytatas = 1;
        else if ((c & 0xF0) == 0xE0)
            folytatas = 2;
        else if ((c & 0xF8) == 0xF0 && c <= 0xF4)
            folytatas = 3;
        else
            return false;
        for (int k = 1; k <= folytatas; ++k) {
            if (i + k >= n)
                return false;
            const unsigned char d = static_cast<unsigned char>(bajtok[i + k]);
            if ((d & 0xC0) != 0x80)
                return false;
        }
        nemAscii = true;
        i += folytatas + 1;
    }
    return nemAscii;
}

QString FajlSzoveg(const QByteArray& bajtok)
{
    QByteArray b = bajtok;
    if (b.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(b.mid(3));
    return Utf8Szoveg(b) ? QString::fromUtf8(b) : AnsiSzoveg(b);
}
