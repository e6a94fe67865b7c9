// The equipment-type and department trees: the shape built from stored codes, node data and
// images, paths of nodes and new nodes, and the codes proposed for new nodes.
#include "TestEnv.h"
#include "core/trees/TreeCodeStore.h"
#include "gui/widgets/CodeTree.h"

#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

const QString LevelFull = QStringLiteral("该级编码已满（最多999个），不能再增加节点！");
const QString CodeNotNumeric = QStringLiteral("该级已有编码不是数字，不能生成新编码！");
const QString OpenFailed = QStringLiteral("打开操作失败，请检查数据连接... ");
const QString TypeFlag = QStringLiteral("type");
const QString DeptFlag = QStringLiteral("depttype");

// Rows are written "code=name" ("code" alone names the node after its code). The stored path is
// "@" + code, so a test can tell it from the name and from the code.
bool addRows(Database &dm, const QString &flag, const QStringList &entries) {
    for (const QString &entry : entries) {
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        const QString code = equals < 0 ? entry : entry.left(equals);
        const QString name = equals < 0 ? QStringLiteral("n") + code : entry.mid(equals + 1);
        if (!dm.ExecuteSQL(SqlStatement("insert into t_treecode (F_code, F_name, F_likecode, "
                                        "F_flag) values (?, ?, ?, ?)",
                                        {code, name, QStringLiteral("@") + code, flag})))
            return false;
    }
    return true;
}

// The nodes below the root, one line each, indented two blanks per level below the first.
void outline(const QTreeWidgetItem *node, int depth, QStringList &lines) {
    for (int index = 0; index < node->childCount(); ++index) {
        const QTreeWidgetItem *child = node->child(index);
        lines << QString(depth * 2, QLatin1Char(' ')) + NodeDataOf(child).NodeCode +
                     QLatin1Char(' ') + NodeDataOf(child).NodeName;
        outline(child, depth + 1, lines);
    }
}

QTreeWidgetItem *findNode(QTreeWidget &tree, const QString &code) {
    for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
        if (NodeDataOf(*it).NodeCode == code)
            return *it;
    }
    return nullptr;
}

