// The list grid over a record set: lazy rows, footer sums from SQL, title sorting, selection,
// display hooks, the no-date convention, and printing.
#include "TestEnv.h"
#include "gui/widgets/GridPrinter.h"
#include "core/data/RecordSet.h"
#include "gui/widgets/DataGrid.h"

#include <QHeaderView>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace {

QList<DataGridColumn> equipmentColumns() {
    DataGridColumn code{"F_code", "设备编号"};
    code.footerKind = FooterKind::Text;
    code.footerValue = "合  计";
    DataGridColumn name{"F_name", "设备名称"};
    DataGridColumn price{"F_price", "单价"};
    price.displayFormat = "#,##0.00";
    price.footerKind = FooterKind::Sum;
    DataGridColumn buy{"F_buyDate", "购置日期"};
    DataGridColumn memo{"F_memo1", "验收使用情况"};
    return {code, name, price, buy, memo};
}

// n items E0000…, price i + 0.5, a purchase date, every tenth stopped and without a date.
void fillItems(Database &dm, int n) {
    Transaction transaction(dm);
    for (int i = 0; i < n; ++i) {
        QVERIFY(dm.ExecuteSQL(SqlStatement(
            "insert into Sets (F_code, F_name, F_price, F_buyDate, F_memo1, F_useFlag) "
            "values (?, ?, ?, ?, ?, ?)",
            {QString::asprintf("E%04d", i), QStringLiteral("设备%1").arg(n - i), i + 0.5,
             i % 10 == 0 ? QStringLiteral("1900-08-14") : QStringLiteral("2024-01-15"),
             QString::asprintf("m%04d", n - i), i % 10 == 0})));
    }
    QVERIFY(transaction.commit());
}

struct GridFixture {
    RecordSet records;
    DataGrid grid;

    explicit GridFixture(Database &dm, const QString &sql = "select * from Sets where (1=1) ") {
        grid.setColumns(equipmentColumns());
        dm.OpenQuerySQL(sql, records);
        grid.setRecordSet(&records);
        grid.resize(900, 400);
    }

    QStringList column(int index, int rows) {
        QStringList texts;
        for (int row = 0; row < rows; ++row)
            texts << grid.cellText(row, index);
        return texts;
    }
};

} // namespace

class TestDataGrid : public QObject {
    Q_OBJECT

private slots:
    void rowsArriveLazilyAndFooterSumsAllRows();
    void displayFormatsAndNoDate();
    void titleClicksCycleTheSort();
    void memoTitleChangesOnlyItsMarker();
    void sortOrders_data();
    void sortOrders();
    void sortKeepsTheCurrentItem();
    void sortAwayFromTheCurrentItemStartsAtTheTop();
    void columnsRebuildMoveAndHide();
    void multiRowSelectionAndCurrentRow();
    void rowStyleAndCellTextHooks();
    void printsToPdf();
};

void TestDataGrid::rowsArriveLazilyAndFooterSumsAllRows() {
    TestEnv env;
    fillItems(env.dm(), 1500);
    GridFixture f(env.dm());
    // The first rows show before the totals, which come from the second connection.
    QVERIFY(f.records.rowCount() < 1500);
    QVERIFY(!f.grid.totalsFinal());
    QCOMPARE(f.grid.footerText(0), QStringLiteral("合  计"));
    QTRY_VERIFY(f.grid.totalsFinal());
    QCOMPARE(f.grid.totalRowCount(), 1500);
    QCOMPARE(f.records.rowCount(), 1500);
    // sum of i + 0.5 for i < 1500
    QCOMPARE(f.grid.footerText(2), QStringLiteral("1,125,000.00"));
    QCOMPARE(f.grid.footerText(1), QString());

    QVERIFY(env.dm().OpenQuerySQL(SqlStatement("select * from Sets where F_code < ?", {"E0010"}),
                                  f.records));
    QCOMPARE(f.grid.footerText(2), QStringLiteral("50.00"));
    QCOMPARE(f.grid.model()->rowCount(), 10);
}

