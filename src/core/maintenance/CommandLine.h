#pragma once

#include <QStringList>

#include <optional>

// Commands an administrator runs without the desktop, for preparing a shared folder:
//   zorbsets --create-database FOLDER
// True when the arguments name such a command (or are not understood), so no window is needed.
bool RunsWithoutDesktop(const QStringList &arguments);
// Returns the process exit code, or nothing when the arguments ask for the desktop program.
std::optional<int> RunCommandLine(const QStringList &arguments);
