#pragma once

#include <QString>

class IniFile;

// Application-wide values: the product's name, Config.ini, the operator logged in and the backup
// policy read at start-up.
namespace AppSettings {

QString ProductName();    // prefix of the main window's caption
QString ProductVersion(); // appended to it
QString ApplicationTitle();

// Config.ini in the application folder, opened on first use.
IniFile &ConfigFile();
// Forgets the open configuration file, so the next use follows a changed application folder.
void ResetConfigFile();

// The logged-in operator; empty before the first login.
extern QString CurrentOperator;
// Copy of the ibak key: 0 none, 1 every start, 2 Mondays, 3 first day of a month.
extern int BackupPolicy;

} // namespace AppSettings
