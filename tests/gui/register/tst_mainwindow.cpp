// The main window on a small register: every filter of the equipment list, alone and together,
// the details following the current item, deletion, the keys, the detail pages and the commands
// that permissions hide.
#include "GuiSteps.h"
#include "MainWindowFixture.h"
#include "TestEnv.h"
#include "core/app/AppSettings.h"
#include "core/data/RecordSet.h"
#include "core/register/EquipmentFilter.h"
#include "gui/register/MainWindow.h"
#include "gui/security/CommandPermissions.h"
#include "gui/widgets/DataGrid.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTimer>
#include <QTreeWidget>

namespace {

struct Item {
    const char *code;
    const char *name;
    const char *type;
    const char *dept;
    const char *status;
    const char *spec; // nullptr leaves it NULL
    bool stopped;
};

// Types 电脑 > 笔记本 and the sibling 电脑椅; departments 生产部 > 一车间 and 行政部.
const Item Items[] = {
    {"A100", "A1车床", "\\\\电脑", "\\\\生产部", "在用", "S-1", false},
    {"XA1", "XA1笔记本", "\\\\电脑\\笔记本", "\\\\生产部\\一车间", "闲置", "S-2", false},
    {"C300", "办公椅", "\\\\电脑椅", "\\\\行政部", "在用", nullptr, false},
    {"Q1", "O'Brien's 100% 仪器", "\\\\电脑", "\\\\行政部", "维修", "T-1", false},
    {"S900", "停用设备", "\\\\电脑\\笔记本", "\\\\生产部", "报废", "S-9", true},
};

void seedRegister(Database &dm) {
    for (const Item &item : Items) {
        QVERIFY(InsertItem(dm, {{"F_code", item.code},
                                {"F_name", QString::fromUtf8(item.name)},
                                {"F_type", QString::fromUtf8(item.type)},
                                {"F_useDept", QString::fromUtf8(item.dept)},
                                {"F_useStatus", QString::fromUtf8(item.status)},
                                {"F_spec", item.spec ? QVariant(item.spec) : QVariant()},
                                {"F_useFlag", item.stopped},
                                {"F_memo2", QStringLiteral("备注 ") + item.code}}));
    }
    QVERIFY(dm.ExecuteSQL("update Sets set F_cltID = F_ID"));
    const QList<QStringList> nodes = {{"001", "电脑", "\\\\电脑", "type"},
                                      {"001001", "笔记本", "\\\\电脑\\笔记本", "type"},
                                      {"002", "电脑椅", "\\\\电脑椅", "type"},
                                      {"001", "生产部", "\\\\生产部", "depttype"},
                                      {"001001", "一车间", "\\\\生产部\\一车间", "depttype"},
                                      {"002", "行政部", "\\\\行政部", "depttype"}};
    for (const QStringList &node : nodes)
        QVERIFY(dm.ExecuteSQL(SqlStatement("insert into t_treecode (F_code, F_name, F_likecode, "
                                           "F_flag) values (?, ?, ?, ?)",
                                           {node[0], node[1], node[2], node[3]})));
    for (const char *status : {"在用", "闲置", "维修", "报废"})
        QVERIFY(dm.ExecuteSQL(SqlStatement("insert into t_code (F_type, F_name) values "
                                           "('usestatus', ?)",
                                           {QString::fromUtf8(status)})));
}

int idOf(Database &dm, const QString &code) {
    return dm.GetSQLInt(SqlStatement("select F_ID from Sets where F_code = ?", {code}));
}

struct MainFixture : MainWindowFixture {
    explicit MainFixture(const QString &operatorName = "admin")
        : MainWindowFixture(seedRegister, operatorName) {}

    template <typename T> T *find(const char *name) {
        return window->findChild<T *>(QString::fromLatin1(name));
    }

    QStringList codes() {
        RecordSet &list = window->QryMain();
        list.fetchAll();
        QStringList result;
        for (int row = 0; row < list.rowCount(); ++row)
            result << list.value(row, "F_code").toString();
        return result;
    }

