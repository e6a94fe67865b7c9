#pragma once

#include "gui/dialogs/TreePicker.h"

class QAction;
class QString;
class QWidget;
class Database;

// Applies an operator's permissions to the main window. Every governed command is a QAction
// named "Action" + its permission code (Catalogues::permissions()); a command the operator may
// not use is hidden and disabled, so neither its menu item, its tool button, its shortcut nor a
// programmatic trigger reaches it. Each main menu stays visible only while the operator holds at
// least one command of its group, and the detail commands Action901…906 follow Action201…206.
// The administrator ("admin", whatever the letter case or surrounding blanks) may use
// everything. Actions and menus the window lacks are skipped; menus follow the permissions
// held, so a window that has not built every command yet still shows the right menus.
// Other operators' permissions are read through Database::HasPermission, that is, for
// AppSettings::CurrentOperator, which the login sets before calling this.
// The built-in administrator, whatever letter case and blanks the name was typed with.
bool IsAdministrator(const QString &operatorName);

void SetLimits(Database &dm, QWidget *mainWindow, const QString &operatorName);

// True when the operator may run the command now: it is visible and enabled. The main window
// asks this before running a command from its own key handling.
bool IsCommandAllowed(const QAction *action);

// Whether the operator may add, rename and delete nodes of a tree while choosing from it: the
// administrator, or whoever may open that tree's own window (设备类型 for the types,
// 部门机构 for the departments).
bool MayManageTree(const QWidget *mainWindow, const QString &operatorName, TreeMode mode);
