// The equipment editor driven on the main window over a small register: what each mode loads
// and saves, the checks before a save, the identity of new items (also with two programs adding
// at once), the computed amounts, the lists, the pick buttons, the navigator and the keys.
#include "MainWindowFixture.h"
#include "TestEnv.h"
#include "core/app/AppSettings.h"
#include "core/data/RecordSet.h"
#include "core/register/EquipmentStore.h"
#include "gui/register/MainWindow.h"
#include "gui/register/EquipmentEditor.h"
#include "gui/security/CommandPermissions.h"
#include "gui/widgets/CheckDateEdit.h"
#include "gui/widgets/DataGrid.h"
#include "gui/widgets/NumberEdits.h"
#include "gui/widgets/PickEdit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSqlField>
#include <QSqlRecord>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

const QString SaveFailed = QStringLiteral("保存失败，请检测数据库连接！");
const QString DuplicateCode = QStringLiteral("设备编号重复，请重新输入！");
const QString NoName = QStringLiteral("当前设备名称不能为空！");
const QString NoCode = QStringLiteral("当前设备编号不能为空！");

// A row with every column the editor shows, quotes in its texts, stored totals that differ
// from the computed ones, and columns the editor has no control for.
const ColumnValues RichItem = {
    {"F_code", "Q'1"},
    {"F_name", "O'Brien \"精密\" 仪器"},
    {"F_JScode", "J-\"7\""},
    {"F_type", "\\\\电脑\\笔记本"},
    {"F_spec", "S'2"},
    {"F_factory", "上海 \"一厂\""},
    {"F_buildDate", "2019-03-04"},
    {"F_buyDate", "2020-05-06"},
    {"F_amount", 2.5},
    {"F_price", 1234.56},
    {"F_unit", "台"},
    {"F_OriginValue", 3000.0},
    {"F_SZ1", 10.5},
    {"F_totalprice", 2999.99},
    {"F_beginDate", "2020-06-01"},
    {"F_address", "3号楼 'B'"},
    {"F_useDept", "\\\\生产部\\一车间"},
    {"F_useStatus", "在用"},
    {"F_memo1", "验收'良好'\n第二行"},
    {"F_useEmp", "张三"},
    {"F_OperEmp", "李四"},
    {"F_memo2", "备注\"x\""},
    {"F_editDate", "2021-01-02"},
    {"F_useFlag", 0},
    {"F_buildCode", "BC-1"},
    {"F_ZF1", "z1"},
    {"F_SZ2", 7.0},
};

void seedRegister(Database &dm) {
    for (const auto &[code, name, unit] : {std::tuple{"A100", "A1车床", "台"},
                                           std::tuple{"C300", "办公椅", "把"},
                                           std::tuple{"XA1", "XA1笔记本", "台"}}) {
        QVERIFY(InsertItem(dm, {{"F_code", code},
                                {"F_name", QString::fromUtf8(name)},
                                {"F_unit", QString::fromUtf8(unit)},
                                {"F_type", "\\\\电脑"},
                                {"F_beginDate", "2020-01-01"},
                                {"F_editDate", "2020-01-01"}}));
    }
    QVERIFY(InsertItem(dm, RichItem));
    QVERIFY(dm.ExecuteSQL("update Sets set F_cltID = F_ID"));
    for (const auto &[category, name] :
         {std::pair{"usestatus", "在用"}, std::pair{"usestatus", "闲置"},
          std::pair{"useemp", "张三"}, std::pair{"useemp", "王五"},
          std::pair{"operemp", "李四"}, std::pair{"operemp", "赵六"}})
        QVERIFY(dm.ExecuteSQL(SqlStatement("insert into t_code (F_type, F_name) values (?, ?)",
                                           {category, QString::fromUtf8(name)})));
}

// Every column of one item, by lower-case name; empty when there is no such item.
QVariantMap itemRow(Database &dm, const QString &code) {
    const auto rows = dm.ReadRecords(SqlStatement("select * from Sets where F_code = ?", {code}));
    QVariantMap row;
    if (!rows || rows->isEmpty())
        return row;
    const QSqlRecord &record = rows->first();
    for (int i = 0; i < record.count(); ++i)
        row.insert(record.fieldName(i).toLower(), record.value(i));
    return row;
}

// Every row of Sets, for checking that nothing was written.
QStringList allRows(Database &dm) {
    QStringList rows;
    const auto records = dm.ReadRecords("select * from Sets order by F_ID");
    for (const QSqlRecord &record : records.value()) {
        QStringList values;
        for (int i = 0; i < record.count(); ++i)
            values << record.value(i).toString();
        rows << values.join('|');
    }
    return rows;
}

int itemCount(Database &dm) { return dm.GetSQLInt("select count(*) from Sets"); }

struct Register : MainWindowFixture {
    explicit Register(const QString &operatorName = "admin")
        : MainWindowFixture(seedRegister, operatorName) {}

    Database &dm() { return env.dm(); }
    RecordSet &list() { return window->QryMain(); }
    qint64 idOf(const QString &code) { return itemRow(dm(), code).value("f_id").toLongLong(); }
    void makeCurrent(const QString &code) { QVERIFY(list().locate("F_code", code) >= 0); }
};

using Steps = std::function<void(EquipmentEditor &)>;

struct EditorRun {
    bool saved = false;
    bool leftOpen = false; // the steps did not close it; it was cancelled for them
};

// Runs `steps` in the editor that `open` shows modally, once its loop is running. Whatever the
// steps leave open is cancelled, so a failed check never leaves the test waiting in exec().
EditorRun runModal(const std::function<bool()> &open, const Steps &steps) {
    auto run = std::make_shared<EditorRun>();
    QTimer::singleShot(0, qApp, [run, steps] {
        auto *editor = qobject_cast<EquipmentEditor *>(QApplication::activeModalWidget());
        QVERIFY2(editor, "the equipment editor did not open");
        const auto cancelLeftOpen = qScopeGuard([&] {
            if (editor->isVisible()) {
                run->leftOpen = true;
                editor->reject();
            }
        });
        // A dialog of an active window counts as active before the desktop has activated it.
        QTRY_VERIFY(QApplication::activeWindow() == editor);
        steps(*editor);
    });
    run->saved = open();
    return *run;
}

