#include "gui/settings/TreeCodeWindow.h"
#include "gui/widgets/WindowPlacement.h"

#include "core/data/Database.h"
#include "gui/widgets/CodeTree.h"
#include "core/trees/TreeCodeStore.h"
#include "core/app/UserDialogs.h"
#include "gui/dialogs/TextPromptDialog.h"

#include <QAction>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <optional>

namespace {

struct ModeInfo {
    const char *caption; // window title and root text
    const char *flag;    // t_treecode.F_flag
    int pathWidth;       // width of the column the chosen paths are stored in
};

// A type path goes into Sets.F_type (255 characters) and a department path into Sets.F_useDept
// (50), so a path longer than that could be stored in the tree but never chosen.
std::optional<ModeInfo> modeInfo(TreeMode mode) {
    switch (mode) {
    case TreeMode::ManageTypes:
    case TreeMode::ChooseType:
        return ModeInfo{QT_TRANSLATE_NOOP("TreeCodeWindow", "设备类型"), "type", 255};
    case TreeMode::ManageDepartments:
    case TreeMode::ChooseDepartment:
        return ModeInfo{QT_TRANSLATE_NOOP("TreeCodeWindow", "部门机构"), "depttype", 50};
    default:
        return std::nullopt;
    }
}

const char *const StoreFailed =
    QT_TRANSLATE_NOOP("TreeCodeWindow", "数据连接失败，请与作者联系... ");
const char *const PathTooLong =
    QT_TRANSLATE_NOOP("TreeCodeWindow", "节点路径太长，请使用较短的名称！");
const char *const RootHasNoSiblings =
    QT_TRANSLATE_NOOP("TreeCodeWindow", "不能增加根节点的同类节点，该节点只能增加子节点！");
const char *const RootNotDeleted = QT_TRANSLATE_NOOP("TreeCodeWindow", "不能删除根节点！");
const char *const RootNotChosen = QT_TRANSLATE_NOOP("TreeCodeWindow", "不能选择根节点！");
const char *const DeleteSubtree =
    QT_TRANSLATE_NOOP("TreeCodeWindow", "此节点包含有子节点，真的要删除所有的子节点吗？");
const char *const Banner = QT_TRANSLATE_NOOP(
    "TreeCodeWindow",
    "    增加节点，需先选中左边框里的节点成灰色，然后才能选择增加同级节点或子节点");

constexpr int SiblingCodeMode = 1;
constexpr int ChildCodeMode = 2;
constexpr int StatusPanelCount = 4;

bool isRoot(const QTreeWidgetItem *node) {
    return node->parent() == nullptr;
}

QTreeWidgetItem *newNode(const TreeNodeData &data) {
    auto *node = new QTreeWidgetItem(QStringList(data.NodeName));
    node->setData(0, Qt::UserRole, QVariant::fromValue(data));
    return node;
}

// The node and its parent: a first-level node's image depends on whether it has children.
void refreshImages(QTreeWidgetItem *node) {
    SetNodeImages(node);
    if (node)
        SetNodeImages(node->parent());
}

// SQLite counts characters, not UTF-16 units, against a column's width.
qsizetype characterCount(const QString &text) {
    return text.toUcs4().size();
}

} // namespace

