#pragma once

#include <QString>

class IniFile;
class QImage;
class QObject;
class QPainter;

// Application-wide values and small helpers shared by every window.
namespace AppSettings {

extern const QString ProductName;    // prefix of the main window's caption
extern const QString ProductVersion; // appended to it
extern const QString ApplicationTitle;

// Config.ini in the application folder, opened on first use.
IniFile &ConfigFile();
// Forgets the open configuration file, so the next use follows a changed application folder.
void ResetConfigFile();

// The logged-in operator; empty before the first login.
extern QString CurrentOperator;
// Copy of the ibak key: 0 none, 1 every start, 2 Mondays, 3 first day of a month.
extern int BackupPolicy;

// The question asked before the program is left; true when the user answers yes.
bool ConfirmExit();

// Enables or disables the navigation, print, design and export commands of a window, found by
// object name without regard to letter case, in a fixed order; stops at the first one missing.
void EnableNavButtons(QObject *form, bool enabled);

bool IsJpegFile(const QString &fileName);

// Decodes a JPEG file into `bitmap`, at 1/scaleDenominator of its size (1, 2, 4 or 8). A
// missing, corrupt or truncated file gives false and leaves `bitmap` as it was.
bool LoadJpegToBitmap(const QString &fileName, QImage &bitmap, int scaleDenominator = 1);

// A one-pixel frame around (left, top)-(left + width, top + height): style 1 looks raised (white
// top and left edges), any other value sunken.
void DrawBevel(QPainter &canvas, int left, int top, int width, int height, int style);

} // namespace AppSettings