EditorRun runEditor(Register &r, int mode, const Steps &steps, TreePicker picker = {}) {
    return runModal(
        [&] {
            return r.window->openEquipmentEditor(static_cast<EquipmentEditor::Mode>(mode),
                                                 std::move(picker));
        },
        steps);
}

template <typename T = QWidget> T *control(EquipmentEditor &editor, const char *name) {
    T *found = editor.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("the editor has no %s", name);
    return found;
}

// Types text key by key; a character no key makes (Chinese, say) comes as the text of a key
// press, as an input method delivers it.
void typeText(QWidget *widget, const QString &text) {
    for (const QChar character : text) {
        if (character.unicode() < 0x80)
            QTest::keyClick(widget, char(character.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
    }
}

// Replaces a control's text by typing, as the user would after selecting what is there.
void typeInto(QWidget *widget, const QString &text) {
    if (auto *box = qobject_cast<QComboBox *>(widget))
        widget = box->lineEdit();
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(widget, Qt::Key_Delete);
    typeText(widget, text);
}

void typeInto(EquipmentEditor &editor, const char *name, const QString &text) {
    typeInto(control(editor, name), text);
}

void clickOk(EquipmentEditor &editor) {
    QTest::mouseClick(control<QPushButton>(editor, "Button1"), Qt::LeftButton);
}

// The control of the editor that has the focus, by its design name.
QString focusedControl() {
    for (QWidget *widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_"))
            return widget->objectName();
    }
    return {};
}

double money(EquipmentEditor &editor, const char *name) {
    return control<CurrencyEdit>(editor, name)->value();
}

} // namespace

class TestEquipmentEditor : public QObject {
    Q_OBJECT

private slots:
    void modes_data();
    void modes();
    void newItemSavesEveryField();
    void editSavesBackWhatItLoaded();
    void anotherUsersChangeIsNeverLost();
    void datesTheRegisterCallsNoDateCannotBeEntered();
    void boxesTakeNoMoreThanTheirColumnHolds();
    void checksBeforeSaving_data();
    void checksBeforeSaving();
    void copyIsSavedOnceItsCodeChanges();
    void openBuildDateIsStoredAsNoDate();
    void computedAmountsFollowUntilEditedByHand();
    void quantityTakesACalculation_data();
    void quantityTakesACalculation();
    void seriesOfNewItemsGetTheirOwnIdentities();
    void navigatorSavesTheRowShown();
    void tooLongTextWritesNothing_data();
    void tooLongTextWritesNothing();
    void listsAreRefilledOnEntering_data();
    void listsAreRefilledOnEntering();
    void pickButtons_data();
    void pickButtons();
    void treeEditingFollowsPermissions_data();
    void treeEditingFollowsPermissions();
    void enterMovesLikeTabButNotInMemos();
    void saveAndCancelKeys_data();
    void saveAndCancelKeys();
    void selectionDialogAddsOneItem();
    void concurrentAddersNeverShareAnIdentity();
};

void TestEquipmentEditor::modes_data() {
    QTest::addColumn<int>("mode"); // -1: opened by the equipment chooser
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("continuous");
    QTest::addColumn<bool>("navigator");
    QTest::addColumn<QString>("code");
    QTest::newRow("new") << 0 << "设备档案 - 新增" << true << false << "";
    QTest::newRow("edit") << 1 << "设备档案 - 修改" << false << true << "C300";
    QTest::newRow("copy") << 2 << "设备档案 - 新增" << true << false << "C300";
    QTest::newRow("from the chooser") << -1 << "设备档案 - 新增" << false << false << "";
}

void TestEquipmentEditor::modes() {
    QFETCH(int, mode);
    QFETCH(QString, caption);
    QFETCH(bool, continuous);
    QFETCH(bool, navigator);
    QFETCH(QString, code);
    Register r;
    r.makeCurrent("C300");
    const Steps check = [&](EquipmentEditor &editor) {
        QCOMPARE(editor.objectName(), QStringLiteral("frmSETedit"));
        QCOMPARE(editor.windowTitle(), caption);
        QCOMPARE(control(editor, "CheckBox1")->isVisible(), continuous);
        QVERIFY(control<QCheckBox>(editor, "CheckBox1")->isChecked());
        QCOMPARE(control(editor, "DBNavigator1")->isVisible(), navigator);
        QCOMPARE(control<QLineEdit>(editor, "edtCode")->text(), code);
        QCOMPARE(focusedControl(), QStringLiteral("edtCode"));
        QVERIFY(editor.width() >= 699 && editor.height() >= 469);
        QTest::mouseClick(control<QPushButton>(editor, "Button2"), Qt::LeftButton);
    };
    const EditorRun run =
        mode < 0 ? runModal([&] { return AddEquipmentFromSelection(r.dm()).has_value(); }, check)
                 : runEditor(r, mode, check);
    QVERIFY(!run.leftOpen);
    QVERIFY(!run.saved);
    QCOMPARE(itemCount(r.dm()), 4);
}

void TestEquipmentEditor::newItemSavesEveryField() {
    Register r;
    r.window->findChild<QCheckBox *>("CheckBox1")->click(); // list stopped items too
    const TreePicker picker = [](TreeMode mode, const QString &) {
        return mode == TreeMode::ChooseType ? QStringLiteral("\\\\电脑椅") : QStringLiteral("\\\\行政部");
    };
    const EditorRun run = runEditor(
        r, 0,
        [](EquipmentEditor &editor) {
            typeInto(editor, "edtCode", "N'01");
            typeInto(editor, "edtName", "新\"设备\"");
            typeInto(editor, "edtJScode", " J1 ");
            control<PickEdit>(editor, "cbeType")->pickAction()->trigger();
            typeInto(editor, "edtSpec", "规格A");
            typeInto(editor, "edtFactory", "工厂B");
            auto *build = control<CheckDateEdit>(editor, "dtpBuildDate");
            QTest::mouseClick(build->checkBox(), Qt::LeftButton);
            build->dateEdit()->setDate(QDate(2018, 2, 3));
            typeInto(editor, "rceAmount", "2");
            typeInto(editor, "cePrice", "10.5");
            typeInto(editor, "cbbUnit", "台");
            typeInto(editor, "ceSZ1", "1.25");
            control<QDateEdit>(editor, "dtpBeginDate")->setDate(QDate(2021, 3, 4));
            typeInto(editor, "edtAddress", "2号楼");
            control<PickEdit>(editor, "cbeUseDept")->pickAction()->trigger();
            typeInto(editor, "cbbUseStatus", "闲置");
            auto *acceptance = control<QPlainTextEdit>(editor, "memo1");
            typeText(acceptance, "行1");
            QTest::keyClick(acceptance, Qt::Key_Return);
            typeText(acceptance, "行2");
            typeInto(editor, "cbbUseEmp", "张三");
            typeInto(editor, "cbbOperEmp", "李四");
            typeText(control(editor, "Memo2"), "备注 ");
            control<QDateEdit>(editor, "dtpeditdate")->setDate(QDate(2022, 5, 6));
            QTest::mouseClick(control<QCheckBox>(editor, "cbUseFlag"), Qt::LeftButton);
            QTest::mouseClick(control<QCheckBox>(editor, "CheckBox1"), Qt::LeftButton);
            clickOk(editor);
        },
        picker);
    QVERIFY(!run.leftOpen);
    QVERIFY(run.saved);
    QVERIFY(r.env.dialogs().messages.isEmpty());

    const QVariantMap row = itemRow(r.dm(), "N'01");
    const QVariantMap expected = {
        {"f_name", "新\"设备\""},         {"f_jscode", "J1"},
        {"f_type", "\\\\电脑椅"},         {"f_spec", "规格A"},
        {"f_factory", "工厂B"},           {"f_builddate", "2018-02-03"},
        {"f_buydate", "1900-08-14"},      {"f_amount", 2.0},
        {"f_price", 10.5},                {"f_unit", "台"},
        {"f_originvalue", 21.0},          {"f_sz1", 1.25},
        {"f_totalprice", 22.25},          {"f_begindate", "2021-03-04"},
        {"f_address", "2号楼"},           {"f_usedept", "\\\\行政部"},
        {"f_usestatus", "闲置"},          {"f_memo1", "行1\n行2"},
        {"f_useemp", "张三"},             {"f_operemp", "李四"},
        {"f_memo2", "备注"},              {"f_editdate", "2022-05-06"},
        {"f_useflag", 1},                 {"f_sz2", 0.0}};
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QVERIFY2(row.value(it.key()) == it.value(), qPrintable(it.key()));
    QVERIFY(row.value("f_buildcode").isNull());
    QVERIFY(row.value("f_zf1").isNull());
    QCOMPARE(row.value("f_cltid"), row.value("f_id"));

    // The list is reopened on the new item and counts it.
    QCOMPARE(r.list().currentValue("F_code").toString(), QStringLiteral("N'01"));
    QCOMPARE(r.window->findChild<QLabel *>("lblSETnum")->text(),
             QStringLiteral("设备总数： 5 件 "));
}

void TestEquipmentEditor::editSavesBackWhatItLoaded() {
    Register r;
    r.makeCurrent("Q'1");
    QVariantMap before = itemRow(r.dm(), "Q'1");
    const EditorRun run = runEditor(r, 1, [](EquipmentEditor &editor) {
        QCOMPARE(control<QLineEdit>(editor, "edtName")->text(),
                 QStringLiteral("O'Brien \"精密\" 仪器"));
        QCOMPARE(control<QPlainTextEdit>(editor, "memo1")->toPlainText(),
                 QStringLiteral("验收'良好'\n第二行"));
        QCOMPARE(money(editor, "ceOriginValue"), 3000.0);
        QCOMPARE(money(editor, "ceTotalPrice"), 2999.99);
        QVERIFY(control<CheckDateEdit>(editor, "dtpBuildDate")->isChecked());
        QCOMPARE(control<CheckDateEdit>(editor, "dtpBuyDate")->checkedDate(),
                 std::optional<QDate>(QDate(2020, 5, 6)));
        clickOk(editor);
    });
    QVERIFY(!run.leftOpen);
    QVERIFY(run.saved);
    QVERIFY(r.env.dialogs().messages.isEmpty());
    // Everything is as it was but the change stamp, which every save raises.
    auto after = itemRow(r.dm(), "Q'1");
    QCOMPARE(after.take("f_stamp").toLongLong(), before.value("f_stamp").toLongLong() + 1);
    before.remove("f_stamp");
    QCOMPARE(after, before);
    QCOMPARE(itemCount(r.dm()), 4);
}

void TestEquipmentEditor::checksBeforeSaving_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("code"); // typed over what the editor shows
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message"); // empty: saved
    QTest::addColumn<QString>("focus");
    QTest::newRow("no name") << 0 << "N1" << "" << NoName << "edtName";
    QTest::newRow("blank name") << 0 << "N1" << "   " << NoName << "edtName";
    QTest::newRow("blank code, the name first") << 0 << "  " << "" << NoName << "edtName";
    QTest::newRow("blank code") << 0 << "  " << "设备" << NoCode << "edtCode";
    QTest::newRow("code of another item") << 0 << "A100" << "设备" << DuplicateCode
                                          << "edtCode";
    QTest::newRow("letter case ignored") << 0 << " a100 " << "设备" << DuplicateCode
                                         << "edtCode";
    QTest::newRow("quote in a new code") << 0 << "Q'1" << "设备" << DuplicateCode << "edtCode";
    QTest::newRow("edit keeps its code") << 1 << "C300" << "新名" << "" << "";
    QTest::newRow("edit keeps its code, other case") << 1 << "c300" << "新名" << "" << "";
    QTest::newRow("edit to another item's code") << 1 << "xa1" << "新名" << DuplicateCode
                                                 << "edtCode";
}