    void chooseTreeNode(const char *tree, const QString &name) {
        QTreeWidget *view = find<QTreeWidget>(tree);
        const auto found = view->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        QVERIFY2(!found.isEmpty(), qPrintable(name));
        view->setCurrentItem(found.first());
    }

    void doubleClickTree(const char *tree) {
        QTreeWidget *view = find<QTreeWidget>(tree);
        emit view->itemDoubleClicked(view->currentItem(), 0);
    }

    // Choosing a field alone does not refresh; typing does, and so does 查找.
    void search(int field, const QString &text) {
        find<QComboBox>("ComboBox1")->setCurrentIndex(field);
        find<QLineEdit>("Edit1")->setText(text);
        find<QPushButton>("BitBtn1")->click();
    }

    QString countLabel() { return find<QLabel>("lblSETnum")->text(); }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void startsWithEveryActiveItem();
    void searches_data();
    void searches();
    void treeNodeCoversItsOwnSubtreeOnly_data();
    void treeNodeCoversItsOwnSubtreeOnly();
    void singleClickOnATreeChangesNothing();
    void stoppedItemsAndTheirColour();
    void valueList();
    void filtersCombine();
    void emptyResultCount();
    void detailsFollowTheCurrentItem();
    void deletionCascadesAndKeepsEvents();
    void deletionByKeyWhenIdentityIsZero();
    void deleteKeyEditsTextBoxes();
    void hiddenCommandsCannotBeReached();
    void detailPagesShowOnlyPermittedCommands();
    void advancedSearchToggle();
    void removeEmptyImportedRows();
    void unavailableCommandsAreDisabled();
    void navigationPaneComesBackOnTheLeft();
    void desktopToolsAreFoundOrNamed();
    void helpFilesOpenWithTheDesktop();
    void editorCommandsOnAnEmptyList();
    void keysAndDoubleClickOpenTheEditor_data();
    void keysAndDoubleClickOpenTheEditor();
    void bulkChangeOfSelectedItems_data();
    void bulkChangeOfSelectedItems();
    void bulkChangeNeedsASelection();
    void treeWindowsReloadTheirTree_data();
    void treeWindowsReloadTheirTree();
};

void TestMainWindow::startsWithEveryActiveItem() {
    MainFixture f;
    QCOMPARE(f.codes(), QStringList({"A100", "C300", "Q1", "XA1"}));
    QCOMPARE(f.countLabel(), QStringLiteral("设备总数： 4 件 "));
    QCOMPARE(f.window->ListSql().text.left(31), QStringLiteral("select * from Sets where (1=1) "));
    QCOMPARE(f.find<QTreeWidget>("tvTree")->topLevelItem(0)->text(0), QStringLiteral("设备类型"));
    QCOMPARE(f.find<QTreeWidget>("tvTree1")->topLevelItem(0)->text(0), QStringLiteral("部门类型"));
    QCOMPARE(f.find<QTableWidget>("vleList")->rowCount(), 5); // 全部 and four statuses
    QCOMPARE(f.find<QTabWidget>("rpcList")->currentIndex(), 0); // accessories
}

void TestMainWindow::searches_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("code starts with") << 0 << "A1" << QStringList({"A100"});
    QTest::newRow("name contains") << 1 << "A1" << QStringList({"A100", "XA1"});
    QTest::newRow("trimmed value") << 1 << "  A1 " << QStringList({"A100", "XA1"});
    QTest::newRow("letter case ignored") << 0 << "a1" << QStringList({"A100"});
    QTest::newRow("spec starts with") << 2 << "S-" << QStringList({"A100", "XA1"});
    QTest::newRow("empty value still needs a value") << 2 << ""
                                                     << QStringList({"A100", "Q1", "XA1"});
    QTest::newRow("no field: text has no effect") << -1 << "zzz"
                                                  << QStringList({"A100", "C300", "Q1", "XA1"});
    QTest::newRow("quote") << 1 << "O'Brien" << QStringList({"Q1"});
    QTest::newRow("percent is literal") << 1 << "100%" << QStringList({"Q1"});
    QTest::newRow("underscore is literal") << 1 << "A_" << QStringList();
    QTest::newRow("notes contain") << 7 << "XA" << QStringList({"XA1"});
}

