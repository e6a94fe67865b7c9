#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The one definition of the register's database: tables and columns as data, from which the
// DDL (and later the bulk statements of the import) are produced.
namespace Schema {

// Raised by each change of the schema; older files are upgraded in place when opened.
inline constexpr int Version = 2;

enum class ColumnType {
    AutoId,  // integer key filled by the database
    Text,    // text of at most `width` characters
    Memo,    // long text
    Float,   // double, 0 when not given
    Date,    // "yyyy-MM-dd" text
    YesNo,   // 0 or 1, false when not given
    Integer, // whole number, 0 when not given
};

struct Column {
    const char *name;
    ColumnType type;
    int width = 0; // characters, for Text
};

struct Table {
    const char *name;
    std::vector<Column> columns;
};

struct Index {
    const char *name;
    const char *table;
    const char *columns; // comma-separated
};

// The column every row an editor changes carries: raised by each update, so a save can tell
// that another user changed the row after it was loaded.
inline constexpr const char *StampColumn = "F_stamp";

// The no-date value stored for a date the user left open, and the first date that counts.
inline constexpr const char *NoDate = "1900-08-14";
inline constexpr const char *FirstRealDate = "1901-08-14";

const std::vector<Table> &tables();
const std::vector<Index> &indexes();
const Table *findTable(const QString &name); // letter case ignored
// The characters a text column holds; 0 for a column that is not a bounded text or not there.
int textWidth(const QString &table, const QString &column);

QString columnDefinition(const Column &column);
QString createTableStatement(const Table &table);
QStringList createStatements(); // every table, then every index

} // namespace Schema