void TestEquipmentEditor::checksBeforeSaving() {
    QFETCH(int, mode);
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    Register r;
    r.makeCurrent("C300");
    const qint64 edited = r.idOf("C300");
    const QStringList before = allRows(r.dm());
    const EditorRun run = runEditor(r, mode, [&](EquipmentEditor &editor) {
        control<QCheckBox>(editor, "CheckBox1")->setChecked(false);
        typeInto(editor, "edtCode", code);
        typeInto(editor, "edtName", name);
        control(editor, "edtJScode")->setFocus();
        clickOk(editor);
        if (!message.isEmpty())
            QTRY_COMPARE(focusedControl(), focus);
    });
    if (message.isEmpty()) {
        QVERIFY(!run.leftOpen);
        QVERIFY(r.env.dialogs().messages.isEmpty());
        const QVariantMap row = itemRow(r.dm(), code);
        QCOMPARE(row.value("f_id").toLongLong(), edited);
        QCOMPARE(row.value("f_code").toString(), code); // the letter case as typed
        QCOMPARE(row.value("f_name").toString(), name);
        QCOMPARE(itemCount(r.dm()), 4);
        return;
    }
    QVERIFY(run.leftOpen);
    QCOMPARE(r.env.dialogs().messageTexts(), QStringList{message});
    QVERIFY(r.env.dialogs().wasShown(message, MessInfo));
    QCOMPARE(allRows(r.dm()), before);
}