void TestMainWindow::searches() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    MainFixture f;
    f.search(field, text);
    QCOMPARE(f.codes(), expected);
    QCOMPARE(f.countLabel(), QStringLiteral("设备总数： %1 件 ").arg(expected.size()));
    QVERIFY(f.env.dialogs().messages.isEmpty());
}

void TestMainWindow::treeNodeCoversItsOwnSubtreeOnly_data() {
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QString>("node");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("type without its sibling 电脑椅") << "tvTree" << "电脑"
                                                    << QStringList({"A100", "Q1", "XA1"});
    QTest::newRow("second-level type") << "tvTree" << "笔记本" << QStringList({"XA1"});
    QTest::newRow("the sibling itself") << "tvTree" << "电脑椅" << QStringList({"C300"});
    QTest::newRow("root adds nothing") << "tvTree" << "设备类型"
                                       << QStringList({"A100", "C300", "Q1", "XA1"});
    QTest::newRow("department") << "tvTree1" << "生产部" << QStringList({"A100", "XA1"});
    QTest::newRow("department leaf") << "tvTree1" << "一车间" << QStringList({"XA1"});
}

void TestMainWindow::treeNodeCoversItsOwnSubtreeOnly() {
    QFETCH(QString, tree);
    QFETCH(QString, node);
    QFETCH(QStringList, expected);
    MainFixture f;
    f.chooseTreeNode(qPrintable(tree), node);
    f.doubleClickTree(qPrintable(tree));
    QCOMPARE(f.codes(), expected);
}

void TestMainWindow::singleClickOnATreeChangesNothing() {
    MainFixture f;
    f.chooseTreeNode("tvTree", "电脑椅");
    QCOMPARE(f.codes().size(), 4);
    f.find<QPushButton>("BitBtn1")->click();
    QCOMPARE(f.codes(), QStringList({"C300"}));
}

void TestMainWindow::stoppedItemsAndTheirColour() {
    MainFixture f;
    f.find<QCheckBox>("CheckBox1")->click();
    QCOMPARE(f.codes(), QStringList({"A100", "C300", "Q1", "S900", "XA1"}));
    DataGrid *grid = f.find<DataGrid>("DBGridEh1");
    const int stopped = f.codes().indexOf("S900");
    QCOMPARE(grid->model()->index(stopped, 0).data(Qt::ForegroundRole).value<QColor>(),
             QColor(255, 0, 0));
    QVERIFY(!grid->model()->index(0, 0).data(Qt::ForegroundRole).isValid());
    f.find<QCheckBox>("CheckBox1")->click();
    QCOMPARE(f.codes().size(), 4);
}

