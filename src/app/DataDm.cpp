#include "DataDm.h"

#include "PubUnit.h"
#include "RecordSet.h"
#include "schema/DatabaseFile.h"
#include "support/UserDialogs.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QtDebug>

namespace {

const QString OperationFailed = QStringLiteral("操作失败，请检查数据连接... ");
const QString DeleteFailed = QStringLiteral("删除操作失败，请检查数据连接... ");
const QString OpenFailed = QStringLiteral("打开操作失败，请检查数据连接... ");

bool prepareAndBind(QSqlQuery &query, const SqlStatement &statement) {
    if (!query.prepare(statement.text))
        return false;
    for (const QVariant &value : statement.values)
        query.addBindValue(value);
    return true;
}

// Table names come from the program, never from the user; anything else is refused rather
// than spliced into a statement.
bool isPlainName(const QString &name) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return plain.match(name).hasMatch();
}

QString reportDate(const std::optional<QDate> &date, const QString &openText) {
    return date ? date->toString(QStringLiteral("yyyy年MM月dd日")) : openText;
}

} // namespace

TdmData::TdmData(QObject *parent) : QObject(parent) {}

TdmData::~TdmData() { disconnect(); }

bool TdmData::connectTo(const QString &databaseFile, QString *error) {
    disconnect();
    m_connected = DatabaseFile::open(QString::fromLatin1(ConnectionName), databaseFile, error);
    if (m_connected)
        m_databaseFile = databaseFile;
    return m_connected;
}

void TdmData::disconnect() {
    DatabaseFile::close(QString::fromLatin1(ConnectionName));
    m_connected = false;
}

QSqlDatabase TdmData::ADOcnn() const {
    return QSqlDatabase::database(QString::fromLatin1(ConnectionName), false);
}