void TestEquipmentEditor::copyIsSavedOnceItsCodeChanges() {
    Register r;
    r.makeCurrent("Q'1");
    const QVariantMap original = itemRow(r.dm(), "Q'1");
    const EditorRun run = runEditor(r, 2, [](EquipmentEditor &editor) {
        clickOk(editor);
        QCOMPARE(focusedControl(), QStringLiteral("edtCode"));
        typeInto(editor, "edtCode", "Q'2");
        clickOk(editor);
        // 连续新增 is ticked: the window stays for the next item, the type kept.
        QCOMPARE(control<QLineEdit>(editor, "edtCode")->text(), QString());
        QCOMPARE(control<QLineEdit>(editor, "edtName")->text(), QString());
        QCOMPARE(control<PickEdit>(editor, "cbeType")->text(), QStringLiteral("\\\\电脑\\笔记本"));
        QCOMPARE(editor.windowTitle(), QStringLiteral("设备档案 - 新增"));
    });
    QVERIFY(run.saved);
    QVERIFY(run.leftOpen);
    QCOMPARE(r.env.dialogs().messageTexts(), QStringList{DuplicateCode});
    QCOMPARE(itemRow(r.dm(), "Q'1"), original);
    QVariantMap copy = itemRow(r.dm(), "Q'2");
    QVERIFY(copy.value("f_id").toLongLong() > original.value("f_id").toLongLong());
    QCOMPARE(copy.value("f_cltid"), copy.value("f_id"));
    // Everything the editor shows is copied; what it does not show is not.
    QVERIFY(copy.value("f_buildcode").isNull());
    QVERIFY(copy.value("f_zf1").isNull());
    QCOMPARE(copy.value("f_sz2").toDouble(), 0.0);
    QVariantMap shown = original;
    for (const char *key : {"f_id", "f_cltid", "f_code", "f_buildcode", "f_zf1", "f_sz2"}) {
        shown.remove(key);
        copy.remove(key);
    }
    QCOMPARE(copy, shown);
}

void TestEquipmentEditor::openBuildDateIsStoredAsNoDate() {
    Register r;
    const EditorRun run = runEditor(r, 0, [](EquipmentEditor &editor) {
        QVERIFY(!control<CheckDateEdit>(editor, "dtpBuildDate")->isChecked());
        typeInto(editor, "edtCode", "D1");
        typeInto(editor, "edtName", "无出厂日期");
        auto *buy = control<CheckDateEdit>(editor, "dtpBuyDate");
        QTest::mouseClick(buy->checkBox(), Qt::LeftButton);
        buy->dateEdit()->setDate(QDate(2020, 5, 6));
        control<QCheckBox>(editor, "CheckBox1")->setChecked(false);
        clickOk(editor);
    });
    QVERIFY(run.saved);
    const QVariantMap row = itemRow(r.dm(), "D1");
    QCOMPARE(row.value("f_builddate").toString(), QStringLiteral("1900-08-14"));
    QCOMPARE(row.value("f_buydate").toString(), QStringLiteral("2020-05-06"));

    auto *grid = r.window->findChild<DataGrid *>("DBGridEh1");
    const int shownRow = r.list().currentRow();
    QCOMPARE(r.list().currentValue("F_code").toString(), QStringLiteral("D1"));
    QCOMPARE(grid->cellText(shownRow, grid->columnIndex("F_buildDate")), QString());
    QCOMPARE(grid->cellText(shownRow, grid->columnIndex("F_buyDate")),
             QStringLiteral("2020-05-06"));

    runEditor(r, 1, [](EquipmentEditor &editor) {
        auto *build = control<CheckDateEdit>(editor, "dtpBuildDate");
        QVERIFY(!build->isChecked());
        QCOMPARE(build->date(), QDate::currentDate());
        QCOMPARE(control<CheckDateEdit>(editor, "dtpBuyDate")->checkedDate(),
                 std::optional<QDate>(QDate(2020, 5, 6)));
        clickOk(editor);
    });
    QCOMPARE(itemRow(r.dm(), "D1").value("f_builddate").toString(), QStringLiteral("1900-08-14"));
}