void TestMainWindow::valueList() {
    MainFixture f;
    QTableWidget *values = f.find<QTableWidget>("vleList");
    const auto clickRow = [&](const QString &value) {
        const auto found = values->findItems(value, Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        values->setCurrentItem(found.first());
        emit values->cellClicked(found.first()->row(), 1);
    };
    clickRow("在用");
    QCOMPARE(f.codes(), QStringList({"A100", "C300"}));
    clickRow("全部");
    QCOMPARE(f.codes().size(), 4);
    // The value cell can be edited; the filter takes what the row holds.
    clickRow("闲置");
    values->currentItem()->setText("维修");
    emit values->cellClicked(values->currentRow(), 1);
    QCOMPARE(f.codes(), QStringList({"Q1"}));

    f.env.dm().ExecuteSQL("insert into t_code (F_type, F_name) values ('useemp', '张三')");
    QComboBox *listType = f.find<QComboBox>("cbbListType");
    listType->setCurrentIndex(1);
    emit listType->activated(1);
    QCOMPARE(values->rowCount(), 2);
    QCOMPARE(values->horizontalHeaderItem(1)->text(), QStringLiteral("使用人员"));
    QCOMPARE(f.codes().size(), 4); // filling selects 全部 and refreshes
}

void TestMainWindow::filtersCombine() {
    MainFixture f;
    f.find<QCheckBox>("CheckBox1")->click();
    f.chooseTreeNode("tvTree", "电脑");
    f.chooseTreeNode("tvTree1", "生产部");
    f.doubleClickTree("tvTree1");
    QCOMPARE(f.codes(), QStringList({"A100", "S900", "XA1"}));
    f.search(2, "S-");
    QCOMPARE(f.codes(), QStringList({"A100", "S900", "XA1"}));
    f.search(1, "笔记本");
    QCOMPARE(f.codes(), QStringList({"XA1"}));
    QCOMPARE(f.countLabel(), QStringLiteral("设备总数： 1 件 "));
}

void TestMainWindow::emptyResultCount() {
    MainFixture f;
    f.search(0, "nothing-like-this");
    QCOMPARE(f.codes(), QStringList());
    QCOMPARE(f.countLabel(), QStringLiteral("设备总数： 0 件 "));
}

void TestMainWindow::detailsFollowTheCurrentItem() {
    MainFixture f;
    Database &dm = f.env.dm();
    const int xa1 = idOf(dm, "XA1");
    QVERIFY(dm.ExecuteSQL(SqlStatement("insert into t_setREC (F_mainID, F_code, F_name) values "
                                       "(?, 'P1', '电源'), (?, 'P2', '键盘')",
                                       {xa1, xa1})));
    QVERIFY(dm.ExecuteSQL(SqlStatement("insert into t_fileREC (F_mainID, F_FileName) values "
                                       "(?, '说明书')",
                                       {xa1})));
    f.window->RefreshList();
    DataGrid *list = f.find<DataGrid>("DBGridEh1");
    DataGrid *accessories = f.find<DataGrid>("DBGridEh2");
    DataGrid *documents = f.find<DataGrid>("DBGridEh3");
    QCOMPARE(accessories->model()->rowCount(), 0); // A100 is current
    QCOMPARE(f.find<QPlainTextEdit>("DBMemo1")->toPlainText(), QStringLiteral("备注 A100"));
    list->setCurrentRow(f.codes().indexOf("XA1"));
    QCOMPARE(accessories->model()->rowCount(), 2);
    QCOMPARE(accessories->cellText(0, accessories->columnIndex("F_name")), QStringLiteral("电源"));
    QCOMPARE(documents->model()->rowCount(), 1);
    QCOMPARE(f.find<QPlainTextEdit>("DBMemo1")->toPlainText(), QStringLiteral("备注 XA1"));
}

void TestMainWindow::deletionCascadesAndKeepsEvents() {
    MainFixture f;
    Database &dm = f.env.dm();
    const int xa1 = idOf(dm, "XA1");
    QVERIFY(dm.ExecuteSQL(SqlStatement("insert into t_setREC (F_mainID) values (?), (?)",
                                       {xa1, idOf(dm, "A100")})));
    QVERIFY(dm.ExecuteSQL(SqlStatement("insert into t_fileREC (F_mainID) values (?)", {xa1})));
    QVERIFY(dm.ExecuteSQL(SqlStatement("insert into t_imageREC (F_mainID) values (?)", {xa1})));
    QVERIFY(dm.ExecuteSQL("insert into t_wxREC (F_SETcode) values ('XA1')"));
    DataGrid *list = f.find<DataGrid>("DBGridEh1");
    list->setCurrentRow(f.codes().indexOf("XA1"));
    list->setFocus();

    f.env.dialogs().answers << MessNo;
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(f.env.dialogs().messages.size(), 1);
    QCOMPARE(f.env.dialogs().messages[0].text,
             QStringLiteral("删除当前设备资料，将删除当前设备所有的相关记录，\n"
                            "真的要删除当前设备“XA1笔记本”的相关资料吗？"));
    QCOMPARE(f.env.dialogs().messages[0].defaultAnswer, int(MessNo));
    QCOMPARE(f.codes().size(), 4);

    f.env.dialogs().answers << MessYes;
    QTest::keyClick(list, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(f.codes(), QStringList({"A100", "C300", "Q1"}));
    QCOMPARE(dm.GetSQLInt(SqlStatement("select count(*) from Sets where F_code = 'XA1'")), 0);
    QCOMPARE(dm.GetSQLInt("select count(*) from t_setREC"), 1);
    QCOMPARE(dm.GetSQLInt("select count(*) from t_fileREC"), 0);
    QCOMPARE(dm.GetSQLInt("select count(*) from t_imageREC"), 0);
    QCOMPARE(dm.GetSQLInt("select count(*) from t_wxREC where F_SETcode = 'XA1'"), 1);
    QCOMPARE(f.countLabel(), QStringLiteral("设备总数： 3 件 "));
}

void TestMainWindow::deletionByKeyWhenIdentityIsZero() {
    MainFixture f;
    Database &dm = f.env.dm();
    QVERIFY(dm.ExecuteSQL("update Sets set F_cltID = 0"));
    f.window->RefreshList();
    DataGrid *list = f.find<DataGrid>("DBGridEh1");
    list->setCurrentRow(f.codes().indexOf("C300"));
    f.env.dialogs().answers << MessYes;
    f.window->action("Action203")->trigger();
    QCOMPARE(f.codes(), QStringList({"A100", "Q1", "XA1"}));
    QCOMPARE(dm.GetSQLInt("select count(*) from Sets"), 4); // the stopped item stays too
}

void TestMainWindow::deleteKeyEditsTextBoxes() {
    MainFixture f;
    QLineEdit *value = f.find<QLineEdit>("Edit1");
    f.find<QComboBox>("ComboBox1")->setCurrentIndex(1);
    value->setFocus();
    QTest::keyClicks(value, "A1x");
    QTest::keyClick(value, Qt::Key_Left);
    QTest::keyClick(value, Qt::Key_Delete);
    QCOMPARE(value->text(), QStringLiteral("A1"));
    QVERIFY(f.env.dialogs().messages.isEmpty());
    QCOMPARE(f.codes(), QStringList({"A100", "XA1"}));
    // Ctrl+A selects the text; no editor opens (one that did is closed and noted).
    bool editorOpened = false;
    QTimer::singleShot(0, qApp, [&editorOpened] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            editorOpened = true;
            modal->close();
        }
    });
    QTest::keyClick(value, Qt::Key_A, Qt::ControlModifier);
    QCoreApplication::processEvents();
    QVERIFY(!editorOpened);
    QCOMPARE(value->selectedText(), QStringLiteral("A1"));
    QTest::keyClicks(value, "XA");
    QCOMPARE(value->text(), QStringLiteral("XA"));
    QCOMPARE(f.codes(), QStringList({"XA1"}));
    QVERIFY(!QApplication::activeModalWidget());
}

