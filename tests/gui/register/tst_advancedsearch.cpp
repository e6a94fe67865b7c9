// The advanced query and the equipment chooser, driven as the user would over a small register:
// what each condition finds alone and together, and which item the chooser hands back.
#include "GuiSteps.h"
#include "TestEnv.h"
#include "core/data/RecordSet.h"
#include "gui/register/EquipmentChooser.h"
#include "gui/register/AdvancedSearchDialog.h"
#include "gui/widgets/CheckDateEdit.h"
#include "gui/widgets/DataGrid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <functional>

namespace {

struct Item {
    const char *code;
    const char *name;
    const char *jsCode;
    const char *type;
    const char *spec;
    const char *factory;
    const char *address;
    const char *dept;
    const char *status;
    const char *useEmp;
    const char *operEmp;
    const char *memo1; // nullptr leaves it NULL, like the dates
    const char *memo2;
    bool stopped;
    const char *buyDate;
    const char *beginDate;
};

// Types 电脑 > 笔记本 and the sibling 电脑椅. Each value is chosen so that a begins-with match,
// a contains match and a wildcard taken as a wildcard would each find something different.
const Item Items[] = {
    {"A100", "A1车床", "88A", "\\\\电脑", "S-1", "沈阳机床厂", "一号楼", "\\\\生产部", "在用",
     "张三", "admin", "验收合格", "备注 A100", false, "2024-01-01", "2024-02-01"},
    {"XA1", "XA1笔记本", "A88B", "\\\\电脑\\笔记本", "T-S-2", "联想", "二号楼",
     "\\\\生产部\\一车间", "闲置", "李四", "王五", "部分合格", "O'Brien", false, "2024-01-31",
     "2024-03-15"},
    {"C300", "O'Neil 办公椅", "C3", "\\\\电脑椅", "S_1", "家具厂", "二号楼 A_1", "\\\\行政部",
     "在用中", "张三丰", "admin", nullptr, nullptr, false, "2023-12-31", nullptr},
    {"88C", "50%负载测试仪", "X1", "\\\\电脑", "L-1", "沈阳仪表厂", "三号楼", "\\\\行政部", "维修",
     "王五", "张三", "合格", "100% 完好", false, nullptr, "2024-01-31"},
    {"S900", "笔记本（停用）", "8800", "\\\\电脑\\笔记本", "S-9", "联想", "一号楼", "\\\\生产部",
     "报废", "李四", "admin", "不合格", "停用", true, "2024-02-01", "2024-01-15"},
};

const QStringList AllItems = {"88C", "A100", "C300", "S900", "XA1"};
const QStringList ItemsInUse = {"88C", "A100", "C300", "XA1"};

QVariant textOrNull(const char *text) {
    return text ? QVariant(QString::fromUtf8(text)) : QVariant();
}

void seedRegister(Database &dm) {
    for (const Item &item : Items) {
        QVERIFY(InsertItem(dm, {{"F_code", item.code},
                                {"F_name", textOrNull(item.name)},
                                {"F_jscode", item.jsCode},
                                {"F_type", textOrNull(item.type)},
                                {"F_spec", item.spec},
                                {"F_factory", textOrNull(item.factory)},
                                {"F_Address", textOrNull(item.address)},
                                {"F_useDept", textOrNull(item.dept)},
                                {"F_useStatus", textOrNull(item.status)},
                                {"F_useEmp", textOrNull(item.useEmp)},
                                {"F_OperEmp", textOrNull(item.operEmp)},
                                {"F_memo1", textOrNull(item.memo1)},
                                {"F_memo2", textOrNull(item.memo2)},
                                {"F_useFlag", item.stopped},
                                {"F_buyDate", textOrNull(item.buyDate)},
                                {"F_beginDate", textOrNull(item.beginDate)}}));
    }
    const QList<QStringList> nodes = {{"001", "电脑", "\\\\电脑"},
                                      {"001001", "笔记本", "\\\\电脑\\笔记本"},
                                      {"002", "电脑椅", "\\\\电脑椅"}};
    for (const QStringList &node : nodes)
        QVERIFY(dm.ExecuteSQL(SqlStatement("insert into t_treecode (F_code, F_name, F_likecode, "
                                           "F_flag) values (?, ?, ?, 'type')",
                                           {node[0], node[1], node[2]})));
    for (const char *status : {"在用", "闲置", "维修", "报废"})
        QVERIFY(dm.ExecuteSQL(SqlStatement("insert into t_code (F_type, F_name) values "
                                           "('usestatus', ?)",
                                           {QString::fromUtf8(status)})));
}

// A check box or radio button only takes clicks on its indicator and caption, which a wide
// layout cell does not centre.
void clickButton(QAbstractButton *button) {
    const bool indicator =
        qobject_cast<QCheckBox *>(button) || qobject_cast<QRadioButton *>(button);
    QTest::mouseClick(button, Qt::LeftButton, {},
                      indicator ? QPoint(8, button->height() / 2) : button->rect().center());
}

// A double-click is a click followed by the second press, which views only take as a double-click
// on the item the first press was on.
void clickAt(QWidget *viewport, const QPoint &point, bool twice) {
    QTest::mouseClick(viewport, Qt::LeftButton, {}, point);
    if (twice)
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, point);
}

