// The statement the equipment list's filters compose: values travel bound, never as text.
#include "core/register/EquipmentFilter.h"

#include <QTest>

class TestEquipmentFilter : public QObject {
    Q_OBJECT

private slots:
    void composes_data();
    void composes();
    void likeLiteral_data();
    void likeLiteral();
};

void TestEquipmentFilter::composes_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("stopped");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QVariantList>("expectedValues");
    QTest::newRow("nothing chosen") << -1 << "x" << "" << false
                                    << "select * from Sets where (1=1) and F_useFlag = false "
                                    << QVariantList();
    QTest::newRow("code prefix, stopped included")
        << 0 << " O'B% " << "" << true
        << "select * from Sets where (1=1) and f_code like ? escape '!' "
        << QVariantList({"O'B!%%"});
    QTest::newRow("type subtree")
        << -1 << "" << "\\\\电脑_1" << true
        << "select * from Sets where (1=1) and (+f_type = ? or +f_type like ? escape '!') "
        << QVariantList({"\\\\电脑_1", "\\\\电脑!_1\\%"});
}

void TestEquipmentFilter::composes() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, type);
    QFETCH(bool, stopped);
    QFETCH(QString, expectedText);
    QFETCH(QVariantList, expectedValues);
    EquipmentFilter filter;
    filter.searchField = field;
    filter.searchText = text;
    filter.typePath = type;
    filter.includeStopped = stopped;
    const SqlStatement statement = filter.statement(SqlDialect::sqlite());
    QCOMPARE(statement.text, expectedText);
    QCOMPARE(statement.values, expectedValues);
    QCOMPARE(statement.text.count('?'), statement.values.size());
}

void TestEquipmentFilter::likeLiteral_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("plain") << "电脑" << "电脑";
    QTest::newRow("wildcards") << "100%_x" << "100!%!_x";
    QTest::newRow("escape char") << "wow!" << "wow!!";
    QTest::newRow("backslashes stay") << "\\\\a\\b" << "\\\\a\\b";
}

void TestEquipmentFilter::likeLiteral() {
    QFETCH(QString, text);
    QFETCH(QString, escaped);
    QCOMPARE(LikeLiteral(text), escaped);
}

QTEST_GUILESS_MAIN(TestEquipmentFilter)
#include "tst_equipmentfilter.moc"
