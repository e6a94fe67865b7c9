#pragma once

#include <QString>

// Where the program keeps its files. The application folder is the executable's folder unless
// ZORBSETS_HOME names another, which is how tests and shared installations relocate it.
namespace AppPaths {

inline constexpr const char *HomeVariable = "ZORBSETS_HOME";
inline constexpr const char *DatabaseFileName = "zorbSETs.db";

QString applicationFolder();
QString configFilePath();
QString defaultDataFolder();
QString imagesFolder();
QString reportsFolder();

// The database file inside a folder given as the user wrote it (with or without a trailing
// separator).
QString databaseFileIn(const QString &folder);

// The folder part of a file path, with its trailing separator, as stored in the `ds` key.
QString folderWithSeparator(const QString &filePath);

} // namespace AppPaths
