// The bulk change of many items' type or department: one transaction, all or nothing, with
// progress and cancel; a busy register is waited for once, and the cause of a refusal is told.
#include "TestEnv.h"
#include "core/data/SaveFailure.h"
#include "core/register/EquipmentStore.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace {

constexpr int Items = 300;

QVariantList seedItems(Database &dm) {
    for (int i = 1; i <= Items; ++i)
        [&] { QVERIFY(InsertItem(dm, {{"F_code", QString::asprintf("B%03d", i)}})); }();
    QVariantList ids;
    const auto rows = dm.ReadRecords("select F_ID from Sets order by F_ID");
    for (const auto &row : rows.value())
        ids << row.value(0);
    return ids;
}

int itemsOfType(Database &dm, const QString &type) {
    return dm.GetSQLInt(SqlStatement("select count(*) from Sets where F_type = ?", {type}));
}

} // namespace

class TestEquipmentStore : public QObject {
    Q_OBJECT
private slots:
    void bulkChangeWritesEveryItemAtOnce();
    void bulkChangeCancelledChangesNothing();
    void bulkChangeOfAValueTooLongChangesNothing();
    void bulkChangeWaitsForABusyRegisterOnceAndSaysSo();
    void textsLeftEmptyAreStoredAsEmptyText();
    void aRefusedSaveKnowsItsCause();
};

void TestEquipmentStore::bulkChangeWritesEveryItemAtOnce() {
    TestEnv env;
    const QVariantList ids = seedItems(env.dm());
    QList<int> told;
    const BulkChange result =
        SetEquipmentPaths(env.dm(), EquipmentPath::Type, "\\\\机床", ids.mid(0, 200), [&](int done) {
            told << done;
            return true;
        });
    QCOMPARE(result.outcome, BulkChange::Changed);
    QCOMPARE(itemsOfType(env.dm(), "\\\\机床"), 200);
    QCOMPARE(told.size(), 200);
    QCOMPARE(told.last(), 200);
    // Each changed item's stamp was raised, so an editor open on it learns of the change.
    QCOMPARE(env.dm().GetSQLInt("select count(*) from Sets where F_stamp = 1"), 200);
}

void TestEquipmentStore::bulkChangeCancelledChangesNothing() {
    TestEnv env;
    const QVariantList ids = seedItems(env.dm());
    const BulkChange result = SetEquipmentPaths(env.dm(), EquipmentPath::Department, "\\\\财务部",
                                                ids, [](int done) { return done < 100; });
    QCOMPARE(result.outcome, BulkChange::Cancelled);
    QCOMPARE(env.dm().GetSQLInt("select count(*) from Sets where F_useDept = '\\\\财务部'"), 0);
}

void TestEquipmentStore::bulkChangeOfAValueTooLongChangesNothing() {
    TestEnv env;
    const QVariantList ids = seedItems(env.dm());
    const BulkChange result =
        SetEquipmentPaths(env.dm(), EquipmentPath::Department, QString(60, 'x'), ids);
    QCOMPARE(result.outcome, BulkChange::TooLong);
    QCOMPARE(env.dm().GetSQLInt("select count(*) from Sets where F_useDept <> ''"), 0);
}

// Another user's save holds the register: the change waits once, at its start, and then says
// the register is busy instead of waiting for every item and blaming the value.
void TestEquipmentStore::bulkChangeWaitsForABusyRegisterOnceAndSaysSo() {
    TestEnv env;
    const QVariantList ids = seedItems(env.dm());
    QVERIFY(env.dm().ExecuteSQL("PRAGMA busy_timeout = 200"));
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other user");
        other.setDatabaseName(env.databasePath());
        QVERIFY(other.open());
        QSqlQuery saving(other);
        QVERIFY(saving.exec("BEGIN IMMEDIATE"));
        QVERIFY(saving.exec("update Sets set F_name = 'x' where F_ID = 1"));
        int told = 0;
        const BulkChange result = SetEquipmentPaths(env.dm(), EquipmentPath::Type, "\\\\机床",
                                                    ids, [&told](int) { return ++told > 0; });
        QCOMPARE(result.outcome, BulkChange::Locked);
        QCOMPARE(told, 0);
        QVERIFY(saving.exec("ROLLBACK"));
    }
    QSqlDatabase::removeDatabase("other user");
    QCOMPARE(itemsOfType(env.dm(), "\\\\机床"), 0);
    // Once the other save is done, the same change goes through.
    QCOMPARE(SetEquipmentPaths(env.dm(), EquipmentPath::Type, "\\\\机床", ids).outcome,
             BulkChange::Changed);
    QCOMPARE(itemsOfType(env.dm(), "\\\\机床"), Items);
}

