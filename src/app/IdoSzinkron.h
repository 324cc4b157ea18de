#pragma once

// Sets the workstation's clock from the database server's. Setting the clock
// needs the privilege to do so (administrator on Windows, CAP_SYS_TIME
// elsewhere); any failure is ignored.

#include <QDateTime>

// Sets the local clock; true when the system accepted it.
bool OraBeallit(const QDateTime& ido);
// Reads "SELECT NOW();" and sets the clock from it; errors are ignored.
void IdoSzinkronizal();
