#pragma once

#include "core/data/Database.h"
#include "core/data/SqlStatement.h"

#include <QHash>
#include <QSqlQueryModel>

#include <optional>

// The rows of one statement for a window: the statement and its bound values kept together,
// rows fetched lazily as a view scrolls, and a current row that detail queries and editors
// follow. Opened through Database::OpenQuerySQL; it remembers that database, so whoever shows
// it can re-sort and total it without knowing the database.
class RecordSet : public QSqlQueryModel {
    Q_OBJECT
public:
    explicit RecordSet(QObject *parent = nullptr);

    bool isActive() const { return m_active; }
    // The statement as opened, without the sort order.
    const SqlStatement &statement() const { return m_statement; }

    // An ORDER BY list ("F_code ASC, F_name DESC") applied around the statement from the next
    // open on, so a re-sort is a re-query and the database does the sorting. Field names must be
    // plain identifiers; false (and nothing changed) otherwise. Empty removes the order.
    bool setOrderBy(const QStringList &fieldsWithDirections);
    const QStringList &orderBy() const { return m_orderBy; }
    // What is run: the statement, wrapped in the order when there is one.
    SqlStatement effectiveStatement() const;

    // -1 when there is no row.
    int currentRow() const { return m_currentRow; }
    void setCurrentRow(int row);
    bool isEmpty() const { return rowCount() == 0; }

    // Field names are matched without regard to letter case.
    int fieldIndex(const QString &field) const;
    QVariant value(int row, const QString &field) const;
    QVariant currentValue(const QString &field) const;

    // Makes the first row whose field equals `value` current, reading further rows as needed.
    // Returns that row, or -1 (the current row then stays).
    int locate(const QString &field, const QVariant &value);
    // The same among the rows already read, without reading more.
    int locateLoaded(const QString &field, const QVariant &value);
    // Reads every remaining row; for walks over all rows such as an export.
    void fetchAll();
    void close();

    // Runs the statement again, in the current order, on the database that opened it; the
    // database shows its message when that fails. False for a set that was never opened.
    bool requery();
    // The number of rows of the whole statement and the sums of some of its fields, from one
    // aggregate over all its rows (not only those read); nothing when closed or after an error.
    std::optional<Database::Totals> totals(const QStringList &sumFields) const;

signals:
    void currentRowChanged(int row);

private:
    friend class Database;
    bool open(Database *database, const SqlStatement &statement, QString *error);

    Database *m_database = nullptr;
    SqlStatement m_statement;
    QStringList m_orderBy;
    // Field positions by lower-cased name: looked up for every cell drawn, so kept once per open.
    mutable QHash<QString, int> m_fieldIndexes;
    int m_currentRow = -1;
    bool m_active = false;
};