TreeCodeWindow::TreeCodeWindow(Database &dm, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_dm(dm) {
    setObjectName(QStringLiteral("FrmTreeCodeMan"));
    buildActions();
    buildLayout();
    setEditingAllowed(true);
}

void TreeCodeWindow::buildActions() {
    const auto action = [this](const char *name, const QString &text,
                               void (TreeCodeWindow::*handler)()) {
        auto *created = new QAction(text, this);
        created->setObjectName(QLatin1String(name));
        connect(created, &QAction::triggered, this, handler);
        // Added to the window, so its keys work wherever the focus is in it.
        addAction(created);
        return created;
    };
    acAdd = action("acAdd", tr("添加同类(&A)"), &TreeCodeWindow::acAddExecute);
    acAddChild = action("acAddChild", tr("添加子类(&C)"), &TreeCodeWindow::acAddChildExecute);
    acEdit = action("acEdit", tr("修    改"), &TreeCodeWindow::acEditExecute);
    acEdit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    acDelete = action("acDelete", tr("删除(包含子类)"), &TreeCodeWindow::acDeleteExecute);
    acDelete->setShortcut(QKeySequence(Qt::Key_Delete));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(acAdd);
    PopupMenu1->addAction(acAddChild);
    PopupMenu1->addAction(acEdit);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(acDelete);
}

QLabel *TreeCodeWindow::buildBanner() {
    auto *banner = new QLabel(tr(Banner), this);
    banner->setObjectName(QStringLiteral("Label1"));
    banner->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    banner->setWordWrap(true);
    return banner;
}

QTreeWidget *TreeCodeWindow::buildTree() {
    tvTree = new QTreeWidget(this);
    tvTree->setObjectName(QStringLiteral("tvTree"));
    tvTree->setHeaderHidden(true);
    tvTree->setMinimumSize(360, 380);
    tvTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvTree->setDragDropMode(QAbstractItemView::NoDragDrop);
    tvTree->setSelectionMode(QAbstractItemView::SingleSelection);
    // The chosen node stays marked while the focus is on the buttons.
    QPalette palette = tvTree->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    tvTree->setPalette(palette);
    tvTree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tvTree, &QTreeWidget::customContextMenuRequested, this, &TreeCodeWindow::showTreeMenu);
    connect(tvTree, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (m_choosing)
            acceptChoice();
    });
    connect(tvTree, &QTreeWidget::currentItemChanged, this, &TreeCodeWindow::showNodeStatus);
    return tvTree;
}

QGroupBox *TreeCodeWindow::buildEditingGroup() {
    gbBianJI = new QGroupBox(this);
    gbBianJI->setObjectName(QStringLiteral("gbBianJI"));
    auto *column = new QVBoxLayout(gbBianJI);
    const std::pair<const char *, QAction *> buttons[] = {{"btnAdd", acAdd},
                                                          {"btnAddChild", acAddChild},
                                                          {"btnEdit", acEdit},
                                                          {"btnDelete", acDelete}};
    for (const auto &[name, action] : buttons) {
        auto *button = new QPushButton(action->text(), gbBianJI);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        column->addWidget(button);
    }
    return gbBianJI;
}

QWidget *TreeCodeWindow::buildChoiceButtons() {
    m_choiceButtons = new QWidget(this);
    auto *column = new QVBoxLayout(m_choiceButtons);
    column->setContentsMargins(0, 0, 0, 0);
    BitBtn1 = new QPushButton(tr("确定"), m_choiceButtons);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    // Enter on the tree, which the tree leaves alone, accepts through the default button.
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(tr("取消"), m_choiceButtons);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);
    column->addWidget(BitBtn1);
    column->addWidget(BitBtn2);
    connect(BitBtn1, &QPushButton::clicked, this, &TreeCodeWindow::acceptChoice);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    // Only a window opened to choose has them.
    m_choiceButtons->hide();
    return m_choiceButtons;
}

QStatusBar *TreeCodeWindow::buildStatusBar() {
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    for (int index = 0; index < StatusPanelCount; ++index) {
        auto *panel = new QLabel(StatusBar1);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        StatusBar1->addWidget(panel, index == 2 ? 2 : 1);
        m_statusPanels << panel;
    }
    return StatusBar1;
}

void TreeCodeWindow::buildLayout() {
    auto *side = new QVBoxLayout;
    side->addWidget(buildEditingGroup());
    side->addStretch();
    side->addWidget(buildChoiceButtons());

    auto *body = new QHBoxLayout;
    body->addWidget(buildTree(), 1);
    body->addLayout(side);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addWidget(buildBanner());
    layout->addLayout(body, 1);
    layout->addWidget(buildStatusBar());
    // A fixed border: the window keeps the size its contents need.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TreeCodeWindow::SetMode(TreeMode mode) {
    const std::optional<ModeInfo> info = modeInfo(mode);
    if (!info)
        return false;
    m_mode = mode;
    m_flag = QLatin1String(info->flag);
    m_pathWidth = info->pathWidth;
    const QString caption = tr(info->caption);
    setWindowTitle(caption);
    LoadCodeTree(m_dm, tvTree, caption, m_flag);
    if (QTreeWidgetItem *root = tvTree->topLevelItem(0)) {
        root->setExpanded(true);
        // Something is always selected, so the commands have a node to work on.
        tvTree->setCurrentItem(root);
    }
    return true;
}

