// The data module's services and the shared helpers: results, messages, neutral values after
// errors, and user text that reaches the database unchanged.
#include "TestEnv.h"
#include "core/app/AppSettings.h"
#include "core/data/RecordSet.h"
#include "core/imaging/JpegCodec.h"
#include "gui/widgets/WidgetHelpers.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {
const QString OperationFailed = QStringLiteral("操作失败，请检查数据连接... ");
}

class TestDatabase : public QObject {
    Q_OBJECT

private slots:
    void aDamagedListIsReportedNotShortened();
    void userTextRoundTrips_data();
    void userTextRoundTrips();
    void executeReportsFailures();
    void deleteByKey();
    void singleValues();
    void openQueryAndLocate();
    void fillComboSkipsBlankNames();
    void fillComboKeepsTheBoxAfterAnError();
    void writeLog();
    void hasPermission();
    void transactionRollsBackUnlessCommitted();
    void reportDateText_data();
    void reportDateText();
    void enableNavButtons();
    void isJpegFile_data();
    void isJpegFile();
    void loadJpegToBitmap();
    void drawBevel_data();
    void drawBevel();
};

void TestDatabase::userTextRoundTrips_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("single quotes") << "O'Brien's ''lathe''";
    QTest::newRow("double quotes") << "\"quoted\" name";
    QTest::newRow("percent and underscore") << "100%_done %";
    QTest::newRow("backslashes") << "\\\\机床\\车床\\";
    QTest::newRow("statement text") << "x'); delete from Sets; --";
    QTest::newRow("chinese") << "数控车床（一号）";
    QTest::newRow("empty") << "";
}

void TestDatabase::userTextRoundTrips() {
    QFETCH(QString, text);
    TestEnv env;
    Database &dm = env.dm();
    QVERIFY(dm.ExecuteSQL(SqlStatement("insert into Sets (F_code, F_name) values (?, ?)",
                                       {"k1", text})));
    QCOMPARE(dm.GetSQLValue(SqlStatement("select F_name from Sets where F_code = ?", {"k1"})),
             text);
    QCOMPARE(dm.GetSQLInt(SqlStatement("select count(*) from Sets where F_name = ?", {text})), 1);
    QCOMPARE(dm.GetSQLInt("select count(*) from Sets"), 1);
    QVERIFY(env.dialogs().messages.isEmpty());
}

void TestDatabase::executeReportsFailures() {
    TestEnv env;
    Database &dm = env.dm();
    QVERIFY(!dm.ExecuteSQL("update NoSuchTable set F_x = 1"));
    QCOMPARE(env.dialogs().messages.size(), 1);
    QVERIFY(env.dialogs().wasShown(OperationFailed, MessError));
    QVERIFY(!dm.lastError().isEmpty());
}

void TestDatabase::deleteByKey() {
    TestEnv env;
    Database &dm = env.dm();
    QVERIFY(dm.ExecuteSQL("insert into t_wxREC (F_SETcode) values ('A'), ('B')"));
    const int first = dm.GetSQLInt("select min(F_ID) from t_wxREC");
    QVERIFY(dm.DeleteRecByID("T_WXrec", first));
    QCOMPARE(dm.GetSQLInt("select count(*) from t_wxREC"), 1);
    QCOMPARE(dm.GetSQLValue("select F_SETcode from t_wxREC"), QStringLiteral("B"));

    QVERIFY(dm.DeleteRecByID("t_wxREC", 999999));
    QCOMPARE(dm.GetSQLInt("select count(*) from t_wxREC"), 1);
    QVERIFY(env.dialogs().messages.isEmpty());

    QVERIFY(!dm.DeleteRecByID("t_wxREC where 1=1 or F_ID", 1));
    QVERIFY(!dm.DeleteRecByID("NoSuchTable", 1));
    QCOMPARE(dm.GetSQLInt("select count(*) from t_wxREC"), 1);
    QCOMPARE(env.dialogs().messageTexts(),
             QStringList({"删除操作失败，请检查数据连接... ", "删除操作失败，请检查数据连接... "}));
}

