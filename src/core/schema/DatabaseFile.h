#pragma once

#include <QSqlDatabase>
#include <QString>

// Creating, opening and checking the register's SQLite file. Opening never creates a file: a
// missing file, one that is not SQLite, or one without the register's tables is refused, so a
// mistyped shared folder never gains a stray empty database.
namespace DatabaseFile {

// Writes a new database with every table and seed row. Refuses to replace an existing file;
// on failure nothing is left at `path`.
bool create(const QString &path, QString *error = nullptr);

// Opens `path` under the connection name `connectionName`, upgrading an older schema in place.
// On failure the connection is removed again and `error` says why.
bool open(const QString &connectionName, const QString &path, QString *error = nullptr);

// Closes and removes a connection opened with open().
void close(const QString &connectionName);

// True when `path` is a sound database of this schema version or an older one.
bool isRegisterDatabase(const QString &path, QString *error = nullptr);

} // namespace DatabaseFile
