// The tree code window and its name-entry dialog: adding, renaming and deleting nodes of the type
// and department trees as the user does it, choosing a node for another window, and asking for
// a name, checked against what the database then holds.
#include "TestEnv.h"
#include "gui/widgets/CodeTree.h"
#include "gui/dialogs/TextPromptDialog.h"
#include "gui/settings/TreeCodeWindow.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QSqlRecord>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <functional>

namespace {

const QString TypeFlag = QStringLiteral("type");
const QString DeptFlag = QStringLiteral("depttype");
const QString TreeWindow = QStringLiteral("FrmTreeCodeMan");
const QString NameDialog = QStringLiteral("DLGenterCaption");
const QString RootPath = QStringLiteral(R"(\\)");

const QString RootHasNoSiblings =
    QStringLiteral("不能增加根节点的同类节点，该节点只能增加子节点！");
const QString RootNotDeleted = QStringLiteral("不能删除根节点！");
const QString RootNotChosen = QStringLiteral("不能选择根节点！");
const QString DeleteSubtree = QStringLiteral("此节点包含有子节点，真的要删除所有的子节点吗？");
const QString StoreFailed = QStringLiteral("数据连接失败，请与作者联系... ");
const QString PathTooLong = QStringLiteral("节点路径太长，请使用较短的名称！");
const QString LevelFull = QStringLiteral("该级编码已满（最多999个），不能再增加节点！");
const QString BlankName = QStringLiteral("部门名称不能为空！");

QString flagOfMode(int mode) {
    return mode <= 2 ? TypeFlag : DeptFlag;
}

// Rows are "code=name"; each row's path is built from the rows of its parent codes, so the
// stored tree is what the window itself would have written.
void addNodes(TestEnv &env, const QString &flag, const QStringList &rows) {
    QMap<QString, QString> paths;
    for (const QString &row : rows) {
        const QString code = row.section(QLatin1Char('='), 0, 0);
        const QString name = row.section(QLatin1Char('='), 1);
        const QString parent = code.left(code.size() - 3);
        const QString path =
            parent.isEmpty() ? RootPath + name : paths.value(parent) + QLatin1Char('\\') + name;
        paths.insert(code, path);
        QVERIFY(env.dm().ExecuteSQL(SqlStatement("insert into t_treecode (F_code, F_name, "
                                                 "F_likecode, F_flag) values (?, ?, ?, ?)",
                                                 {code, name, path, flag})));
    }
}

// Every stored node as "flag|code|name|path", in flag and code order.
QStringList storedNodes(TestEnv &env) {
    QStringList nodes;
    const auto rows = env.dm().ReadRecords(
        "select F_flag, F_code, F_name, F_likecode from t_treecode order by F_flag, F_code");
    for (const QSqlRecord &row : rows.value_or(QList<QSqlRecord>())) {
        QStringList fields;
        for (int field = 0; field < row.count(); ++field)
            fields << row.value(field).toString();
        nodes << fields.join(QLatin1Char('|'));
    }
    return nodes;
}

// The type and department path of every equipment row, as "type|department".
QStringList equipmentPaths(TestEnv &env) {
    QStringList paths;
    const auto rows = env.dm().ReadRecords("select F_type, F_useDept from Sets order by F_code");
    for (const QSqlRecord &row : rows.value_or(QList<QSqlRecord>()))
        paths << row.value(0).toString() + QLatin1Char('|') + row.value(1).toString();
    return paths;
}

QString nodeRow(const QString &flag, const QString &code, const QString &name,
                const QString &path) {
    return QStringList{flag, code, name, path}.join(QLatin1Char('|'));
}

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

// --- driving the windows ---------------------------------------------------------------------

using Steps = std::function<void(QDialog *)>;

// Waits until the window that opens the next one is active, so that waiting for activation
// later cannot run the next window's steps before that window is there.
void activate(QObject *context) {
    auto *window = qobject_cast<QWidget *>(context);
    if (!window || !window->isVisible())
        return;
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// Runs `steps` on the modal window named `name` once it is the active modal window, trying again
// on the next turns of the event loop until then.
void runWhenOpen(QObject *context, const QString &name, Steps steps, int triesLeft) {
    QTimer::singleShot(0, context, [context, name, steps = std::move(steps), triesLeft] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || dialog->objectName() != name) {
            if (triesLeft > 0)
                runWhenOpen(context, name, steps, triesLeft - 1);
            else
                QTest::qFail(qPrintable(name + QStringLiteral(" did not open")), __FILE__,
                             __LINE__);
            return;
        }
        steps(dialog);
        if (dialog->isVisible()) {
            // After a failed check the steps stopped early; that failure is the one to report.
            if (!QTest::currentTestFailed())
                QTest::qFail(qPrintable(name + QStringLiteral(" was left open")), __FILE__,
                             __LINE__);
            dialog->reject();
        }
    });
}

