#include "RecordSet.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

RecordSet::RecordSet(QObject *parent) : QSqlQueryModel(parent) {}

bool RecordSet::open(const QSqlDatabase &db, const SqlStatement &statement, QString *error) {
    close();
    m_statement = statement;
    // A model walks back and forth over the rows it has read, so the query must not be
    // forward-only; rows are still read from SQLite only as the model asks for them.
    QSqlQuery query(db);
    bool ok = query.prepare(statement.text);
    if (ok) {
        for (const QVariant &value : statement.values)
            query.addBindValue(value);
        ok = query.exec();
    }
    if (!ok) {
        if (error)
            *error = query.lastError().text();
        return false;
    }
    setQuery(std::move(query));
    if (lastError().isValid()) {
        if (error)
            *error = lastError().text();
        clear();
        return false;
    }
    m_active = true;
    setCurrentRow(rowCount() > 0 ? 0 : -1);
    return true;
}

void RecordSet::close() {
    if (m_active)
        clear();
    m_active = false;
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

int RecordSet::fieldIndex(const QString &field) const { return record().indexOf(field); }

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

void RecordSet::fetchAll() {
    while (canFetchMore())
        fetchMore();
}
