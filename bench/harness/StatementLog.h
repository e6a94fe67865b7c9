#pragma once

#include <QList>
#include <QString>

#include <chrono>

class QSqlDatabase;
class QTextStream;
struct sqlite3;
struct sqlite3_stmt;

// For --explain: every statement SQLite runs on one of the program's connections while the log
// is alive, when it starts and how long SQLite itself took for it once it finishes. Statements
// the program keeps open to read lazily (a list's query) finish only when they are closed.
class StatementLog {
public:
    explicit StatementLog(const QSqlDatabase &connection);
    ~StatementLog();
    StatementLog(const StatementLog &) = delete;
    StatementLog &operator=(const StatementLog &) = delete;

    // One line per event, times from the log's creation.
    void print(QTextStream &out) const;

private:
    struct Event {
        double atMs;
        double tookMs; // < 0 for a start
        QString text;
    };
    static int onTrace(unsigned type, void *context, void *statement, void *detail);

    sqlite3 *m_db = nullptr;
    std::chrono::steady_clock::time_point m_start;
    QList<Event> m_events;
};