// Runs `steps` on the modal window named `name` as soon as the next call has opened it. The
// timer belongs to `context`, so steps meant for a window opened from another one die with it.
// A window that does not open fails the test; one the steps leave open fails it and is
// cancelled, so nothing can hang.
void whenOpens(QObject *context, const QString &name, Steps steps) {
    activate(context);
    runWhenOpen(context, name, std::move(steps), 20);
}

// For a command that must not ask for a name: should the dialog open anyway, the test fails
// and the dialog is cancelled.
void failIfOpens(QObject *context, const QString &name) {
    activate(context);
    QTimer::singleShot(0, context, [name] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (dialog && dialog->objectName() == name) {
            QTest::qFail(qPrintable(name + QStringLiteral(" opened")), __FILE__, __LINE__);
            dialog->reject();
        }
    });
}

void manage(TestEnv &env, int mode, Steps steps) {
    whenOpens(qApp, TreeWindow, std::move(steps));
    ManageTreeCodes(env.dm(), static_cast<TreeMode>(mode));
}

QString chooseIn(TestEnv &env, int mode, const QString &initial, Steps steps,
                 bool allowEditing = true) {
    whenOpens(qApp, TreeWindow, std::move(steps));
    return ChooseTreeNode(env.dm(), static_cast<TreeMode>(mode), initial, allowEditing);
}

QTreeWidget *treeOf(QDialog *window) {
    return window->findChild<QTreeWidget *>(QStringLiteral("tvTree"));
}

QTreeWidgetItem *nodeAt(QDialog *window, const QString &path) {
    for (QTreeWidgetItemIterator it(treeOf(window)); *it; ++it) {
        if (NodeDataOf(*it).NodeLikeCode == path)
            return *it;
    }
    return nullptr;
}

QTreeWidgetItem *selectedNode(QDialog *window) {
    const QList<QTreeWidgetItem *> selected = treeOf(window)->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

QPoint centreOf(QTreeWidget *tree, QTreeWidgetItem *node) {
    for (QTreeWidgetItem *above = node->parent(); above; above = above->parent())
        above->setExpanded(true);
    tree->scrollToItem(node);
    return tree->visualItemRect(node).center();
}

// Clicks the node of that path, as the user picks a node before a command.
void clickNode(QDialog *window, const QString &path) {
    QTreeWidgetItem *node = nodeAt(window, path);
    QVERIFY2(node, qPrintable(QStringLiteral("no node ") + path));
    QTreeWidget *tree = treeOf(window);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, centreOf(tree, node));
    QCOMPARE(selectedNode(window), node);
}

void doubleClickNode(QDialog *window, const QString &path) {
    QTreeWidgetItem *node = nodeAt(window, path);
    QVERIFY(node);
    QTreeWidget *tree = treeOf(window);
    const QPoint position = centreOf(tree, node);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, position);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, position);
}

// `how` is the objectName of a button to click, or keys pressed in the control with the focus
// (or the tree, in the tree window). Keys bound to commands need the window active.
void command(QDialog *window, const QString &how) {
    if (auto *button = window->findChild<QPushButton *>(how)) {
        QVERIFY2(button->isVisible(), qPrintable(how + QStringLiteral(" is hidden")));
        QTest::mouseClick(button, Qt::LeftButton);
        return;
    }
    activate(window);
    QWidget *target = treeOf(window) ? treeOf(window) : QApplication::focusWidget();
    QVERIFY(target);
    QTest::keySequence(target, QKeySequence(how));
}

// Types text as key presses carrying their characters: QTest::keyClicks passes only Latin-1.
void typeText(QWidget *edit, const QString &text) {
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
}

QLineEdit *nameEdit(QDialog *dialog) {
    return dialog->findChild<QLineEdit *>(QStringLiteral("edtCurValue"));
}

// Schedules the name dialog's answer, then runs the command that asks for it.
void answerName(QDialog *window, const QString &how, const QString &name,
                const QString &expectedCaption, const QString &expectedInitial = {}) {
    whenOpens(window, NameDialog, [=](QDialog *dialog) {
        QCOMPARE(dialog->windowTitle(), expectedCaption);
        QCOMPARE(nameEdit(dialog)->text(), expectedInitial);
        QVERIFY(!dialog->findChild<QToolButton *>(QStringLiteral("sbtype"))->isVisible());
        nameEdit(dialog)->clear();
        typeText(nameEdit(dialog), name);
        command(dialog, QStringLiteral("Button1"));
    });
    command(window, how);
}

void closeWindow(QDialog *window) {
    QTest::keyClick(treeOf(window), Qt::Key_Escape);
}