void TestEquipmentEditor::computedAmountsFollowUntilEditedByHand() {
    Register r;
    const EditorRun run = runEditor(r, 0, [](EquipmentEditor &editor) {
        typeInto(editor, "edtCode", "M1");
        typeInto(editor, "edtName", "金额");
        typeInto(editor, "rceAmount", "2");
        typeInto(editor, "cePrice", "10");
        typeInto(editor, "ceSZ1", "5");
        QCOMPARE(money(editor, "ceOriginValue"), 20.0);
        QCOMPARE(money(editor, "ceTotalPrice"), 25.0);
        typeInto(editor, "rceAmount", "3");
        QCOMPARE(money(editor, "ceOriginValue"), 30.0);
        QCOMPARE(money(editor, "ceTotalPrice"), 35.0);
        typeInto(editor, "ceOriginValue", "100");
        QCOMPARE(money(editor, "ceTotalPrice"), 105.0);
        typeInto(editor, "ceTotalPrice", "1,234.5");
        control<QCheckBox>(editor, "CheckBox1")->setChecked(false);
        clickOk(editor);
    });
    QVERIFY(run.saved);
    const QVariantMap row = itemRow(r.dm(), "M1");
    QCOMPARE(row.value("f_amount").toDouble(), 3.0);
    QCOMPARE(row.value("f_price").toDouble(), 10.0);
    QCOMPARE(row.value("f_sz1").toDouble(), 5.0);
    QCOMPARE(row.value("f_originvalue").toDouble(), 100.0);
    QCOMPARE(row.value("f_totalprice").toDouble(), 1234.5);
}

void TestEquipmentEditor::quantityTakesACalculation_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown"); // after leaving the box
    QTest::newRow("plain") << "12" << 12.0 << "12";
    QTest::newRow("precedence") << "3*4+2" << 14.0 << "14";
    QTest::newRow("parentheses") << "(1.5+2)/2" << 1.75 << "1.75";
    QTest::newRow("signs and blanks") << " -2 * -3 " << 6.0 << "6";
    QTest::newRow("binary noise hidden") << "0.1+0.2" << 0.3 << "0.3";
    QTest::newRow("empty is 0") << "" << 0.0 << "0";
    QTest::newRow("unfinished: last value") << "3*" << 5.0 << "5";
    QTest::newRow("division by zero: last value") << "2/0" << 5.0 << "5";
    QTest::newRow("two points: last value") << "1.2.3" << 5.0 << "5";
    QTest::newRow("letters are not typed") << "4x" << 4.0 << "4";
}

void TestEquipmentEditor::quantityTakesACalculation() {
    QFETCH(QString, typed);
    QFETCH(double, value);
    QFETCH(QString, shown);
    CalcEdit edit;
    edit.setValue(5);
    QCOMPARE(edit.text(), QStringLiteral("5"));
    typeInto(&edit, typed);
    QTest::keyClick(&edit, Qt::Key_Return);
    QCOMPARE(edit.value(), value);
    QCOMPARE(edit.text(), shown);
}

void TestEquipmentEditor::seriesOfNewItemsGetTheirOwnIdentities() {
    Register r;
    // With the newest item gone, the database's next key is not the largest key plus one.
    QVERIFY(r.dm().ExecuteSQL(SqlStatement("delete from Sets where F_code = 'Q''1'")));
    const TreePicker picker = [](TreeMode, const QString &) { return QStringLiteral("\\\\电脑椅"); };
    const EditorRun run = runEditor(
        r, 0,
        [](EquipmentEditor &editor) {
            typeInto(editor, "edtCode", "S1");
            typeInto(editor, "edtName", "第一件");
            control<PickEdit>(editor, "cbeType")->pickAction()->trigger();
            clickOk(editor);
            QVERIFY(editor.isVisible());
            QCOMPARE(control<QLineEdit>(editor, "edtCode")->text(), QString());
            QCOMPARE(control<PickEdit>(editor, "cbeType")->text(), QStringLiteral("\\\\电脑椅"));
            QTRY_COMPARE(focusedControl(), QStringLiteral("edtCode"));
            typeInto(editor, "edtCode", "S2");
            typeInto(editor, "edtName", "第二件");
            clickOk(editor);
            QVERIFY(editor.isVisible());
        },
        picker);
    QVERIFY(run.saved);
    QVERIFY(run.leftOpen);
    QVERIFY(r.env.dialogs().messages.isEmpty());
    const QVariantMap first = itemRow(r.dm(), "S1");
    const QVariantMap second = itemRow(r.dm(), "S2");
    QCOMPARE(first.value("f_cltid"), first.value("f_id"));
    QCOMPARE(second.value("f_cltid"), second.value("f_id"));
    QVERIFY(first.value("f_id") != second.value("f_id"));
    QCOMPARE(second.value("f_type").toString(), QStringLiteral("\\\\电脑椅"));
    QCOMPARE(r.dm().GetSQLInt("select count(*) from Sets where F_cltID <> F_ID"), 0);
    QCOMPARE(r.list().currentValue("F_code").toString(), QStringLiteral("S2"));
}

void TestEquipmentEditor::navigatorSavesTheRowShown() {
    Register r;
    // An item without an identity yet, as an import may leave one.
    QVERIFY(r.dm().ExecuteSQL("update Sets set F_cltID = 0 where F_code = 'C300'"));
    r.window->RefreshList();
    r.makeCurrent("A100");
    const QVariantMap first = itemRow(r.dm(), "A100");
    const EditorRun run = runEditor(r, 1, [&](EquipmentEditor &editor) {
        const auto button = [&](const char *name) { return control<QToolButton>(editor, name); };
        const auto code = [&] { return control<QLineEdit>(editor, "edtCode")->text(); };
        QVERIFY(!button("nbFirst")->isEnabled() && !button("nbPrior")->isEnabled());
        QVERIFY(button("nbNext")->isEnabled() && button("nbLast")->isEnabled());
        QTest::mouseClick(button("nbLast"), Qt::LeftButton);
        QCOMPARE(code(), QStringLiteral("XA1"));
        QVERIFY(!button("nbNext")->isEnabled() && !button("nbLast")->isEnabled());
        QVERIFY(button("nbPrior")->isEnabled());
        QTest::mouseClick(button("nbFirst"), Qt::LeftButton);
        QCOMPARE(code(), QStringLiteral("A100"));
        QTest::mouseClick(button("nbNext"), Qt::LeftButton);
        QCOMPARE(code(), QStringLiteral("C300"));
        QCOMPARE(control<QLineEdit>(editor, "edtName")->text(), QStringLiteral("办公椅"));
        QCOMPARE(control<QComboBox>(editor, "cbbUnit")->currentText(), QStringLiteral("把"));
        typeInto(editor, "edtName", "转椅");
        clickOk(editor);
    });
    QVERIFY(!run.leftOpen);
    QVERIFY(run.saved);
    const QVariantMap shown = itemRow(r.dm(), "C300");
    QCOMPARE(shown.value("f_name").toString(), QStringLiteral("转椅"));
    QCOMPARE(shown.value("f_cltid"), shown.value("f_id"));
    QCOMPARE(itemRow(r.dm(), "A100"), first);
    QCOMPARE(r.list().currentValue("F_code").toString(), QStringLiteral("C300"));
}

