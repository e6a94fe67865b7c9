// The database file: names in any letter case, text compared without case, widths, flags,
// numbers and dates enforced by the schema, seed rows, and what opening refuses.
#include "TestEnv.h"
#include "core/data/RecordSet.h"
#include "core/schema/Catalogues.h"
#include "core/schema/DatabaseFile.h"
#include "core/schema/Schema.h"
#include "core/app/Passwords.h"

#include <QFile>
#include <QSqlQuery>
#include <QTest>

class TestSchema : public QObject {
    Q_OBJECT

private:
    static int count(Database &dm, const QString &sql, const QVariantList &values = {}) {
        return dm.GetSQLInt(SqlStatement(sql, values));
    }

private slots:
    void tableNamesIgnoreLetterCase_data();
    void tableNamesIgnoreLetterCase();
    void textComparesWithoutLetterCase();
    void overLongTextIsRefusedAndNothingWritten_data();
    void overLongTextIsRefusedAndNothingWritten();
    void flagsAndNumbersAreNeverNull();
    void datesAreStoredAsText();
    void filtersUseIndexes_data();
    void filtersUseIndexes();
    void seedRows();
    void seededGridLayouts();
    void seededImportMapping();
    void openRefusesWhatIsNotARegister_data();
    void openRefusesWhatIsNotARegister();
    void createRefusesToReplaceAFile();
    void anOlderRegisterIsUpgradedWhenOpened();
};

void TestSchema::tableNamesIgnoreLetterCase_data() {
    QTest::addColumn<QString>("insertTable");
    QTest::addColumn<QString>("readTable");
    QTest::newRow("Sets/SETs") << "Sets" << "SETs";
    QTest::newRow("sets/Sets") << "sets" << "Sets";
    QTest::newRow("t_setREC/T_setREC") << "t_setREC" << "T_setREC";
    QTest::newRow("t_wxREC/t_WXrec") << "T_wxREC" << "t_WXrec";
    QTest::newRow("sysInfo/SysInfo") << "sysInfo" << "SysInfo";
    QTest::newRow("limits/Limits") << "limits" << "Limits";
}

void TestSchema::tableNamesIgnoreLetterCase() {
    QFETCH(QString, insertTable);
    QFETCH(QString, readTable);
    TestEnv env;
    const int before = count(env.dm(), "select count(*) from " + readTable);
    QVERIFY(env.dm().ExecuteSQL(
        SqlStatement("insert into " + insertTable + " (F_ID) values (1000)", {})));
    QCOMPARE(count(env.dm(), "select count(*) from " + readTable), before + 1);
    QCOMPARE(count(env.dm(), "select count(*) from " + readTable + " where f_id = 1000"), 1);
}

void TestSchema::textComparesWithoutLetterCase() {
    TestEnv env;
    Database &dm = env.dm();
    QCOMPARE(count(dm, "select count(*) from OperList where F_Name = ?", {"ADMIN"}), 1);
    QVERIFY(dm.ExecuteSQL(SqlStatement("insert into Sets (F_code, F_name) values (?, ?)",
                                       {"a1", "Printer"})));
    QCOMPARE(count(dm, "select count(*) from SETs where F_code = ?", {"A1"}), 1);
    QCOMPARE(count(dm, "select count(*) from sets where F_name like ?", {"%PRINT%"}), 1);
    QCOMPARE(count(dm, "select count(*) from sets where F_code = ?", {"A2"}), 0);
}

void TestSchema::overLongTextIsRefusedAndNothingWritten_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("width");
    QTest::newRow("equipment code") << "Sets" << "F_code" << 50;
    QTest::newRow("department path") << "Sets" << "F_useDept" << 50;
    QTest::newRow("type path") << "Sets" << "F_type" << 255;
    QTest::newRow("repair item name") << "t_wxREC" << "F_SETname" << 50;
    QTest::newRow("contact address") << "SysInfo" << "F_Name" << 10;
    QTest::newRow("stored password") << "OperList" << "F_PassWord" << 255;
}