QImage iconImage(const QIcon &icon, QIcon::Mode mode) {
    return icon.pixmap(QSize(16, 16), mode)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

class TestCodeTree : public QObject {
    Q_OBJECT

private slots:
    void shapeComesFromCodes_data();
    void shapeComesFromCodes();
    void rootAndExpansion();
    void nodeImages_data();
    void nodeImages();
    void imagesFollowChildren();
    void buildNodePath_data();
    void buildNodePath();
    void newNodePath_data();
    void newNodePath();
    void nextTreeCode_data();
    void nextTreeCode();
    void proposalIsRefused_data();
    void proposalIsRefused();
    void databaseErrorsLeaveNothing();
};

void TestCodeTree::shapeComesFromCodes_data() {
    QTest::addColumn<QStringList>("types");
    QTest::addColumn<QStringList>("departments");
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("no rows of the flag")
        << QStringList() << QStringList{"001=财务部"} << TypeFlag << QStringList();
    QTest::newRow("three levels, stored out of order")
        << QStringList{"002=车床", "001001001=联想", "001=电脑", "001001=笔记本"} << QStringList()
        << TypeFlag << QStringList{"001 电脑", "  001001 笔记本", "    001001001 联想", "002 车床"};
    QTest::newRow("back up two levels")
        << QStringList{"001=A", "001001=B", "001001001=C", "001002=D", "002=E", "002001=F"}
        << QStringList() << TypeFlag << QStringList{"001 A",      "  001001 B", "    001001001 C",
                                                    "  001002 D", "002 E",      "  002001 F"};
    QTest::newRow("types leave departments out")
        << QStringList{"001=电脑", "001001=笔记本"}
        << QStringList{"001=财务部", "001001=会计科", "002=设备科"} << TypeFlag
        << QStringList{"001 电脑", "  001001 笔记本"};
    QTest::newRow("departments leave types out")
        << QStringList{"001=电脑", "001001=笔记本"}
        << QStringList{"001=财务部", "001001=会计科", "002=设备科"} << DeptFlag
        << QStringList{"001 财务部", "  001001 会计科", "002 设备科"};
    QTest::newRow("grandchild without its parent")
        << QStringList{"001001001=C", "002=E"} << QStringList() << TypeFlag
        << QStringList{"001001001 C", "002 E"};
    QTest::newRow("shorter code with no node of its length above")
        << QStringList{"001=A", "001001001=C", "001002=D"} << QStringList() << TypeFlag
        << QStringList{"001 A", "  001001001 C", "001002 D"};
    QTest::newRow("walk up passes a shorter length")
        << QStringList{"001=A", "001001=B", "0010010011=X", "001001002=C"} << QStringList()
        << TypeFlag << QStringList{"001 A", "  001001 B", "    0010010011 X", "001001002 C"};
    QTest::newRow("lengths not a multiple of three")
        << QStringList{"01=X", "0010=Y", "001=A", "001001001=C"} << QStringList() << TypeFlag
        << QStringList{"001 A", "  0010 Y", "    001001001 C", "01 X"};
    QTest::newRow("empty code") << QStringList{"=Z", "001=A", "001001=B"} << QStringList()
                                << TypeFlag << QStringList{" Z", "001 A", "  001001 B"};
    QTest::newRow("names with quotes and wildcards")
        << QStringList{"001=O'Brien's \"lathe\"", "001001=100%_done"} << QStringList() << TypeFlag
        << QStringList{"001 O'Brien's \"lathe\"", "  001001 100%_done"};
}

void TestCodeTree::shapeComesFromCodes() {
    QFETCH(QStringList, types);
    QFETCH(QStringList, departments);
    QFETCH(QString, flag);
    QFETCH(QStringList, expected);
    TestEnv env;
    QVERIFY(addRows(env.dm(), TypeFlag, types));
    QVERIFY(addRows(env.dm(), DeptFlag, departments));

    QTreeWidget tree;
    LoadCodeTree(env.dm(), &tree, QStringLiteral("全部"), flag);

    QCOMPARE(tree.topLevelItemCount(), 1);
    QStringList lines;
    outline(tree.topLevelItem(0), 0, lines);
    QCOMPARE(lines, expected);
    for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
        if (*it == tree.topLevelItem(0))
            continue;
        const TreeNodeData data = NodeDataOf(*it);
        QCOMPARE((*it)->text(0), data.NodeName);
        QCOMPARE(data.NodeLength, data.NodeCode.size());
        QCOMPARE(data.NodeLikeCode, QStringLiteral("@") + data.NodeCode);
    }
    QVERIFY(env.dialogs().messages.isEmpty());
}

void TestCodeTree::rootAndExpansion() {
    TestEnv env;
    QVERIFY(addRows(env.dm(), TypeFlag, {"001", "001001", "001001001", "002"}));
    QVERIFY(addRows(env.dm(), DeptFlag, {"001=财务部"}));
    QTreeWidget tree;

    LoadCodeTree(env.dm(), &tree, QStringLiteral("设备类别"), TypeFlag);
    QTreeWidgetItem *root = tree.topLevelItem(0);
    QCOMPARE(root->text(0), QStringLiteral("设备类别"));
    const TreeNodeData rootData = NodeDataOf(root);
    QCOMPARE(rootData.NodeLength, 0);
    QCOMPARE(rootData.NodeCode, QStringLiteral("000"));
    QCOMPARE(rootData.NodeName, QStringLiteral("设备类别"));
    QCOMPARE(rootData.NodeLikeCode, QStringLiteral("\\\\"));
    QVERIFY(root->isExpanded());
    QVERIFY(findNode(tree, "001")->isExpanded());
    QVERIFY(findNode(tree, "002")->isExpanded());
    QVERIFY(!findNode(tree, "001001")->isExpanded());

    // Loading again replaces everything, root included.
    LoadCodeTree(env.dm(), &tree, QStringLiteral("部门"), DeptFlag);
    QCOMPARE(tree.topLevelItemCount(), 1);
    QCOMPARE(tree.topLevelItem(0)->text(0), QStringLiteral("部门"));
    QCOMPARE(tree.topLevelItem(0)->childCount(), 1);
    QCOMPARE(tree.topLevelItem(0)->child(0)->text(0), QStringLiteral("财务部"));
    QVERIFY(!findNode(tree, "001001"));
}

