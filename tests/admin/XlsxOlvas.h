#pragma once

// Reading a written worksheet back for the tests: the cells of the first
// sheet of an .xlsx archive, from its XML (shared or inline strings).

#include <QMap>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>
#include <quazip.h>
#include <quazipfile.h>

// reference ("B2") -> text; numbers as written in the XML. szamok, when
// given, tells which cells are number cells.
inline // Cells of the first worksheet: reference -> text (numbers as written).
    QMap<QString, QString>
    xlsxCellak(const QString& fajl, QMap<QString, bool>* szamok = nullptr)
{
    QuaZip zip(fajl);
    if (!zip.open(QuaZip::mdUnzip))
        return {};
    auto olvas = [&](const QString& nev) -> QByteArray {
        if (!zip.setCurrentFile(nev))
            return {};
        QuaZipFile f(&zip);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return f.readAll();
    };
    QStringList kozos;
    {
        QXmlStreamReader x(olvas(QStringLiteral("xl/sharedStrings.xml")));
        QString akt;
        bool si = false;
        while (!x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.name() == QLatin1String("si")) {
                si = true;
                akt.clear();
            } else if (si && x.isStartElement() && x.name() == QLatin1String("t")) {
                akt += x.readElementText();
            } else if (x.isEndElement() && x.name() == QLatin1String("si")) {
                si = false;
                kozos.append(akt);
            }
        }
    }
    QMap<QString, QString> ki;
    QXmlStreamReader x(olvas(QStringLiteral("xl/worksheets/sheet1.xml")));
    QString ref, tipus;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == QLatin1String("c")) {
            ref = x.attributes().value(QLatin1String("r")).toString();
            tipus = x.attributes().value(QLatin1String("t")).toString();
        } else if (x.isStartElement() && x.name() == QLatin1String("v")) {
            const QString v = x.readElementText();
            ki.insert(ref, tipus == QLatin1String("s") ? kozos.value(v.toInt()) : v);
            if (szamok)
                szamok->insert(ref, tipus.isEmpty() || tipus == QLatin1String("n"));
        } else if (x.isStartElement() && x.name() == QLatin1String("t") &&
                   tipus == QLatin1String("inlineStr")) {
            ki.insert(ref, x.readElementText());
            if (szamok)
                szamok->insert(ref, false);
        }
    }
    return ki;
}
