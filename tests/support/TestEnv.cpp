#include "TestEnv.h"

#include "core/app/AppPaths.h"
#include "core/app/AppSettings.h"
#include "core/schema/DatabaseFile.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

QString emptyDatabaseTemplate() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("template.db"));
        QString error;
        if (!DatabaseFile::create(file, &error))
            qFatal("cannot create the template database: %s", qPrintable(error));
        return file;
    }();
    return path;
}

} // namespace

TestEnv::TestEnv(DatabaseChoice database)
    : m_dm(std::make_unique<Database>()), m_dialogs(new ScriptedDialogs) {
    Q_ASSERT(m_dir.isValid());
    qputenv(AppPaths::HomeVariable, QFile::encodeName(m_dir.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("user-config"))));
    AppSettings::ResetConfigFile();
    AppSettings::CurrentOperator.clear();
    AppSettings::BackupPolicy = 0;
    m_previousDialogs = UserDialogs::install(std::unique_ptr<UserDialogs>(m_dialogs));
    if (database == WithDatabase) {
        copyEmptyDatabase(databasePath());
        QString error;
        if (!m_dm->connectTo(databasePath(), &error))
            qFatal("cannot open the test database: %s", qPrintable(error));
    }
}

TestEnv::~TestEnv() {
    m_dm.reset();
    UserDialogs::install(std::move(m_previousDialogs));
    AppSettings::ResetConfigFile();
    qunsetenv(AppPaths::HomeVariable);
}

QString TestEnv::databasePath() const { return AppPaths::databaseFileIn(AppPaths::defaultDataFolder()); }

void TestEnv::copyEmptyDatabase(const QString &path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    if (!QFile::copy(emptyDatabaseTemplate(), path))
        qFatal("cannot copy the template database to %s", qPrintable(path));
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

QString TestDataPath(const QString &relative) {
    return QDir(QStringLiteral(ZORBSETS_TESTDATA_DIR)).filePath(relative);
}

bool InsertItem(Database &dm, const ColumnValues &columns) {
    QStringList names;
    QVariantList values;
    for (const auto &[column, value] : columns) {
        names << column;
        values << value;
    }
    const QString insert = QStringLiteral("insert into Sets (%1) values (%2)")
                               .arg(names.join(QLatin1Char(',')),
                                    QStringList(names.size(), QStringLiteral("?")).join(','));
    return dm.ExecuteSQL(SqlStatement(insert, values));
}

bool WriteJunkFile(const QString &path, const QByteArray &content) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(content) == content.size();
}