void TestCodeTree::nodeImages_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("normal");
    QTest::addColumn<int>("selected");
    QTest::newRow("root") << "000" << 0 << 0;
    QTest::newRow("first level with children") << "001" << 1 << 1;
    QTest::newRow("first level without children") << "002" << 2 << 3;
    QTest::newRow("second level with children") << "001001" << 2 << 3;
    QTest::newRow("third level") << "001001001" << 2 << 3;
}

void TestCodeTree::nodeImages() {
    QFETCH(QString, code);
    QFETCH(int, normal);
    QFETCH(int, selected);
    // The icon comparisons below only mean something if the four images differ.
    for (int first = 0; first < 4; ++first) {
        QVERIFY(!iconImage(TreeNodeIcon(first), QIcon::Normal).isNull());
        for (int second = first + 1; second < 4; ++second)
            QVERIFY(iconImage(TreeNodeIcon(first), QIcon::Normal) !=
                    iconImage(TreeNodeIcon(second), QIcon::Normal));
    }
    TestEnv env;
    QVERIFY(addRows(env.dm(), TypeFlag, {"001", "001001", "001001001", "002"}));
    QTreeWidget tree;
    LoadCodeTree(env.dm(), &tree, QStringLiteral("全部"), TypeFlag);

    const QTreeWidgetItem *node = findNode(tree, code);
    QVERIFY(node);
    QCOMPARE(NodeImageIndex(node, false), normal);
    QCOMPARE(NodeImageIndex(node, true), selected);
    QCOMPARE(iconImage(node->icon(0), QIcon::Normal),
             iconImage(TreeNodeIcon(normal), QIcon::Normal));
    QCOMPARE(iconImage(node->icon(0), QIcon::Selected),
             iconImage(TreeNodeIcon(selected), QIcon::Normal));
}

void TestCodeTree::imagesFollowChildren() {
    TestEnv env;
    QVERIFY(addRows(env.dm(), TypeFlag, {"001", "002"}));
    QTreeWidget tree;
    LoadCodeTree(env.dm(), &tree, QStringLiteral("全部"), TypeFlag);
    QTreeWidgetItem *node = findNode(tree, "002");
    QCOMPARE(iconImage(node->icon(0), QIcon::Normal), iconImage(TreeNodeIcon(2), QIcon::Normal));

    node->addChild(new QTreeWidgetItem(QStringList("新类别")));
    SetNodeImages(node);
    QCOMPARE(iconImage(node->icon(0), QIcon::Normal), iconImage(TreeNodeIcon(1), QIcon::Normal));
    QCOMPARE(iconImage(node->icon(0), QIcon::Selected), iconImage(TreeNodeIcon(1), QIcon::Normal));

    delete node->takeChild(0);
    SetNodeImages(node);
    QCOMPARE(iconImage(node->icon(0), QIcon::Selected), iconImage(TreeNodeIcon(3), QIcon::Normal));
}

void TestCodeTree::buildNodePath_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("expected");
    QTest::newRow("third level itself") << "001001001" << 1 << "\\\\A\\B\\C";
    QTest::newRow("third level's parent") << "001001001" << 2 << "\\\\A\\B";
    QTest::newRow("second level itself") << "001001" << 1 << "\\\\A\\B";
    QTest::newRow("second level's parent, any mode") << "001001" << 0 << "\\\\A";
    QTest::newRow("first level itself") << "001" << 1 << "\\\\A";
    QTest::newRow("first level's parent is the root") << "001" << 2 << "";
    QTest::newRow("root itself") << "000" << 1 << "";
    QTest::newRow("root's parent") << "000" << 2 << "";
    QTest::newRow("quotes and percent") << "002001" << 1 << "\\\\O'Brien 100%\\\"车_床\" 5%";
}