// The nodes below the root as "code name path", depth first, as the window shows them.
QStringList shownNodes(QDialog *window) {
    QStringList nodes;
    QTreeWidgetItemIterator it(treeOf(window));
    for (++it; *it; ++it) {
        const TreeNodeData data = NodeDataOf(*it);
        nodes << data.NodeCode + QLatin1Char(' ') + (*it)->text(0) + QLatin1Char(' ') +
                     data.NodeLikeCode;
    }
    return nodes;
}

QImage iconImage(const QIcon &icon) {
    return icon.pixmap(QSize(16, 16))
        .toImage()
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Which of the tree images the node shows; -1 for none of them.
int shownImage(const QTreeWidgetItem *node) {
    const QImage shown = iconImage(node->icon(0));
    for (int index = 0; index < 4; ++index) {
        if (shown == iconImage(TreeNodeIcon(index)))
            return index;
    }
    return -1;
}

const QStringList SampleTypes = {"001=电脑", "001001=笔记本", "001001001=联想", "002=车床"};
const QStringList SampleDepartments = {"001=财务部", "001001=会计科"};

} // namespace

class TestTreeCodeWindow : public QObject {
    Q_OBJECT

private slots:
    void addNode_data();
    void addNode();
    void refusedChange_data();
    void refusedChange();
    void rename_data();
    void rename();
    void deleteNode_data();
    void deleteNode();
    void choose_data();
    void choose();
    void chooseRootIsRefused_data();
    void chooseRootIsRefused();
    void editingCanBeWithheld_data();
    void editingCanBeWithheld();
    void askText_data();
    void askText();
    void askTextRefusesBlank_data();
    void askTextRefusesBlank();
    void askTextTreeButton_data();
    void askTextTreeButton();
};

void TestTreeCodeWindow::addNode_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("selectPath");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("parentCode");
    QTest::addColumn<int>("parentImage");

    QTest::newRow("child of the root of an empty tree")
        << 1 << QStringList() << RootPath << "btnAddChild"
        << "电脑"
        << "添加 000 设备类型 子类"
        << "001"
        << R"(\\电脑)"
        << "000" << 0;
    QTest::newRow("first child of a first-level node")
        << 1 << QStringList{"001=电脑", "002=车床"} << R"(\\电脑)"
        << "btnAddChild"
        << "笔记本"
        << "添加 001 电脑 子类"
        << "001001"
        << R"(\\电脑\笔记本)"
        << "001" << 1;
    QTest::newRow("child after children with descendants")
        << 1 << QStringList{"001=电脑", "001001=笔记本", "001001009=联想", "001002=台式机"}
        << R"(\\电脑)"
        << "btnAddChild"
        << "服务器"
        << "添加 001 电脑 子类"
        << "001003"
        << R"(\\电脑\服务器)"
        << "001" << 1;
    QTest::newRow("child of a deeper node") << 1 << SampleTypes << R"(\\电脑\笔记本)"
                                            << "btnAddChild"
                                            << "戴尔"
                                            << "添加 001001 笔记本 子类"
                                            << "001001002"
                                            << R"(\\电脑\笔记本\戴尔)"
                                            << "001001" << 2;
    QTest::newRow("sibling of a first-level node")
        << 1 << QStringList{"001=电脑", "001001=笔记本", "002=车床"} << R"(\\电脑)"
        << "btnAdd"
        << "打印机"
        << "添加 001 电脑 同类"
        << "003"
        << R"(\\打印机)"
        << "000" << 0;
    QTest::newRow("sibling of a deeper node")
        << 1 << QStringList{"001=电脑", "001001=笔记本", "001001005=联想", "002=车床"}
        << R"(\\电脑\笔记本)"
        << "btnAdd"
        << "台式机"
        << "添加 001001 笔记本 同类"
        << "001002"
        << R"(\\电脑\台式机)"
        << "001" << 1;
    QTest::newRow("department child") << 3 << QStringList{"001=财务部"} << R"(\\财务部)"
                                      << "btnAddChild"
                                      << "会计科"
                                      << "添加 001 财务部 子类"
                                      << "001001"
                                      << R"(\\财务部\会计科)"
                                      << "001" << 1;
    QTest::newRow("department path exactly as long as its column")
        << 3 << QStringList{"001=财务部"} << R"(\\财务部)"
        << "btnAddChild" << QString(44, QChar(0x79d1)) << "添加 001 财务部 子类"
        << "001001" << QStringLiteral(R"(\\财务部\)") + QString(44, QChar(0x79d1)) << "001" << 1;
    QTest::newRow("quote and wildcards stored as typed")
        << 1 << QStringList{"001=It's"} << R"(\\It's)"
        << "btnAddChild"
        << "O'Brien 50%_off"
        << "添加 001 It's 子类"
        << "001001"
        << R"(\\It's\O'Brien 50%_off)"
        << "001" << 1;
    QTest::newRow("blanks around the name kept") << 1 << QStringList() << RootPath << "btnAddChild"
                                                 << " 电脑 "
                                                 << "添加 000 设备类型 子类"
                                                 << "001"
                                                 << R"(\\ 电脑 )"
                                                 << "000" << 0;
}