void clickNode(QTreeWidget *tree, const QString &name, bool twice) {
    const QList<QTreeWidgetItem *> found =
        tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY2(!found.isEmpty(), qPrintable(name));
    tree->scrollToItem(found.first());
    clickAt(tree->viewport(), tree->visualItemRect(found.first()).center(), twice);
}

void clickRow(DataGrid *grid, int row, bool twice) {
    clickAt(grid->viewport(), grid->visualRect(grid->model()->index(row, 0)).center(), twice);
}

// One user action on a control found by its name:
//   "name"                   clicks a button, or the tick box of a date picker;
//   "name=text"              types into a box, or sets a date picker to yyyy-MM-dd;
//   "[double-]click tree=x"  clicks the node named x;
//   "[double-]click grid=n"  clicks row n of a list.
void act(QDialog *dialog, const QString &step) {
    QString target = step;
    const bool twice = step.startsWith(QLatin1String("double-click "));
    if (twice || step.startsWith(QLatin1String("click ")))
        target = step.section(QLatin1Char(' '), 1);
    const qsizetype equals = target.indexOf(QLatin1Char('='));
    const QString name = target.left(equals);
    const QString value = equals < 0 ? QString() : target.mid(equals + 1);
    auto *control = dialog->findChild<QWidget *>(name);
    QVERIFY2(control, qPrintable(step));
    QVERIFY2(control->isEnabled(), qPrintable(step));
    if (auto *tree = qobject_cast<QTreeWidget *>(control))
        return clickNode(tree, value, twice);
    if (auto *grid = qobject_cast<DataGrid *>(control))
        return clickRow(grid, value.toInt(), twice);
    if (auto *date = qobject_cast<CheckDateEdit *>(control)) {
        if (equals < 0)
            return clickButton(date->checkBox());
        return date->dateEdit()->setDate(QDate::fromString(value, Qt::ISODate));
    }
    if (equals >= 0)
        return typeInto(control, value);
    auto *button = qobject_cast<QAbstractButton *>(control);
    QVERIFY2(button, qPrintable(step));
    clickButton(button);
}

void perform(QDialog *dialog, const QStringList &steps) {
    for (const QString &step : steps) {
        act(dialog, step);
        if (QTest::currentTestFailed())
            return;
    }
}

template <typename T> T *child(QDialog *dialog, const char *name) {
    return dialog->findChild<T *>(QString::fromLatin1(name));
}

// The codes of the rows a statement returns, sorted, since the query has no order.
QStringList codesOf(Database &dm, const SqlStatement &statement) {
    QStringList codes;
    const auto rows = dm.ReadRecords(statement);
    if (!rows)
        return {QStringLiteral("(failed)")};
    for (const QSqlRecord &row : *rows)
        codes << row.value(QStringLiteral("F_code")).toString();
    std::sort(codes.begin(), codes.end());
    return codes;
}