void TestDataGrid::displayFormatsAndNoDate() {
    TestEnv env;
    fillItems(env.dm(), 11);
    GridFixture f(env.dm(), "select * from Sets order by F_code");
    QCOMPARE(f.grid.cellText(0, 3), QString()); // 1900-08-14 is a date left open
    QCOMPARE(f.grid.cellText(1, 3), QStringLiteral("2024-01-15"));
    QCOMPARE(f.grid.cellText(10, 2), QStringLiteral("10.50"));
    QCOMPARE(f.grid.cellText(0, 0), QStringLiteral("E0000"));
    QCOMPARE(f.grid.cellAlignment(2), Qt::AlignRight);
    QCOMPARE(f.grid.cellAlignment(1), Qt::AlignLeft);
}

void TestDataGrid::titleClicksCycleTheSort() {
    TestEnv env;
    fillItems(env.dm(), 30);
    GridFixture f(env.dm());
    f.grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.grid));
    QHeaderView *titles = f.grid.horizontalHeader();
    const auto clickTitle = [&](int index) {
        const int x = titles->sectionViewportPosition(titles->logicalIndex(index)) + 10;
        QTest::mouseClick(titles->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
    };

    QCOMPARE(f.grid.sortMarker(2), SortMarker::None);
    clickTitle(2);
    QCOMPARE(f.grid.sortMarker(2), SortMarker::Ascending);
    QCOMPARE(f.column(0, 3), QStringList({"E0000", "E0001", "E0002"}));
    clickTitle(2);
    QCOMPARE(f.grid.sortMarker(2), SortMarker::Descending);
    QCOMPARE(f.column(0, 3), QStringList({"E0029", "E0028", "E0027"}));
    clickTitle(2);
    QCOMPARE(f.grid.sortMarker(2), SortMarker::Ascending);
    clickTitle(1); // orders by that column alone; the other marker stays
    QCOMPARE(f.grid.sortMarker(2), SortMarker::Ascending);
    QCOMPARE(f.grid.sortMarker(1), SortMarker::Ascending);
    QCOMPARE(f.grid.sortSpec(), QStringLiteral("F_name ASC,"));
    QCOMPARE(f.column(1, 2), QStringList({"设备1", "设备10"}));
}

void TestDataGrid::memoTitleChangesOnlyItsMarker() {
    TestEnv env;
    fillItems(env.dm(), 5);
    GridFixture f(env.dm(), "select * from Sets order by F_code");
    const QStringList before = f.column(0, 5);
    QSignalSpy sorted(&f.grid, &DataGrid::sortChanged);
    f.grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.grid));
    QHeaderView *titles = f.grid.horizontalHeader();
    QTest::mouseClick(titles->viewport(), Qt::LeftButton, {},
                      QPoint(titles->sectionViewportPosition(4) + 10, 5));
    QCOMPARE(f.grid.sortMarker(4), SortMarker::Ascending);
    QCOMPARE(f.column(0, 5), before);
    QCOMPARE(sorted.count(), 0);
}

void TestDataGrid::sortOrders_data() {
    QTest::addColumn<QString>("spec");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("firstCodes");
    QTest::newRow("descending with trailing comma") << "f_price DESC," << true
                                                    << QStringList({"E0019", "E0018"});
    QTest::newRow("two keys") << "F_useFlag DESC,F_code ASC," << true
                              << QStringList({"E0000", "E0010"});
    QTest::newRow("direction left out") << "F_code" << true << QStringList({"E0000", "E0001"});
    QTest::newRow("empty removes the sort") << "" << true << QStringList({"E0000", "E0001"});
    QTest::newRow("statement text refused") << "F_code; drop table Sets" << false
                                            << QStringList({"E0000", "E0001"});
    QTest::newRow("expression refused") << "length(F_name) DESC," << false
                                        << QStringList({"E0000", "E0001"});
}

void TestDataGrid::sortOrders() {
    QFETCH(QString, spec);
    QFETCH(bool, accepted);
    QFETCH(QStringList, firstCodes);
    TestEnv env;
    fillItems(env.dm(), 20);
    GridFixture f(env.dm(), "select * from Sets order by F_code");
    QCOMPARE(f.grid.setSortSpec(spec), accepted);
    QCOMPARE(f.column(0, 2), firstCodes);
    QCOMPARE(env.dm().GetSQLInt("select count(*) from Sets"), 20);
}