void TestMainWindow::hiddenCommandsCannotBeReached() {
    MainFixture f("clerk");
    MainWindow *w = f.window.get();
    for (const char *code : {"101", "201", "202", "203", "204", "206", "301", "505"})
        QVERIFY(!w->action(QStringLiteral("Action") + code)->isVisible());
    for (const char *menu : {"mi100", "mi200", "mi300", "mi400", "mi500"})
        QVERIFY(!f.find<QMenu>(menu)->menuAction()->isVisible());
    DataGrid *list = f.find<DataGrid>("DBGridEh1");
    list->setFocus();
    for (const auto key : {Qt::Key_A, Qt::Key_E, Qt::Key_S})
        QTest::keyClick(list, key, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_Delete);
    QTest::keyClick(f.find<QLineEdit>("Edit1"), Qt::Key_S, Qt::ControlModifier);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
    QVERIFY(f.env.dialogs().messages.isEmpty());
    QCOMPARE(f.env.dm().GetSQLInt("select count(*) from Sets"), 5);
    // Nothing in the grid's pop-up menu offers them either.
    for (QAction *item : list->actions())
        QVERIFY(!item->isVisible() || !item->isEnabled() ||
                !item->objectName().startsWith("Action20"));
}

void TestMainWindow::detailPagesShowOnlyPermittedCommands() {
    MainFixture f;
    MainWindow *w = f.window.get();
    QListWidget *selector = f.find<QListWidget>("ListView1");
    QTabWidget *pages = f.find<QTabWidget>("rpcList");
    selector->setCurrentRow(1);
    QCOMPARE(pages->currentIndex(), 1);
    QVERIFY(w->action("Action907")->isVisible());
    QVERIFY(!w->action("Action904")->isVisible());
    pages->setCurrentIndex(2); // the tab strip keeps the selector in step
    QCOMPARE(selector->currentRow(), 2);
    QVERIFY(w->action("Action904")->isVisible());
    QVERIFY(!w->action("Action907")->isVisible());
    selector->setCurrentRow(3);
    QVERIFY(!f.find<QToolBar>("CBdetail")->isVisible());

    // Without the list's sort, layout and column commands the pages never show theirs.
    f.env.dm().ExecuteSQL("insert into OperLimit (F_OperName, F_lmtName) values "
                          "('clerk', '新增'), ('clerk', '导出')");
    AppSettings::CurrentOperator = "clerk";
    SetLimits(f.env.dm(), w, "clerk");
    w->showOperator("clerk", QDateTime::currentDateTime());
    for (int page : {0, 2}) {
        selector->setCurrentRow(page);
        QVERIFY(f.find<QToolBar>("CBdetail")->isVisible());
        for (const char *name : {"Action904", "Action905", "Action906"})
            QVERIFY2(!w->action(name)->isVisible(), name);
        QVERIFY(w->action("Action31")->isVisible());
    }
}

