#include "core/data/SqlStatement.h"

#include <QRegularExpression>
#include <QSqlQuery>

bool IsPlainName(const QString &name) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return plain.match(name).hasMatch();
}

bool PrepareAndBind(QSqlQuery &query, const SqlStatement &statement) {
    if (!query.prepare(statement.text))
        return false;
    for (const QVariant &value : statement.values)
        query.addBindValue(value);
    return true;
}
