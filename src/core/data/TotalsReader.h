#pragma once

#include "core/data/SqlStatement.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

class QSqlDatabase;
class QSqlQuery;

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

// The number of rows of a statement and the sums of some of its fields.
struct StatementTotals {
    qint64 count = 0;
    QList<double> sums;
};

// "select count(*), coalesce(sum(F_x), 0), … from (statement)"; nothing when a field name is
// not a plain identifier.
std::optional<SqlStatement> TotalsStatement(const SqlStatement &statement,
                                            const QStringList &sumFields);
// The figures of the current row of a totals statement with `sumCount` sums.
StatementTotals ReadTotals(const QSqlQuery &row, qsizetype sumCount);

// Counts and sums statements on a connection of its own, in a thread of its own, so a list can
// show its first rows while its totals are still being read: on a large register the aggregate
// is most of what a refresh costs. The connection only reads and holds no statement open
// between counts, so it never keeps another user from saving.
//
// Each client (a record set) has at most one count wanted at a time: a newer request replaces
// the older one, which is dropped if it has not started and interrupted if it is running.
// Answers come back on the thread this object lives on, and only for the newest request of a
// client that still exists.
class TotalsReader : public QObject {
    Q_OBJECT
public:
    using Answer = std::function<void(const std::optional<StatementTotals> &)>;

    explicit TotalsReader(const QString &databaseFile, QObject *parent = nullptr);
    ~TotalsReader() override;

    // Field names in `sumFields` must be plain identifiers.
    void request(QObject *client, const SqlStatement &statement, const QStringList &sumFields,
                 Answer answer);
    // Forgets the client's wanted count; a running one is interrupted.
    void cancel(QObject *client);

    // Makes every count wait this long before it runs, so tests can see a list whose totals
    // have not arrived yet. 0 (the default) for no wait.
    static void setDelayForTesting(int milliseconds);

private:
    struct Job {
        quint64 id = 0;
        QObject *client = nullptr;
        SqlStatement statement;
        QStringList sumFields;
    };
    struct Waiting {
        quint64 id = 0;
        QPointer<QObject> client;
        Answer answer;
    };

    void run();
    std::optional<StatementTotals> count(QSqlDatabase &db, const Job &job, bool *interrupted);
    void deliver(quint64 id, QObject *client, const std::optional<StatementTotals> &totals);
    bool isWanted(const Job &job) const; // with m_mutex held

    const QString m_databaseFile;
    QHash<QObject *, Waiting> m_waiting; // the newest request of each client; this thread only

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    QList<Job> m_queue;
    std::optional<Job> m_running;
    QHash<QObject *, quint64> m_newest; // the id each client wants now
    quint64 m_lastId = 0;
    void *m_handle = nullptr; // the worker's sqlite3 connection, while it is open
    bool m_stopping = false;
    std::thread m_thread;
};