// IMMEDIATE takes the write lock at once, waiting out the busy timeout behind another user's
// save; a deferred transaction that reads first would instead fail when it later writes.
bool TdmData::BeginTrans() {
    QSqlQuery begin(ADOcnn());
    if (begin.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return true;
    m_lastError = begin.lastError().text();
    return false;
}

bool TdmData::CommitTrans() { return ADOcnn().commit(); }

bool TdmData::RollbackTrans() { return ADOcnn().rollback(); }

bool TdmData::run(const SqlStatement &statement) {
    QSqlQuery query(ADOcnn());
    if (prepareAndBind(query, statement) && query.exec())
        return true;
    m_lastError = query.lastError().text();
    qWarning().noquote() << "statement failed:" << statement.text << "-" << m_lastError;
    return false;
}

std::optional<QVariant> TdmData::firstValue(const SqlStatement &statement) {
    QSqlQuery query(ADOcnn());
    query.setForwardOnly(true);
    if (!prepareAndBind(query, statement) || !query.exec()) {
        m_lastError = query.lastError().text();
        qWarning().noquote() << "query failed:" << statement.text << "-" << m_lastError;
        return std::nullopt;
    }
    return query.next() ? query.value(0) : QVariant();
}

bool TdmData::ExecuteSQL(const SqlStatement &statement) {
    if (run(statement))
        return true;
    ShowMess(OperationFailed, MessError);
    return false;
}

bool TdmData::ExecuteAll(const QList<SqlStatement> &statements) {
    Transaction transaction(*this);
    if (!transaction.isActive()) {
        m_lastError = ADOcnn().lastError().text();
        return false;
    }
    for (const SqlStatement &statement : statements) {
        if (!run(statement))
            return false;
    }
    return transaction.commit();
}

bool TdmData::DeleteRecByID(const QString &table, qint64 id) {
    if (isPlainName(table) &&
        run(SqlStatement(QStringLiteral("delete from %1 where F_ID = ?").arg(table), {id})))
        return true;
    ShowMess(DeleteFailed, MessError);
    return false;
}

QString TdmData::GetSQLValue(const SqlStatement &statement) {
    const auto value = firstValue(statement);
    if (!value) {
        ShowMess(OperationFailed, MessError);
        return {};
    }
    return value->isNull() ? QString() : value->toString();
}

int TdmData::GetSQLInt(const SqlStatement &statement) {
    const auto value = firstValue(statement);
    if (!value) {
        ShowMess(OperationFailed, MessError);
        return 0;
    }
    return value->isNull() ? 0 : value->toInt();
}

bool TdmData::OpenQuerySQL(const SqlStatement &statement, RecordSet &records) {
    if (records.open(this, statement, &m_lastError))
        return true;
    qWarning().noquote() << "open failed:" << statement.text << "-" << m_lastError;
    ShowMess(OpenFailed, MessError);
    return false;
}

std::optional<QList<QSqlRecord>> TdmData::ReadRecords(const SqlStatement &statement) {
    QSqlQuery query(ADOcnn());
    query.setForwardOnly(true);
    if (!prepareAndBind(query, statement) || !query.exec()) {
        m_lastError = query.lastError().text();
        qWarning().noquote() << "query failed:" << statement.text << "-" << m_lastError;
        ShowMess(OperationFailed, MessError);
        return std::nullopt;
    }
    QList<QSqlRecord> rows;
    while (query.next())
        rows << query.record();
    return rows;
}

std::optional<QStringList> TdmData::PickListValues(const SqlStatement &statement) {
    QSqlQuery query(ADOcnn());
    query.setForwardOnly(true);
    if (!prepareAndBind(query, statement) || !query.exec()) {
        m_lastError = query.lastError().text();
        ShowMess(OperationFailed, MessError);
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

std::optional<TdmData::Totals> TdmData::RecordTotals(const SqlStatement &statement,
                                                     const QStringList &sumFields) {
    QStringList columns = {QStringLiteral("count(*)")};
    for (const QString &field : sumFields) {
        if (!isPlainName(field))
            return std::nullopt;
        columns << QStringLiteral("coalesce(sum(%1), 0)").arg(field);
    }
    QSqlQuery query(ADOcnn());
    query.setForwardOnly(true);
    const SqlStatement totals(QStringLiteral("select %1 from (%2) as totals")
                                  .arg(columns.join(QStringLiteral(", ")), statement.text),
                              statement.values);
    if (!prepareAndBind(query, totals) || !query.exec() || !query.next()) {
        m_lastError = query.lastError().text();
        ShowMess(OperationFailed, MessError);
        return std::nullopt;
    }
    Totals result;
    result.count = query.value(0).toLongLong();
    for (int i = 0; i < sumFields.size(); ++i)
        result.sums << query.value(i + 1).toDouble();
    return result;
}

void TdmData::WriteLog(const QString &operation) {
    const QDateTime now = QDateTime::currentDateTime();
    run(SqlStatement(QStringLiteral("insert into LogRec(F_EmpName,F_OperType,F_OperDate,"
                                    "F_OperTime) values(?,?,?,?)"),
                     {PubUnit::CurrentOperator, operation,
                      now.date().toString(QStringLiteral("yyyy-MM-dd")),
                      now.time().toString(QStringLiteral("hh:mm:ss"))}));
}

bool TdmData::HasPermission(const QString &code) {
    return GetSQLInt(SqlStatement(
               QStringLiteral("Select o.F_ID from OperLimit as O left join Limits as l On "
                              "O.F_lmtName = L.F_name Where (O.F_OperName = ?)And(l.F_code = ?) "),
               {PubUnit::CurrentOperator, code})) > 0;
}

SqlStatement TdmData::PickListSql(const QString &category) {
    return SqlStatement(QStringLiteral("select distinct F_name from t_code where (F_name <> '') "
                                       "and F_type = ? "),
                        {category});
}

QString TdmData::GetReportDateText(const std::optional<QDate> &from,
                                   const std::optional<QDate> &to) {
    return QStringLiteral("统计日期：自 ") + reportDate(from, QStringLiteral("启用系统")) +
           QStringLiteral(" 至 ") + reportDate(to, QStringLiteral("记帐最后一天"));
}
