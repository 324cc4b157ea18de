#pragma once

// The program-wide folders and the INI file, and the INI access routines the
// windows use for their settings and geometry.
//
// ProgramMappa: the folder of the executable. AdatMappa: ProgramMappa when
// "VexloF.ini" lies there, otherwise the platform's shared application data
// folder followed by "VexloF" (the all-users folder on Windows, the user's
// data folder elsewhere). IniFajl: AdatMappa + "/VexloF.ini".

#include <QRect>
#include <QString>

QString ProgramMappa();
QString AdatMappa();
QString IniFajl();

// Computes the folders from the given program folder (normally
// QCoreApplication::applicationDirPath()); runs once before the main window.
void MappakBeallit(const QString& programMappa);
// Repeats the INI test of the start-up: when the INI file lies in the program
// folder it is used from there.
void IniProgramMappabanKeres();

// The operating system's shared application data folder and the user's
// documents folder; empty when unknown.
QString KozosMappa();
QString DokumentumMappa();

// The desktop work area, read once by the application (QScreen); geometry
// restored from the INI file is fitted into it.
QRect MunkaTerulet();
void MunkaTeruletBeallit(const QRect& terulet);

// INI access; each call opens and closes IniFajl(). Writing throws
// std::runtime_error when the file cannot be written.
QString IniOlvas(const QString& szakasz, const QString& kulcs, const QString& alap = {});
void IniIr(const QString& szakasz, const QString& kulcs, const QString& ertek);
int IniOlvasEgesz(const QString& szakasz, const QString& kulcs, int alap);
bool IniOlvasLogikai(const QString& szakasz, const QString& kulcs, bool alap);
double IniOlvasSzam(const QString& szakasz, const QString& kulcs, double alap);
void IniIrLogikai(const QString& szakasz, const QString& kulcs, bool ertek);

// Window geometry in the section named after the window.
void HelyOlvas(const QString& szakasz, int& bal, int& fent);
void HelyIr(const QString& szakasz, int bal, int fent);
void MeretOlvas(const QString& szakasz, int& bal, int& fent, int& szeles, int& magas);
void MeretIr(const QString& szakasz, int bal, int fent, int szeles, int magas);
// Fits a rectangle into a work area whose right and bottom edges are jobb
// and lent (the fitting rule of the restored geometry).
QRect MeretIllesztes(QRect r, int jobb, int lent);