// Widths count characters, not bytes: a full-width Chinese text of the column's width fits.
void TestSchema::overLongTextIsRefusedAndNothingWritten() {
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(int, width);
    TestEnv env;
    Database &dm = env.dm();
    const QString insert = QStringLiteral("insert into %1 (%2) values (?)").arg(table, column);
    const QString countRows = QStringLiteral("select count(*) from %1").arg(table);
    const int before = count(dm, countRows);

    QVERIFY(dm.ExecuteSQL(SqlStatement(insert, {QString(width, QChar(0x8BBE))})));
    QCOMPARE(count(dm, countRows), before + 1);

    QVERIFY(!dm.ExecuteSQL(SqlStatement(insert, {QString(width + 1, QLatin1Char('x'))})));
    QCOMPARE(count(dm, countRows), before + 1);
    QVERIFY(env.dialogs().wasShown(QStringLiteral("操作失败，请检查数据连接... "), MessError));
}

void TestSchema::flagsAndNumbersAreNeverNull() {
    TestEnv env;
    Database &dm = env.dm();
    QVERIFY(dm.ExecuteSQL(SqlStatement("insert into Sets (F_code) values (?)", {"only-code"})));
    QVERIFY(dm.ExecuteSQL(SqlStatement(
        "insert into Sets (F_code, F_useFlag, F_amount, F_price, F_cltID) values (?, ?, ?, ?, ?)",
        {"nulls", QVariant(), QVariant(), QVariant(), QVariant()})));
    QCOMPARE(count(dm, "select count(*) from Sets where F_useFlag = false"), 2);
    QCOMPARE(count(dm, "select count(*) from Sets where F_amount = 0 and F_price = 0 and "
                       "F_SZ5 = 0 and F_cltID = 0"),
             2);
    QVERIFY(!dm.ExecuteSQL(SqlStatement("update Sets set F_useFlag = 5")));
    QVERIFY(dm.ExecuteSQL(SqlStatement("update Sets set F_useFlag = ? where F_code = ?",
                                       {true, "nulls"})));
    QCOMPARE(count(dm, "select count(*) from Sets where F_useFlag = true"), 1);
}

void TestSchema::datesAreStoredAsText() {
    TestEnv env;
    Database &dm = env.dm();
    QVERIFY(dm.ExecuteSQL(SqlStatement("insert into Sets (F_code, F_buyDate, F_buildDate) "
                                       "values (?, ?, ?)",
                                       {"d1", QDate(2024, 3, 9), QString(Schema::NoDate)})));
    QCOMPARE(dm.GetSQLValue(SqlStatement("select F_buyDate from Sets where F_code = 'd1'")),
             QStringLiteral("2024-03-09"));
    QCOMPARE(count(dm, "select count(*) from Sets where F_buildDate < ?",
                   {QString(Schema::FirstRealDate)}),
             1);
    QCOMPARE(count(dm, "select count(*) from Sets where F_buyDate >= ?", {QDate(2024, 3, 1)}), 1);
    QVERIFY(!dm.ExecuteSQL(
        SqlStatement("insert into Sets (F_code, F_buyDate) values (?, ?)", {"d2", "09/03/2024"})));
    QVERIFY(!dm.ExecuteSQL(SqlStatement("insert into t_wxREC (F_WXdate) values (?)",
                                        {QDateTime(QDate(2024, 3, 9), QTime(10, 0))})));
    QCOMPARE(count(dm, "select count(*) from Sets where F_code = 'd2'"), 0);
}

void TestSchema::filtersUseIndexes_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("index");
    QTest::newRow("equipment code") << "select * from Sets where F_code = 'x'" << "ix_Sets_code";
    QTest::newRow("type subtree") << "select * from Sets where F_type like '\\\\a\\%'"
                                  << "ix_Sets_type";
    QTest::newRow("department") << "select * from Sets where F_useDept like '\\\\b%'"
                                << "ix_Sets_useDept";
    QTest::newRow("accessories") << "select * from t_setREC where F_mainID = 3"
                                 << "ix_setREC_mainID";
    QTest::newRow("repair period") << "select * from t_wxREC where F_WXdate >= '2024-01-01'"
                                   << "ix_wxREC_WXdate";
    QTest::newRow("grid layout") << "select * from cfg_Grid where F_name = 'setmain'"
                                 << "ix_Grid_name";
}

