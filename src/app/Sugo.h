#pragma once

// The help menu: the help pages, the documentation, the update program, a
// new e-mail to the maker, the maker's web site, and the two small windows
// "Fontos információk" and "Névjegy".

#include <QString>

class QWidget;

// The maker's addresses come from the INI file (Beall.h); empty when unset.
QString KeszitoHonlap();    // KeszitoHonlapUrl()
QString KeszitoEmail();     // Beall.KeszitoEmail
QString SugoFajl();         // "Help/index.htm" beside the program or in ../share/vexlof
QString DokumentacioFajl(); // "Docs/VexloF.pdf", found the same way
QString UjdonsagProgram();  // ProgramMappa + "/Ujdonsag.exe"
QString LevelCim();         // KeszitoLevelUrl(): mailto: with the subject "Vexlo.F program"

// Hands the target to the operating system's "open" (a document to its
// program, an address to the mail program or the browser, a program is
// started) with ProgramMappa as the working folder; does not wait and does
// not check the result.
void Indit(const QString& cel);

void FontosInformaciok(QWidget* szulo = nullptr);
void Nevjegy(QWidget* szulo = nullptr);
