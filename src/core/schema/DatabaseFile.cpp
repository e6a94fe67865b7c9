#include "core/schema/DatabaseFile.h"

#include "core/schema/Schema.h"
#include "core/schema/SeedRows.h"
#include "core/schema/SqliteUri.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <vector>

namespace DatabaseFile {

namespace {

// The statements that bring a file of version `toVersion - 1` to `toVersion`.
struct Upgrade {
    int toVersion;
    QStringList statements;
};

const std::vector<Upgrade> &upgrades() {
    static const std::vector<Upgrade> all = {
        // 2: the change stamp of equipment items.
        {2,
         {QStringLiteral("alter table Sets add column ") +
          Schema::columnDefinition({Schema::StampColumn, Schema::ColumnType::Integer})}},
    };
    return all;
}

void setError(QString *error, const QString &text) {
    if (error)
        *error = text;
}

QSqlDatabase addConnection(const QString &name, const QString &databaseName,
                           const QString &options) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(databaseName);
    db.setConnectOptions(options);
    return db;
}

bool exec(QSqlDatabase &db, const QString &statement, QString *error) {
    QSqlQuery query(db);
    if (query.exec(statement))
        return true;
    setError(error, query.lastError().text());
    return false;
}

// Reading the version is the first access to the file's pages, so it is also what tells a file
// that is not a database at all.
bool readVersion(QSqlDatabase &db, int &version, QString *error) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        setError(error, query.lastError().text());
        return false;
    }
    version = query.value(0).toInt();
    return true;
}

bool hasTable(QSqlDatabase &db, const char *table) {
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "select count(*) from sqlite_master where type = 'table' and name = ? collate nocase"));
    query.addBindValue(QString::fromLatin1(table));
    return query.exec() && query.next() && query.value(0).toInt() > 0;
}

bool checkVersion(QSqlDatabase &db, int &version, QString *error) {
    if (!readVersion(db, version, error))
        return false;
    if (version > Schema::Version) {
        setError(error, QStringLiteral("数据库由较新版本的程序创建（版本 %1），请升级本程序。")
                            .arg(version));
        return false;
    }
    if (version < 1 || !hasTable(db, "Sets")) {
        setError(error, QStringLiteral("该文件不是设备管理数据库。"));
        return false;
    }
    return true;
}

bool upgrade(QSqlDatabase &db, int fromVersion, QString *error) {
    for (const Upgrade &step : upgrades()) {
        if (step.toVersion <= fromVersion)
            continue;
        if (!db.transaction()) {
            setError(error, db.lastError().text());
            return false;
        }
        for (const QString &statement : step.statements) {
            if (!exec(db, statement, error)) {
                db.rollback();
                return false;
            }
        }
        if (!exec(db, QStringLiteral("PRAGMA user_version = %1").arg(step.toVersion), error) ||
            !db.commit()) {
            db.rollback();
            return false;
        }
    }
    return true;
}

bool writeSchema(QSqlDatabase &db, QString *error) {
    if (!db.transaction()) {
        setError(error, db.lastError().text());
        return false;
    }
    for (const QString &statement : Schema::createStatements()) {
        if (!exec(db, statement, error)) {
            db.rollback();
            return false;
        }
    }
    QString seedError;
    if (!WriteSeedRows(db, &seedError)) {
        setError(error, seedError);
        db.rollback();
        return false;
    }
    if (!exec(db, QStringLiteral("PRAGMA user_version = %1").arg(Schema::Version), error) ||
        !db.commit()) {
        db.rollback();
        return false;
    }
    return true;
}

QString uniqueConnectionName(const char *purpose) {
    return QStringLiteral("%1-%2").arg(QLatin1String(purpose),
                                       QUuid::createUuid().toString(QUuid::WithoutBraces));
}

} // namespace

bool create(const QString &path, QString *error) {
    const QFileInfo target(path);
    if (target.exists()) {
        setError(error, QStringLiteral("文件“%1”已经存在，不会被覆盖。").arg(path));
        return false;
    }
    if (!QDir().mkpath(target.absolutePath())) {
        setError(error, QStringLiteral("无法创建文件夹“%1”。").arg(target.absolutePath()));
        return false;
    }
    // Built under another name and renamed at the end, so no half-made database is ever found
    // under the real name.
    const QString partial = target.absoluteFilePath() + QStringLiteral(".partial");
    QFile::remove(partial);

    const QString name = uniqueConnectionName("create");
    bool ok = false;
    {
        QSqlDatabase db = addConnection(name, partial, QString());
        ok = db.open();
        if (!ok)
            setError(error, db.lastError().text());
        ok = ok && writeSchema(db, error);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);

    if (ok && !QFile::rename(partial, target.absoluteFilePath())) {
        setError(error, QStringLiteral("无法写入文件“%1”。").arg(path));
        ok = false;
    }
    if (!ok)
        QFile::remove(partial);
    return ok;
}

bool open(const QString &connectionName, const QString &path, QString *error) {
    const QFileInfo file(path);
    if (!file.isFile()) {
        setError(error, QStringLiteral("数据库文件“%1”不存在。").arg(path));
        return false;
    }
    bool ok = false;
    {
        QSqlDatabase db = addConnection(connectionName, SqliteFileUri(path, "rw"), SqliteUriOptions());
        ok = db.open();
        if (!ok)
            setError(error, db.lastError().text());
        int version = 0;
        ok = ok && checkVersion(db, version, error) && upgrade(db, version, error);
        if (!ok)
            db.close();
    }
    if (!ok)
        QSqlDatabase::removeDatabase(connectionName);
    return ok;
}

void close(const QString &connectionName) {
    if (!QSqlDatabase::contains(connectionName))
        return;
    QSqlDatabase::database(connectionName, false).close();
    QSqlDatabase::removeDatabase(connectionName);
}

bool isRegisterDatabase(const QString &path, QString *error) {
    if (!QFileInfo(path).isFile()) {
        setError(error, QStringLiteral("数据库文件“%1”不存在。").arg(path));
        return false;
    }
    const QString name = uniqueConnectionName("check");
    bool ok = false;
    {
        QSqlDatabase db = addConnection(name, SqliteFileUri(path, "ro"),
                                        SqliteUriOptions() + QStringLiteral(";QSQLITE_OPEN_READONLY"));
        ok = db.open();
        if (!ok)
            setError(error, db.lastError().text());
        int version = 0;
        ok = ok && checkVersion(db, version, error);
        if (ok) {
            for (const Schema::Table &table : Schema::tables()) {
                if (!hasTable(db, table.name)) {
                    setError(error, QStringLiteral("数据库缺少数据表 %1。")
                                        .arg(QLatin1String(table.name)));
                    ok = false;
                    break;
                }
            }
        }
        if (ok) {
            QSqlQuery query(db);
            ok = query.exec(QStringLiteral("PRAGMA integrity_check")) && query.next() &&
                 query.value(0).toString() == QLatin1String("ok");
            if (!ok)
                setError(error, QStringLiteral("数据库文件已损坏。"));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

} // namespace DatabaseFile