void TestMainWindow::advancedSearchToggle() {
    MainFixture f;
    QToolButton *advanced = f.find<QToolButton>("SpeedButton2");
    QVERIFY(advanced->isEnabled());
    std::optional<SqlStatement> answer =
        SqlStatement("select * from Sets where F_code = ? ", {"S900"});
    f.window->setAdvancedQuery([&answer](QWidget *) { return answer; });
    QVERIFY(advanced->isEnabled());

    advanced->click();
    QVERIFY(advanced->isChecked());
    QCOMPARE(f.codes(), QStringList({"S900"}));
    QCOMPARE(f.countLabel(), QStringLiteral("设备总数： 1 件 "));
    QVERIFY(advanced->styleSheet().contains("#ff0000"));

    advanced->click(); // released: the simple filters apply again
    QVERIFY(!advanced->isChecked());
    QCOMPARE(f.codes().size(), 4);

    answer.reset(); // the dialog was cancelled
    advanced->click();
    QVERIFY(!advanced->isChecked());
    QCOMPARE(f.codes().size(), 4);
}

void TestMainWindow::removeEmptyImportedRows() {
    MainFixture f;
    Database &dm = f.env.dm();
    QVERIFY(dm.ExecuteSQL("insert into Sets (F_code, F_name) values ('', ''), ('', ''), "
                          "(null, ''), ('', 'named')"));
    f.window->RefreshList();
    QCOMPARE(f.codes().size(), 8);
    f.window->findChild<QAction *>("N73")->trigger();
    QCOMPARE(f.codes().size(), 6);
    QCOMPARE(dm.GetSQLInt("select count(*) from Sets where F_code is null"), 1);
}

void TestMainWindow::unavailableCommandsAreDisabled() {
    MainFixture f;
    for (const char *name : {"Action101", "Action208", "Action301", "Action503",
                             "Action901", "Action907", "Action31"}) {
        QAction *command = f.window->action(name);
        QVERIFY2(!command->isEnabled(), name);
        QVERIFY(command->toolTip().contains("尚未提供"));
    }
    for (const char *name : {"Action203", "Action204", "Action205", "Action206"})
        QVERIFY2(f.window->action(name)->isEnabled(), name);
    QVERIFY(!f.window->findChild<QAction *>("excel1")->isEnabled());
}

void TestMainWindow::navigationPaneComesBackOnTheLeft() {
    MainFixture f;
    QTabWidget *pane = f.find<QTabWidget>("rpcSET");
    QAction *toggle = f.window->findChild<QAction *>("nshitu2");
    toggle->trigger();
    QVERIFY(!pane->isVisible());
    f.find<QToolButton>("SpeedButton1")->click();
    QVERIFY(pane->isVisible());
    QVERIFY(toggle->isChecked());
    auto *splitter = qobject_cast<QSplitter *>(pane->parentWidget());
    QVERIFY(splitter);
    QCOMPARE(splitter->indexOf(pane), 0);
    f.window->findChild<QAction *>("nshitu1")->trigger();
    QVERIFY(!f.find<QToolBar>("ToolBar1")->isVisible());
}