// A field never filled in is empty text in the register, not NULL: a search for '' finds it.
void TestEquipmentStore::textsLeftEmptyAreStoredAsEmptyText() {
    TestEnv env;
    EquipmentRecord item;
    item.code = QStringLiteral("E1");
    item.name = QStringLiteral("空字段");
    item.beginDate = QDate(2024, 1, 2);
    item.editDate = QDate(2024, 1, 2);
    QVERIFY(SaveEquipment(env.dm(), item, std::nullopt));
    QCOMPARE(env.dm().GetSQLInt("select count(*) from Sets where F_jscode = '' and F_spec = '' "
                                "and F_useEmp = '' and F_memo2 = ''"),
             1);
    QCOMPARE(env.dm().GetSQLInt("select count(*) from Sets where F_jscode is null"), 0);
}

// A save the database refuses says why on a second line: another user keeping the register
// busy past the wait, a full disk (the file may not grow), or a text too long for its field.
void TestEquipmentStore::aRefusedSaveKnowsItsCause() {
    TestEnv env;
    Database &dm = env.dm();
    EquipmentRecord item;
    item.code = QStringLiteral("C1");
    item.name = QStringLiteral("原因");
    item.beginDate = QDate(2024, 1, 2);
    item.editDate = QDate(2024, 1, 2);

    QVERIFY(dm.ExecuteSQL("PRAGMA busy_timeout = 100"));
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other user");
        other.setDatabaseName(env.databasePath());
        QVERIFY(other.open());
        QSqlQuery saving(other);
        QVERIFY(saving.exec("BEGIN IMMEDIATE"));
        QCOMPARE(SaveEquipment(dm, item, std::nullopt).status, EquipmentSave::Refused);
        QCOMPARE(SaveFailureCause(dm), QStringLiteral("原因：其他操作员正在保存，数据库忙，请稍后再试。"));
        QVERIFY(saving.exec("ROLLBACK"));
    }
    QSqlDatabase::removeDatabase("other user");

    const int pages = dm.GetSQLInt("PRAGMA page_count");
    QVERIFY(dm.ExecuteSQL(SqlStatement(QStringLiteral("PRAGMA max_page_count = %1").arg(pages))));
    item.memo1 = QString(20000, u'满');
    QCOMPARE(SaveEquipment(dm, item, std::nullopt).status, EquipmentSave::Refused);
    QCOMPARE(SaveFailureCause(dm), QStringLiteral("原因：磁盘已满。"));
    QVERIFY(dm.ExecuteSQL("PRAGMA max_page_count = 1073741823"));

    item.memo1.clear();
    item.spec = QString(51, u'长');
    QCOMPARE(SaveEquipment(dm, item, std::nullopt).status, EquipmentSave::Refused);
    QCOMPARE(SaveFailureCause(dm, [](const QString &column) {
                 return column.compare("F_spec", Qt::CaseInsensitive) == 0 ? QStringLiteral("规格")
                                                                           : QString();
             }),
             QStringLiteral("原因：“规格”的内容太长，最多 50 个字。"));
    QCOMPARE(dm.GetSQLInt("select count(*) from Sets"), 0);
}

QTEST_MAIN(TestEquipmentStore)
#include "tst_equipmentstore.moc"