void TestTreeCodeWindow::addNode() {
    QFETCH(int, mode);
    QFETCH(QStringList, rows);
    QFETCH(QString, selectPath);
    QFETCH(QString, how);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, code);
    QFETCH(QString, path);
    QFETCH(QString, parentCode);
    QFETCH(int, parentImage);

    TestEnv env;
    const QString flag = flagOfMode(mode);
    addNodes(env, flag, rows);
    // The same codes in the other hierarchy must not change what is proposed.
    addNodes(env, flag == TypeFlag ? DeptFlag : TypeFlag, {"001=别处", "001001=别处下"});
    const QStringList before = storedNodes(env);

    manage(env, mode, [&](QDialog *window) {
        clickNode(window, selectPath);
        answerName(window, how, name, caption);
        QTreeWidgetItem *added = nodeAt(window, path);
        QVERIFY(added);
        QCOMPARE(added->text(0), name);
        QCOMPARE(NodeDataOf(added).NodeCode, code);
        QCOMPARE(NodeDataOf(added).NodeName, name);
        QCOMPARE(NodeDataOf(added->parent()).NodeCode, parentCode);
        QCOMPARE(added->parent()->indexOfChild(added), added->parent()->childCount() - 1);
        QCOMPARE(shownImage(added->parent()), parentImage);
        closeWindow(window);
    });

    QCOMPARE(sorted(storedNodes(env)),
             sorted(before + QStringList{nodeRow(flag, code, name, path)}));
    QVERIFY(env.dialogs().messages.isEmpty());
}

void TestTreeCodeWindow::refusedChange_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("selectPath");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("name"); // empty: the command must not ask for one
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("kind");

    const QString longName(100, QLatin1Char('n'));
    const QStringList longTypes = {"001=" + longName, "001001=" + longName};
    const QString longTypePath = RootPath + longName + QLatin1Char('\\') + longName;

    QTest::newRow("sibling of the root") << 1 << SampleTypes << RootPath << "btnAdd" << QString()
                                         << RootHasNoSiblings << int(MessInfo);
    QTest::newRow("first level full") << 1 << QStringList{"999=满"} << RootPath << "btnAddChild"
                                      << QString() << LevelFull << int(MessWarning);
    QTest::newRow("deeper level full")
        << 3 << QStringList{"001=财务部", "001999=满"} << R"(\\财务部\满)"
        << "btnAdd" << QString() << LevelFull << int(MessWarning);
    QTest::newRow("department path one too long")
        << 3 << QStringList{"001=财务部"} << R"(\\财务部)"
        << "btnAddChild" << QString(45, QChar(0x79d1)) << PathTooLong << int(MessInfo);
    QTest::newRow("type path one too long")
        << 1 << longTypes << longTypePath << "btnAddChild" << QString(52, QLatin1Char('x'))
        << PathTooLong << int(MessInfo);
    QTest::newRow("name longer than its column")
        << 1 << SampleTypes << RootPath << "btnAddChild" << QString(101, QLatin1Char('x'))
        << StoreFailed << int(MessError);
    QTest::newRow("renamed department path too long")
        << 3 << SampleDepartments << R"(\\财务部\会计科)"
        << "btnEdit" << QString(45, QChar(0x79d1)) << PathTooLong << int(MessInfo);
    QTest::newRow("renamed name longer than its column")
        << 1 << SampleTypes << R"(\\车床)"
        << "Ctrl+S" << QString(101, QLatin1Char('x')) << StoreFailed << int(MessError);
    QTest::newRow("rename the root")
        << 1 << SampleTypes << RootPath << "Ctrl+S" << QString() << QString() << int(MessInfo);
}

