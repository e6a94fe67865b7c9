// Stored column layouts: loading, saving, and what a stored row may hold.
#include "TestEnv.h"
#include "gui/widgets/GridLayouts.h"
#include "core/data/RecordSet.h"
#include "gui/widgets/DataGrid.h"

#include <QSqlRecord>
#include <QTest>

namespace {

QList<DataGridColumn> builtIn() {
    return {DataGridColumn{"F_code", "编号"}, DataGridColumn{"F_name", "名称"},
            DataGridColumn{"F_price", "单价"}, DataGridColumn{"F_memo1", "说明"}};
}

void storeRow(Database &dm, const QString &grid, const QString &field, const QString &caption,
              int order, int alignment = 0, bool visible = true, int footerType = 0,
              const QString &footerValue = {}) {
    QVERIFY(dm.ExecuteSQL(SqlStatement(
        "insert into cfg_Grid (F_name, F_FieldName, F_Caption, F_Width, F_Visible, F_ReadOnly, "
        "F_DisplayFormat, F_FooterValue, F_FooterType, F_Alignment, F_Order) "
        "values (?, ?, ?, ?, ?, 1, '', ?, ?, ?, ?)",
        {grid, field, caption, 60 + order, visible, footerValue, footerType, alignment, order})));
}

QList<QSqlRecord> storedRows(Database &dm, const QString &grid) {
    return dm.ReadRecords(SqlStatement("select * from cfg_Grid where F_name = ? order by F_Order",
                                       {grid}))
        .value_or(QList<QSqlRecord>());
}

} // namespace

class TestGridLayouts : public QObject {
    Q_OBJECT

private slots:
    void noStoredRowsKeepsTheBuiltInColumns();
    void loadBuildsColumnsInOrder();
    void alignmentCodes_data();
    void alignmentCodes();
    void hiddenColumnsAreRemembered();
    void movedColumnsSaveTheirPositions();
    void captionsWithQuotesSurvive();
    void savingTouchesOnlyStoredRowsOfTheGrid();
    void seededLayoutLoads();
};

void TestGridLayouts::noStoredRowsKeepsTheBuiltInColumns() {
    TestEnv env;
    DataGrid grid;
    grid.setColumns(builtIn());
    LoadGridLayout(env.dm(), &grid, "nosuchgrid");
    QCOMPARE(grid.columnCount(), 4);
    QCOMPARE(grid.column(0).title, QStringLiteral("编号"));
    const int before = env.dm().GetSQLInt("select count(*) from cfg_Grid");
    SaveGridLayout(env.dm(), &grid, "nosuchgrid");
    QCOMPARE(env.dm().GetSQLInt("select count(*) from cfg_Grid"), before);
    QCOMPARE(env.dm().GetSQLInt("select count(*) from cfg_Grid where F_name = 'nosuchgrid'"), 0);
    QVERIFY(env.dialogs().messages.isEmpty());
}

void TestGridLayouts::loadBuildsColumnsInOrder() {
    TestEnv env;
    storeRow(env.dm(), "g", "F_name", "名称", 1);
    storeRow(env.dm(), "g", "", "无字段", 0);
    storeRow(env.dm(), "g", "F_price", "单价", 2, 2, true, 2);
    storeRow(env.dm(), "g", "F_code", "编号", 0, 0, true, 1, "合  计");
    storeRow(env.dm(), "other", "F_memo1", "别的表格", 0);
    DataGrid grid;
    grid.setColumns(builtIn());
    LoadGridLayout(env.dm(), &grid, "g");
    QCOMPARE(grid.columnCount(), 3);
    QCOMPARE(grid.column(0).fieldName, QStringLiteral("F_code"));
    QCOMPARE(grid.column(1).fieldName, QStringLiteral("F_name"));
    QCOMPARE(grid.column(2).fieldName, QStringLiteral("F_price"));
    QCOMPARE(grid.column(1).width, 61);
    QCOMPARE(grid.column(0).titleAlignment, Qt::AlignCenter);
    QCOMPARE(grid.column(0).footerKind, FooterKind::Text);
    QCOMPARE(grid.column(0).footerValue, QStringLiteral("合  计"));
    QCOMPARE(grid.column(2).footerKind, FooterKind::Sum);
    QCOMPARE(grid.column(2).alignment, Qt::AlignRight);
}

void TestGridLayouts::alignmentCodes_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("shown");
    QTest::newRow("left") << 0 << "F_price" << int(Qt::AlignLeft);
    QTest::newRow("centre") << 1 << "F_code" << int(Qt::AlignHCenter);
    QTest::newRow("right") << 2 << "F_code" << int(Qt::AlignRight);
    QTest::newRow("5 keeps the default of text") << 5 << "F_code" << int(Qt::AlignLeft);
    QTest::newRow("5 keeps the default of numbers") << 5 << "F_price" << int(Qt::AlignRight);
}