// The codes the chooser lists, in the list's order.
QStringList listedCodes(QDialog *dialog) {
    RecordSet *records = child<DataGrid>(dialog, "DBGridEh1")->recordSet();
    records->fetchAll();
    QStringList codes;
    for (int row = 0; row < records->rowCount(); ++row)
        codes << records->value(row, QStringLiteral("F_code")).toString();
    return codes;
}

std::optional<SqlStatement> advancedQuery(TestEnv &env, const QStringList &steps,
                                          TreePicker picker = {},
                                          std::function<void(QDialog *)> check = {}) {
    onModalDialog([&](QDialog *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("设备查询对话框"));
        perform(dialog, steps);
        if (check && !QTest::currentTestFailed())
            check(dialog);
    });
    return BuildAdvancedQuery(env.dm(), nullptr, std::move(picker));
}

QString chooseEquipment(TestEnv &env, const QString &current, const QStringList &steps,
                        std::function<void(QDialog *)> check = {},
                        std::function<void(QWidget *)> addEquipment = {}) {
    onModalDialog([&](QDialog *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("设备选择"));
        perform(dialog, steps);
        if (check && !QTest::currentTestFailed())
            check(dialog);
    });
    return ChooseEquipment(env.dm(), current, nullptr, std::move(addEquipment));
}

} // namespace

class TestAdvancedSearch : public QObject {
    Q_OBJECT

private slots:
    void queryFindsTheMatchingItems_data();
    void queryFindsTheMatchingItems();
    void queryStatement_data();
    void queryStatement();
    void datePickersFollowTheirRangeBox();
    void queryEndsByButtonOrKey_data();
    void queryEndsByButtonOrKey();
    void enterMovesToTheNextControl();
    void pickListsFillWhenFocused();
    void pickButtonsFillTheirBoxes();

    void chooserOpensOnEveryItemInUse();
    void chooserSearches_data();
    void chooserSearches();
    void singleClickOnANodeKeepsTheList();
    void chooserReturnsACode_data();
    void chooserReturnsACode();
    void addingAnItemLeavesTheListAlone();
};