// A refused command shows why and leaves both the database and the tree as they were.
void TestTreeCodeWindow::refusedChange() {
    QFETCH(int, mode);
    QFETCH(QStringList, rows);
    QFETCH(QString, selectPath);
    QFETCH(QString, how);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(int, kind);

    TestEnv env;
    addNodes(env, flagOfMode(mode), rows);
    const QStringList before = storedNodes(env);

    manage(env, mode, [&](QDialog *window) {
        const QStringList shownBefore = shownNodes(window);
        clickNode(window, selectPath);
        if (name.isEmpty()) {
            failIfOpens(window, NameDialog);
            command(window, how);
        } else {
            whenOpens(window, NameDialog, [&](QDialog *dialog) {
                nameEdit(dialog)->clear();
                typeText(nameEdit(dialog), name);
                command(dialog, QStringLiteral("Button1"));
            });
            command(window, how);
        }
        QCOMPARE(shownNodes(window), shownBefore);
        closeWindow(window);
    });

    QCOMPARE(storedNodes(env), before);
    if (message.isEmpty()) {
        QVERIFY(env.dialogs().messages.isEmpty());
        return;
    }
    QCOMPARE(env.dialogs().messageTexts(), QStringList{message});
    QCOMPARE(env.dialogs().messages.first().kind, kind);
}

void TestTreeCodeWindow::rename_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("selectPath");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("path");

    QTest::newRow("first-level node with children, by button") << 1 << R"(\\电脑)"
                                                               << "btnEdit"
                                                               << "计算机"
                                                               << "修改类别 001 电脑 子类"
                                                               << R"(\\计算机)";
    QTest::newRow("deeper node by Ctrl+S, quote and wildcards") << 1 << R"(\\电脑\笔记本)"
                                                                << "Ctrl+S"
                                                                << "便携's 100%_x"
                                                                << "修改类别 001001 笔记本 子类"
                                                                << R"(\\电脑\便携's 100%_x)";
    QTest::newRow("department") << 3 << R"(\\财务部\会计科)"
                                << "btnEdit"
                                << "出纳"
                                << "修改类别 001001 会计科 子类"
                                << R"(\\财务部\出纳)";
}

// Only the node's own row changes: its descendants' paths and the equipment that uses the old
// path keep their text.
void TestTreeCodeWindow::rename() {
    QFETCH(int, mode);
    QFETCH(QString, selectPath);
    QFETCH(QString, how);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, path);

    TestEnv env;
    addNodes(env, TypeFlag, SampleTypes);
    addNodes(env, DeptFlag, SampleDepartments);
    QVERIFY(env.dm().ExecuteSQL(SqlStatement(
        "insert into Sets (F_code, F_name, F_type, F_useDept) values ('A1', 'a', ?, ?), "
        "('A2', 'b', ?, ?)",
        {R"(\\电脑)", R"(\\财务部)", R"(\\电脑\笔记本)", R"(\\财务部\会计科)"})));
    const QStringList equipmentBefore = equipmentPaths(env);
    QStringList expected = storedNodes(env);

    QString oldName;
    manage(env, mode, [&](QDialog *window) {
        clickNode(window, selectPath);
        QTreeWidgetItem *node = selectedNode(window);
        oldName = node->text(0);
        const QStringList childPaths = [node] {
            QStringList paths;
            for (int index = 0; index < node->childCount(); ++index)
                paths << NodeDataOf(node->child(index)).NodeLikeCode;
            return paths;
        }();
        answerName(window, how, name, caption, oldName);
        QCOMPARE(node->text(0), name);
        QCOMPARE(NodeDataOf(node).NodeName, name);
        QCOMPARE(NodeDataOf(node).NodeLikeCode, path);
        for (int index = 0; index < node->childCount(); ++index)
            QCOMPARE(NodeDataOf(node->child(index)).NodeLikeCode, childPaths.at(index));
        closeWindow(window);
    });

    const QString flag = flagOfMode(mode);
    for (QString &row : expected) {
        const QStringList fields = row.split(QLatin1Char('|'));
        if (fields.at(0) == flag && fields.at(3) == selectPath)
            row = nodeRow(flag, fields.at(1), name, path);
    }
    QCOMPARE(storedNodes(env), expected);
    QCOMPARE(equipmentPaths(env), equipmentBefore);
    QVERIFY(env.dialogs().messages.isEmpty());
}