void TreeCodeWindow::setEditingAllowed(bool allowed) {
    m_editingAllowed = allowed;
    gbBianJI->setVisible(allowed);
    for (QAction *action : {acAdd, acAddChild, acEdit, acDelete})
        action->setEnabled(allowed);
    showNodeStatus();
}

void TreeCodeWindow::ManageCodes() {
    m_choosing = false;
    adjustSize();
    CentreOnParent(this);
    exec();
}

QString TreeCodeWindow::ChooseNode(const QString &initialPath) {
    m_choosing = true;
    m_choiceButtons->show();
    selectPath(initialPath);
    showNodeStatus();
    adjustSize();
    CentreOnParent(this);
    tvTree->setFocus();
    if (exec() != QDialog::Accepted)
        return initialPath;
    const QTreeWidgetItem *chosen = selectedNode();
    return chosen ? NodeDataOf(chosen).NodeLikeCode : initialPath;
}

QTreeWidgetItem *TreeCodeWindow::selectedNode() const {
    const QList<QTreeWidgetItem *> selected = tvTree->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

// Every node of that path is selected and opened in turn, so the last one stays selected.
void TreeCodeWindow::selectPath(const QString &path) {
    for (QTreeWidgetItemIterator it(tvTree); *it; ++it) {
        if (NodeDataOf(*it).NodeLikeCode != path)
            continue;
        for (QTreeWidgetItem *above = (*it)->parent(); above; above = above->parent())
            above->setExpanded(true);
        (*it)->setExpanded(true);
        tvTree->setCurrentItem(*it);
        tvTree->scrollToItem(*it);
    }
}

void TreeCodeWindow::acceptChoice() {
    const QTreeWidgetItem *selected = selectedNode();
    if (!selected)
        return;
    if (isRoot(selected)) {
        ShowMess(tr(RootNotChosen), MessInfo);
        return;
    }
    accept();
}

void TreeCodeWindow::showTreeMenu(const QPoint &position) {
    if (!m_editingAllowed)
        return;
    // The menu works on the node under the pointer, as the user expects.
    if (QTreeWidgetItem *node = tvTree->itemAt(position))
        tvTree->setCurrentItem(node);
    PopupMenu1->exec(tvTree->viewport()->mapToGlobal(position));
}

void TreeCodeWindow::showNodeStatus() {
    if (m_statusPanels.size() != StatusPanelCount)
        return;
    const TreeNodeData node = NodeDataOf(selectedNode());
    m_statusPanels[0]->setText(tr("编码：") + node.NodeCode);
    m_statusPanels[1]->setText(tr("名称：") + node.NodeName);
    m_statusPanels[2]->setText(tr("路径：") + node.NodeLikeCode);
    m_statusPanels[3]->setText(m_choosing         ? tr("双击或回车选择")
                               : m_editingAllowed ? tr("Ctrl+S 修改  Del 删除")
                                                  : QString());
}

void TreeCodeWindow::acAddExecute() {
    QTreeWidgetItem *selected = selectedNode();
    if (!selected)
        return;
    if (isRoot(selected)) {
        ShowMess(tr(RootHasNoSiblings), MessInfo);
        return;
    }
    addNode(selected, false);
}

void TreeCodeWindow::acAddChildExecute() {
    if (QTreeWidgetItem *selected = selectedNode())
        addNode(selected, true);
}

// The code comes first: when the level is full there is no point asking for a name.
void TreeCodeWindow::addNode(QTreeWidgetItem *selected, bool asChild) {
    const TreeNodeData at = NodeDataOf(selected);
    const QString codeBase = asChild && isRoot(selected) ? QString() : at.NodeCode;
    const std::optional<QString> code =
        NextTreeCode(m_dm, codeBase, m_flag, asChild ? ChildCodeMode : SiblingCodeMode);
    if (!code)
        return;
    const QString name = askName(
        (asChild ? tr("添加 %1 %2 子类") : tr("添加 %1 %2 同类")).arg(at.NodeCode, at.NodeName));
    if (name.isEmpty())
        return;
    const TreeNodeData added{int(code->size()), *code, name, NewNodePath(selected, name, asChild)};
    if (!pathFits(added.NodeLikeCode) ||
        !storeNode(InsertTreeNodeSql({added.NodeCode, added.NodeName, added.NodeLikeCode}, m_flag)))
        return;
    QTreeWidgetItem *parent = asChild ? selected : selected->parent();
    QTreeWidgetItem *node = newNode(added);
    parent->addChild(node);
    parent->setExpanded(true);
    tvTree->scrollToItem(node);
    refreshImages(node);
}

// Only the node's own row changes: the stored paths below it and in the records that use it
// keep their old text.
void TreeCodeWindow::acEditExecute() {
    QTreeWidgetItem *selected = selectedNode();
    if (!selected || isRoot(selected))
        return;
    const TreeNodeData old = NodeDataOf(selected);
    const QString name =
        askName(tr("修改类别 %1 %2 子类").arg(old.NodeCode, old.NodeName), old.NodeName);
    if (name.isEmpty())
        return;
    const TreeNodeData renamed{old.NodeLength, old.NodeCode, name,
                            NewNodePath(selected->parent(), name, true)};
    if (!pathFits(renamed.NodeLikeCode) ||
        !storeNode(RenameTreeNodeSql({old.NodeCode, renamed.NodeName, renamed.NodeLikeCode}, m_flag)))
        return;
    selected->setText(0, name);
    selected->setData(0, Qt::UserRole, QVariant::fromValue(renamed));
    refreshImages(selected);
    showNodeStatus();
}

void TreeCodeWindow::acDeleteExecute() {
    QTreeWidgetItem *selected = selectedNode();
    if (!selected)
        return;
    if (isRoot(selected)) {
        ShowMess(tr(RootNotDeleted), MessInfo);
        return;
    }
    const TreeNodeData node = NodeDataOf(selected);
    const QString question =
        selected->childCount() == 0
            ? tr("真的要删除当前节点 “%1%2” 吗？").arg(node.NodeCode, node.NodeName)
            : tr(DeleteSubtree);
    if (ShowMess(question, MessQuestion, MessNo) != MessYes)
        return;
    if (!m_dm.ExecuteSQL(DeleteTreeBranchSql(node.NodeCode, m_flag)))
        return;
    QTreeWidgetItem *parent = selected->parent();
    delete selected;
    SetNodeImages(parent);
    tvTree->setCurrentItem(parent);
}

// Empty when the user cancels; the dialog itself refuses a blank name.
QString TreeCodeWindow::askName(const QString &caption, const QString &initial) {
    const QString name = AskText(caption, initial, {}, this);
    return name.trimmed().isEmpty() ? QString() : name;
}

bool TreeCodeWindow::pathFits(const QString &path) {
    if (characterCount(path) <= m_pathWidth)
        return true;
    ShowMess(tr(PathTooLong), MessInfo);
    return false;
}

// Shows its own words rather than the data module's, so it runs the statement through the
// service that shows nothing.
bool TreeCodeWindow::storeNode(const SqlStatement &statement) {
    if (m_dm.ExecuteAll({statement}))
        return true;
    ShowMess(tr(StoreFailed), MessError);
    return false;
}

void ManageTreeCodes(Database &dm, TreeMode mode, QWidget *parent) {
    TreeCodeWindow window(dm, parent);
    if (window.SetMode(mode))
        window.ManageCodes();
}

QString ChooseTreeNode(Database &dm, TreeMode mode, const QString &initialPath, bool allowEditing,
                       QWidget *parent) {
    TreeCodeWindow window(dm, parent);
    if (!window.SetMode(mode))
        return initialPath;
    window.setEditingAllowed(allowEditing);
    return window.ChooseNode(initialPath);
}
