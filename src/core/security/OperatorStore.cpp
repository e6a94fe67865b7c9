#include "core/security/OperatorStore.h"

#include "core/data/Database.h"

SqlStatement OperatorNamesSql() {
    return SqlStatement(QStringLiteral("select F_name from OperList where F_name <> '' "));
}

bool OperatorExists(Database &dm, const QString &name) {
    return dm.GetSQLInt(SqlStatement(QStringLiteral("select F_ID from OperList where F_name = ? "),
                                     {name})) > 0;
}

QString StoredPasswordHash(Database &dm, const QString &name) {
    return dm.GetSQLValue(
        SqlStatement(QStringLiteral("select f_PassWord from OperList Where F_Name = ? "), {name}));
}