void TestTreeCodeWindow::deleteNode_data() {
    QTest::addColumn<QStringList>("types");
    QTest::addColumn<QString>("selectPath");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("question"); // empty: nothing is to be asked
    QTest::addColumn<QStringList>("remainingTypes");
    QTest::addColumn<int>("parentImage"); // of the deleted node's parent; -1 when kept

    const QStringList withSubtrees = {"001=电脑", "001001=笔记本", "001001001=联想", "002=车床",
                                      "002001=普通车床"};

    QTest::newRow("leaf by Del") << QStringList{"001=电脑", "001001=笔记本", "002=车床"}
                                 << R"(\\电脑\笔记本)"
                                 << "Del" << int(MessYes)
                                 << "真的要删除当前节点 “001001笔记本” 吗？"
                                 << QStringList{"001", "002"} << 2;
    QTest::newRow("node with children by button")
        << withSubtrees << R"(\\电脑)"
        << "btnDelete" << int(MessYes) << DeleteSubtree << QStringList{"002", "002001"} << 0;
    QTest::newRow("no keeps the subtree")
        << withSubtrees << R"(\\电脑)"
        << "Del" << int(MessNo) << DeleteSubtree
        << QStringList{"001", "001001", "001001001", "002", "002001"} << -1;
    QTest::newRow("wildcard in a code matches only itself")
        << QStringList{"001=电脑", "011=正常", "0_1=怪"} << R"(\\怪)"
        << "Del" << int(MessYes) << "真的要删除当前节点 “0_1怪” 吗？" << QStringList{"001", "011"}
        << 0;
    QTest::newRow("row without a code takes only itself")
        << QStringList{"=无编码", "001=电脑", "001001=笔记本"} << R"(\\无编码)"
        << "Del" << int(MessYes) << "真的要删除当前节点 “无编码” 吗？"
        << QStringList{"001", "001001"} << 0;
    QTest::newRow("root is refused")
        << withSubtrees << RootPath << "btnDelete" << 0 << QString()
        << QStringList{"001", "001001", "001001001", "002", "002001"} << -1;
}

// Deletes the node and every code below it in the window's hierarchy only: the department with
// the same code stays.
void TestTreeCodeWindow::deleteNode() {
    QFETCH(QStringList, types);
    QFETCH(QString, selectPath);
    QFETCH(QString, how);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(QStringList, remainingTypes);
    QFETCH(int, parentImage);

    TestEnv env;
    addNodes(env, TypeFlag, types);
    addNodes(env, DeptFlag, {"001=财务部", "001001=会计科"});
    if (!question.isEmpty())
        env.dialogs().answers << answer;

    manage(env, 1, [&](QDialog *window) {
        clickNode(window, selectPath);
        QTreeWidgetItem *parent = selectedNode(window)->parent();
        command(window, how);
        QCOMPARE(nodeAt(window, selectPath) != nullptr, parentImage < 0);
        if (parentImage >= 0)
            QCOMPARE(shownImage(parent), parentImage);
        closeWindow(window);
    });

    QStringList codes;
    for (const QString &row : storedNodes(env))
        codes << row.section(QLatin1Char('|'), 0, 1);
    QStringList expected = {"depttype|001", "depttype|001001"};
    for (const QString &code : remainingTypes)
        expected << TypeFlag + QLatin1Char('|') + code;
    QCOMPARE(codes, expected);

    if (question.isEmpty()) {
        QCOMPARE(env.dialogs().messageTexts(), QStringList{RootNotDeleted});
        QCOMPARE(env.dialogs().messages.first().kind, int(MessInfo));
    } else {
        QCOMPARE(env.dialogs().messageTexts(), QStringList{question});
        QCOMPARE(env.dialogs().messages.first().defaultAnswer, int(MessNo));
    }
    QVERIFY(env.dialogs().unexpected.isEmpty());
}

void TestTreeCodeWindow::choose_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("target"); // the node clicked before `how`; empty for none
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("result");

    QTest::newRow("确定 on another node") << 2 << R"(\\电脑\笔记本)"
                                          << R"(\\车床)"
                                          << "BitBtn1"
                                          << R"(\\车床)";
    QTest::newRow("double-click") << 2 << R"(\\车床)"
                                  << R"(\\电脑\笔记本\联想)"
                                  << "double-click"
                                  << R"(\\电脑\笔记本\联想)";
    QTest::newRow("Enter on the tree") << 2 << QString() << R"(\\电脑)"
                                       << "Return"
                                       << R"(\\电脑)";
    QTest::newRow("the initial node, deep, by Enter")
        << 2 << R"(\\电脑\笔记本\联想)" << QString() << "Return"
        << R"(\\电脑\笔记本\联想)";
    QTest::newRow("取消 returns the initial path") << 2 << R"(\\电脑\笔记本)"
                                                   << R"(\\车床)"
                                                   << "BitBtn2"
                                                   << R"(\\电脑\笔记本)";
    QTest::newRow("Esc with an unknown initial path") << 2 << R"(\\不存在)"
                                                      << R"(\\车床)"
                                                      << "Esc"
                                                      << R"(\\不存在)";
    QTest::newRow("department by 确定") << 4 << R"(\\财务部)"
                                        << R"(\\财务部\会计科)"
                                        << "BitBtn1"
                                        << R"(\\财务部\会计科)";
}

