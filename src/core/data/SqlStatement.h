#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

// A statement and the values bound to its '?' placeholders, kept together so that a query can be
// reopened, counted or re-sorted with exactly the values it was opened with. User text never
// becomes part of `text`; it travels in `values`.
struct SqlStatement {
    QString text;
    QVariantList values;

    SqlStatement() = default;
    SqlStatement(QString statementText, QVariantList boundValues = {})
        : text(std::move(statementText)), values(std::move(boundValues)) {}
    SqlStatement(const char *statementText) : text(QString::fromUtf8(statementText)) {}

    // Appends a filter fragment such as "and F_code like ? " with the values of its placeholders.
    SqlStatement &add(const QString &fragment, const QVariantList &fragmentValues = {}) {
        text += fragment;
        values += fragmentValues;
        return *this;
    }
};

// A LIKE pattern that matches `text` literally: the wildcards and the escape character '!' in it
// are escaped (the statement says "escape '!'").
inline QString LikeLiteral(const QString &text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('!'), QLatin1String("!!"));
    escaped.replace(QLatin1Char('%'), QLatin1String("!%"));
    escaped.replace(QLatin1Char('_'), QLatin1String("!_"));
    return escaped;
}

// Whether a name taken into statement text (a table, a field) is a plain identifier; names
// come from the program, and anything else is refused rather than spliced in.
bool IsPlainName(const QString &name);

class QSqlQuery;

// Prepares the statement on `query` and binds its values, in order; false when it does not
// prepare.
bool PrepareAndBind(QSqlQuery &query, const SqlStatement &statement);