void TestEquipmentEditor::tooLongTextWritesNothing_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("length"); // one more than the column holds
    QTest::addColumn<QString>("caption");
    QTest::newRow("new item, name") << 0 << "edtName" << 101 << "设备名称";
    QTest::newRow("new item, code") << 0 << "edtCode" << 51 << "设备编号";
    QTest::newRow("edited item, spec") << 1 << "edtSpec" << 51 << "设备规格";
    QTest::newRow("edited item, department") << 1 << "cbeUseDept" << 51 << "使用部门";
}

void TestEquipmentEditor::tooLongTextWritesNothing() {
    QFETCH(int, mode);
    QFETCH(QString, field);
    QFETCH(int, length);
    QFETCH(QString, caption);
    Register r;
    r.makeCurrent("A100");
    const QStringList before = allRows(r.dm());
    const QString text = QString(length - 1, u'长') + u'X';
    // The boxes stop at their columns' widths; past that limit, as a text from elsewhere would
    // come, the database refuses the text and nothing is written.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("CHECK constraint failed: length"));
    const EditorRun run = runEditor(r, mode, [&](EquipmentEditor &editor) {
        typeInto(editor, "edtCode", "L1");
        typeInto(editor, "edtName", "长文本");
        auto *edit = control<QLineEdit>(editor, qPrintable(field));
        QCOMPARE(edit->maxLength(), length - 1);
        edit->setMaxLength(32767);
        edit->setText(text);
        clickOk(editor);
        QCOMPARE(edit->text(), text);
    });
    QVERIFY(run.leftOpen);
    QVERIFY(!run.saved);
    // The save's message, with the field and its limit on a second line.
    const QString said = SaveFailed + QStringLiteral("\n原因：“%1”的内容太长，最多 %2 个字。")
                                          .arg(caption)
                                          .arg(length - 1);
    QCOMPARE(r.env.dialogs().messageTexts(), QStringList{said});
    QVERIFY(r.env.dialogs().wasShown(said, MessError));
    QCOMPARE(allRows(r.dm()), before);
}

void TestEquipmentEditor::listsAreRefilledOnEntering_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("category"); // "" for the units already used
    QTest::addColumn<QString>("column");
    QTest::addColumn<QStringList>("seeded");
    QTest::newRow("unit") << "cbbUnit" << "" << "f_unit" << QStringList{"台", "把"};
    QTest::newRow("status") << "cbbUseStatus" << "usestatus" << "f_usestatus"
                            << QStringList{"在用", "闲置"};
    QTest::newRow("user") << "cbbUseEmp" << "useemp" << "f_useemp"
                          << QStringList{"张三", "王五"};
    QTest::newRow("record maker") << "cbbOperEmp" << "operemp" << "f_operemp"
                                  << QStringList{"李四", "赵六"};
}

void TestEquipmentEditor::listsAreRefilledOnEntering() {
    QFETCH(QString, box);
    QFETCH(QString, category);
    QFETCH(QString, column);
    QFETCH(QStringList, seeded);
    Register r;
    const auto addValue = [&](const QString &value) {
        if (category.isEmpty())
            QVERIFY(r.dm().ExecuteSQL(
                SqlStatement("insert into Sets (F_code, F_name, F_unit) values (?, ?, ?)",
                             {value, value, value})));
        else
            QVERIFY(r.dm().ExecuteSQL(SqlStatement(
                "insert into t_code (F_type, F_name) values (?, ?)", {category, value})));
    };
    const EditorRun run = runEditor(r, 0, [&](EquipmentEditor &editor) {
        auto *list = control<QComboBox>(editor, qPrintable(box));
        const auto items = [list] {
            QStringList texts;
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
            texts.sort();
            return texts;
        };
        addValue("新一"); // after the window opened
        list->setFocus();
        QStringList expected = seeded + QStringList{"新一"};
        expected.sort();
        QTRY_COMPARE(items(), expected);
        typeInto(list, "自填");
        control(editor, "edtCode")->setFocus();
        addValue("新二");
        list->setFocus();
        expected << "新二";
        expected.sort();
        QTRY_COMPARE(items(), expected);
        QCOMPARE(list->currentText(), QStringLiteral("自填"));
        typeInto(editor, "edtCode", "K1");
        typeInto(editor, "edtName", "列表");
        control<QCheckBox>(editor, "CheckBox1")->setChecked(false);
        clickOk(editor);
    });
    QVERIFY(run.saved);
    QCOMPARE(itemRow(r.dm(), "K1").value(column).toString(), QStringLiteral("自填"));
}

void TestEquipmentEditor::pickButtons_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("column");
    QTest::newRow("type") << "cbeType" << 2 << "f_type";
    QTest::newRow("department") << "cbeUseDept" << 4 << "f_usedept";
}