void TestDataGrid::sortKeepsTheCurrentItem() {
    TestEnv env;
    fillItems(env.dm(), 50);
    GridFixture f(env.dm(), "select * from Sets order by F_code");
    f.grid.setCurrentRow(7);
    QCOMPARE(f.records.currentValue("F_code").toString(), QStringLiteral("E0007"));
    QVERIFY(f.grid.setSortSpec("F_code DESC,"));
    QCOMPARE(f.records.currentValue("F_code").toString(), QStringLiteral("E0007"));
    QCOMPARE(f.grid.currentRow(), 42);
}

// A current item that the new order puts beyond the rows read at once is not hunted down (that
// would read the whole list); the list starts at its top, and the totals are not recounted.
void TestDataGrid::sortAwayFromTheCurrentItemStartsAtTheTop() {
    TestEnv env;
    fillItems(env.dm(), 1200);
    GridFixture f(env.dm(), "select * from Sets order by F_code");
    QTRY_VERIFY(f.grid.totalsFinal());
    QSignalSpy totals(&f.grid, &DataGrid::totalsChanged);
    f.grid.setCurrentRow(3);
    QVERIFY(f.grid.setSortSpec("F_code DESC,"));
    QCOMPARE(f.grid.currentRow(), 0);
    QCOMPARE(f.records.currentValue("F_code").toString(), QStringLiteral("E1199"));
    QVERIFY(f.grid.totalsFinal());
    QCOMPARE(totals.count(), 0);
    QCOMPARE(f.grid.totalRowCount(), 1200);
}

void TestDataGrid::columnsRebuildMoveAndHide() {
    TestEnv env;
    fillItems(env.dm(), 3);
    GridFixture f(env.dm(), "select * from Sets order by F_code");
    QSignalSpy changed(&f.grid, &DataGrid::columnsChanged);
    f.grid.moveColumn(2, 0);
    QCOMPARE(f.grid.column(0).fieldName, QStringLiteral("F_price"));
    QCOMPARE(f.grid.column(1).fieldName, QStringLiteral("F_code"));
    QCOMPARE(f.grid.cellText(0, 0), QStringLiteral("0.50"));
    QCOMPARE(f.grid.columnIndex("f_CODE"), 1);

    f.grid.setColumnVisible(1, false);
    QVERIFY(!f.grid.column(1).visible);
    QCOMPARE(f.grid.column(1).width, 85); // a hidden column keeps its width
    f.grid.horizontalHeader()->resizeSection(f.grid.horizontalHeader()->logicalIndex(0), 140);
    QCOMPARE(f.grid.column(0).width, 140);
    QVERIFY(changed.count() >= 2);

    f.grid.setColumns({DataGridColumn{"F_name", "名称"}, DataGridColumn{"F_nosuchfield", "无"}});
    QCOMPARE(f.grid.columnCount(), 2);
    QCOMPARE(f.grid.column(0).title, QStringLiteral("名称"));
    QCOMPARE(f.grid.cellText(0, 0), QStringLiteral("设备3"));
    QCOMPARE(f.grid.cellText(0, 1), QString());
}

void TestDataGrid::multiRowSelectionAndCurrentRow() {
    TestEnv env;
    fillItems(env.dm(), 10);
    GridFixture f(env.dm(), "select * from Sets order by F_code");
    QSignalSpy doubleClicked(&f.grid, &DataGrid::rowDoubleClicked);
    f.grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.grid));
    const auto rowPoint = [&](int row) {
        return QPoint(20, f.grid.rowViewportPosition(row) + 5);
    };
    QTest::mouseClick(f.grid.viewport(), Qt::LeftButton, {}, rowPoint(1));
    QTest::mouseClick(f.grid.viewport(), Qt::LeftButton, Qt::ShiftModifier, rowPoint(3));
    QTest::mouseClick(f.grid.viewport(), Qt::LeftButton, Qt::ControlModifier, rowPoint(6));
    QCOMPARE(f.grid.selectedRows(), QList<int>({1, 2, 3, 6}));
    QCOMPARE(f.grid.currentRow(), 6);
    QCOMPARE(f.records.currentValue("F_code").toString(), QStringLiteral("E0006"));

    f.records.setCurrentRow(2);
    QCOMPARE(f.grid.currentRow(), 2);
    QTest::mouseClick(f.grid.viewport(), Qt::LeftButton, {}, rowPoint(4));
    QTest::mouseDClick(f.grid.viewport(), Qt::LeftButton, {}, rowPoint(4));
    QCOMPARE(doubleClicked.count(), 1);
    QCOMPARE(doubleClicked.first().first().toInt(), 4);
}

