// zorbsets --create-database FOLDER, checked with the sqlite3 shell as an administrator would.
#include "TestEnv.h"
#include "core/schema/Schema.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

struct Run {
    int exitCode;
    QString out;
    QString err;
};

Run run(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {-1, {}, "did not finish"};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString zorbsets() { return qEnvironmentVariable("ZORBSETS_EXECUTABLE"); }

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void createDatabaseForTheSqliteShell();
    void createDatabaseNeverReplacesAFile();
    void usageErrors_data();
    void usageErrors();
};

void TestCommandLine::initTestCase() {
    QVERIFY2(QFile::exists(zorbsets()), "ZORBSETS_EXECUTABLE names no program");
}

void TestCommandLine::createDatabaseForTheSqliteShell() {
    const QString sqlite3 = QStandardPaths::findExecutable("sqlite3");
    if (sqlite3.isEmpty())
        QSKIP("the sqlite3 shell is not installed");
    TestEnv env(TestEnv::WithoutDatabase);
    const QString folder = env.path("新的 share");
    const Run created = run(zorbsets(), {"--create-database", folder});
    QCOMPARE(created.exitCode, 0);
    const QString file = folder + "/zorbSETs.db";
    QVERIFY(QFile::exists(file));

    const Run tables = run(sqlite3, {file, "select name from sqlite_master where type = 'table' "
                                           "and name not like 'sqlite%' order by name"});
    QCOMPARE(tables.exitCode, 0);
    QStringList expected;
    for (const Schema::Table &table : Schema::tables())
        expected << table.name;
    expected.sort(Qt::CaseInsensitive);
    QStringList listed = tables.out.split('\n', Qt::SkipEmptyParts);
    listed.sort(Qt::CaseInsensitive);
    QCOMPARE(listed, expected);

    const Run seeds = run(sqlite3, {file, "select (select count(*) from SysInfo) || ',' || "
                                          "(select count(*) from Limits) || ',' || "
                                          "(select F_Name from OperList) || ',' || "
                                          "(select count(distinct F_name) from cfg_Grid) || ',' || "
                                          "(select count(*) > 0 from cfg_import) || ',' || "
                                          "(select count(*) from pragma_table_info('Sets'))"});
    QCOMPARE(seeds.out.trimmed(), QStringLiteral("1,36,admin,9,1,%1")
                                      .arg(Schema::findTable("Sets")->columns.size()));
}

void TestCommandLine::createDatabaseNeverReplacesAFile() {
    TestEnv env(TestEnv::WithoutDatabase);
    const QString folder = env.path("share");
    QVERIFY(QDir().mkpath(folder));
    {
        QFile file(folder + "/zorbSETs.db");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("precious");
    }
    const Run again = run(zorbsets(), {"--create-database", folder});
    QCOMPARE(again.exitCode, 1);
    QVERIFY(!again.err.isEmpty());
    QFile file(folder + "/zorbSETs.db");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("precious"));
}

void TestCommandLine::usageErrors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no folder") << QStringList({"--create-database"});
    QTest::newRow("blank folder") << QStringList({"--create-database", "  "});
    QTest::newRow("unknown option") << QStringList({"--frobnicate"});
}

void TestCommandLine::usageErrors() {
    QFETCH(QStringList, arguments);
    const Run result = run(zorbsets(), arguments);
    QCOMPARE(result.exitCode, 2);
    QVERIFY(result.err.contains("usage"));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
