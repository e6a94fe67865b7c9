#include "core/data/Database.h"

#include "core/app/AppSettings.h"
#include "core/data/RecordSet.h"
#include "core/schema/DatabaseFile.h"
#include "core/app/UserDialogs.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QtDebug>

#include <atomic>

namespace {

const char *const OperationFailed = QT_TRANSLATE_NOOP("Database", "操作失败，请检查数据连接... ");
const char *const DeleteFailed = QT_TRANSLATE_NOOP("Database", "删除操作失败，请检查数据连接... ");
const char *const OpenFailed = QT_TRANSLATE_NOOP("Database", "打开操作失败，请检查数据连接... ");

QString reportDate(const std::optional<QDate> &date, const QString &openText) {
    return date ? date->toString(QStringLiteral("yyyy年MM月dd日")) : openText;
}

int nextConnectionNumber() {
    static std::atomic<int> last{0};
    return ++last;
}

} // namespace

Database::Database(QObject *parent)
    : QObject(parent), m_connectionName(QStringLiteral("register-%1").arg(nextConnectionNumber())) {}

Database::~Database() { disconnect(); }

bool Database::connectTo(const QString &databaseFile, QString *error) {
    disconnect();
    m_connected = DatabaseFile::open(m_connectionName, databaseFile, error);
    if (m_connected) {
        m_databaseFile = databaseFile;
        // Its connection opens meanwhile, so the first list's count does not wait for it.
        totalsReader();
    }
    return m_connected;
}

void Database::disconnect() {
    m_totalsReader.reset();
    DatabaseFile::close(m_connectionName);
    m_connected = false;
}

QSqlDatabase Database::connection() const {
    return QSqlDatabase::database(m_connectionName, false);
}

// The transaction takes the write lock at once, waiting out the busy timeout behind another
// user's save; a deferred transaction that reads first would instead fail when it later writes.
bool Database::BeginTrans() {
    QSqlQuery begin(connection());
    if (begin.exec(dialect().beginTransaction()))
        return true;
    noteFailure(begin.lastError());
    return false;
}

// SQLite's primary result codes: 5 busy (another connection holds the lock past the busy
// wait), 19 a constraint (a text longer than its column, say).
void Database::noteFailure(const QSqlError &error) {
    m_lastError = error.text();
    const int code = error.nativeErrorCode().toInt() & 0xff;
    // 8 read-only, 13 disk full; 11 and 26 a damaged file or none of SQLite's.
    m_lastFailure = code == 5                  ? Failure::Busy
                    : code == 19               ? Failure::Constraint
                    : code == 8                ? Failure::ReadOnly
                    : code == 13               ? Failure::DiskFull
                    : code == 11 || code == 26 ? Failure::Damaged
                                               : Failure::Other;
}

void Database::reportReadFailure(const QSqlError &error) {
    noteFailure(error);
    qWarning().noquote() << "reading a list failed:" << m_lastError;
    if (m_lastFailure == Failure::Damaged)
        ShowMess(tr("数据库文件已损坏，列表未能全部读出，请用“压缩数据库”检查修复或恢复备份。\n"
                    "原因：%1")
                     .arg(m_lastError),
                 MessError);
    else
        ShowMess(tr(OpenFailed) + tr("\n原因：%1").arg(m_lastError), MessError);
}

bool Database::CommitTrans() { return connection().commit(); }

bool Database::RollbackTrans() { return connection().rollback(); }

bool Database::run(const SqlStatement &statement) {
    QSqlQuery query(connection());
    if (PrepareAndBind(query, statement) && query.exec())
        return true;
    noteFailure(query.lastError());
    qWarning().noquote() << "statement failed:" << statement.text << "-" << m_lastError;
    return false;
}

std::optional<QVariant> Database::firstValue(const SqlStatement &statement) {
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!PrepareAndBind(query, statement) || !query.exec()) {
        m_lastError = query.lastError().text();
        qWarning().noquote() << "query failed:" << statement.text << "-" << m_lastError;
        return std::nullopt;
    }
    return query.next() ? query.value(0) : QVariant();
}

bool Database::ExecuteSQL(const SqlStatement &statement) {
    if (run(statement))
        return true;
    ShowMess(tr(OperationFailed), MessError);
    return false;
}

bool Database::ExecuteAll(const QList<SqlStatement> &statements) {
    Transaction transaction(*this);
    if (!transaction.isActive()) {
        m_lastError = connection().lastError().text();
        return false;
    }
    for (const SqlStatement &statement : statements) {
        if (!run(statement))
            return false;
    }
    return transaction.commit();
}

std::optional<int> Database::ExecuteCounting(const SqlStatement &statement) {
    QSqlQuery query(connection());
    if (PrepareAndBind(query, statement) && query.exec())
        return query.numRowsAffected();
    noteFailure(query.lastError());
    qWarning().noquote() << "statement failed:" << statement.text << "-" << m_lastError;
    return std::nullopt;
}

