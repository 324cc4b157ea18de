#pragma once

// A plain Windows INI file ("[Section]" lines and "key=value" lines), read and
// written the way the Windows profile functions do: section and key names
// compare without regard to letter case, values are trimmed, and the lines
// that are not touched are written back byte for byte (comments, blank
// lines, the order of keys, the file's line ends and its encoding).
//
// A file whose bytes are UTF-8 is kept in UTF-8; any other file is taken to
// be in the Windows-1250 code page, as the Windows workstations write it. A
// new file is written in UTF-8.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class IniAllomany
{
public:
    explicit IniAllomany(const QString& utvonal);

    const QString& utvonal() const { return m_utvonal; }
    bool letezik() const { return m_letezett; }

    bool vanKulcs(const QString& szakasz, const QString& kulcs) const;
    QString olvas(const QString& szakasz, const QString& kulcs, const QString& alap = {}) const;
    // Typed reads with a default for a missing or unreadable value. Booleans
    // are written as 1 and 0 and any other integer reads as true ("true" and
    // "false" are read too); numbers take either decimal mark.
    int olvasEgesz(const QString& szakasz, const QString& kulcs, int alap) const;
    bool olvasLogikai(const QString& szakasz, const QString& kulcs, bool alap) const;
    double olvasSzam(const QString& szakasz, const QString& kulcs, double alap) const;
    void ir(const QString& szakasz, const QString& kulcs, const QString& ertek);
    void torol(const QString& szakasz, const QString& kulcs);
    QStringList kulcsok(const QString& szakasz) const;
    QStringList szakaszok() const;

    // Writes the file when it changed. Throws std::runtime_error when the file
    // cannot be written.
    void ment();

private:
    struct Sor {
        QByteArray nyers; // the line as read (without its line end)
        QString szakasz;  // for a "[x]" line: x; otherwise empty
        QString kulcs;    // for a "k=v" line: k (trimmed); otherwise empty
        QString ertek;    // for a "k=v" line: v (trimmed)
        bool kulcsSor = false;
        bool szakaszSor = false;
    };

    int szakaszIndex(const QString& szakasz) const;
    int kulcsIndex(const QString& szakasz, const QString& kulcs) const;
    QByteArray kodol(const QString& s) const;
    QString dekodol(const QByteArray& b) const;

    QString m_utvonal;
    QList<Sor> m_sorok;
    QByteArray m_sorveg = "\n";
    bool m_utf8 = true;
    bool m_letezett = false;
    bool m_valtozott = false;
};