void TestEquipmentEditor::pickButtons() {
    QFETCH(QString, field);
    QFETCH(int, mode);
    QFETCH(QString, column);
    Register r;
    r.makeCurrent("A100");
    QList<QPair<int, QString>> asked;
    const TreePicker picker = [&asked](TreeMode treeMode, const QString &current) {
        asked << qMakePair(int(treeMode), current);
        return current + QStringLiteral("\\子节点");
    };
    const EditorRun run = runEditor(
        r, 1,
        [&](EquipmentEditor &editor) {
            auto *edit = control<PickEdit>(editor, qPrintable(field));
            typeInto(edit, "\\\\起点");
            auto *button = edit->findChild<QToolButton *>();
            QVERIFY(button && button->isEnabled());
            QTest::mouseClick(button, Qt::LeftButton);
            QTRY_COMPARE(edit->text(), QStringLiteral("\\\\起点\\子节点"));
            clickOk(editor);
        },
        picker);
    QVERIFY(run.saved);
    QCOMPARE(asked, (QList<QPair<int, QString>>{{mode, "\\\\起点"}}));
    QCOMPARE(itemRow(r.dm(), "A100").value(column).toString(), QStringLiteral("\\\\起点\\子节点"));

    // Without anything to pick from, the buttons cannot be used; typing still can.
    runEditor(r, 1, [&](EquipmentEditor &editor) {
        auto *edit = control<PickEdit>(editor, qPrintable(field));
        QVERIFY(!edit->findChild<QToolButton *>()->isEnabled());
        QVERIFY(!edit->isPickEnabled());
        QVERIFY(!edit->isReadOnly());
    });
}

void TestEquipmentEditor::treeEditingFollowsPermissions_data() {
    QTest::addColumn<QString>("operatorName");
    QTest::addColumn<QStringList>("granted");
    QTest::addColumn<bool>("types");
    QTest::addColumn<bool>("departments");
    QTest::newRow("administrator") << "Admin " << QStringList() << true << true;
    QTest::newRow("types only") << "clerk" << QStringList{"新增", "设备类型"} << true << false;
    QTest::newRow("departments only") << "clerk" << QStringList{"部门机构"} << false << true;
    QTest::newRow("neither") << "clerk" << QStringList{"新增"} << false << false;
}

void TestEquipmentEditor::treeEditingFollowsPermissions() {
    QFETCH(QString, operatorName);
    QFETCH(QStringList, granted);
    QFETCH(bool, types);
    QFETCH(bool, departments);
    Register r;
    for (const QString &permission : granted)
        QVERIFY(r.dm().ExecuteSQL(SqlStatement(
            "insert into OperLimit (F_OperName, F_lmtName) values (?, ?)", {"clerk", permission})));
    AppSettings::CurrentOperator = operatorName;
    SetLimits(r.dm(), r.window.get(), operatorName);
    QCOMPARE(MayManageTree(r.window.get(), operatorName, TreeMode::ChooseType), types);
    QCOMPARE(MayManageTree(r.window.get(), operatorName, TreeMode::ChooseDepartment), departments);
}

void TestEquipmentEditor::enterMovesLikeTabButNotInMemos() {
    Register r;
    QStringList visited;
    runEditor(r, 0, [&](EquipmentEditor &editor) {
        QCOMPARE(focusedControl(), QStringLiteral("edtCode"));
        while (visited.size() < 30 && focusedControl() != "Button1") {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            visited << focusedControl();
        }
        auto *memo = control<QPlainTextEdit>(editor, "Memo2");
        memo->setFocus();
        QTest::keyClicks(memo, "a");
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, "b");
        QCOMPARE(memo->toPlainText(), QStringLiteral("a\nb"));
        QCOMPARE(focusedControl(), QStringLiteral("Memo2"));
    });
    QCOMPARE(visited,
             (QStringList{"edtName", "edtJScode", "cbeType", "edtSpec", "edtFactory", "rceAmount",
                          "cePrice", "cbbUnit", "ceOriginValue", "ceSZ1", "ceTotalPrice",
                          "edtAddress", "cbeUseDept", "cbbUseStatus", "cbbUseEmp", "cbbOperEmp",
                          "cbUseFlag", "CheckBox1", "Button1"}));
    QCOMPARE(itemCount(r.dm()), 4);
}

void TestEquipmentEditor::saveAndCancelKeys_data() {
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<bool>("saved");
    QTest::newRow("Ctrl+S saves") << QKeySequence("Ctrl+S") << true;
    QTest::newRow("Esc cancels") << QKeySequence("Esc") << false;
}

void TestEquipmentEditor::saveAndCancelKeys() {
    QFETCH(QKeySequence, keys);
    QFETCH(bool, saved);
    Register r;
    const EditorRun run = runEditor(r, 0, [&](EquipmentEditor &editor) {
        typeInto(editor, "edtCode", "K9");
        typeInto(editor, "edtName", "按键");
        control<QCheckBox>(editor, "CheckBox1")->setChecked(false);
        QTest::keySequence(control(editor, "edtName"), keys);
    });
    QVERIFY(!run.leftOpen);
    QCOMPARE(run.saved, saved);
    QCOMPARE(itemCount(r.dm()), saved ? 5 : 4);
}

void TestEquipmentEditor::selectionDialogAddsOneItem() {
    TestEnv env;
    const EditorRun run = runModal(
        [&] {
            const std::optional<QString> code = AddEquipmentFromSelection(env.dm());
            return code == QStringLiteral("SEL-1");
        },
        [](EquipmentEditor &editor) {
            typeInto(editor, "edtCode", " SEL-1 ");
            typeInto(editor, "edtName", "当场新增");
            clickOk(editor);
        });
    QVERIFY(!run.leftOpen);
    QVERIFY(run.saved);
    const QVariantMap row = itemRow(env.dm(), "SEL-1");
    QCOMPARE(row.value("f_cltid"), row.value("f_id"));
    QVERIFY(row.value("f_id").toLongLong() > 0);
}

