#include "StatementLog.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QTextStream>
#include <QVariant>

#include <sqlite3.h>

namespace {

// The statements of the main window are long and alike; these spell out only what differs.
QString shortText(const char *sql) {
    QString text = QString::fromUtf8(sql).simplified();
    const std::pair<const char *, const char *> shorter[] = {
        {"select count(*), coalesce(sum(F_OriginValue), 0), coalesce(sum(F_totalprice), 0) "
         "from (",
         "count+sums of ("},
        {"select count(*) from (", "count of ("},
        {"select * from Sets where (1=1) ", "Sets "},
        {" escape '!'", ""},
    };
    for (const auto &[from, to] : shorter)
        text.replace(QString::fromUtf8(from), QString::fromUtf8(to));
    return text.size() > 150 ? text.left(149) + QStringLiteral("…") : text;
}

} // namespace

StatementLog::StatementLog(const QSqlDatabase &connection)
    : m_start(std::chrono::steady_clock::now()) {
    const QVariant handle = connection.driver() ? connection.driver()->handle() : QVariant();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        m_db = *static_cast<sqlite3 *const *>(handle.constData());
    if (m_db)
        sqlite3_trace_v2(m_db, SQLITE_TRACE_STMT | SQLITE_TRACE_PROFILE, &StatementLog::onTrace,
                         this);
}

StatementLog::~StatementLog() {
    if (m_db)
        sqlite3_trace_v2(m_db, 0, nullptr, nullptr);
}

int StatementLog::onTrace(unsigned type, void *context, void *statement, void *detail) {
    auto *log = static_cast<StatementLog *>(context);
    const double at =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - log->m_start)
            .count();
    const char *sql = sqlite3_sql(static_cast<sqlite3_stmt *>(statement));
    if (type == SQLITE_TRACE_PROFILE)
        log->m_events << Event{at, double(*static_cast<sqlite3_int64 *>(detail)) / 1e6,
                               shortText(sql)};
    else
        log->m_events << Event{at, -1, shortText(sql)};
    return 0;
}

void StatementLog::print(QTextStream &out) const {
    if (!m_db) {
        out << "    (no SQLite handle to trace)\n";
        return;
    }
    for (const Event &event : m_events) {
        if (event.tookMs < 0)
            out << QString::asprintf("    %9.1f ms  start     ", event.atMs);
        else
            out << QString::asprintf("    %9.1f ms  done %6.1f ms ", event.atMs, event.tookMs);
        out << event.text << "\n";
    }
    out.flush();
}
