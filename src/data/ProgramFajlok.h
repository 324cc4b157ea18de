#pragma once

// Files that ship with the program: the schema script, the demo data, the
// help pages. They are looked for beside the executable first (a build tree
// or a copied program folder), then in ../share/vexlof (an installed
// package: /usr/bin/vexlof and /usr/share/vexlof).

#include <QString>

// The path of a shipped file or folder (relative name, e.g. "Help/index.htm"),
// the first that exists; the place beside the executable when none exists.
QString ProgramFajl(const QString& nev);

// The schema script "vexlof.sql" (in a build tree also build/sql/vexlof.sql);
// empty when it cannot be found.
QString SemaFajl();
