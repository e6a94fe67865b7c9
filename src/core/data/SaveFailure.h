#pragma once

#include <QString>

#include <functional>

class Database;

// The cause of the database's last refusal, as the second line of a save's message
// ("原因：…"): another user keeping the register busy, a read-only file, a full disk, a damaged
// file, or a text longer than its field, named through `fieldCaption` (column name to the
// caption the user sees; empty when unknown). Empty when the cause is not known.
QString SaveFailureCause(const Database &dm,
                         const std::function<QString(const QString &column)> &fieldCaption = {});