void TestGridLayouts::alignmentCodes() {
    QFETCH(int, code);
    QFETCH(QString, field);
    QFETCH(int, shown);
    TestEnv env;
    storeRow(env.dm(), "g", field, "列", 0, code);
    RecordSet records;
    QVERIFY(env.dm().OpenQuerySQL("select * from Sets", records));
    DataGrid grid;
    grid.setRecordSet(&records);
    LoadGridLayout(env.dm(), &grid, "g");
    QCOMPARE(int(grid.cellAlignment(0)), shown);
}

void TestGridLayouts::hiddenColumnsAreRemembered() {
    TestEnv env;
    for (int i = 0; i < 4; ++i)
        storeRow(env.dm(), "g", builtIn()[i].fieldName, builtIn()[i].title, i);
    DataGrid grid;
    LoadGridLayout(env.dm(), &grid, "g");
    grid.setColumnVisible(1, false);
    SaveGridLayout(env.dm(), &grid, "g");

    DataGrid reopened;
    LoadGridLayout(env.dm(), &reopened, "g");
    QCOMPARE(reopened.columnCount(), 4);
    QVERIFY(!reopened.column(1).visible);
    QCOMPARE(reopened.column(1).width, 61);
    reopened.setColumnVisible(1, true);
    QVERIFY(reopened.column(1).visible);
    QCOMPARE(reopened.column(1).width, 61);
}

void TestGridLayouts::movedColumnsSaveTheirPositions() {
    TestEnv env;
    for (int i = 0; i < 4; ++i)
        storeRow(env.dm(), "g", builtIn()[i].fieldName, builtIn()[i].title, i);
    DataGrid grid;
    LoadGridLayout(env.dm(), &grid, "g");
    grid.moveColumn(2, 0);
    SaveGridLayout(env.dm(), &grid, "G"); // the name is stored in lower case
    QStringList order;
    for (const QSqlRecord &row : storedRows(env.dm(), "g"))
        order << row.value("F_FieldName").toString() + "@" + row.value("F_Order").toString();
    QCOMPARE(order, QStringList({"F_price@0", "F_code@1", "F_name@2", "F_memo1@3"}));
}

void TestGridLayouts::captionsWithQuotesSurvive() {
    TestEnv env;
    storeRow(env.dm(), "g", "F_code", "编号", 0);
    DataGrid grid;
    LoadGridLayout(env.dm(), &grid, "g");
    DataGridColumn column = grid.column(0);
    column.title = "O'Brien \"编号\" 100%";
    column.displayFormat = "0'0";
    column.footerKind = FooterKind::Text;
    column.footerValue = "it's \\ total";
    grid.updateColumn(0, column);
    SaveGridLayout(env.dm(), &grid, "g");
    const QSqlRecord row = storedRows(env.dm(), "g").value(0);
    QCOMPARE(row.value("F_Caption").toString(), column.title);
    QCOMPARE(row.value("F_DisplayFormat").toString(), column.displayFormat);
    QCOMPARE(row.value("F_FooterValue").toString(), column.footerValue);
    QCOMPARE(row.value("F_FooterType").toInt(), 1);
    QVERIFY(env.dialogs().messages.isEmpty());
}

void TestGridLayouts::savingTouchesOnlyStoredRowsOfTheGrid() {
    TestEnv env;
    storeRow(env.dm(), "g", "F_code", "编号", 0);
    storeRow(env.dm(), "g", "F_spec", "规格", 1);
    storeRow(env.dm(), "h", "F_code", "另一个", 0);
    DataGrid grid;
    grid.setColumns(builtIn());
    SaveGridLayout(env.dm(), &grid, "g");
    QCOMPARE(env.dm().GetSQLValue("select F_Caption from cfg_Grid where F_name = 'g' and "
                                  "F_FieldName = 'F_code'"),
             QStringLiteral("编号"));
    QCOMPARE(env.dm().GetSQLInt("select F_Order from cfg_Grid where F_name = 'g' and "
                                "F_FieldName = 'F_spec'"),
             1);
    QCOMPARE(env.dm().GetSQLValue("select F_Caption from cfg_Grid where F_name = 'h'"),
             QStringLiteral("另一个"));
    QCOMPARE(env.dm().GetSQLInt("select count(*) from cfg_Grid where F_name = 'g'"), 2);
}

void TestGridLayouts::seededLayoutLoads() {
    TestEnv env;
    RecordSet records;
    QVERIFY(env.dm().OpenQuerySQL("select * from T_wxREC where (1=1) ", records));
    DataGrid grid;
    grid.setRecordSet(&records);
    LoadGridLayout(env.dm(), &grid, "wxrecgl");
    QCOMPARE(grid.columnCount(), 13);
    QCOMPARE(grid.column(0).title, QStringLiteral("设备编号"));
    QCOMPARE(grid.footerText(0), QStringLiteral("合  计"));
    QCOMPARE(grid.footerText(grid.columnIndex("F_WXprice")), QStringLiteral("0.00"));
}

QTEST_MAIN(TestGridLayouts)
#include "tst_gridlayouts.moc"