void TestCodeTree::buildNodePath() {
    QFETCH(QString, code);
    QFETCH(int, mode);
    QFETCH(QString, expected);
    TestEnv env;
    QVERIFY(
        addRows(env.dm(), TypeFlag,
                {"001=A", "001001=B", "001001001=C", "002=O'Brien 100%", "002001=\"车_床\" 5%"}));
    QTreeWidget tree;
    LoadCodeTree(env.dm(), &tree, QStringLiteral("全部"), TypeFlag);

    const QTreeWidgetItem *node = findNode(tree, code);
    QVERIFY(node);
    QCOMPARE(BuildNodePath(node, mode), expected);
    QCOMPARE(BuildNodePath(nullptr, mode), QString());
}

void TestCodeTree::newNodePath_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("asChild");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("sibling of a first-level node")
        << "001" << false << QStringLiteral("N") << "\\\\N";
    QTest::newRow("sibling of a second-level node")
        << "001001" << false << QStringLiteral("N") << "\\\\A\\N";
    QTest::newRow("sibling of a third-level node")
        << "001001001" << false << QStringLiteral("N") << "\\\\A\\B\\N";
    QTest::newRow("child of the root") << "000" << true << QStringLiteral("N") << "\\\\N";
    QTest::newRow("child of a first-level node")
        << "002" << true << QStringLiteral("N") << "@002\\N";
    QTest::newRow("child of a deeper node")
        << "001001" << true << QStringLiteral("N") << "@001001\\N";
    QTest::newRow("name starting with a backslash")
        << "001" << false << QStringLiteral("\\N") << "\\\\N";
    QTest::newRow("child of the root, long run")
        << "000" << true << QStringLiteral("\\\\\\N") << "\\\\N";
    QTest::newRow("stored path ending in backslashes")
        << "003" << true << QStringLiteral("N") << "@003\\\\N";
}

void TestCodeTree::newNodePath() {
    QFETCH(QString, code);
    QFETCH(bool, asChild);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    TestEnv env;
    // Children take the stored path (here "@" + code); siblings the names in the tree.
    QVERIFY(addRows(env.dm(), TypeFlag, {"001=A", "001001=B", "001001001=C", "002=D"}));
    QVERIFY(env.dm().ExecuteSQL(
        SqlStatement("insert into t_treecode (F_code, F_name, F_likecode, F_flag) "
                     "values ('003', 'E', ?, ?)",
                     {QStringLiteral("@003\\\\"), TypeFlag})));
    QTreeWidget tree;
    LoadCodeTree(env.dm(), &tree, QStringLiteral("全部"), TypeFlag);

    const QTreeWidgetItem *selected = findNode(tree, code);
    QVERIFY(selected);
    QCOMPARE(NewNodePath(selected, name, asChild), expected);
    if (code == QLatin1String("000"))
        QCOMPARE(NewNodePath(nullptr, name, asChild), expected);
}

void TestCodeTree::nextTreeCode_data() {
    QTest::addColumn<QStringList>("types");
    QTest::addColumn<QStringList>("departments");
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("expected");

    const QStringList none;
    QTest::newRow("first level after 001 and 002")
        << QStringList{"001", "002"} << none << TypeFlag << "" << 2 << "003";
    QTest::newRow("sibling of a first-level node ignores children")
        << QStringList{"001", "002", "002005"} << none << TypeFlag << "002" << 1 << "003";
    QTest::newRow("first child") << QStringList{"001", "002"} << none << TypeFlag << "002" << 2
                                 << "002001";
    QTest::newRow("child past grandchildren") << QStringList{"002", "002001", "002002", "002002001"}
                                              << none << TypeFlag << "002" << 2 << "002003";
    QTest::newRow("sibling past its own children") << QStringList{"002", "002001", "002001005"}
                                                   << none << TypeFlag << "002001" << 1 << "002002";
    QTest::newRow("empty table, first level") << none << none << TypeFlag << "" << 2 << "001";
    QTest::newRow("empty table, child of 005")
        << none << none << TypeFlag << "005" << 2 << "005001";
    QTest::newRow("009 to 010") << QStringList{"009"} << none << TypeFlag << "009" << 1 << "010";
    QTest::newRow("099 to 100") << QStringList{"001", "099"} << none << TypeFlag << "" << 2
                                << "100";
    QTest::newRow("099 to 100 below the first level")
        << QStringList{"001", "001099"} << none << TypeFlag << "001099" << 1 << "001100";
    QTest::newRow("types ignore departments")
        << QStringList{"001"} << QStringList{"001", "005", "001007"} << TypeFlag << "001" << 2
        << "001001";
    QTest::newRow("departments ignore types") << QStringList{"001", "009", "001007"}
                                              << QStringList{"001"} << DeptFlag << "" << 2 << "002";
    QTest::newRow("underscore in a code is no wildcard")
        << QStringList{"0_1", "001", "001999"} << none << TypeFlag << "0_1" << 2 << "0_1001";
    QTest::newRow("percent in a code is no wildcard")
        << QStringList{"00%", "005", "005007"} << none << TypeFlag << "00%" << 2 << "00%001";
    QTest::newRow("short malformed code sorting last")
        << QStringList{"002", "0029", "002001"} << none << TypeFlag << "002" << 2 << "002002";
}

