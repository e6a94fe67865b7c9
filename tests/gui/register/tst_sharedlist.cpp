// The equipment list on a register that others use at the same time: a list longer than its
// first block holds no read lock between events, so another program saves at once while it is
// shown, scrolled or counted; its count and sums come from a second connection behind the
// first screen, a newer refresh replaces an older count, and closing the window while a count
// runs is safe.
#include "MainWindowFixture.h"
#include "core/data/RecordSet.h"
#include "core/data/TotalsReader.h"
#include "gui/register/MainWindow.h"
#include "gui/widgets/DataGrid.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace {

constexpr int Items = 100000;

// 100,000 items, codes C000001 …, every tenth one named 车床 and every item costing 10.00.
void seedLargeRegister(Database &dm) {
    QVERIFY(dm.ExecuteSQL(SqlStatement(
        "with recursive n(i) as (select 1 union all select i + 1 from n where i < ?) "
        "insert into Sets (F_code, F_name, F_OriginValue, F_memo2) "
        "select printf('C%06d', i), case when i % 10 = 0 then '车床' else '铣床' end, 10.0, "
        "'备注 ' || i from n",
        {Items})));
    QVERIFY(dm.ExecuteSQL("update Sets set F_cltID = F_ID"));
}

struct LargeList : MainWindowFixture {
    LargeList() : MainWindowFixture(seedLargeRegister) {}

    template <typename T> T *find(const char *name) {
        T *found = window->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("the main window has no %s", name);
        return found;
    }
    DataGrid *grid() { return find<DataGrid>("DBGridEh1"); }
    RecordSet &list() { return *grid()->recordSet(); }
    QString countLabel() { return find<QLabel>("lblSETnum")->text(); }
    void search(const QString &name) {
        find<QComboBox>("ComboBox1")->setCurrentIndex(1); // 设备名称
        find<QLineEdit>("Edit1")->setText(name);
    }
};

QString countText(qint64 count) { return QStringLiteral("设备总数： %1 件 ").arg(count); }

// Another program saves one item into the same file; true when it could.
bool anotherProgramSaves(const QString &databasePath, const QString &prefix) {
    const QString adder = QCoreApplication::applicationDirPath() + "/concurrent_adder";
    if (!QFileInfo(adder).isExecutable())
        qFatal("no %s", qPrintable(adder));
    QProcess other;
    other.start(adder, {databasePath, prefix, "1"});
    if (!other.waitForStarted())
        return false;
    other.write("go\n");
    other.closeWriteChannel();
    if (!other.waitForFinished(60000))
        return false;
    if (other.exitCode() != 0)
        qWarning().noquote() << other.readAllStandardError();
    return other.exitStatus() == QProcess::NormalExit && other.exitCode() == 0;
}

} // namespace

class TestSharedList : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { TotalsReader::setDelayForTesting(0); }

    void anotherProgramSavesWhileTheListIsShown();
    void firstRowsAndDetailsComeBeforeTheCount();
    void aNewerRefreshReplacesTheOlderCount_data();
    void aNewerRefreshReplacesTheOlderCount();
    void closingWhileACountRunsIsSafe();
    void rowsDeletedByAnotherUserGoAtTheNextRefresh();
};

void TestSharedList::anotherProgramSavesWhileTheListIsShown() {
    LargeList f;
    QTRY_COMPARE(f.countLabel(), countText(Items));
    // Scrolled to its middle, which reads rows there.
    f.grid()->scrollTo(f.grid()->model()->index(Items / 2, 0));
    QTRY_VERIFY(f.grid()->rowAt(f.grid()->viewport()->height() / 2) > Items / 2 - 100);
    QCOMPARE(f.list().value(Items / 2, "F_code").toString(), QString::asprintf("C%06d", Items / 2 + 1));

    QVERIFY(anotherProgramSaves(f.env.databasePath(), "X"));
    f.window->RefreshList();
    QTRY_COMPARE(f.countLabel(), countText(Items + 1));

    // The same while the list's count is still to be read …
    TotalsReader::setDelayForTesting(2000);
    f.search("车");
    QVERIFY(!f.grid()->totalsFinal());
    QVERIFY(anotherProgramSaves(f.env.databasePath(), "Y"));
    // … and while it is being read.
    TotalsReader::setDelayForTesting(0);
    f.search("");
    QVERIFY(anotherProgramSaves(f.env.databasePath(), "Z"));
    QTRY_VERIFY(f.grid()->totalsFinal());
    f.window->RefreshList();
    QTRY_COMPARE(f.countLabel(), countText(Items + 3));
    QCOMPARE(f.env.dm().GetSQLInt("select count(*) from Sets where F_code like 'X%' or "
                                  "F_code like 'Y%' or F_code like 'Z%'"),
             3);
}

