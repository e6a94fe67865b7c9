#include "core/schema/Schema.h"

namespace Schema {

namespace {

using T = ColumnType;

Column text(const char *name, int width) { return {name, T::Text, width}; }
Column memo(const char *name) { return {name, T::Memo}; }
Column real(const char *name) { return {name, T::Float}; }
Column date(const char *name) { return {name, T::Date}; }
Column yesNo(const char *name) { return {name, T::YesNo}; }
Column integer(const char *name) { return {name, T::Integer}; }
Column key() { return {"F_ID", T::AutoId}; }

std::vector<Table> buildTables() {
    return {
        {"Sets",
         {key(),
          text("F_code", 50),
          text("F_name", 100),
          text("F_type", 255),
          text("F_spec", 50),
          text("F_jscode", 50),
          text("F_factory", 255),
          date("F_buildDate"),
          text("F_buildCode", 50),
          date("F_buyDate"),
          real("F_OriginValue"),
          date("F_beginDate"),
          text("F_Address", 255),
          text("F_useDept", 50),
          text("F_useStatus", 50),
          real("F_amount"),
          text("F_unit", 50),
          real("F_price"),
          real("F_totalprice"),
          memo("F_memo1"),
          text("F_useEmp", 50),
          memo("F_memo2"),
          yesNo("F_useFlag"),
          text("F_OperEmp", 50),
          date("F_editDate"),
          integer("F_cltID"),
          text("F_ZF1", 50),
          text("F_ZF2", 50),
          text("F_ZF3", 50),
          text("F_ZF4", 50),
          text("F_ZF5", 50),
          real("F_SZ1"),
          real("F_SZ2"),
          real("F_SZ3"),
          real("F_SZ4"),
          real("F_SZ5"),
          integer(StampColumn)}},
        {"t_setREC",
         {key(), integer("F_mainID"), text("F_code", 50), text("F_name", 255),
          text("F_spec", 255), text("F_address", 255), text("F_unit", 50), real("F_amount"),
          real("F_price"), real("F_totalprice"), memo("F_memo1")}},
        {"t_fileREC",
         {key(), integer("F_mainID"), date("F_FileDate"), text("F_FileType", 50),
          text("F_FileName", 255), text("F_empName", 50), text("F_address", 255),
          memo("F_memo1"), memo("F_memo2")}},
        {"t_imageREC",
         {key(), integer("F_mainID"), text("F_FileName", 50), text("F_imagePath", 255),
          text("F_FileExt", 50)}},
        {"t_wxREC",
         {key(), integer("F_mainID"), text("F_SETcode", 50), text("F_SETname", 50),
          date("F_WXdate"), text("F_WXtype", 50), text("F_WXfactory", 255), memo("F_memo1"),
          date("F_XFdate"), memo("F_memo2"), real("F_WXprice"), text("F_STemp", 50),
          text("F_PZemp", 50), memo("F_memo3"), text("F_WXstatus", 50)}},
        {"t_dbREC",
         {key(), integer("F_mainID"), text("F_SETcode", 50), text("F_SETname", 255),
          date("F_DBdate"), text("F_DBreason", 255), text("F_OldDept", 50),
          text("F_OldAddress", 255), text("F_OldEmp", 50), text("F_NewDept", 50),
          text("F_NewAddress", 255), text("F_NewEmp", 50), text("F_PZemp", 50),
          memo("F_memo1"), memo("F_Memo2")}},
        {"t_ysREC",
         {key(), integer("F_mainID"), text("F_SETcode", 50), text("F_SETname", 255),
          date("F_YSdate"), text("F_OldStatus", 50), text("F_NewStatus", 50),
          text("F_YSemp", 50), memo("F_memo1")}},
        {"t_code", {key(), text("F_type", 50), text("F_name", 100)}},
        // A department path must fit Sets.F_useDept and a type path Sets.F_type.
        {"t_treecode",
         {key(), text("F_code", 60), text("F_name", 100), text("F_likecode", 255),
          text("F_flag", 20)}},
        {"cfg_Grid",
         {key(), text("F_name", 50), text("F_FieldName", 50), text("F_Caption", 100),
          integer("F_Width"), yesNo("F_Visible"), yesNo("F_ReadOnly"),
          text("F_DisplayFormat", 50), text("F_FooterValue", 100), integer("F_FooterType"),
          integer("F_Alignment"), integer("F_Order")}},
        {"cfg_import",
         {key(), text("F_tablename", 50), text("S_Field", 50), text("F_FieldName", 100),
          text("F_Field", 100), integer("F_iFlag")}},
        {"OperList",
         {key(), text("F_Name", 50), text("F_PassWord", 255), memo("F_Mem"), yesNo("F_Flag"),
          yesNo("F_xtFlag")}},
        {"Limits", {key(), text("F_code", 10), text("F_name", 50), yesNo("F_flag")}},
        {"OperLimit", {key(), text("F_OperName", 50), text("F_lmtName", 50)}},
        {"SysInfo",
         {key(), text("F_Code", 50), text("F_Name", 10), text("F_BakPath", 255),
          text("F_Manager", 50), text("F_Phone", 50), text("F_HandPhone", 50),
          text("F_Email", 255), text("F_Homepage", 255), text("F_Enroler", 50),
          text("F_Mem", 255)}},
        {"LogRec",
         {key(), text("F_EmpName", 50), text("F_OperType", 100), text("F_OperDate", 10),
          text("F_OperTime", 8)}},
    };
}

// What the filters, joins and detail queries look up.
std::vector<Index> buildIndexes() {
    return {
        {"ix_Sets_code", "Sets", "F_code"},
        {"ix_Sets_type", "Sets", "F_type"},
        {"ix_Sets_useDept", "Sets", "F_useDept"},
        {"ix_Sets_cltID", "Sets", "F_cltID"},
        {"ix_setREC_mainID", "t_setREC", "F_mainID"},
        {"ix_fileREC_mainID", "t_fileREC", "F_mainID"},
        {"ix_imageREC_mainID", "t_imageREC", "F_mainID"},
        {"ix_wxREC_SETcode", "t_wxREC", "F_SETcode"},
        {"ix_wxREC_WXdate", "t_wxREC", "F_WXdate"},
        {"ix_dbREC_SETcode", "t_dbREC", "F_SETcode"},
        {"ix_dbREC_DBdate", "t_dbREC", "F_DBdate"},
        {"ix_ysREC_SETcode", "t_ysREC", "F_SETcode"},
        {"ix_ysREC_YSdate", "t_ysREC", "F_YSdate"},
        {"ix_code_type", "t_code", "F_type"},
        {"ix_treecode_flag_code", "t_treecode", "F_flag, F_code"},
        {"ix_Grid_name", "cfg_Grid", "F_name, F_FieldName"},
        {"ix_import_table", "cfg_import", "F_tablename"},
        {"ix_OperList_name", "OperList", "F_Name"},
        {"ix_OperLimit_oper", "OperLimit", "F_OperName"},
    };
}

} // namespace

const std::vector<Table> &tables() {
    static const std::vector<Table> all = buildTables();
    return all;
}

const std::vector<Index> &indexes() {
    static const std::vector<Index> all = buildIndexes();
    return all;
}

const Table *findTable(const QString &name) {
    for (const Table &table : tables()) {
        if (name.compare(QLatin1String(table.name), Qt::CaseInsensitive) == 0)
            return &table;
    }
    return nullptr;
}

// Text compares without regard to letter case, as operators and codes always have; a text longer
// than its column, a date that is not "yyyy-MM-dd" or a flag other than 0/1 makes the statement
// fail instead of being stored; numbers and flags written as NULL (or not at all) become 0.
int textWidth(const QString &table, const QString &column) {
    const Table *found = findTable(table);
    if (!found)
        return 0;
    for (const Column &candidate : found->columns) {
        if (column.compare(QLatin1String(candidate.name), Qt::CaseInsensitive) == 0)
            return candidate.type == ColumnType::Text ? candidate.width : 0;
    }
    return 0;
}

QString columnDefinition(const Column &column) {
    const QString name = QString::fromLatin1(column.name);
    switch (column.type) {
    case ColumnType::AutoId:
        return name + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
    case ColumnType::Text:
        return QStringLiteral("%1 TEXT COLLATE NOCASE CHECK (length(%1) <= %2)")
            .arg(name)
            .arg(column.width);
    case ColumnType::Memo:
        return name + QStringLiteral(" TEXT COLLATE NOCASE");
    case ColumnType::Float:
        return name + QStringLiteral(" REAL NOT NULL ON CONFLICT REPLACE DEFAULT 0");
    case ColumnType::Integer:
        return name + QStringLiteral(" INTEGER NOT NULL ON CONFLICT REPLACE DEFAULT 0");
    case ColumnType::Date:
        return QStringLiteral("%1 TEXT CHECK (%1 IS NULL OR %1 = '' OR "
                              "%1 GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9]')")
            .arg(name);
    case ColumnType::YesNo:
        return QStringLiteral("%1 INTEGER NOT NULL ON CONFLICT REPLACE DEFAULT 0 "
                              "CHECK (%1 IN (0, 1))")
            .arg(name);
    }
    return name;
}

QString createTableStatement(const Table &table) {
    QStringList columns;
    for (const Column &column : table.columns)
        columns << columnDefinition(column);
    return QStringLiteral("CREATE TABLE %1 (\n    %2\n)")
        .arg(QString::fromLatin1(table.name), columns.join(QStringLiteral(",\n    ")));
}

QStringList createStatements() {
    QStringList statements;
    for (const Table &table : tables())
        statements << createTableStatement(table);
    for (const Index &index : indexes()) {
        statements << QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                          .arg(QString::fromLatin1(index.name), QString::fromLatin1(index.table),
                               QString::fromLatin1(index.columns));
    }
    return statements;
}

} // namespace Schema