void TestMainWindow::desktopToolsAreFoundOrNamed() {
    MainFixture f;
    const QByteArray path = qgetenv("PATH");
    const QString bin = f.env.path("bin");
    QDir().mkpath(bin);
    qputenv("PATH", QFile::encodeName(bin));
    f.window->findChild<QAction *>("N24")->trigger();
    QCOMPARE(f.env.dialogs().messages.size(), 1);
    QVERIFY(f.env.dialogs().messages[0].text.contains("gnome-calculator"));

    QFile editor(bin + "/mousepad");
    QVERIFY(editor.open(QIODevice::WriteOnly));
    editor.write("#!/bin/sh\n");
    editor.close();
    editor.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    f.window->findChild<QAction *>("N25")->trigger();
    qputenv("PATH", path);
    QCOMPARE(f.env.dialogs().startedPrograms, QStringList({bin + "/mousepad"}));
    QCOMPARE(f.env.dialogs().messages.size(), 1);
}

void TestMainWindow::helpFilesOpenWithTheDesktop() {
    MainFixture f;
    QFile help(f.env.path("help.html"));
    QVERIFY(help.open(QIODevice::WriteOnly));
    help.close();
    f.window->findChild<QAction *>("N8")->trigger();
    QCOMPARE(f.env.dialogs().openedUrls, QList<QUrl>({QUrl::fromLocalFile(help.fileName())}));
    f.window->findChild<QAction *>("N41")->trigger(); // whatisnew.txt is not there
    QCOMPARE(f.env.dialogs().openedUrls.size(), 1);
    QVERIFY(f.env.dialogs().wasShown("没有找到文件“whatisnew.txt”。", MessWarning));
}

void TestMainWindow::editorCommandsOnAnEmptyList() {
    MainFixture f;
    f.search(0, "nothing-like-this");
    f.window->action("Action202")->trigger();
    f.window->action("Action207")->trigger();
    QVERIFY(f.env.dialogs().wasShown("此表为空，没有记录需要修改！", MessError));
    QVERIFY(f.env.dialogs().wasShown("设备记录是空，不能复制！", MessInfo));
}

void TestMainWindow::keysAndDoubleClickOpenTheEditor_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Ctrl+A") << "Ctrl+A" << "设备档案 - 新增";
    QTest::newRow("Ctrl+E") << "Ctrl+E" << "设备档案 - 修改";
    QTest::newRow("double-click") << "double-click" << "设备档案 - 修改";
}

void TestMainWindow::keysAndDoubleClickOpenTheEditor() {
    QFETCH(QString, how);
    QFETCH(QString, caption);
    MainFixture f;
    DataGrid *list = f.find<DataGrid>("DBGridEh1");
    list->setFocus();
    bool opened = false;
    QString shownCaption;
    onModalWindow("frmSETedit", [&shownCaption](QWidget *editor) {
        shownCaption = editor->windowTitle();
        editor->findChild<QPushButton *>("Button2")->click();
    }, &opened);
    if (how == "Ctrl+A")
        QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    else if (how == "Ctrl+E")
        QTest::keyClick(list, Qt::Key_E, Qt::ControlModifier);
    else
        emit list->rowDoubleClicked(0);
    QVERIFY(opened);
    QCOMPARE(shownCaption, caption);
    QCOMPARE(f.env.dm().GetSQLInt("select count(*) from Sets"), 5);
}

void TestMainWindow::bulkChangeOfSelectedItems_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("changed");
    QTest::newRow("type") << "N75" << "F_type" << "\\\\办公家具" << 2;
    QTest::newRow("department") << "N80" << "F_useDept" << "\\\\财务部" << 2;
    QTest::newRow("department path too long") << "N80" << "F_useDept" << QString(60, 'x') << 0;
    QTest::newRow("blank value changes nothing") << "N75" << "F_type" << "   " << 0;
}

