#include "core/data/GridLayoutStore.h"

#include "core/data/Database.h"

#include <QSqlRecord>

std::optional<QList<StoredGridColumn>> ReadGridLayout(Database &dm, const QString &name) {
    const auto rows = dm.ReadRecords(SqlStatement(
        QStringLiteral("Select * from cfg_Grid Where (F_name = ? and F_fieldname <> '') "
                       "order by F_Order"),
        {name}));
    if (!rows)
        return std::nullopt;
    QList<StoredGridColumn> columns;
    for (const QSqlRecord &row : *rows) {
        StoredGridColumn column;
        column.field = row.value(QStringLiteral("F_FieldName")).toString();
        column.caption = row.value(QStringLiteral("F_Caption")).toString();
        column.width = row.value(QStringLiteral("F_Width")).toInt();
        column.visible = row.value(QStringLiteral("F_Visible")).toBool();
        column.readOnly = row.value(QStringLiteral("F_ReadOnly")).toBool();
        column.alignment = row.value(QStringLiteral("F_Alignment")).toInt();
        column.displayFormat = row.value(QStringLiteral("F_DisplayFormat")).toString();
        column.footerValue = row.value(QStringLiteral("F_FooterValue")).toString();
        column.footerType = row.value(QStringLiteral("F_FooterType")).toInt();
        columns << column;
    }
    return columns;
}

bool WriteGridColumn(Database &dm, const QString &name, int position,
                     const StoredGridColumn &column) {
    return dm.ExecuteSQL(SqlStatement(
        QStringLiteral(
            "update cfg_grid set F_caption = ?,F_width = ?,F_readonly = ?,"
            "F_visible = ?,F_order = ?,F_alignMent = ?,F_displayFormat = ?,"
            "F_footerValue = ?,F_footerType = ? where (F_name = ? and F_fieldname = ?) "),
        {column.caption, column.width, column.readOnly, column.visible, position, column.alignment,
         column.displayFormat, column.footerValue, column.footerType, name.toLower(),
         column.field}));
}
