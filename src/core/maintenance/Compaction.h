#pragma once

#include <QString>

// Compacts the database file and checks it: VACUUM, then PRAGMA integrity_check. The caller
// closes its own connection first. False on any failure (a missing file is not created).
bool CompactDatabase(const QString &path);