void TestDatabase::singleValues() {
    TestEnv env;
    Database &dm = env.dm();
    QCOMPARE(dm.GetSQLInt("select Max(F_ID) from SETs"), 0);
    QCOMPARE(dm.GetSQLValue("select F_name from Sets"), QString());
    QVERIFY(dm.ExecuteSQL(SqlStatement("insert into Sets (F_code, F_amount) values (?, ?)",
                                       {"001", 2.5})));
    QCOMPARE(dm.GetSQLValue("select F_code from Sets"), QStringLiteral("001"));
    QCOMPARE(dm.GetSQLValue("select F_name from Sets"), QString()); // null reads as empty
    QCOMPARE(dm.GetSQLInt("select F_cltID from Sets"), 0);
    QVERIFY(dm.GetSQLInt("select Max(F_ID) from sets") > 0);
    QCOMPARE(dm.GetSQLInt(SqlStatement("select F_ID from OperList where F_name = ?",
                                       {"no'body"})),
             0);
    QVERIFY(env.dialogs().messages.isEmpty());

    QCOMPARE(dm.GetSQLValue("select nothing from nowhere"), QString());
    QCOMPARE(dm.GetSQLInt("select nothing from nowhere"), 0);
    QCOMPARE(env.dialogs().messageTexts(), QStringList({OperationFailed, OperationFailed}));
}

void TestDatabase::openQueryAndLocate() {
    TestEnv env;
    Database &dm = env.dm();
    for (int i = 0; i < 600; ++i)
        QVERIFY(dm.ExecuteSQL(SqlStatement("insert into Sets (F_code) values (?)",
                                           {QString::asprintf("E%04d", i)})));
    RecordSet records;
    QSignalSpy moved(&records, &RecordSet::currentRowChanged);
    QVERIFY(dm.OpenQuerySQL(SqlStatement("select * from Sets where F_code like ? order by F_code",
                                         {"E%"}),
                            records));
    QCOMPARE(records.currentRow(), 0);
    QCOMPARE(records.currentValue("f_code").toString(), QStringLiteral("E0000"));
    QVERIFY(records.rowCount() < 600); // rows arrive as they are needed
    QCOMPARE(records.locate("F_CODE", "E0555"), 555);
    QCOMPARE(records.currentRow(), 555);
    QCOMPARE(records.locate("F_code", "missing"), -1);
    QCOMPARE(records.currentRow(), 555);
    QVERIFY(moved.count() >= 2);

    QVERIFY(dm.ExecuteSQL("delete from Sets where F_code >= 'E0010'"));
    QVERIFY(dm.OpenQuerySQL(records.statement(), records));
    records.fetchAll();
    QCOMPARE(records.rowCount(), 10);
    QVERIFY(env.dialogs().messages.isEmpty());

    QVERIFY(!dm.OpenQuerySQL("select * from NoSuchTable", records));
    QVERIFY(!records.isActive());
    QCOMPARE(records.currentRow(), -1);
    QVERIFY(env.dialogs().wasShown("打开操作失败，请检查数据连接... ", MessError));
}

void TestDatabase::fillComboSkipsBlankNames() {
    TestEnv env;
    Database &dm = env.dm();
    QVERIFY(dm.ExecuteSQL(SqlStatement(
        "insert into t_code (F_type, F_name) values ('unit', ?), ('unit', ?), ('unit', ?), "
        "('unit', ?), ('unit', null), ('wxtype', ?)",
        {"台", "   ", "", " 套 ", "外修"})));
    QComboBox combo;
    combo.addItem("stale");
    FillComboBySQL(dm, Database::PickListSql("unit"), &combo);
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
        items << combo.itemText(i);
    items.sort();
    QCOMPARE(items, QStringList({" 套 ", "台"}));

    QComboBox editable;
    editable.setEditable(true);
    editable.setEditText("typed");
    FillComboBySQL(dm, Database::PickListSql("wxtype"), &editable);
    QCOMPARE(editable.count(), 1);
    QCOMPARE(editable.itemText(0), QStringLiteral("外修"));
    QCOMPARE(editable.currentText(), QStringLiteral("typed"));
    QVERIFY(env.dialogs().messages.isEmpty());
}

void TestDatabase::fillComboKeepsTheBoxAfterAnError() {
    TestEnv env;
    QComboBox combo;
    combo.addItems({"a", "b"});
    FillComboBySQL(env.dm(), "select F_name from NoSuchTable", &combo);
    QCOMPARE(combo.count(), 2);
    QVERIFY(env.dialogs().wasShown(OperationFailed, MessError));
}

void TestDatabase::writeLog() {
    TestEnv env;
    Database &dm = env.dm();
    AppSettings::CurrentOperator = QString(); // nobody has logged in yet
    dm.WriteLog("登录失败！");
    AppSettings::CurrentOperator = "O'Neil";
    dm.WriteLog("更换操作员失败！");
    RecordSet log;
    QVERIFY(dm.OpenQuerySQL("select * from LogRec order by F_ID", log));
    log.fetchAll();
    QCOMPARE(log.rowCount(), 2);
    // Nobody is the empty name, not NULL: a search for F_EmpName = '' finds the row.
    QCOMPARE(dm.GetSQLInt("select count(*) from LogRec where F_EmpName = ''"), 1);
    QCOMPARE(dm.GetSQLInt("select count(*) from LogRec where F_EmpName is null"), 0);
    QCOMPARE(log.value(0, "F_OperType").toString(), QStringLiteral("登录失败！"));
    QCOMPARE(log.value(1, "F_EmpName").toString(), QStringLiteral("O'Neil"));
    QCOMPARE(log.value(1, "F_OperDate").toString(),
             QDate::currentDate().toString("yyyy-MM-dd"));
    QVERIFY(QTime::fromString(log.value(1, "F_OperTime").toString(), "hh:mm:ss").isValid());

    // The log never interrupts the user, even when it cannot be written.
    QVERIFY(dm.ExecuteSQL("drop table LogRec"));
    dm.WriteLog("登录失败！");
    QVERIFY(env.dialogs().messages.isEmpty());
}