void TestDataGrid::rowStyleAndCellTextHooks() {
    TestEnv env;
    fillItems(env.dm(), 12);
    GridFixture f(env.dm(), "select * from Sets order by F_code");
    RecordSet &records = f.records;
    f.grid.setRowStyleHook([&records](int row) -> std::optional<DataGrid::RowStyle> {
        if (!records.value(row, "F_useFlag").toBool())
            return std::nullopt;
        return DataGrid::RowStyle{Qt::red, QColor(240, 240, 240)};
    });
    f.grid.setCellTextHook([](int, const DataGridColumn &column,
                              const QVariant &value) -> std::optional<QString> {
        if (column.fieldName == "F_name")
            return "[" + value.toString() + "]";
        return std::nullopt;
    });
    QAbstractItemModel *model = f.grid.model();
    QCOMPARE(model->index(10, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    QVERIFY(!model->index(11, 0).data(Qt::ForegroundRole).isValid());
    QCOMPARE(f.grid.cellText(0, 1), QStringLiteral("[设备12]"));
    QCOMPARE(f.grid.cellText(0, 0), QStringLiteral("E0000"));

    // The stopped row keeps its red text when selected.
    f.grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.grid));
    f.grid.selectRow(10);
    const QImage shot = f.grid.viewport()->grab().toImage();
    const int y = f.grid.rowViewportPosition(10) + f.grid.rowHeight(10) / 2;
    bool redText = false;
    for (int x = 0; x < f.grid.columnWidth(0) && !redText; ++x) {
        const QColor c = shot.pixelColor(x, y);
        redText = c.red() > 150 && c.green() < 90 && c.blue() < 90;
    }
    QVERIFY(redText);
}

void TestDataGrid::printsToPdf() {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    QVERIFY2(!pdftotext.isEmpty(), "pdftotext (poppler-utils) is needed to read the PDF");
    TestEnv env;
    fillItems(env.dm(), 80);
    GridFixture f(env.dm(), "select * from Sets order by F_code");
    f.grid.setColumnVisible(4, false);

    GridPrinter &printer = GridPrinter::shared();
    printer.configure("设备查询分析图表", 1, "date", "单位：测试公司");
    const QString pdf = env.path("grid.pdf");
    QVERIFY(printer.printToPdf(&f.grid, pdf));

    QProcess process;
    process.start(pdftotext, {"-layout", pdf, "-"});
    QVERIFY(process.waitForFinished(60000));
    // CJK fonts map some characters to look-alike radicals in the text layer; NFKC folds
    // them back (⽇ → 日).
    const QString text = QString::fromUtf8(process.readAllStandardOutput())
                             .normalized(QString::NormalizationForm_KC);
    const QString today = QDate::currentDate().toString("yyyy年MM月dd日");
    const auto has = [&text](const QString &wanted) {
        return text.contains(wanted.normalized(QString::NormalizationForm_KC));
    };
    QVERIFY2(has("设备查询分析图表"), qPrintable(text.left(400)));
    QVERIFY(has("单位：测试公司"));
    QVERIFY(has("打印日期：" + today));
    QVERIFY(text.contains("3,200.00")); // footer: sum of i + 0.5 for i < 80
    QVERIFY(text.contains("79.50"));    // every row, across pages
    QVERIFY(text.contains(QRegularExpression("第\\s*3")));
    QVERIFY(!text.contains("m0001")); // the hidden memo column is not printed

    // An empty footer keeps the last one; option 2 keeps the last row fitting.
    printer.configure("第二次", 0, "", "");
    QCOMPARE(printer.pageFooterRight(), "打印日期：" + today);
    QCOMPARE(printer.pageHeaderLeft(), QStringLiteral("单位：测试公司"));
    QCOMPARE(printer.rowFit(), GridPrinter::StretchRowsToText);
    printer.configure("第三次", 2, "第 1 联", "");
    QCOMPARE(printer.rowFit(), GridPrinter::StretchRowsToText);
    QCOMPARE(printer.pageFooterRight(), QStringLiteral("第 1 联"));
}

QTEST_MAIN(TestDataGrid)
#include "tst_datagrid.moc"
