#include "core/maintenance/Compaction.h"

#include "core/data/SqlDialect.h"
#include "core/schema/SqliteUri.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>

bool CompactDatabase(const QString &path) {
    if (!QFileInfo(path).isFile())
        return false;
    const QString name = QStringLiteral("compact-") + QUuid::createUuid().toString();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(SqliteFileUri(path, "rw"));
        db.setConnectOptions(SqliteUriOptions());
        if (db.open()) {
            QSqlQuery query(db);
            ok = query.exec(SqlDialect::sqlite().compactCommand()) &&
                 query.exec(QStringLiteral("PRAGMA integrity_check")) && query.next() &&
                 query.value(0).toString() == QLatin1String("ok");
            query.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}