void TestAdvancedSearch::queryFindsTheMatchingItems_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("nothing filled") << QStringList() << AllItems;
    QTest::newRow("code begins with") << QStringList{"edtCode=A1"} << QStringList{"A100"};
    QTest::newRow("code trimmed") << QStringList{"edtCode=  a1 "} << QStringList{"A100"};
    QTest::newRow("name contains") << QStringList{"edtName=笔记本"} << QStringList{"S900", "XA1"};
    QTest::newRow("name with a quote") << QStringList{"edtName=O'N"} << QStringList{"C300"};
    QTest::newRow("host number begins with")
        << QStringList{"edtJScode=88"} << QStringList{"A100", "S900"};
    QTest::newRow("type contains") << QStringList{"edtType=脑椅"} << QStringList{"C300"};
    QTest::newRow("spec contains")
        << QStringList{"edtSpec=S-"} << QStringList{"A100", "S900", "XA1"};
    QTest::newRow("underscore is literal") << QStringList{"edtSpec=S_"} << QStringList{"C300"};
    QTest::newRow("factory contains") << QStringList{"edtFactory=机床"} << QStringList{"A100"};
    QTest::newRow("address contains") << QStringList{"edtAddress=号楼"} << AllItems;
    QTest::newRow("department begins with")
        << QStringList{"edtUseDept=\\\\生产部"} << QStringList{"A100", "S900", "XA1"};
    QTest::newRow("department with a backslash")
        << QStringList{"edtUseDept=\\\\生产部\\一"} << QStringList{"XA1"};
    QTest::newRow("department not at the start")
        << QStringList{"edtUseDept=生产部"} << QStringList();
    QTest::newRow("status begins with")
        << QStringList{"cbbUseStatus=在用"} << QStringList{"A100", "C300"};
    QTest::newRow("user begins with")
        << QStringList{"cbbUseEmp=张三"} << QStringList{"A100", "C300"};
    QTest::newRow("record maker begins with")
        << QStringList{"cbbOperEmp=张三"} << QStringList{"88C"};
    QTest::newRow("acceptance notes contain")
        << QStringList{"edtMemo1=合格"} << QStringList{"88C", "A100", "S900", "XA1"};
    QTest::newRow("percent is literal") << QStringList{"edtMemo2=100%"} << QStringList{"88C"};
    QTest::newRow("notes with a quote") << QStringList{"edtMemo2=O'Brien"} << QStringList{"XA1"};
    QTest::newRow("in use") << QStringList{"rbInUse"} << ItemsInUse;
    QTest::newRow("stopped") << QStringList{"rbStopped"} << QStringList{"S900"};
    QTest::newRow("all again") << QStringList{"rbStopped", "rbAll"} << AllItems;
    QTest::newRow("purchase range, ends included")
        << QStringList{"CheckBox1", "dtpfromDate=2024-01-01", "dtptoDate=2024-01-31"}
        << QStringList{"A100", "XA1"};
    QTest::newRow("purchase range open below")
        << QStringList{"CheckBox1", "dtpfromDate", "dtptoDate=2024-01-31"}
        << QStringList{"A100", "C300", "XA1"};
    QTest::newRow("purchase range open above")
        << QStringList{"CheckBox1", "dtpfromDate=2024-01-31", "dtptoDate"}
        << QStringList{"S900", "XA1"};
    QTest::newRow("purchase range box unticked again")
        << QStringList{"CheckBox1", "dtpfromDate=2024-01-01", "dtptoDate=2024-01-31", "CheckBox1"}
        << AllItems;
    QTest::newRow("start-of-use range")
        << QStringList{"CheckBox2", "dtpfromDate1=2024-01-15", "dtptoDate1=2024-02-01"}
        << QStringList{"88C", "A100", "S900"};
    QTest::newRow("combined: name and stopped")
        << QStringList{"edtName=笔记本", "rbStopped"} << QStringList{"S900"};
    QTest::newRow("combined: department and purchase range")
        << QStringList{"edtUseDept=\\\\生产部", "CheckBox1", "dtpfromDate=2024-01-01",
                       "dtptoDate=2024-01-31"}
        << QStringList{"A100", "XA1"};
    QTest::newRow("combined: both ranges")
        << QStringList{"CheckBox1", "dtpfromDate=2024-01-01",  "dtptoDate=2024-02-01",
                       "CheckBox2", "dtpfromDate1=2024-01-01", "dtptoDate1=2024-01-31"}
        << QStringList{"S900"};
}

void TestAdvancedSearch::queryFindsTheMatchingItems() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);
    TestEnv env;
    seedRegister(env.dm());
    const std::optional<SqlStatement> query = advancedQuery(env, steps << "Button1");
    QVERIFY(query);
    QCOMPARE(codesOf(env.dm(), *query), expected);
    QVERIFY(env.dialogs().messages.isEmpty());
}

void TestAdvancedSearch::queryStatement_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariantList>("values");
    QTest::newRow("nothing filled")
        << QStringList() << "select * from SETs where (1=1) " << QVariantList();
    QTest::newRow("fields in the dialog's order, not the user's")
        << QStringList{"edtName=电", "edtCode=A1"}
        << "select * from SETs where (1=1) and F_code like ? escape '!' and F_name like ? "
           "escape '!' "
        << QVariantList{"A1%", "%电%"};
    QTest::newRow("blank box, usage and a range open below")
        << QStringList{"edtSpec=   ", "rbInUse", "CheckBox2", "dtptoDate1=2024-05-31",
                       "dtpfromDate1"}
        << "select * from SETs where (1=1) and F_useFlag = false and F_beginDate <= ? "
        << QVariantList{"2024-05-31"};
}

void TestAdvancedSearch::queryStatement() {
    QFETCH(QStringList, steps);
    QFETCH(QString, text);
    QFETCH(QVariantList, values);
    TestEnv env;
    const std::optional<SqlStatement> query = advancedQuery(env, steps << "Button1");
    QVERIFY(query);
    QCOMPARE(query->text, text);
    QCOMPARE(query->values, values);
}