void TestTreeCodeWindow::choose() {
    QFETCH(int, mode);
    QFETCH(QString, initial);
    QFETCH(QString, target);
    QFETCH(QString, how);
    QFETCH(QString, result);

    TestEnv env;
    addNodes(env, TypeFlag, SampleTypes);
    addNodes(env, DeptFlag, SampleDepartments);

    const QString chosen = chooseIn(env, mode, initial, [&](QDialog *window) {
        const QString caption = mode == 2 ? QStringLiteral("设备类型") : QStringLiteral("部门机构");
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(treeOf(window)->topLevelItem(0)->text(0), caption);
        QVERIFY(window->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->isVisible());
        if (QTreeWidgetItem *initialNode = nodeAt(window, initial)) {
            QCOMPARE(selectedNode(window), initialNode);
            QVERIFY(initialNode->isExpanded());
            for (auto *above = initialNode->parent(); above; above = above->parent())
                QVERIFY(above->isExpanded());
        }
        if (!target.isEmpty())
            clickNode(window, target);
        if (how == QLatin1String("double-click"))
            doubleClickNode(window, target);
        else
            command(window, how);
    });

    QCOMPARE(chosen, result);
    QVERIFY(env.dialogs().messages.isEmpty());
}

void TestTreeCodeWindow::chooseRootIsRefused_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("确定") << "BitBtn1";
    QTest::newRow("Enter") << "Return";
    QTest::newRow("double-click") << "double-click";
}

// The window stays open after the refusal, so the user can still choose a node.
void TestTreeCodeWindow::chooseRootIsRefused() {
    QFETCH(QString, how);

    TestEnv env;
    addNodes(env, TypeFlag, SampleTypes);

    const QString chosen = chooseIn(env, 2, R"(\\电脑)", [&](QDialog *window) {
        clickNode(window, RootPath);
        if (how == QLatin1String("double-click"))
            doubleClickNode(window, RootPath);
        else
            command(window, how);
        QVERIFY(window->isVisible());
        QCOMPARE(env.dialogs().messageTexts(), QStringList{RootNotChosen});
        QCOMPARE(env.dialogs().messages.first().kind, int(MessInfo));
        clickNode(window, R"(\\车床)");
        command(window, QStringLiteral("BitBtn1"));
    });

    QCOMPARE(chosen, QStringLiteral(R"(\\车床)"));
}

void TestTreeCodeWindow::editingCanBeWithheld_data() {
    QTest::addColumn<bool>("allowEditing");
    QTest::newRow("editing allowed") << true;
    QTest::newRow("editing withheld") << false;
}

// Without editing, neither the group, the keys nor the pop-up menu change anything; with it the
// same keys reach the commands, which shows that the keys did arrive.
void TestTreeCodeWindow::editingCanBeWithheld() {
    QFETCH(bool, allowEditing);

    TestEnv env;
    addNodes(env, TypeFlag, SampleTypes);
    const QStringList before = storedNodes(env);
    if (allowEditing)
        env.dialogs().answers << MessNo;

    QStringList menuEntries;
    const QString chosen = chooseIn(
        env, 2, R"(\\车床)",
        [&](QDialog *window) {
            QCOMPARE(window->findChild<QGroupBox *>(QStringLiteral("gbBianJI"))->isVisible(),
                     allowEditing);
            clickNode(window, R"(\\电脑)");

            command(window, QStringLiteral("Del"));

            if (allowEditing) {
                whenOpens(window, NameDialog,
                          [](QDialog *dialog) { command(dialog, QStringLiteral("Button2")); });
            } else {
                failIfOpens(window, NameDialog);
            }
            command(window, QStringLiteral("Ctrl+S"));

            QTimer::singleShot(0, window, [&menuEntries] {
                if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                    for (const QAction *action : menu->actions())
                        if (!action->isSeparator())
                            menuEntries << action->objectName();
                    menu->close();
                }
            });
            QTreeWidget *tree = treeOf(window);
            const QPoint position = tree->visualItemRect(selectedNode(window)).center();
            QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, position,
                                        tree->viewport()->mapToGlobal(position));
            QApplication::sendEvent(tree->viewport(), &menuEvent);
            QTRY_COMPARE(menuEntries.isEmpty(), !allowEditing);

            command(window, QStringLiteral("BitBtn1"));
        },
        allowEditing);

    QCOMPARE(chosen, QStringLiteral(R"(\\电脑)"));
    QCOMPARE(storedNodes(env), before);
    QCOMPARE(env.dialogs().messageTexts(),
             allowEditing ? QStringList{DeleteSubtree} : QStringList());
    const QStringList editingEntries = {"acAdd", "acAddChild", "acEdit", "acDelete"};
    QCOMPARE(menuEntries, allowEditing ? editingEntries : QStringList());
}

