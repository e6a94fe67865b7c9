#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Fixed catalogues that the shipped database holds and the windows share: the governed commands
// with their permission codes, the built-in column sets of the named grids, and the importable
// columns of the equipment table.
namespace Catalogues {

struct Permission {
    const char *code;    // three digits, also the number of the main window's action
    const char *caption; // the command's caption; the name stored in Limits
    const char *menu;    // object name of the main-menu entry that holds the command
};

const std::vector<Permission> &permissions();

enum FooterType { FooterNone = 0, FooterText = 1, FooterSum = 2 };
enum Alignment { AlignLeft = 0, AlignCenter = 1, AlignRight = 2 };

struct GridColumn {
    QString field;
    QString caption;
    int width = 85;
    int alignment = AlignLeft;
    QString displayFormat;
    int footerType = FooterNone;
    QString footerValue;
};

// The grid names that keep a layout in cfg_Grid, in a stable order.
QStringList gridNames();
// The columns a grid is built with until a stored layout replaces them; empty for unknown names.
std::vector<GridColumn> builtInColumns(const QString &gridName);

struct ImportColumn {
    const char *field;   // column of Sets
    const char *caption; // shown to the user and the default sheet heading
};

const std::vector<ImportColumn> &equipmentImportColumns();

} // namespace Catalogues
