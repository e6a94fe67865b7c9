#include "gui/widgets/GridLayouts.h"

#include "core/data/GridLayoutStore.h"
#include "core/schema/Catalogues.h"
#include "gui/widgets/DataGrid.h"

namespace {

Qt::Alignment alignmentFromCode(int code) {
    switch (code) {
    case 0:
        return Qt::AlignLeft;
    case 1:
        return Qt::AlignHCenter;
    case 2:
        return Qt::AlignRight;
    default:
        return {}; // the grid's default for the field
    }
}

int alignmentCode(Qt::Alignment alignment) {
    if (alignment & Qt::AlignHCenter)
        return 1;
    if (alignment & Qt::AlignRight)
        return 2;
    return 0;
}

FooterKind footerKindFromCode(int code) {
    switch (code) {
    case 1:
        return FooterKind::Text;
    case 2:
        return FooterKind::Sum;
    default:
        return FooterKind::None;
    }
}

DataGridColumn columnFromStored(const StoredGridColumn &stored) {
    DataGridColumn column(stored.field, stored.caption);
    column.titleAlignment = Qt::AlignCenter;
    column.width = stored.width;
    column.visible = stored.visible;
    column.readOnly = stored.readOnly;
    column.displayFormat = stored.displayFormat;
    column.footerValue = stored.footerValue;
    column.footerKind = footerKindFromCode(stored.footerType);
    column.alignment = alignmentFromCode(stored.alignment);
    return column;
}

} // namespace

void LoadGridLayout(Database &dm, DataGrid *grid, const QString &name) {
    const auto stored = ReadGridLayout(dm, name);
    if (!stored || stored->isEmpty() || !grid)
        return;
    QList<DataGridColumn> columns;
    for (const StoredGridColumn &column : *stored)
        columns << columnFromStored(column);
    grid->setColumns(columns);
}

void SaveGridLayout(Database &dm, DataGrid *grid, const QString &name) {
    if (!grid)
        return;
    for (int index = 0; index < grid->columnCount(); ++index) {
        const DataGridColumn column = grid->column(index);
        WriteGridColumn(dm, name, index,
                        {column.fieldName, column.title, column.width, column.visible,
                         column.readOnly, alignmentCode(grid->cellAlignment(index)),
                         column.displayFormat, column.footerValue,
                         static_cast<int>(column.footerKind)});
    }
}

QList<DataGridColumn> BuiltInGridColumns(const QString &name) {
    QList<DataGridColumn> columns;
    for (const Catalogues::GridColumn &builtIn : Catalogues::builtInColumns(name)) {
        DataGridColumn column(builtIn.field, builtIn.caption);
        column.width = builtIn.width;
        column.alignment = alignmentFromCode(builtIn.alignment);
        column.displayFormat = builtIn.displayFormat;
        column.footerKind = footerKindFromCode(builtIn.footerType);
        column.footerValue = builtIn.footerValue;
        columns << column;
    }
    return columns;
}
