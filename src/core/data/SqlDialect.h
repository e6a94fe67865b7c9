#pragma once

#include <QString>

// What differs between the databases the register can live in. Statements are otherwise kept to
// the SQL that SQLite and PostgreSQL share; each database gets one small subclass that answers
// these few questions, and the stores ask the dialect of the database they run on.
class SqlDialect {
public:
    virtual ~SqlDialect() = default;

    // Starts a transaction that holds the write lock from its first statement, so a save that
    // reads before it writes waits behind another user's save instead of failing half-way.
    virtual QString beginTransaction() const = 0;

    // `column` written so that the planner will not read it through its index. A tree node high
    // in the tree holds much of the register; reading it through the path index would sort every
    // match before the first row shows.
    virtual QString withoutIndex(const QString &column) const = 0;

    // The operator of a pattern match that ignores letter case.
    virtual QString caseInsensitiveLike() const = 0;

    // The statement that rebuilds the database file into the least space.
    virtual QString compactCommand() const = 0;

    // The dialect of the embedded database.
    static const SqlDialect &sqlite();
};

class SqliteDialect final : public SqlDialect {
public:
    QString beginTransaction() const override { return QStringLiteral("BEGIN IMMEDIATE"); }
    // A unary plus turns the column into an expression, which SQLite never looks up by index.
    QString withoutIndex(const QString &column) const override { return QLatin1Char('+') + column; }
    // LIKE ignores the case of ASCII letters in SQLite; text columns are also COLLATE NOCASE.
    QString caseInsensitiveLike() const override { return QStringLiteral("like"); }
    QString compactCommand() const override { return QStringLiteral("VACUUM"); }
};