void TestAdvancedSearch::datePickersFollowTheirRangeBox() {
    TestEnv env;
    const QDate today = QDate::currentDate();
    const QDate firstOfMonth(today.year(), today.month(), 1);
    advancedQuery(env, {}, {}, [&](QDialog *dialog) {
        const struct {
            const char *box;
            const char *from;
            const char *to;
        } ranges[] = {{"CheckBox1", "dtpfromDate", "dtptoDate"},
                      {"CheckBox2", "dtpfromDate1", "dtptoDate1"}};
        for (const auto &range : ranges) {
            auto *from = child<CheckDateEdit>(dialog, range.from);
            auto *to = child<CheckDateEdit>(dialog, range.to);
            QCOMPARE(from->date(), firstOfMonth);
            QCOMPARE(to->date(), today);
            QVERIFY(from->isChecked() && to->isChecked());
            QVERIFY(!from->isEnabled() && !to->isEnabled());
            clickButton(child<QCheckBox>(dialog, range.box));
            QVERIFY(from->isEnabled() && to->isEnabled());
            clickButton(child<QCheckBox>(dialog, range.box));
            QVERIFY(!from->isEnabled() && !to->isEnabled());
        }
    });
}

void TestAdvancedSearch::queryEndsByButtonOrKey_data() {
    QTest::addColumn<QString>("finish");
    QTest::addColumn<bool>("runs");
    QTest::newRow("查询") << "Button1" << true;
    QTest::newRow("Ctrl+S") << "Ctrl+S" << true;
    QTest::newRow("关闭") << "Button2" << false;
    QTest::newRow("Esc") << "Esc" << false;
}

void TestAdvancedSearch::queryEndsByButtonOrKey() {
    QFETCH(QString, finish);
    QFETCH(bool, runs);
    TestEnv env;
    seedRegister(env.dm());
    const std::optional<SqlStatement> query =
        advancedQuery(env, {"edtCode=A1"}, {}, [&](QDialog *dialog) {
            if (!finish.contains(QLatin1Char('+')) && finish != QLatin1String("Esc"))
                return act(dialog, finish);
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            auto *code = child<QLineEdit>(dialog, "edtCode");
            QTRY_VERIFY(code->hasFocus());
            if (finish == QLatin1String("Esc"))
                QTest::keyClick(code, Qt::Key_Escape);
            else
                QTest::keyClick(code, Qt::Key_S, Qt::ControlModifier);
            QTRY_VERIFY(!dialog->isVisible());
        });
    QCOMPARE(query.has_value(), runs);
    if (runs)
        QCOMPARE(codesOf(env.dm(), *query), QStringList{"A100"});
}

void TestAdvancedSearch::enterMovesToTheNextControl() {
    TestEnv env;
    const std::optional<SqlStatement> query = advancedQuery(env, {}, {}, [](QDialog *dialog) {
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        auto *code = child<QLineEdit>(dialog, "edtCode");
        code->setFocus();
        QTRY_VERIFY(code->hasFocus());
        QTest::keyClick(code, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), child<QWidget>(dialog, "edtName"));
        QVERIFY(dialog->isVisible());
    });
    QVERIFY(!query);
}

void TestAdvancedSearch::pickListsFillWhenFocused() {
    TestEnv env;
    seedRegister(env.dm());
    advancedQuery(env, {}, {}, [&](QDialog *dialog) {
        auto *status = child<QComboBox>(dialog, "cbbUseStatus");
        QCOMPARE(status->count(), 0);
        QVERIFY(env.dm().ExecuteSQL("insert into t_code (F_type, F_name) values "
                                    "('usestatus', '待修')"));
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        status->setFocus();
        QTRY_COMPARE(status->count(), 5);
        QVERIFY(status->findText(QStringLiteral("待修")) >= 0);
    });
}