void TestEquipmentEditor::concurrentAddersNeverShareAnIdentity() {
    TestEnv env;
    const QString adder = QCoreApplication::applicationDirPath() + "/concurrent_adder";
    QVERIFY2(QFileInfo(adder).isExecutable(), qPrintable(adder));
    constexpr int PerProgram = 200;
    QProcess first;
    QProcess second;
    first.start(adder, {env.databasePath(), "P", QString::number(PerProgram)});
    second.start(adder, {env.databasePath(), "Q", QString::number(PerProgram)});
    // Both have the database open before either adds anything.
    for (QProcess *process : {&first, &second})
        QVERIFY(process->waitForStarted());
    for (QProcess *process : {&first, &second}) {
        process->write("go\n");
        QVERIFY(process->waitForBytesWritten());
    }
    for (QProcess *process : {&first, &second}) {
        QVERIFY(process->waitForFinished(120000));
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QVERIFY2(process->exitCode() == 0, process->readAllStandardError().constData());
    }
    QSet<QString> codes;
    const auto rows = env.dm().ReadRecords("select * from Sets");
    for (const QSqlRecord &row : rows.value()) {
        QCOMPARE(row.value("F_cltID"), row.value("F_ID"));
        codes << row.value("F_code").toString();
    }
    QSet<QString> expected;
    for (int i = 1; i <= PerProgram; ++i)
        expected << QString::asprintf("P%04d", i) << QString::asprintf("Q%04d", i);
    QCOMPARE(codes, expected);
}

// A opens 修改 on an item; B, another program on the same file, renames it and saves; A's save
// then writes nothing, says why and keeps what A typed. The bulk change counts as a change too.
void TestEquipmentEditor::anotherUsersChangeIsNeverLost() {
    Register r;
    r.makeCurrent("C300");
    const qint64 id = r.idOf("C300");
    const auto otherUserRenames = [&](const QString &name) {
        Database other;
        QVERIFY(other.connectTo(r.env.databasePath()));
        RecordSet rows;
        QVERIFY(other.OpenQuerySQL(SqlStatement("select * from Sets where F_ID = ?", {id}), rows));
        EquipmentRecord item = LoadEquipment(rows, 0);
        item.name = name;
        QVERIFY(SaveEquipment(other, item, id));
    };
    const EditorRun run = runEditor(r, 1, [&](EquipmentEditor &editor) {
        otherUserRenames(QStringLiteral("B 改的名称"));
        typeInto(editor, "edtName", "A 改的名称");
        clickOk(editor);
        // Refused with the reason; the form is still open with A's text in it.
        QVERIFY(editor.isVisible());
        QCOMPARE(control<QLineEdit>(editor, "edtName")->text(), QStringLiteral("A 改的名称"));
        QTest::mouseClick(control<QPushButton>(editor, "Button2"), Qt::LeftButton);
    });
    QVERIFY(!run.saved);
    QVERIFY2(r.env.dialogs().wasShown(
                 QStringLiteral("该设备资料已被其他操作员修改，请重新打开后再修改。"), MessWarning),
             qPrintable(r.env.dialogs().messageTexts().join(" | ")));
    QCOMPARE(itemRow(r.dm(), "C300").value("f_name").toString(), QStringLiteral("B 改的名称"));

    // Reopened, the item carries B's change and saves.
    r.window->RefreshList();
    r.makeCurrent("C300");
    QVERIFY(runEditor(r, 1, [&](EquipmentEditor &editor) {
                typeInto(editor, "edtName", "A 再改");
                clickOk(editor);
            }).saved);
    QCOMPARE(itemRow(r.dm(), "C300").value("f_name").toString(), QStringLiteral("A 再改"));

    // A bulk change of the type while the editor is open is a change too.
    r.makeCurrent("C300");
    const EditorRun afterBulk = runEditor(r, 1, [&](EquipmentEditor &editor) {
        QCOMPARE(SetEquipmentPaths(r.dm(), EquipmentPath::Type, "\\\\电脑椅", {id}).outcome,
                 BulkChange::Changed);
        typeInto(editor, "edtName", "又一次");
        clickOk(editor);
        QVERIFY(editor.isVisible());
        editor.reject();
    });
    QVERIFY(!afterBulk.saved);
    QCOMPARE(itemRow(r.dm(), "C300").value("f_type").toString(), QStringLiteral("\\\\电脑椅"));
}

// The register treats a date before 1901-08-14 as "no date"; the boxes cannot take one, so what
// the editor shows is what is stored and read back.
void TestEquipmentEditor::datesTheRegisterCallsNoDateCannotBeEntered() {
    Register r;
    r.makeCurrent("C300");
    const QDate first(1901, 8, 14);
    QVERIFY(runEditor(r, 1, [&](EquipmentEditor &editor) {
                auto *build = control<CheckDateEdit>(editor, "dtpBuildDate");
                build->setChecked(true);
                build->setDate(QDate(1890, 1, 1));
                QCOMPARE(build->date(), first);
                clickOk(editor);
            }).saved);
    QCOMPARE(itemRow(r.dm(), "C300").value("f_builddate").toString(), QStringLiteral("1901-08-14"));
    r.window->RefreshList();
    r.makeCurrent("C300");
    QVERIFY(runEditor(r, 1, [&](EquipmentEditor &editor) {
                QCOMPARE(control<CheckDateEdit>(editor, "dtpBuildDate")->checkedDate(),
                         std::optional<QDate>(first));
                clickOk(editor);
            }).saved);
    QCOMPARE(itemRow(r.dm(), "C300").value("f_builddate").toString(), QStringLiteral("1901-08-14"));
}

// A text longer than its column cannot be typed: the box stops at the column's width.
void TestEquipmentEditor::boxesTakeNoMoreThanTheirColumnHolds() {
    Register r;
    QVERIFY(runEditor(r, 0, [&](EquipmentEditor &editor) {
                typeInto(editor, "edtCode", QString(60, u'码'));
                typeInto(editor, "edtName", QString(120, u'名'));
                QCOMPARE(control<QLineEdit>(editor, "edtCode")->text().size(), 50);
                QCOMPARE(control<QLineEdit>(editor, "edtName")->text().size(), 100);
                QCOMPARE(control<QComboBox>(editor, "cbbUnit")->lineEdit()->maxLength(), 50);
                clickOk(editor);
            }).saved);
    QCOMPARE(itemRow(r.dm(), QString(50, u'码')).value("f_name").toString(), QString(100, u'名'));
}

QTEST_MAIN(TestEquipmentEditor)
#include "tst_equipmenteditor.moc"
