#include "gui/widgets/GridLayouts.h"

#include "core/data/Database.h"
#include "core/schema/Catalogues.h"
#include "gui/widgets/DataGrid.h"

#include <QSqlRecord>

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

DataGridColumn columnFromRow(const QSqlRecord &row) {
    DataGridColumn column;
    column.fieldName = row.value(QStringLiteral("F_FieldName")).toString();
    column.title = row.value(QStringLiteral("F_Caption")).toString();
    column.titleAlignment = Qt::AlignCenter;
    column.width = row.value(QStringLiteral("F_Width")).toInt();
    column.visible = row.value(QStringLiteral("F_Visible")).toBool();
    column.readOnly = row.value(QStringLiteral("F_ReadOnly")).toBool();
    column.displayFormat = row.value(QStringLiteral("F_DisplayFormat")).toString();
    column.footerValue = row.value(QStringLiteral("F_FooterValue")).toString();
    column.footerKind = footerKindFromCode(row.value(QStringLiteral("F_FooterType")).toInt());
    column.alignment = alignmentFromCode(row.value(QStringLiteral("F_Alignment")).toInt());
    return column;
}

} // namespace

void LoadGridLayout(Database &dm, DataGrid *grid, const QString &name) {
    const auto rows = dm.ReadRecords(SqlStatement(
        QStringLiteral("Select * from cfg_Grid Where (F_name = ? and F_fieldname <> '') "
                       "order by F_Order"),
        {name}));
    if (!rows || rows->isEmpty() || !grid)
        return;
    QList<DataGridColumn> columns;
    for (const QSqlRecord &row : *rows)
        columns << columnFromRow(row);
    grid->setColumns(columns);
}

void SaveGridLayout(Database &dm, DataGrid *grid, const QString &name) {
    if (!grid)
        return;
    const QString update = QStringLiteral(
        "update cfg_grid set F_caption = ?,F_width = ?,F_readonly = ?,F_visible = ?,"
        "F_order = ?,F_alignMent = ?,F_displayFormat = ?,F_footerValue = ?,F_footerType = ? "
        "where (F_name = ? and F_fieldname = ?) ");
    for (int index = 0; index < grid->columnCount(); ++index) {
        const DataGridColumn column = grid->column(index);
        dm.ExecuteSQL(SqlStatement(
            update, {column.title, column.width, column.readOnly, column.visible, index,
                     alignmentCode(grid->cellAlignment(index)), column.displayFormat,
                     column.footerValue, static_cast<int>(column.footerKind), name.toLower(),
                     column.fieldName}));
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