void TestDatabase::hasPermission() {
    TestEnv env;
    Database &dm = env.dm();
    QVERIFY(dm.ExecuteSQL(SqlStatement(
        "insert into OperLimit (F_OperName, F_lmtName) values (?, ?), (?, ?)",
        {"d'Arcy", "新增", "other", "删除"})));
    AppSettings::CurrentOperator = "D'ARCY";
    QVERIFY(dm.HasPermission("201"));
    QVERIFY(!dm.HasPermission("203"));
    QVERIFY(!dm.HasPermission("201' or '1'='1"));
    AppSettings::CurrentOperator = "nobody";
    QVERIFY(!dm.HasPermission("201"));
    QVERIFY(env.dialogs().messages.isEmpty());
}

void TestDatabase::transactionRollsBackUnlessCommitted() {
    TestEnv env;
    Database &dm = env.dm();
    {
        Transaction transaction(dm);
        QVERIFY(transaction.isActive());
        QVERIFY(dm.ExecuteSQL("insert into Sets (F_code) values ('kept-not')"));
        QVERIFY(!dm.ExecuteSQL(SqlStatement("insert into Sets (F_code) values (?)",
                                            {QString(51, 'x')})));
    }
    QCOMPARE(dm.GetSQLInt("select count(*) from Sets"), 0);
    {
        Transaction transaction(dm);
        QVERIFY(dm.ExecuteSQL("insert into Sets (F_code) values ('kept')"));
        QVERIFY(dm.ExecuteSQL("insert into t_setREC (F_mainID) values (1)"));
        QVERIFY(transaction.commit());
    }
    QCOMPARE(dm.GetSQLInt("select count(*) from Sets"), 1);
    QCOMPARE(dm.GetSQLInt("select count(*) from t_setREC"), 1);
}

void TestDatabase::reportDateText_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("expected");
    QTest::newRow("both open") << QDate() << QDate() << "统计日期：自 启用系统 至 记帐最后一天";
    QTest::newRow("from only") << QDate(2024, 3, 9) << QDate()
                               << "统计日期：自 2024年03月09日 至 记帐最后一天";
    QTest::newRow("to only") << QDate() << QDate(2024, 12, 31)
                             << "统计日期：自 启用系统 至 2024年12月31日";
    QTest::newRow("both") << QDate(2023, 1, 1) << QDate(2023, 1, 31)
                          << "统计日期：自 2023年01月01日 至 2023年01月31日";
}

void TestDatabase::reportDateText() {
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, expected);
    const auto asOptional = [](const QDate &d) {
        return d.isValid() ? std::optional<QDate>(d) : std::nullopt;
    };
    QCOMPARE(Database::GetReportDateText(asOptional(from), asOptional(to)), expected);
}

void TestDatabase::enableNavButtons() {
    QWidget form;
    QStringList names = {"tbFirst", "tbPrior", "tbNext", "tbLast", "tbPrint", "tbset", "tbExpert"};
    QList<QObject *> controls;
    for (const QString &name : names) {
        QObject *control = nullptr;
        if (name == "tbNext" || name == "tbset")
            control = new QAction(&form); // commands may stand under the name too
        else
            control = new QToolButton(&form);
        control->setObjectName(name);
        controls << control;
    }
    EnableNavButtons(&form, false);
    for (QObject *control : controls)
        QVERIFY2(!control->property("enabled").toBool(), qPrintable(control->objectName()));
    EnableNavButtons(&form, true);
    for (QObject *control : controls)
        QVERIFY(control->property("enabled").toBool());

    // Without tbPrint the walk stops there: the four before it change, the two after do not.
    delete controls.takeAt(4);
    EnableNavButtons(&form, false);
    for (int i = 0; i < controls.size(); ++i)
        QCOMPARE(controls[i]->property("enabled").toBool(), i >= 4);
}