void TestSchema::filtersUseIndexes() {
    QFETCH(QString, statement);
    QFETCH(QString, index);
    TestEnv env;
    QSqlQuery plan(env.dm().connection());
    QVERIFY(plan.exec("explain query plan " + statement));
    QString details;
    while (plan.next())
        details += plan.value(3).toString() + '\n';
    QVERIFY2(details.contains(index), qPrintable(details));
}

void TestSchema::seedRows() {
    TestEnv env;
    Database &dm = env.dm();
    QCOMPARE(count(dm, "select count(*) from SysInfo"), 1);
    QCOMPARE(count(dm, "select count(*) from OperList"), 1);
    const QString stored = dm.GetSQLValue("select F_PassWord from OperList where F_Name = 'admin'");
    QVERIFY(CheckPass(QString(), stored));
    QVERIFY(!CheckPass(QStringLiteral("admin"), stored));

    QCOMPARE(count(dm, "select count(*) from Limits"), 36);
    QCOMPARE(count(dm, "select count(*) from Limits where F_flag = true"), 36);
    QCOMPARE(count(dm, "select count(distinct F_code) from Limits"), 36);
    QCOMPARE(dm.GetSQLValue("select F_name from Limits where F_code = '501'"),
             QStringLiteral("导入合同资料"));
    QCOMPARE(dm.GetSQLValue("select F_name from Limits where F_code = '104'"),
             QStringLiteral("选项..."));
    QCOMPARE(dm.GetSQLInt("PRAGMA user_version"), Schema::Version);
}

void TestSchema::seededGridLayouts() {
    TestEnv env;
    Database &dm = env.dm();
    const QList<QPair<QString, int>> expected = {
        {"setmain", 20}, {"detail1", 9},     {"detail2", 7},     {"wxrecgl", 13},
        {"dbrecgl", 12}, {"ysrecgl", 7},     {"wxdetailtj", 13}, {"dbdetailtj", 12},
        {"ysdetailtj", 7}};
    for (const auto &[grid, columns] : expected) {
        QCOMPARE(count(dm, "select count(*) from cfg_Grid where F_name = ?", {grid}), columns);
        QCOMPARE(count(dm, "select count(distinct F_Order) from cfg_Grid where F_name = ?",
                       {grid}),
                 columns);
        QCOMPARE(count(dm, "select max(F_Order) from cfg_Grid where F_name = ?", {grid}),
                 columns - 1);
    }
    QCOMPARE(dm.GetSQLValue("select F_Caption from cfg_Grid where F_name = 'setmain' and "
                            "F_Order = 0"),
             QStringLiteral("设备编号"));
    QCOMPARE(count(dm, "select count(*) from cfg_Grid where F_name = 'setmain' and F_Width = 85"),
             20);
    QCOMPARE(count(dm, "select count(*) from cfg_Grid where F_name = 'detail1' and F_Width = 80"),
             9);
    QCOMPARE(dm.GetSQLValue("select F_FooterValue from cfg_Grid where F_name = 'wxrecgl' and "
                            "F_FieldName = 'F_SETcode' and F_FooterType = 1"),
             QStringLiteral("合  计"));
    QCOMPARE(count(dm, "select count(*) from cfg_Grid where F_name = 'wxrecgl' and "
                       "F_FieldName = 'F_WXprice' and F_FooterType = 2"),
             1);
    QCOMPARE(count(dm, "select count(*) from cfg_Grid where F_FooterType <> 0"), 2);

    // Every seeded column names a real column of the grid's table.
    RecordSet layout;
    QVERIFY(dm.OpenQuerySQL("select F_name, F_FieldName from cfg_Grid", layout));
    layout.fetchAll();
    const QMap<QString, QString> tableOf = {
        {"setmain", "Sets"},    {"detail1", "t_setREC"},   {"detail2", "t_fileREC"},
        {"wxrecgl", "t_wxREC"}, {"dbrecgl", "t_dbREC"},    {"ysrecgl", "t_ysREC"},
        {"wxdetailtj", "t_wxREC"}, {"dbdetailtj", "t_dbREC"}, {"ysdetailtj", "t_ysREC"}};
    for (int row = 0; row < layout.rowCount(); ++row) {
        const QString grid = layout.value(row, "F_name").toString();
        const QString field = layout.value(row, "F_FieldName").toString();
        QVERIFY2(count(dm, QString("select count(*) from pragma_table_info('%1') where name = ? "
                                       "collate nocase")
                               .arg(tableOf.value(grid)),
                       {field}) == 1,
                 qPrintable(grid + "." + field));
    }
}