void TestMainWindow::bulkChangeOfSelectedItems() {
    QFETCH(QString, command);
    QFETCH(QString, column);
    QFETCH(QString, value);
    QFETCH(int, changed);
    MainFixture f;
    DataGrid *list = f.find<DataGrid>("DBGridEh1");
    list->selectionModel()->clearSelection();
    for (const char *code : {"A100", "Q1"}) {
        const QModelIndex cell = list->model()->index(f.codes().indexOf(code), 0);
        list->selectionModel()->select(cell, QItemSelectionModel::Select |
                                                 QItemSelectionModel::Rows);
    }
    f.env.dialogs().answers << MessYes;
    bool asked = false;
    onModalWindow("DLGenterCaption", [value](QWidget *dialog) {
        dialog->findChild<QLineEdit *>("edtCurValue")->setText(value);
        if (value.trimmed().isEmpty())
            dialog->findChild<QPushButton *>("Button2")->click();
        else
            dialog->findChild<QPushButton *>("Button1")->click();
    }, &asked);
    f.window->findChild<QAction *>(command)->trigger();
    QVERIFY(asked);
    const int rows = f.env.dm().GetSQLInt(SqlStatement(
        QString("select count(*) from Sets where %1 = ?").arg(column), {value}));
    QCOMPARE(rows, changed);
    QCOMPARE(f.env.dm().GetSQLInt(SqlStatement(QString("select count(*) from Sets where %1 = ? "
                                                       "and F_code not in ('A100', 'Q1')")
                                                   .arg(column),
                                               {value})),
             0);
    const bool tooLong = value.size() > 50;
    QCOMPARE(f.env.dialogs().messages.size(), tooLong ? 2 : 1);
    if (tooLong)
        QVERIFY(f.env.dialogs().messages.last().text.contains("2 条"));
}

void TestMainWindow::bulkChangeNeedsASelection() {
    MainFixture f;
    f.find<DataGrid>("DBGridEh1")->selectionModel()->clearSelection();
    f.env.dialogs().answers << MessYes;
    bool asked = false;
    onModalWindow("DLGenterCaption", [](QWidget *dialog) {
        dialog->findChild<QLineEdit *>("edtCurValue")->setText("\\\\行政部");
        dialog->findChild<QPushButton *>("Button1")->click();
    }, &asked);
    f.window->findChild<QAction *>("N80")->trigger();
    QVERIFY(asked);
    QVERIFY(f.env.dialogs().wasShown("请选择需要更改使用部门的设备资料！", MessInfo));
    QCOMPARE(f.env.dm().GetSQLInt("select count(*) from Sets where F_useDept = '\\\\行政部'"), 2);
}

void TestMainWindow::treeWindowsReloadTheirTree_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QString>("root");
    QTest::newRow("types") << "Action105" << "tvTree" << "设备类型";
    QTest::newRow("departments") << "Action106" << "tvTree1" << "部门机构";
}

void TestMainWindow::treeWindowsReloadTheirTree() {
    QFETCH(QString, command);
    QFETCH(QString, tree);
    QFETCH(QString, root);
    MainFixture f;
    const QString flag = tree == "tvTree" ? "type" : "depttype";
    bool opened = false;
    onModalWindow("FrmTreeCodeMan", [&f, flag](QWidget *window) {
        // What the window adds, the main window's tree shows once it closes.
        f.env.dm().ExecuteSQL(SqlStatement("insert into t_treecode (F_code, F_name, F_likecode, "
                                           "F_flag) values ('009', '新节点', '\\\\新节点', ?)",
                                           {flag}));
        window->close();
    }, &opened);
    f.window->action(command)->trigger();
    QVERIFY(opened);
    QTreeWidget *view = f.find<QTreeWidget>(qPrintable(tree));
    QCOMPARE(view->topLevelItem(0)->text(0), root);
    QVERIFY(view->topLevelItem(0)->isExpanded());
    QCOMPARE(view->findItems("新节点", Qt::MatchExactly | Qt::MatchRecursive).size(), 1);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
