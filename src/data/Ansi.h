#pragma once

// Conversions between text and the single-byte Windows-1250 ("ANSI") code
// page that receipt printers, stored INI files and backup scripts of the
// Windows workstations use. The table is our own so that no ICU codec is
// needed; bytes that Windows-1250 leaves undefined map to the C1 controls.

#include <QByteArray>
#include <QString>

// Text to Windows-1250 bytes; a character outside the code page becomes "?".
QByteArray AnsiBajtok(const QString& szoveg);
// Windows-1250 bytes to text.
QString AnsiSzoveg(const QByteArray& bajtok);
// True when every character of the text has a Windows-1250 byte.
bool AnsiKodolhato(const QString& szoveg);
// True when the bytes are well-formed UTF-8 and hold at least one non-ASCII
// character: such files (INI, backups, import lists) are decoded as UTF-8,
// anything else as Windows-1250.
bool Utf8Szoveg(const QByteArray& bajtok);
// Decodes a file's bytes by the rule above.
QString FajlSzoveg(const QByteArray& bajtok);