void TestSchema::seededImportMapping() {
    TestEnv env;
    Database &dm = env.dm();
    const int rows = count(dm, "select count(*) from cfg_import where F_tablename = 'sets' and "
                               "F_iFlag = 1");
    QVERIFY(rows >= 20);
    QCOMPARE(count(dm, "select count(*) from cfg_import where F_Field <> F_FieldName"), 0);
    QCOMPARE(count(dm, "select count(*) from cfg_import c where not exists (select 1 from "
                       "pragma_table_info('Sets') p where p.name = c.S_Field)"),
             0);
    QCOMPARE(count(dm, "select count(*) from cfg_import where S_Field in ('F_ID', 'F_cltID')"),
             0);
    QCOMPARE(dm.GetSQLValue("select F_FieldName from cfg_import where S_Field = 'F_code'"),
             QStringLiteral("设备编号"));
}

void TestSchema::openRefusesWhatIsNotARegister_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("foreignSql");
    QTest::newRow("text file") << QByteArray("this is not a database\n") << QString();
    QTest::newRow("empty file") << QByteArray() << QString();
    QTest::newRow("other sqlite database") << QByteArray() << "create table notes (body text)";
    QTest::newRow("newer register") << QByteArray() << "create table Sets (F_ID integer); "
                                                        "pragma user_version = 999";
}

void TestSchema::openRefusesWhatIsNotARegister() {
    QFETCH(QByteArray, content);
    QFETCH(QString, foreignSql);
    TestEnv env(TestEnv::WithoutDatabase);
    const QString path = env.path("zorbSETs.db");
    QVERIFY(WriteJunkFile(path, content));
    if (!foreignSql.isEmpty()) {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "foreign");
        db.setDatabaseName(path);
        QVERIFY(db.open());
        for (const QString &statement : foreignSql.split(';'))
            QVERIFY(QSqlQuery(db).exec(statement));
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("foreign");
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    QString error;
    QVERIFY(!env.dm().connectTo(path, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!env.dm().IsConnected());
    QVERIFY(!DatabaseFile::isRegisterDatabase(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestSchema::createRefusesToReplaceAFile() {
    TestEnv env(TestEnv::WithoutDatabase);
    const QString path = env.path("data/zorbSETs.db");
    QVERIFY(DatabaseFile::create(path));
    QVERIFY(DatabaseFile::isRegisterDatabase(path));
    QString error;
    QVERIFY(!DatabaseFile::create(path, &error));
    QVERIFY(error.contains(path));
    QVERIFY(DatabaseFile::isRegisterDatabase(path));
    QVERIFY(!QFile::exists(path + ".partial"));

    const QString missing = env.path("nowhere/zorbSETs.db");
    QVERIFY(!env.dm().connectTo(missing));
    QVERIFY(!QFile::exists(missing));
}

// A register of the first version (no change stamp) gains the column when it is opened, its
// items keep their data and start at stamp 0.
void TestSchema::anOlderRegisterIsUpgradedWhenOpened() {
    TestEnv env(TestEnv::WithoutDatabase);
    const QString path = env.path("old.db");
    TestEnv::copyEmptyDatabase(path);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "version 1");
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec("alter table Sets drop column F_stamp"));
        QVERIFY(query.exec("insert into Sets (F_code, F_name) values ('OLD1', '旧设备')"));
        QVERIFY(query.exec("pragma user_version = 1"));
    }
    QSqlDatabase::removeDatabase("version 1");

    Database dm;
    QVERIFY(dm.connectTo(path));
    QCOMPARE(dm.GetSQLInt("PRAGMA user_version"), Schema::Version);
    QCOMPARE(dm.GetSQLValue("select F_name || '/' || F_stamp from Sets where F_code = 'OLD1'"),
             QStringLiteral("旧设备/0"));
    QVERIFY(dm.ExecuteSQL("update Sets set F_stamp = F_stamp + 1"));
    QCOMPARE(dm.GetSQLInt("select F_stamp from Sets"), 1);
}

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
