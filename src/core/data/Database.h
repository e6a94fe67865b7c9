#pragma once

#include "core/data/SqlDialect.h"
#include "core/data/SqlStatement.h"
#include "core/data/TotalsReader.h"

#include <QDate>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QStringList>

#include <memory>
#include <optional>

class QSqlError;
class RecordSet;

// The data module: the one connection to the register's database and the small services every
// window uses to talk to it. Every user value reaches SQL as a bound value of a SqlStatement.
// Services catch database errors themselves, show their fixed message (kind 3) and return a
// neutral value, so callers test results instead of handling errors.
class Database : public QObject {
    Q_OBJECT
public:

    explicit Database(QObject *parent = nullptr);
    ~Database() override;

    // Opens the database file; false (and nothing created) when it cannot be opened.
    bool connectTo(const QString &databaseFile, QString *error = nullptr);
    void disconnect();
    bool IsConnected() const { return m_connected; }
    const QString &databaseFile() const { return m_databaseFile; }
    QSqlDatabase connection() const;
    // What differs in this database's SQL; the stores ask it rather than assume SQLite.
    const SqlDialect &dialect() const { return *m_dialect; }

    // Transactions on the connection, for multi-statement saves.
    bool BeginTrans();
    bool CommitTrans();
    bool RollbackTrans();

    bool ExecuteSQL(const SqlStatement &statement);
    // Runs the statements in one transaction: all of them or, on the first failure, none.
    // Shows nothing, so the caller can say what failed in its own words.
    bool ExecuteAll(const QList<SqlStatement> &statements);
    // Runs one statement and returns how many rows it changed; nothing after an error, which
    // is not shown (lastError() has it).
    std::optional<int> ExecuteCounting(const SqlStatement &statement);
    bool DeleteRecByID(const QString &table, qint64 id);
    QString GetSQLValue(const SqlStatement &statement);
    int GetSQLInt(const SqlStatement &statement);
    bool OpenQuerySQL(const SqlStatement &statement, RecordSet &records);
    // Every row of a short statement at once (layouts, trees, settings); nothing after an error.
    std::optional<QList<QSqlRecord>> ReadRecords(const SqlStatement &statement);
    // The non-blank values of the statement's first column, as read and in row order; nothing
    // after an error (which has been shown).
    std::optional<QStringList> PickListValues(const SqlStatement &statement);
    // The number of rows of a statement and the sums of some of its fields, in one query over
    // all its rows (not only those a view has read). Field names must be plain identifiers.
    using Totals = StatementTotals;
    std::optional<Totals> RecordTotals(const SqlStatement &statement, const QStringList &sumFields);
    // Counts and sums lists on a second, read-only connection, behind their first screen;
    // made on first use and closed with the connection.
    TotalsReader &totalsReader();
    // Drops what `client` asked of the totals reader, if there is one.
    void cancelTotals(QObject *client);

    void WriteLog(const QString &operation);
    bool HasPermission(const QString &code);

    // The database's text of the last failed statement, for diagnostics.
    const QString &lastError() const { return m_lastError; }
    // What kind of failure that was, as far as it tells a user what to do.
    enum class Failure { Other, Busy, Constraint, Damaged, ReadOnly, DiskFull };
    Failure lastFailure() const { return m_lastFailure; }

    // The pick-list of one code-dictionary category.
    static SqlStatement PickListSql(const QString &category);
    // The statistics-period caption; an absent date means no limit on that side.
    static QString GetReportDateText(const std::optional<QDate> &from,
                                     const std::optional<QDate> &to);

private:
    // Runs a statement; nothing when it failed.
    std::optional<QVariant> firstValue(const SqlStatement &statement);
    bool run(const SqlStatement &statement);
    void noteFailure(const QSqlError &error);
    friend class RecordSet;
    // A list could not be read to its end: said once, with the cause, so a shortened list never
    // passes for a complete one.
    void reportReadFailure(const QSqlError &error);

    const SqlDialect *m_dialect = &SqlDialect::sqlite();
    // Each Database has a connection of its own, so two in one process (a tool, a test acting
    // as a second user) never close each other's.
    const QString m_connectionName;
    QString m_databaseFile;
    std::unique_ptr<TotalsReader> m_totalsReader;
    QString m_lastError;
    Failure m_lastFailure = Failure::Other;
    bool m_connected = false;
};

// Rolls a transaction of the data module back unless it was committed, so every early return
// of a multi-statement save leaves nothing behind.
class Transaction {
public:
    explicit Transaction(Database &dm) : m_dm(dm), m_active(dm.BeginTrans()) {}
    ~Transaction() {
        if (m_active)
            m_dm.RollbackTrans();
    }
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    bool isActive() const { return m_active; }
    bool commit() {
        if (!m_active)
            return false;
        m_active = false;
        if (m_dm.CommitTrans())
            return true;
        m_dm.RollbackTrans();
        return false;
    }

private:
    Database &m_dm;
    bool m_active;
};
