#include "core/data/RecordSet.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

RecordSet::RecordSet(QObject *parent) : QSqlQueryModel(parent) {}

bool RecordSet::open(Database *database, const SqlStatement &statement, QString *error) {
    close();
    m_database = database;
    m_statement = statement;
    // A model walks back and forth over the rows it has read, so the query must not be
    // forward-only; rows are still read from SQLite only as the model asks for them.
    QSqlQuery query(database->connection());
    const SqlStatement effective = effectiveStatement();
    bool ok = query.prepare(effective.text);
    if (ok) {
        for (const QVariant &value : effective.values)
            query.addBindValue(value);
        ok = query.exec();
    }
    if (!ok) {
        if (error)
            *error = query.lastError().text();
        return false;
    }
    // Active before the model resets, so views that refresh on the reset see an open query.
    m_active = true;
    m_fieldIndexes.clear();
    setQuery(std::move(query));
    if (lastError().isValid()) {
        if (error)
            *error = lastError().text();
        close();
        return false;
    }
    setCurrentRow(rowCount() > 0 ? 0 : -1);
    return true;
}

bool RecordSet::setOrderBy(const QStringList &fieldsWithDirections) {
    static const QRegularExpression term(
        QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*( (ASC|DESC))?$"),
        QRegularExpression::CaseInsensitiveOption);
    for (const QString &item : fieldsWithDirections) {
        if (!term.match(item).hasMatch())
            return false;
    }
    m_orderBy = fieldsWithDirections;
    return true;
}

SqlStatement RecordSet::effectiveStatement() const {
    if (m_orderBy.isEmpty())
        return m_statement;
    return SqlStatement(QStringLiteral("select * from (%1) as sorted order by %2")
                            .arg(m_statement.text, m_orderBy.join(QStringLiteral(", "))),
                        m_statement.values);
}

// Inactive before the rows go, so views that refresh on the reset do not count a list that is
// being closed.
void RecordSet::close() {
    const bool wasActive = m_active;
    m_active = false;
    m_fieldIndexes.clear();
    if (wasActive)
        clear();
    setCurrentRow(-1);
}

void RecordSet::setCurrentRow(int row) {
    if (row < -1 || row >= rowCount())
        row = -1;
    if (row == m_currentRow)
        return;
    m_currentRow = row;
    emit currentRowChanged(row);
}

int RecordSet::fieldIndex(const QString &field) const {
    if (m_fieldIndexes.isEmpty()) {
        const QSqlRecord fields = record();
        for (int i = fields.count() - 1; i >= 0; --i)
            m_fieldIndexes.insert(fields.fieldName(i).toLower(), i);
    }
    return m_fieldIndexes.value(field.toLower(), -1);
}

QVariant RecordSet::value(int row, const QString &field) const {
    const int column = fieldIndex(field);
    if (column < 0 || row < 0 || row >= rowCount())
        return {};
    return data(index(row, column));
}

QVariant RecordSet::currentValue(const QString &field) const { return value(m_currentRow, field); }

int RecordSet::locate(const QString &field, const QVariant &wanted) {
    const int column = fieldIndex(field);
    if (column < 0)
        return -1;
    for (int row = 0;; ++row) {
        if (row >= rowCount()) {
            if (!canFetchMore())
                return -1;
            fetchMore();
            if (row >= rowCount())
                return -1;
        }
        if (data(index(row, column)) == wanted) {
            setCurrentRow(row);
            return row;
        }
    }
}

int RecordSet::locateLoaded(const QString &field, const QVariant &wanted) {
    const int column = fieldIndex(field);
    if (column < 0)
        return -1;
    for (int row = 0; row < rowCount(); ++row) {
        if (data(index(row, column)) == wanted) {
            setCurrentRow(row);
            return row;
        }
    }
    return -1;
}

void RecordSet::fetchAll() {
    while (canFetchMore())
        fetchMore();
}

bool RecordSet::requery() {
    return m_database && m_database->OpenQuerySQL(m_statement, *this);
}

std::optional<Database::Totals> RecordSet::totals(const QStringList &sumFields) const {
    if (!m_database || !m_active)
        return std::nullopt;
    return m_database->RecordTotals(m_statement, sumFields);
}
