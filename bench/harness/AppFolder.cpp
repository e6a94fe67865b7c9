#include "AppFolder.h"

#include "core/app/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace {

const char *const SumsLayout = "update cfg_Grid set F_FooterType = 2 where F_name = 'setmain' "
                               "and F_FieldName in ('F_OriginValue', 'F_totalprice')";

// Changes the stored layout the way saving it from the window would, straight in SQLite so that
// no connection of the program's is left open on the copy.
bool saveSumsLayout(const QString &file, QString *error) {
    sqlite3 *db = nullptr;
    bool ok = sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) ==
              SQLITE_OK;
    ok = ok && sqlite3_exec(db, SumsLayout, nullptr, nullptr, nullptr) == SQLITE_OK;
    const int changed = ok ? sqlite3_changes(db) : 0;
    if (!ok && error)
        *error = QStringLiteral("cannot save the list layout in %1: %2")
                     .arg(file, QString::fromUtf8(sqlite3_errmsg(db)));
    else if (changed != 2 && error)
        *error = QStringLiteral("%1 holds %2 of the two sum columns of 'setmain'")
                     .arg(file)
                     .arg(changed);
    sqlite3_close(db);
    return ok && changed == 2;
}

} // namespace

std::unique_ptr<AppFolder> AppFolder::create(const QString &registerFile, QString *error) {
    const QFileInfo source(registerFile);
    std::unique_ptr<AppFolder> folder(
        new AppFolder(source.absoluteDir().filePath(QStringLiteral("app-XXXXXX"))));
    if (!folder->m_dir.isValid()) {
        if (error)
            *error = QStringLiteral("cannot make a folder beside %1").arg(registerFile);
        return nullptr;
    }
    const QDir root(folder->path());
    if (!root.mkpath(QStringLiteral("data")) || !root.mkpath(QStringLiteral("user-config")) ||
        !root.mkpath(QStringLiteral("runtime")) ||
        !QFile::setPermissions(root.filePath(QStringLiteral("runtime")),
                               QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                   QFileDevice::ExeOwner)) {
        if (error)
            *error = QStringLiteral("cannot make the folders of %1").arg(folder->path());
        return nullptr;
    }
    if (!QFile::copy(registerFile, folder->databaseFile())) {
        if (error)
            *error =
                QStringLiteral("cannot copy %1 to %2").arg(registerFile, folder->databaseFile());
        return nullptr;
    }
    if (!saveSumsLayout(folder->databaseFile(), error))
        return nullptr;
    return folder;
}

QString AppFolder::databaseFile() const {
    return QDir(path()).filePath(QStringLiteral("data/") +
                                 QString::fromLatin1(AppPaths::DatabaseFileName));
}

QProcessEnvironment AppFolder::environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QDir root(path());
    environment.insert(QString::fromLatin1(AppPaths::HomeVariable), path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       root.filePath(QStringLiteral("user-config")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), root.filePath(QStringLiteral("runtime")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

// Qt looks up the user's settings folder once per process, so windows run in the benchmark's
// process would keep writing to the first folder named, even after the application folder that
// held it has gone; they get one folder of their own for the whole process instead.
void AppFolder::useInThisProcess() const {
    static const QTemporaryDir settings(
        QDir::temp().filePath(QStringLiteral("zorbsets-bench-settings-XXXXXX")));
    qputenv(AppPaths::HomeVariable, QFile::encodeName(path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
}