void TestAdvancedSearch::pickButtonsFillTheirBoxes() {
    TestEnv env;
    seedRegister(env.dm());
    advancedQuery(env, {}, {}, [](QDialog *dialog) {
        QVERIFY(!child<QWidget>(dialog, "SpeedButton3")->isEnabled());
        QVERIFY(!child<QWidget>(dialog, "SpeedButton1")->isEnabled());
    });

    QStringList asked;
    const TreePicker picker = [&asked](TreeMode mode, const QString &current) {
        asked << QString::number(int(mode)) + QLatin1Char(':') + current;
        return mode == TreeMode::ChooseType ? QStringLiteral("\\\\电脑椅") : QStringLiteral("\\\\行政部");
    };
    const std::optional<SqlStatement> query = advancedQuery(
        env, {"edtType=脑", "SpeedButton3", "edtUseDept=x", "SpeedButton1"}, picker,
        [](QDialog *dialog) {
            QCOMPARE(child<QLineEdit>(dialog, "edtType")->text(), QStringLiteral("\\\\电脑椅"));
            QCOMPARE(child<QLineEdit>(dialog, "edtUseDept")->text(), QStringLiteral("\\\\行政部"));
            act(dialog, "Button1");
        });
    QCOMPARE(asked, QStringList({"2:脑", "4:x"}));
    QVERIFY(query);
    QCOMPARE(codesOf(env.dm(), *query), QStringList{"C300"});
}

void TestAdvancedSearch::chooserOpensOnEveryItemInUse() {
    TestEnv env;
    seedRegister(env.dm());
    chooseEquipment(env, {}, {}, [](QDialog *dialog) {
        QCOMPARE(listedCodes(dialog), ItemsInUse);

        auto *tree = child<QTreeWidget>(dialog, "tvTree");
        QCOMPARE(tree->topLevelItemCount(), 1);
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("设备类型"));
        QVERIFY(tree->topLevelItem(0)->isExpanded());
        QCOMPARE(tree->topLevelItem(0)->childCount(), 2);
        QCOMPARE(tree->editTriggers(), QAbstractItemView::NoEditTriggers);

        auto *grid = child<DataGrid>(dialog, "DBGridEh1");
        const QStringList fields = {"F_code",       "F_name",        "F_type",      "F_spec",
                                    "F_jscode",     "F_factory",     "F_buildDate", "F_buildCode",
                                    "F_buyDate",    "F_OriginValue", "F_beginDate", "F_Address",
                                    "F_useDept",    "F_useStatus",   "F_amount",    "F_price",
                                    "F_totalprice", "F_memo1",       "F_useEmp",    "F_memo2"};
        QCOMPARE(grid->columnCount(), int(fields.size()));
        for (int index = 0; index < grid->columnCount(); ++index) {
            const DataGridColumn column = grid->column(index);
            QCOMPARE(column.fieldName.toLower(), fields[index].toLower());
            QCOMPARE(column.width, 85);
            QCOMPARE(column.titleAlignment, Qt::Alignment(Qt::AlignCenter));
        }
        QVERIFY(grid->isFooterVisible());
        QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
        QVERIFY(!child<QPushButton>(dialog, "BitBtn4")->isEnabled());
        QVERIFY(child<QPushButton>(dialog, "BitBtn1")->isDefault());
    });
    QVERIFY(env.dialogs().messages.isEmpty());
}