void TestSharedList::firstRowsAndDetailsComeBeforeTheCount() {
    LargeList f;
    QTRY_COMPARE(f.countLabel(), countText(Items));
    TotalsReader::setDelayForTesting(3000);
    f.search("车");
    // The first screen and the current item's notes are there; the count is the old one, greyed.
    QVERIFY(f.list().rowCount() > 0);
    QCOMPARE(f.list().currentValue("F_name").toString(), QStringLiteral("车床"));
    QCOMPARE(f.find<QPlainTextEdit>("DBMemo1")->toPlainText(),
             f.list().currentValue("F_memo2").toString());
    QVERIFY(!f.grid()->totalsFinal());
    QCOMPARE(f.countLabel(), countText(Items));
    QVERIFY(!f.find<QLabel>("lblSETnum")->isEnabled());
    // Whatever needs the count now can wait for it.
    const auto totals = f.list().waitForTotals();
    QVERIFY(totals);
    QCOMPARE(totals->count, Items / 10);
    QVERIFY(f.grid()->totalsFinal());
    QCOMPARE(f.countLabel(), countText(Items / 10));
    QVERIFY(f.find<QLabel>("lblSETnum")->isEnabled());
}

// The older count is either still waiting (dropped) or running (interrupted) when the newer
// refresh comes; either way only the newer one arrives.
void TestSharedList::aNewerRefreshReplacesTheOlderCount_data() {
    QTest::addColumn<int>("delay");
    QTest::newRow("older count waiting") << 300;
    QTest::newRow("older count running") << 0;
}

void TestSharedList::aNewerRefreshReplacesTheOlderCount() {
    QFETCH(int, delay);
    LargeList f;
    QTRY_COMPARE(f.countLabel(), countText(Items));
    TotalsReader::setDelayForTesting(delay);
    QSignalSpy figures(&f.list(), &RecordSet::totalsChanged);
    int finals = 0;
    connect(&f.list(), &RecordSet::totalsChanged, this, [&] { finals += f.list().totalsFinal(); });
    f.search("车");
    f.search("铣");
    QTRY_VERIFY_WITH_TIMEOUT(f.grid()->totalsFinal(), 10000);
    QCOMPARE(finals, 1);
    QCOMPARE(f.countLabel(), countText(Items - Items / 10));
    QCOMPARE(f.list().totals()->sums.value(0), 0.0); // no sum column in the built-in layout
    // The list reads every row where it is asked to.
    f.grid()->scrollToBottom();
    QTRY_COMPARE(f.list().value(Items - Items / 10 - 1, "F_code").toString(),
                 QString::asprintf("C%06d", Items - 1));
}

void TestSharedList::closingWhileACountRunsIsSafe() {
    auto f = std::make_unique<LargeList>();
    QTRY_COMPARE(f->countLabel(), countText(Items));
    TotalsReader::setDelayForTesting(200);
    f->search("车");
    QVERIFY(!f->grid()->totalsFinal());
    f.reset();
    // The answer for the closed window arrives into nothing.
    QTest::qWait(400);
}

// Another user deletes the current item and rows further down while the list is shown: the
// list keeps showing what it read, reads on without failing, and the rows go at the refresh.
void TestSharedList::rowsDeletedByAnotherUserGoAtTheNextRefresh() {
    LargeList f;
    QTRY_COMPARE(f.countLabel(), countText(Items));
    f.list().setCurrentRow(3);
    const QString current = f.list().currentValue("F_code").toString();
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other user");
        other.setDatabaseName(f.env.databasePath());
        QVERIFY(other.open());
        QSqlQuery remove(other);
        QVERIFY(remove.prepare("delete from Sets where F_code = ? or F_code between ? and ?"));
        remove.addBindValue(current);
        remove.addBindValue("C050000");
        remove.addBindValue("C050099");
        QVERIFY(remove.exec());
        QCOMPARE(remove.numRowsAffected(), 101);
    }
    QSqlDatabase::removeDatabase("other user");
    QCOMPARE(f.list().currentRow(), 3);
    QCOMPARE(f.list().currentValue("F_code").toString(), current);
    f.grid()->scrollToBottom();
    QTRY_VERIFY(f.grid()->rowAt(f.grid()->viewport()->height() / 2) > Items - 200);
    QCOMPARE(f.list().value(Items - 102, "F_code").toString(), QString::asprintf("C%06d", Items));
    QVERIFY(!f.list().value(Items - 1, "F_code").isValid()); // the list has shrunk meanwhile

    f.window->RefreshList();
    QTRY_COMPARE(f.countLabel(), countText(Items - 101));
    QCOMPARE(f.list().locate("F_code", current), -1);
    QCOMPARE(f.list().rowCount(), Items - 101);
}

QTEST_MAIN(TestSharedList)
#include "tst_sharedlist.moc"
