#pragma once

#include <QList>
#include <QString>

struct DataGridColumn;

class DataGrid;
class Database;

// Column layouts of the named grids, kept in cfg_Grid and shared by everyone using the database.

// Rebuilds the grid's columns from the stored layout `name`; a name without rows leaves the
// grid's built-in columns. A database error is shown; the grid keeps what it has.
void LoadGridLayout(Database &dm, DataGrid *grid, const QString &name);

// Writes every column of the grid back under `name`: caption, width, flags, position,
// alignment, format and footer. Only rows that exist are updated (hidden columns included, so
// hiding is remembered); each column is saved on its own, so one failure does not lose the rest.
void SaveGridLayout(Database &dm, DataGrid *grid, const QString &name);

// The columns a named grid is built with until a stored layout replaces them.
QList<DataGridColumn> BuiltInGridColumns(const QString &name);
