#pragma once

#include "core/data/Database.h"
#include "core/data/SqlStatement.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QSqlError>
#include <QSqlRecord>
#include <QVariant>

#include <optional>

// The rows of one statement for a window: the statement and its bound values kept together, a
// current row that detail queries and editors follow, and the count and sums of all its rows.
// Opened through Database::OpenQuerySQL; it remembers that database, so whoever shows it can
// re-sort and total it without knowing the database.
//
// Rows are read in blocks of BlockSize by short statements that finish at once (LIMIT and
// OFFSET over the list's order, made total with F_ID), so no statement stays open between
// events and no read lock keeps other users from saving. Only the blocks near what is shown are
// kept. A list that fits in its first block is complete at once, totals included; for a longer
// one the count and sums are read on a second connection while the first rows are shown, and
// until they arrive the rows read so far are all a view knows of (canFetchMore()).
class RecordSet : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int BlockSize = 256;

    explicit RecordSet(QObject *parent = nullptr);
    ~RecordSet() override;

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

    // The fields of the statement, in order, with their types as read.
    const QSqlRecord &record() const { return m_fields; }
    // Field names are matched without regard to letter case.
    int fieldIndex(const QString &field) const;
    QVariant value(int row, const QString &field) const;
    QVariant currentValue(const QString &field) const;

    // Makes the first row whose field equals `value` current, wherever it is in the list.
    // Returns that row, or -1 (the current row then stays).
    int locate(const QString &field, const QVariant &value);
    // The same among the rows held now, without reading.
    int locateLoaded(const QString &field, const QVariant &value);
    // Reads every row and keeps them all; for walks over all rows such as printing.
    void fetchAll();
    void close();

    // Runs the statement again, in the current order, on the database that opened it; the
    // database shows its message when that fails. False for a set that was never opened.
    bool requery();
    // Sets the order and, when open, reads the list again in it; the count and sums stay as
    // they are, since an order changes neither. False for an order that is not valid, or when
    // the reading failed.
    bool reorder(const QStringList &fieldsWithDirections);

    // The fields whose sums the totals carry, besides the count. Plain identifiers only.
    void setSumFields(const QStringList &fields);
    const QStringList &sumFields() const { return m_sumFields; }
    // The count of all rows and the sums of the sum fields, as far as known: the figures of
    // the current statement once final, else those of the statement before (or nothing).
    const std::optional<Database::Totals> &totals() const { return m_totals; }
    bool totalsFinal() const { return m_totalsFinal; }
    // Waits for the final totals (events are processed meanwhile) and returns them; nothing
    // when closed or after an error.
    std::optional<Database::Totals> waitForTotals();

    // QAbstractTableModel
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent = {}) const override;
    void fetchMore(const QModelIndex &parent = {}) override;

signals:
    void currentRowChanged(int row);
    // New figures in totals(); totalsFinal() says whether they are the final ones.
    void totalsChanged();

private:
    friend class Database;
    using Row = QList<QVariant>;
    using Block = QList<Row>;

    bool open(Database *database, const SqlStatement &statement, QSqlError *error);
    QString orderClause() const;
    // Reads the rows [first, first + count) of the list; nothing after an error.
    // A failure after the first block is reported to the user once per open.
    std::optional<Block> readRows(qint64 first, qint64 count, QSqlError *error = nullptr,
                                  QSqlRecord *fields = nullptr) const;
    void failedRead(const QSqlError &failure, QSqlError *error) const;
    const Block *block(int index) const;
    void keepBlock(int index, Block rows) const;
    void extendKnownRows(qint64 rows);
    void requestTotals();
    void setFinalTotals(const Database::Totals &totals);
    Database::Totals totalsOfHeldRows() const;
    bool holdsEveryRow() const;

    QPointer<Database> m_database;
    SqlStatement m_statement;
    QStringList m_orderBy;
    QStringList m_sumFields;
    QSqlRecord m_fields;
    // Field positions by lower-cased name: looked up for every cell drawn, so kept once per open.
    mutable QHash<QString, int> m_fieldIndexes;
    mutable QHash<int, Block> m_blocks;
    mutable QList<int> m_recentBlocks; // most recently used last
    bool m_keepAll = false;
    qint64 m_knownRows = 0;          // rows a view may show: all of them once the count is known
    std::optional<qint64> m_rowsInAll; // the number of rows, once known
    std::optional<Database::Totals> m_totals;
    bool m_totalsFinal = false;
    int m_currentRow = -1;
    bool m_active = false;
    bool m_reordering = false;
    mutable bool m_readFailureReported = false;
    bool m_lastOpenWasLong = true; // unknown at first: counted early, like a long list
};
