#include "core/schema/SeedRows.h"

#include "core/schema/Catalogues.h"
#include "core/app/Passwords.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariantList>

namespace {

bool run(QSqlDatabase &db, const QString &statement, const QVariantList &values, QString *error) {
    QSqlQuery query(db);
    if (!query.prepare(statement)) {
        *error = query.lastError().text();
        return false;
    }
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        *error = query.lastError().text();
        return false;
    }
    return true;
}

bool seedSysInfo(QSqlDatabase &db, QString *error) {
    return run(db, QStringLiteral("insert into SysInfo (F_Code) values (?)"), {QString()}, error);
}

bool seedAdministrator(QSqlDatabase &db, QString *error) {
    return run(db,
               QStringLiteral("insert into OperList (F_Name, F_PassWord, F_Mem, F_Flag, "
                              "F_xtFlag) values (?, ?, ?, 0, 1)"),
               {QStringLiteral("admin"), SavePass(QString()), QStringLiteral("系统管理员")},
               error);
}

bool seedLimits(QSqlDatabase &db, QString *error) {
    for (const auto &permission : Catalogues::permissions()) {
        if (!run(db, QStringLiteral("insert into Limits (F_code, F_name, F_flag) values (?, ?, 1)"),
                 {QString::fromLatin1(permission.code), QString::fromUtf8(permission.caption)},
                 error))
            return false;
    }
    return true;
}

bool seedGridLayouts(QSqlDatabase &db, QString *error) {
    const QString insert = QStringLiteral(
        "insert into cfg_Grid (F_name, F_FieldName, F_Caption, F_Width, F_Visible, F_ReadOnly, "
        "F_DisplayFormat, F_FooterValue, F_FooterType, F_Alignment, F_Order) "
        "values (?, ?, ?, ?, 1, 1, ?, ?, ?, ?, ?)");
    for (const QString &grid : Catalogues::gridNames()) {
        int order = 0;
        for (const auto &column : Catalogues::builtInColumns(grid)) {
            if (!run(db, insert,
                     {grid, column.field, column.caption, column.width, column.displayFormat,
                      column.footerValue, column.footerType, column.alignment, order++},
                     error))
                return false;
        }
    }
    return true;
}

bool seedImportMapping(QSqlDatabase &db, QString *error) {
    for (const auto &column : Catalogues::equipmentImportColumns()) {
        const QString caption = QString::fromUtf8(column.caption);
        if (!run(db,
                 QStringLiteral("insert into cfg_import (F_tablename, S_Field, F_FieldName, "
                                "F_Field, F_iFlag) values ('sets', ?, ?, ?, 1)"),
                 {QString::fromLatin1(column.field), caption, caption}, error))
            return false;
    }
    return true;
}

} // namespace

bool WriteSeedRows(QSqlDatabase &db, QString *error) {
    return seedSysInfo(db, error) && seedAdministrator(db, error) && seedLimits(db, error) &&
           seedGridLayouts(db, error) && seedImportMapping(db, error);
}
