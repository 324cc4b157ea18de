#pragma once

// Reaching a receipt printer without a driver: a raw spooler job (CUPS on
// Linux, the Windows spooler on Windows), the list of installed printers,
// and the port path (LPT and COM names mapped to device files, or a file).

#include "Hiba.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// Sends the bytes as one raw job named "VRDL" to the named printer queue.
// False and the reason in *hiba when the spooler refuses the queue or the
// job (an empty name is refused too).
bool RawNyomtat(const QString& nyomtato, const QByteArray& adat, QString* hiba = nullptr);

// The names of the installed printers (queues), as the printer dialogs list
// them; empty when there are none. One implementation per platform.
QStringList TelepitettNyomtatok();

// A document that could not be printed: its message is the whole text of the
// error box, the translated "Hiba nyomtatás közben:", CR LF and the reason.
class NyomtatasHiba : public Hiba
{
public:
    explicit NyomtatasHiba(const QString& ok);
    QString hibaSzoveg() const override { return uzenet(); }
};
// The error text of the printing paths: the translated
// "Hiba nyomtatás közben:", CR LF and the reason.
QString NyomtatasHibaSzoveg(const QString& ok);

// Replaces the spooler behind RawNyomtat (tests); an empty function restores
// the spooler. Returns the previous replacement.
using RawCel = std::function<bool(const QString& nyomtato, const QByteArray& adat, QString* hiba)>;
RawCel RawNyomtatoCel(RawCel cel);

// The INI section that maps the port names to device files: keys "LPT1" to
// "LPT3" and "COM1" to "COM6".
inline const QString PortSzakasz = QStringLiteral("Portok");
// The device file a port name stands for by default: LPT1..LPT3 ->
// /dev/lp0..2, COM1..COM6 -> /dev/ttyS0..5 (on Windows the port name
// itself); empty for other names.
QString PortAlapEszkoz(const QString& port);

// The file a profile on the port "FILE" writes to when it names none:
// AdatMappa() + "/Nyomtatas.txt".
QString FajlKimenetAlap();

// The file the port path writes for a name: the configured (or default)
// device of LPT1..LPT3 and COM1..COM6 (any case), FajlKimenetAlap() for
// "FILE", any other non-empty name as a file path (a device such as
// /dev/usb/lp0, or a file; a relative path lies in the data folder). Empty,
// with the reason in *hiba, for an empty name and for LPT or COM numbers
// without a device.
QString PortFajl(const QString& nev, QString* hiba = nullptr);

// True when the port path must not create the file: mapped ports and paths
// under /dev (a missing printer device is an error, not a new file).
bool PortEszkozE(const QString& nev);

// Writes the bytes to the port or file of the name, replacing any content.
// False and the reason in *hiba on failure.
bool PortraIr(const QString& nev, const QByteArray& adat, QString* hiba = nullptr);