void TestDatabase::isJpegFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("expected");
    QTest::newRow("jpg") << "a.jpg" << true;
    QTest::newRow("JPEG upper") << "/x/照片.JPEG" << true;
    QTest::newRow("Jpg mixed") << "b.Jpg" << true;
    QTest::newRow("png") << "c.png" << false;
    QTest::newRow("jpg in folder only") << "/x.jpg/picture" << false;
    QTest::newRow("no extension") << "jpg" << false;
    QTest::newRow("jfif") << "d.jfif" << false;
}

void TestDatabase::isJpegFile() {
    QFETCH(QString, name);
    QFETCH(bool, expected);
    QCOMPARE(IsJpegFile(name), expected);
}

void TestDatabase::loadJpegToBitmap() {
    QImage bitmap;
    QVERIFY(LoadJpegToBitmap(TestDataPath("pictures/Landscape_1.jpg"), bitmap, 8));
    QCOMPARE(bitmap.size(), QSize(225, 150));
    QVERIFY(LoadJpegToBitmap(TestDataPath("pictures/app13-multiple.jpg"), bitmap));
    QCOMPARE(bitmap.size(), QSize(256, 160));

    const QImage before = bitmap;
    for (const char *bad : {"pictures/truncated_jpeg.jpg", "pictures/hopper.png",
                            "pictures/hopper.gif", "pictures/no-such-file.jpg"}) {
        QVERIFY2(!LoadJpegToBitmap(TestDataPath(bad), bitmap), bad);
        QCOMPARE(bitmap, before);
    }
    QVERIFY(!LoadJpegToBitmap(TestDataPath("pictures/Landscape_1.jpg"), bitmap, 3));
}

void TestDatabase::drawBevel_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<QColor>("topLeft");
    QTest::addColumn<QColor>("bottomRight");
    QTest::newRow("raised") << 1 << QColor(Qt::white) << QColor(128, 128, 128);
    QTest::newRow("sunken") << 2 << QColor(128, 128, 128) << QColor(Qt::white);
    QTest::newRow("any other is sunken") << 0 << QColor(128, 128, 128) << QColor(Qt::white);
}

void TestDatabase::drawBevel() {
    QFETCH(int, style);
    QFETCH(QColor, topLeft);
    QFETCH(QColor, bottomRight);
    QImage canvas(20, 20, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        DrawBevel(painter, 2, 3, 10, 8, style); // frame (2,3)-(12,11)
    }
    const auto at = [&](int x, int y) { return QColor(canvas.pixel(x, y)); };
    QCOMPARE(at(7, 3), topLeft);       // top edge
    QCOMPARE(at(2, 7), topLeft);       // left edge
    QCOMPARE(at(2, 3), topLeft);       // top left corner
    QCOMPARE(at(12, 3), topLeft);      // top right corner, where the frame starts
    QCOMPARE(at(7, 11), bottomRight);  // bottom edge
    QCOMPARE(at(12, 7), bottomRight);  // right edge
    QCOMPARE(at(2, 11), bottomRight);  // bottom left corner
    QCOMPARE(at(12, 11), bottomRight); // bottom right corner
    QCOMPARE(at(7, 7), QColor(Qt::black));
    QCOMPARE(at(13, 7), QColor(Qt::black));
    QCOMPARE(at(7, 12), QColor(Qt::black));
}

// Pages of the table overwritten: the list reads what it can, and the user is told that the file
// is damaged instead of being shown a shorter list as if it were all.
void TestDatabase::aDamagedListIsReportedNotShortened() {
    TestEnv env;
    QVERIFY(env.dm().ExecuteSQL(SqlStatement(
        "with recursive n(i) as (select 1 union all select i + 1 from n where i < 3000) "
        "insert into Sets (F_code, F_name, F_memo1) select printf('D%05d', i), '设备', "
        "printf('%0200d', i) from n")));
    env.dm().disconnect();
    {
        QFile file(env.databasePath());
        QVERIFY(file.open(QIODevice::ReadWrite));
        const qint64 from = file.size() / 2 / 4096 * 4096;
        QVERIFY(file.seek(from));
        QVERIFY(file.write(QByteArray(file.size() - from, char(0xA5))) > 0);
    }
    Database dm;
    QVERIFY(dm.connectTo(env.databasePath()));
    RecordSet list;
    if (dm.OpenQuerySQL("select * from Sets", list))
        list.fetchAll();
    const QStringList said = env.dialogs().messageTexts();
    QCOMPARE(said.size(), 1);
    QVERIFY2(said.first().startsWith(QStringLiteral("数据库文件已损坏")), qPrintable(said.first()));
    QVERIFY(said.first().contains(QStringLiteral("原因：")));
    QVERIFY(list.rowCount() < 3000);
}

QTEST_MAIN(TestDatabase)
#include "tst_database.moc"
