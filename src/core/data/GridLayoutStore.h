#pragma once

#include <QList>
#include <QString>

#include <optional>

class Database;

// One column of a grid layout as cfg_Grid keeps it. Alignment codes: 0 left, 1 centre, 2 right,
// anything else the grid's default for the field; footer types: 0 none, 1 text, 2 sum.
struct StoredGridColumn {
    QString field;
    QString caption;
    int width = 0;
    bool visible = true;
    bool readOnly = true;
    int alignment = 0;
    QString displayFormat;
    QString footerValue;
    int footerType = 0;
};

// The columns stored under the layout `name`, in their order from the left; rows without a
// field name are left out. Nothing after a database error (shown by the data module).
std::optional<QList<StoredGridColumn>> ReadGridLayout(Database &dm, const QString &name);

// Updates the stored row of one column at `position` from the left. Only a row that exists is
// updated; the data module shows its message when the database refuses.
bool WriteGridColumn(Database &dm, const QString &name, int position,
                     const StoredGridColumn &column);