void TestTreeCodeWindow::askText_data() {
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("typed"); // replaces the selected initial text when not empty
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("result");

    QTest::newRow("确定 returns the text as typed") << QString() << " 新 类型's "
                                                    << "Button1"
                                                    << " 新 类型's ";
    QTest::newRow("Enter keeps the initial text") << "旧名称" << QString() << "Return"
                                                  << "旧名称";
    QTest::newRow("typing replaces the initial text") << "旧名称"
                                                      << "新"
                                                      << "Return"
                                                      << "新";
    QTest::newRow("取消 returns nothing") << "旧名称"
                                          << "新"
                                          << "Button2" << QString();
    QTest::newRow("Esc returns nothing") << "旧名称" << QString() << "Esc" << QString();
}

void TestTreeCodeWindow::askText() {
    QFETCH(QString, initial);
    QFETCH(QString, typed);
    QFETCH(QString, how);
    QFETCH(QString, result);

    TestEnv env;
    whenOpens(qApp, NameDialog, [&](QDialog *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("使用部门"));
        QCOMPARE(nameEdit(dialog)->text(), initial);
        QVERIFY(!dialog->findChild<QToolButton *>(QStringLiteral("sbtype"))->isVisible());
        typeText(nameEdit(dialog), typed);
        command(dialog, how);
    });
    QCOMPARE(AskText(QStringLiteral("使用部门"), initial), result);
    QVERIFY(env.dialogs().messages.isEmpty());
}

void TestTreeCodeWindow::askTextRefusesBlank_data() {
    QTest::addColumn<QString>("blank");
    QTest::addColumn<QString>("how");
    QTest::newRow("empty, 确定") << QString() << "Button1";
    QTest::newRow("blanks, Enter") << "   "
                                   << "Return";
}

// The dialog stays open after the refusal, the focus back in the edit, and takes a name then.
void TestTreeCodeWindow::askTextRefusesBlank() {
    QFETCH(QString, blank);
    QFETCH(QString, how);

    TestEnv env;
    whenOpens(qApp, NameDialog, [&](QDialog *dialog) {
        typeText(nameEdit(dialog), blank);
        command(dialog, how);
        QVERIFY(dialog->isVisible());
        QCOMPARE(env.dialogs().messageTexts(), QStringList{BlankName});
        QCOMPARE(env.dialogs().messages.first().kind, int(MessInfo));
        QTRY_VERIFY(nameEdit(dialog)->hasFocus());
        nameEdit(dialog)->clear();
        typeText(nameEdit(dialog), QStringLiteral("设备科"));
        command(dialog, QStringLiteral("Button1"));
    });
    QCOMPARE(AskText(QStringLiteral("添加 000 部门机构 子类"), QString()),
             QStringLiteral("设备科"));
}

void TestTreeCodeWindow::askTextTreeButton_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("treeCaption");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("result");

    QTest::newRow("type chosen") << "设备类型"
                                 << R"(\\电脑\笔记本)"
                                 << "设备类型"
                                 << R"(\\车床)"
                                 << "BitBtn1"
                                 << R"(\\车床)";
    QTest::newRow("department chosen") << "使用部门"
                                       << R"(\\财务部)"
                                       << "部门机构"
                                       << R"(\\财务部\会计科)"
                                       << "BitBtn1"
                                       << R"(\\财务部\会计科)";
    QTest::newRow("tree cancelled keeps the text") << "设备类型"
                                                   << R"(\\电脑)"
                                                   << "设备类型"
                                                   << R"(\\车床)"
                                                   << "BitBtn2"
                                                   << R"(\\电脑)";
}

void TestTreeCodeWindow::askTextTreeButton() {
    QFETCH(QString, caption);
    QFETCH(QString, initial);
    QFETCH(QString, treeCaption);
    QFETCH(QString, target);
    QFETCH(QString, how);
    QFETCH(QString, result);

    TestEnv env;
    addNodes(env, TypeFlag, SampleTypes);
    addNodes(env, DeptFlag, SampleDepartments);

    whenOpens(qApp, NameDialog, [&](QDialog *dialog) {
        auto *treeButton = dialog->findChild<QToolButton *>(QStringLiteral("sbtype"));
        QVERIFY(treeButton->isVisible());
        whenOpens(dialog, TreeWindow, [&](QDialog *window) {
            QCOMPARE(window->windowTitle(), treeCaption);
            QCOMPARE(selectedNode(window), nodeAt(window, initial));
            clickNode(window, target);
            command(window, how);
        });
        QTest::mouseClick(treeButton, Qt::LeftButton);
        QCOMPARE(nameEdit(dialog)->text(), result);
        command(dialog, QStringLiteral("Button1"));
    });
    const TreePicker treeWindow = [&](TreeMode mode, const QString &current) {
        return ChooseTreeNode(env.dm(), mode, current);
    };
    QCOMPARE(AskText(caption, initial, treeWindow), result);
    QVERIFY(env.dialogs().messages.isEmpty());
}

QTEST_MAIN(TestTreeCodeWindow)
#include "tst_treecodewindow.moc"