bool Database::DeleteRecByID(const QString &table, qint64 id) {
    if (IsPlainName(table) &&
        run(SqlStatement(QStringLiteral("delete from %1 where F_ID = ?").arg(table), {id})))
        return true;
    ShowMess(tr(DeleteFailed), MessError);
    return false;
}

QString Database::GetSQLValue(const SqlStatement &statement) {
    const auto value = firstValue(statement);
    if (!value) {
        ShowMess(tr(OperationFailed), MessError);
        return {};
    }
    return value->isNull() ? QString() : value->toString();
}

int Database::GetSQLInt(const SqlStatement &statement) {
    const auto value = firstValue(statement);
    if (!value) {
        ShowMess(tr(OperationFailed), MessError);
        return 0;
    }
    return value->isNull() ? 0 : value->toInt();
}

bool Database::OpenQuerySQL(const SqlStatement &statement, RecordSet &records) {
    QSqlError error;
    if (records.open(this, statement, &error))
        return true;
    m_lastError = error.text();
    qWarning().noquote() << "open failed:" << statement.text << "-" << m_lastError;
    noteFailure(error);
    if (m_lastFailure == Failure::Damaged)
        reportReadFailure(error);
    else
        ShowMess(tr(OpenFailed), MessError);
    return false;
}

std::optional<QList<QSqlRecord>> Database::ReadRecords(const SqlStatement &statement) {
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!PrepareAndBind(query, statement) || !query.exec()) {
        m_lastError = query.lastError().text();
        qWarning().noquote() << "query failed:" << statement.text << "-" << m_lastError;
        ShowMess(tr(OperationFailed), MessError);
        return std::nullopt;
    }
    QList<QSqlRecord> rows;
    while (query.next())
        rows << query.record();
    return rows;
}

std::optional<QStringList> Database::PickListValues(const SqlStatement &statement) {
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!PrepareAndBind(query, statement) || !query.exec()) {
        m_lastError = query.lastError().text();
        ShowMess(tr(OperationFailed), MessError);
        return std::nullopt;
    }
    QStringList values;
    while (query.next()) {
        const QString value = query.value(0).toString();
        if (!value.trimmed().isEmpty())
            values << value;
    }
    return values;
}

std::optional<Database::Totals> Database::RecordTotals(const SqlStatement &statement,
                                                     const QStringList &sumFields) {
    const std::optional<SqlStatement> totals = TotalsStatement(statement, sumFields);
    if (!totals)
        return std::nullopt;
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!PrepareAndBind(query, *totals) || !query.exec() || !query.next()) {
        m_lastError = query.lastError().text();
        ShowMess(tr(OperationFailed), MessError);
        return std::nullopt;
    }
    return ReadTotals(query, sumFields.size());
}

TotalsReader &Database::totalsReader() {
    if (!m_totalsReader)
        m_totalsReader = std::make_unique<TotalsReader>(m_databaseFile);
    return *m_totalsReader;
}

void Database::cancelTotals(QObject *client) {
    if (m_totalsReader)
        m_totalsReader->cancel(client);
}

void Database::WriteLog(const QString &operation) {
    const QDateTime now = QDateTime::currentDateTime();
    run(SqlStatement(QStringLiteral("insert into LogRec(F_EmpName,F_OperType,F_OperDate,"
                                    "F_OperTime) values(?,?,?,?)"),
                     // Before anyone has logged in the name is empty text, never NULL, so a
                     // search for F_EmpName = '' finds those rows.
                     {AppSettings::CurrentOperator.isNull() ? QStringLiteral("")
                                                            : AppSettings::CurrentOperator,
                      operation,
                      now.date().toString(QStringLiteral("yyyy-MM-dd")),
                      now.time().toString(QStringLiteral("hh:mm:ss"))}));
}

bool Database::HasPermission(const QString &code) {
    return GetSQLInt(SqlStatement(
               QStringLiteral("Select o.F_ID from OperLimit as O left join Limits as l On "
                              "O.F_lmtName = L.F_name Where (O.F_OperName = ?)And(l.F_code = ?) "),
               {AppSettings::CurrentOperator, code})) > 0;
}

SqlStatement Database::PickListSql(const QString &category) {
    return SqlStatement(QStringLiteral("select distinct F_name from t_code where (F_name <> '') "
                                       "and F_type = ? "),
                        {category});
}

QString Database::GetReportDateText(const std::optional<QDate> &from,
                                   const std::optional<QDate> &to) {
    return tr("统计日期：自 %1 至 %2")
        .arg(reportDate(from, tr("启用系统")), reportDate(to, tr("记帐最后一天")));
}