void TestAdvancedSearch::chooserSearches_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("code begins with") << QStringList{"edtCode=88"} << QStringList{"88C"};
    QTest::newRow("code trimmed") << QStringList{"edtCode= 88 "} << QStringList{"88C"};
    QTest::newRow("name contains") << QStringList{"edtName=笔记"} << QStringList{"XA1"};
    QTest::newRow("name with a quote") << QStringList{"edtName=O'N"} << QStringList{"C300"};
    QTest::newRow("percent is literal") << QStringList{"edtName=%"} << QStringList{"88C"};
    QTest::newRow("underscore is literal") << QStringList{"edtName=_"} << QStringList();
    QTest::newRow("host number contains")
        << QStringList{"edtAddress=88"} << QStringList{"A100", "XA1"};
    QTest::newRow("stopped item never offered") << QStringList{"edtCode=S9"} << QStringList();
    QTest::newRow("type node and its branch")
        << QStringList{"double-click tvTree=电脑"} << QStringList{"88C", "A100", "XA1"};
    QTest::newRow("type node below")
        << QStringList{"double-click tvTree=笔记本"} << QStringList{"XA1"};
    QTest::newRow("sibling with the same beginning")
        << QStringList{"double-click tvTree=电脑椅"} << QStringList{"C300"};
    QTest::newRow("back to the root")
        << QStringList{"double-click tvTree=笔记本", "double-click tvTree=设备类型"} << ItemsInUse;
    QTest::newRow("node and search together")
        << QStringList{"double-click tvTree=电脑", "edtAddress=88", "edtCode=A"}
        << QStringList{"A100"};
    QTest::newRow("search kept by a node")
        << QStringList{"edtName=1", "double-click tvTree=电脑"} << QStringList{"A100", "XA1"};
}

void TestAdvancedSearch::chooserSearches() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);
    TestEnv env;
    seedRegister(env.dm());
    // Typing and double-clicking alone refresh the list; 查询 is never pressed here.
    chooseEquipment(env, {}, steps,
                    [&](QDialog *dialog) { QCOMPARE(listedCodes(dialog), expected); });
    QVERIFY(env.dialogs().messages.isEmpty());
}

void TestAdvancedSearch::singleClickOnANodeKeepsTheList() {
    TestEnv env;
    seedRegister(env.dm());
    chooseEquipment(env, {}, {"double-click tvTree=笔记本", "click tvTree=电脑椅"},
                    [](QDialog *dialog) {
                        QCOMPARE(child<QTreeWidget>(dialog, "tvTree")->currentItem()->text(0),
                                 QStringLiteral("电脑椅"));
                        QCOMPARE(listedCodes(dialog), QStringList{"XA1"});
                        act(dialog, "BitBtn3");
                        QCOMPARE(listedCodes(dialog), QStringList{"C300"});
                    });
}

void TestAdvancedSearch::chooserReturnsACode_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");
    QTest::newRow("确定 on the first row") << QStringList{"BitBtn1"} << "88C";
    QTest::newRow("确定 on the chosen row")
        << QStringList{"click DBGridEh1=2", "BitBtn1"} << "C300";
    QTest::newRow("double-click on a row") << QStringList{"double-click DBGridEh1=3"} << "XA1";
    QTest::newRow("取消") << QStringList{"click DBGridEh1=2", "BitBtn2"} << "OLD-1";
    QTest::newRow("确定 on an empty list") << QStringList{"edtCode=ZZ", "BitBtn1"} << "OLD-1";
}

void TestAdvancedSearch::chooserReturnsACode() {
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    TestEnv env;
    seedRegister(env.dm());
    bool closed = false;
    const QString code = chooseEquipment(env, QStringLiteral("OLD-1"), steps,
                                         [&](QDialog *dialog) { closed = !dialog->isVisible(); });
    QVERIFY2(closed, "the last step did not close the dialog");
    QCOMPARE(code, expected);
}

void TestAdvancedSearch::addingAnItemLeavesTheListAlone() {
    TestEnv env;
    seedRegister(env.dm());
    QList<QWidget *> addedOver;
    const auto addEquipment = [&](QWidget *over) {
        addedOver << over;
        QVERIFY(env.dm().ExecuteSQL("insert into Sets (F_code, F_name) values ('N1', '新设备')"));
    };
    chooseEquipment(
        env, {}, {"BitBtn4"},
        [&](QDialog *dialog) {
            QCOMPARE(addedOver, QList<QWidget *>{dialog});
            QCOMPARE(listedCodes(dialog), ItemsInUse);
            act(dialog, "BitBtn3");
            QCOMPARE(listedCodes(dialog), QStringList({"88C", "A100", "C300", "N1", "XA1"}));
        },
        addEquipment);
}

QTEST_MAIN(TestAdvancedSearch)
#include "tst_advancedsearch.moc"