void TestCodeTree::nextTreeCode() {
    QFETCH(QStringList, types);
    QFETCH(QStringList, departments);
    QFETCH(QString, flag);
    QFETCH(QString, code);
    QFETCH(int, mode);
    QFETCH(QString, expected);
    TestEnv env;
    QVERIFY(addRows(env.dm(), TypeFlag, types));
    QVERIFY(addRows(env.dm(), DeptFlag, departments));

    QCOMPARE(NextTreeCode(env.dm(), code, flag, mode).value_or("(none)"), expected);
    QVERIFY(env.dialogs().messages.isEmpty());
}

void TestCodeTree::proposalIsRefused_data() {
    QTest::addColumn<QStringList>("types");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("message");
    QTest::newRow("first level") << QStringList{"001", "999"} << "" << 2 << LevelFull;
    QTest::newRow("first level as a sibling")
        << QStringList{"998", "999"} << "998" << 1 << LevelFull;
    QTest::newRow("children") << QStringList{"002", "002999"} << "002" << 2 << LevelFull;
    QTest::newRow("children with their own children")
        << QStringList{"002", "002999", "002999004"} << "002" << 2 << LevelFull;
    QTest::newRow("siblings") << QStringList{"002", "002001", "002999"} << "002001" << 1
                              << LevelFull;
    QTest::newRow("letters in the largest code of the level")
        << QStringList{"002", "002001", "0020A1"} << "002" << 2 << CodeNotNumeric;
}

void TestCodeTree::proposalIsRefused() {
    QFETCH(QStringList, types);
    QFETCH(QString, code);
    QFETCH(int, mode);
    QFETCH(QString, message);
    TestEnv env;
    QVERIFY(addRows(env.dm(), TypeFlag, types));

    QCOMPARE(NextTreeCode(env.dm(), code, TypeFlag, mode).value_or("(none)"), "(none)");
    QCOMPARE(env.dialogs().messages.size(), 1);
    QVERIFY(env.dialogs().wasShown(message, MessWarning));
    // The other tree is not affected.
    QVERIFY(NextTreeCode(env.dm(), code, DeptFlag, mode).has_value());
}

void TestCodeTree::databaseErrorsLeaveNothing() {
    TestEnv env;
    QVERIFY(addRows(env.dm(), TypeFlag, {"001", "002"}));
    QVERIFY(env.dm().ExecuteSQL("drop table t_treecode"));

    QVERIFY(!NextTreeCode(env.dm(), "", TypeFlag, 2).has_value());
    QVERIFY(env.dialogs().wasShown(OpenFailed, MessError));

    QTreeWidget tree;
    LoadCodeTree(env.dm(), &tree, QStringLiteral("全部"), TypeFlag);
    QCOMPARE(tree.topLevelItemCount(), 1);
    QCOMPARE(tree.topLevelItem(0)->text(0), QStringLiteral("全部"));
    QCOMPARE(tree.topLevelItem(0)->childCount(), 0);
    QCOMPARE(env.dialogs().messageTexts(), QStringList({OpenFailed, OpenFailed}));
}

QTEST_MAIN(TestCodeTree)
#include "tst_codetree.moc"
