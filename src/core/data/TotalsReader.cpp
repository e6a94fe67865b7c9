#include "core/data/TotalsReader.h"

#include "core/schema/SqliteUri.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUuid>
#include <QtDebug>

#include <sqlite3.h>

#include <atomic>

namespace {

std::atomic<int> delayForTesting{0};

} // namespace

std::optional<SqlStatement> TotalsStatement(const SqlStatement &statement,
                                            const QStringList &sumFields) {
    QStringList columns = {QStringLiteral("count(*)")};
    for (const QString &field : sumFields) {
        if (!IsPlainName(field))
            return std::nullopt;
        columns << QStringLiteral("coalesce(sum(%1), 0)").arg(field);
    }
    return SqlStatement(QStringLiteral("select %1 from (%2) as totals")
                            .arg(columns.join(QStringLiteral(", ")), statement.text),
                        statement.values);
}

StatementTotals ReadTotals(const QSqlQuery &row, qsizetype sumCount) {
    StatementTotals totals;
    totals.count = row.value(0).toLongLong();
    for (qsizetype i = 0; i < sumCount; ++i)
        totals.sums << row.value(int(i) + 1).toDouble();
    return totals;
}

TotalsReader::TotalsReader(const QString &databaseFile, QObject *parent)
    : QObject(parent), m_databaseFile(databaseFile), m_thread([this] { run(); }) {}

TotalsReader::~TotalsReader() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_queue.clear();
        if (m_running && m_handle)
            sqlite3_interrupt(static_cast<sqlite3 *>(m_handle));
    }
    m_wake.notify_all();
    m_thread.join();
}

void TotalsReader::setDelayForTesting(int milliseconds) { delayForTesting = milliseconds; }

void TotalsReader::request(QObject *client, const SqlStatement &statement,
                           const QStringList &sumFields, Answer answer) {
    cancel(client);
    if (!std::all_of(sumFields.cbegin(), sumFields.cend(), IsPlainName)) {
        answer(std::nullopt);
        return;
    }
    Job job{++m_lastId, client, statement, sumFields};
    m_waiting.insert(client, Waiting{job.id, client, std::move(answer)});
    {
        std::lock_guard lock(m_mutex);
        m_newest.insert(client, job.id);
        m_queue.append(std::move(job));
    }
    m_wake.notify_all();
}

void TotalsReader::cancel(QObject *client) {
    m_waiting.remove(client);
    std::lock_guard lock(m_mutex);
    m_newest.remove(client);
    m_queue.removeIf([client](const Job &job) { return job.client == client; });
    if (m_running && m_running->client == client && m_handle)
        sqlite3_interrupt(static_cast<sqlite3 *>(m_handle));
}

bool TotalsReader::isWanted(const Job &job) const {
    return !m_stopping && m_newest.value(job.client) == job.id;
}

// The worker: one connection, opened for reading only, used for one count at a time.
void TotalsReader::run() {
    const QString name = QStringLiteral("totals-") + QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(SqliteFileUri(m_databaseFile, "ro"));
        db.setConnectOptions(SqliteUriOptions());
        const bool opened = db.open();
        if (!opened)
            qWarning().noquote() << "totals connection failed:" << db.lastError().text();
        {
            std::lock_guard lock(m_mutex);
            if (opened)
                m_handle = *static_cast<sqlite3 *const *>(db.driver()->handle().data());
        }
        // The schema is read now rather than at the first count.
        if (opened)
            QSqlQuery(QStringLiteral("select count(*) from sqlite_master"), db).finish();
        for (;;) {
            Job job;
            {
                std::unique_lock lock(m_mutex);
                m_wake.wait(lock, [this] { return m_stopping || !m_queue.isEmpty(); });
                if (m_stopping)
                    break;
                job = m_queue.takeFirst();
                m_running = job;
            }
            std::optional<StatementTotals> totals;
            bool interrupted = false;
            if (const int delay = delayForTesting; delay > 0)
                QThread::msleep(delay);
            bool stillWanted;
            {
                std::lock_guard lock(m_mutex);
                stillWanted = isWanted(job);
            }
            if (opened && stillWanted)
                totals = count(db, job, &interrupted);
            bool wanted;
            {
                std::lock_guard lock(m_mutex);
                m_running.reset();
                wanted = isWanted(job);
                // An interrupt meant for an older count can catch a newer one that had just
                // started; the newer one is still wanted, so it runs again.
                if (interrupted && wanted) {
                    m_queue.prepend(job);
                    continue;
                }
            }
            if (!wanted)
                continue;
            QMetaObject::invokeMethod(
                this, [this, id = job.id, client = job.client, totals] { deliver(id, client, totals); },
                Qt::QueuedConnection);
        }
        std::lock_guard lock(m_mutex);
        m_handle = nullptr;
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

std::optional<StatementTotals> TotalsReader::count(QSqlDatabase &db, const Job &job,
                                                   bool *interrupted) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const SqlStatement totals = *TotalsStatement(job.statement, job.sumFields);
    const bool ok = PrepareAndBind(query, totals) && query.exec() && query.next();
    if (!ok) {
        *interrupted = query.lastError().nativeErrorCode() == QString::number(SQLITE_INTERRUPT);
        if (!*interrupted)
            qWarning().noquote() << "totals failed:" << totals.text << "-"
                                 << query.lastError().text();
        return std::nullopt;
    }
    return ReadTotals(query, job.sumFields.size());
}

void TotalsReader::deliver(quint64 id, QObject *client,
                           const std::optional<StatementTotals> &totals) {
    const auto found = m_waiting.constFind(client);
    if (found == m_waiting.cend() || found->id != id || !found->client)
        return;
    const Answer answer = found->answer;
    m_waiting.remove(client);
    answer(totals);
}
