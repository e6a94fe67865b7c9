// The main window's list, details and commands.
#include "gui/register/MainWindow.h"

#include "core/register/EquipmentFilter.h"
#include "core/register/EquipmentStore.h"
#include "core/app/AppPaths.h"
#include "core/data/Database.h"
#include "gui/widgets/GridLayouts.h"
#include "core/app/AppSettings.h"
#include "core/data/RecordSet.h"
#include "gui/widgets/CodeTree.h"
#include "gui/dialogs/ColumnChooserDialog.h"
#include "gui/dialogs/SortOrderDialog.h"
#include "gui/security/CommandPermissions.h"
#include "gui/dialogs/TextPromptDialog.h"
#include "gui/settings/TreeCodeWindow.h"
#include "core/app/UserDialogs.h"
#include "gui/widgets/DataGrid.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

namespace {

enum DetailPage { Accessories = 0, Pictures = 1, Documents = 2, Notes = 3 };

const char *const ListCategories[] = {"usestatus", "useemp", "operemp"};
const char *const ListCaptions[] = {QT_TRANSLATE_NOOP("MainWindow", "设备状态"),
                                    QT_TRANSLATE_NOOP("MainWindow", "使用人员"),
                                    QT_TRANSLATE_NOOP("MainWindow", "制单人员")};

// The path of the node a tree has selected, or nothing for the root or no selection.
QString selectedPath(const QTreeWidget *tree) {
    const QTreeWidgetItem *node = tree->currentItem();
    if (!node || node == tree->topLevelItem(0))
        return {};
    return NodeDataOf(node).NodeLikeCode;
}

// Keys typed into a text box edit the text there, even where the window takes them otherwise.
bool isTextInput(const QWidget *widget) {
    if (const auto *line = qobject_cast<const QLineEdit *>(widget))
        return !line->isReadOnly();
    if (const auto *combo = qobject_cast<const QComboBox *>(widget))
        return combo->isEditable();
    return qobject_cast<const QTextEdit *>(widget) || qobject_cast<const QPlainTextEdit *>(widget) ||
           qobject_cast<const QAbstractSpinBox *>(widget);
}

} // namespace

EquipmentFilter MainWindow::currentFilter() const {
    EquipmentFilter filter;
    filter.searchField = ComboBox1->currentIndex();
    filter.searchText = Edit1->text();
    filter.typePath = selectedPath(tvTree);
    filter.deptPath = selectedPath(tvTree1);
    filter.includeStopped = CheckBox1->isChecked();
    filter.listType = cbbListType->currentIndex();
    const int row = vleList->currentRow();
    if (row > 0 && vleList->item(row, 1))
        filter.listValue = vleList->item(row, 1)->text();
    return filter;
}

// The list is ordered by code unless the user sorted it otherwise. The order goes to the record
// set, not into the statement, so counting and summing the list never sorts it first.
void MainWindow::RefreshList() {
    m_listSql = currentFilter().statement(m_dm.dialect());
    if (DBGridEh1->sortSpec().isEmpty())
        m_qryMain->setOrderBy({QStringLiteral("F_code")});
    openList(m_listSql);
}

// The details follow through the record set's current row, which every open and locate sets.
void MainWindow::openList(const SqlStatement &statement) {
    m_dm.OpenQuerySQL(statement, *m_qryMain);
    showCount();
}

void MainWindow::ReopenList(qint64 id) {
    openList(m_qryMain->statement());
    m_qryMain->locate(QStringLiteral("F_ID"), id);
}

// Until the count of a new list arrives, the last known figure stays, greyed ("…" when there is
// none yet).
void MainWindow::showCount() {
    if (!m_qryMain->isActive())
        return;
    const bool known = m_qryMain->totals().has_value();
    lblSETnum->setText(known ? tr("设备总数： %1 件 ").arg(DBGridEh1->totalRowCount())
                             : tr("设备总数： … 件 "));
    lblSETnum->setEnabled(DBGridEh1->totalsFinal());
}

void MainWindow::openDetails() {
    const QVariant id = m_qryMain->currentValue(QStringLiteral("F_ID"));
    m_dm.OpenQuerySQL(AccessoriesOf(id), *m_qryDetail1);
    m_dm.OpenQuerySQL(PicturesOf(id), *m_qryDetail2);
    m_dm.OpenQuerySQL(DocumentsOf(id), *m_qryDetail3);
    DBMemo1->setPlainText(m_qryMain->currentValue(QStringLiteral("F_memo2")).toString());
}

void MainWindow::onCurrentItemChanged() { openDetails(); }

void MainWindow::FillItemList(int kind) {
    const int index = qBound(1, kind, 3) - 1;
    const auto values = m_dm.PickListValues(Database::PickListSql(ListCategories[index]));
    m_fillingItems = true;
    vleList->setRowCount(0);
    vleList->setHorizontalHeaderLabels({QString(), tr(ListCaptions[index])});
    const auto addRow = [this](const QString &key, const QString &value) {
        const int row = vleList->rowCount();
        vleList->insertRow(row);
        auto *keyItem = new QTableWidgetItem(key);
        keyItem->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        keyItem->setTextAlignment(Qt::AlignCenter);
        vleList->setItem(row, 0, keyItem);
        vleList->setItem(row, 1, new QTableWidgetItem(value));
    };
    addRow(QStringLiteral("0"), tr("全部"));
    vleList->setCurrentCell(0, 1);
    RefreshList();
    for (int i = 0; values && i < values->size(); ++i)
        addRow(QString::number(i + 1), values->at(i));
    m_fillingItems = false;
}

void MainWindow::setAdvancedQuery(AdvancedQuery query) {
    m_advancedQuery = std::move(query);
    SpeedButton2->setEnabled(static_cast<bool>(m_advancedQuery));
    SpeedButton2->setToolTip(QString());
}

void MainWindow::toggleAdvancedSearch(bool down) {
    const auto paint = [this](const QColor &colour) {
        SpeedButton2->setStyleSheet(QStringLiteral("color: %1;").arg(colour.name()));
    };
    if (!down) {
        paint(Qt::black);
        RefreshList();
        return;
    }
    const std::optional<SqlStatement> statement =
        m_advancedQuery ? m_advancedQuery(this) : std::nullopt;
    if (!statement || statement->text.trimmed().isEmpty()) {
        SpeedButton2->setChecked(false);
        paint(Qt::black);
        return;
    }
    paint(Qt::red);
    openList(*statement);
}

void MainWindow::selectDetailPage(int page) {
    if (page < 0 || page > Notes)
        page = Accessories;
    if (rpcList->currentIndex() != page)
        rpcList->setCurrentIndex(page);
    CBdetail->setVisible(page != Notes);
    const bool listPage = page == Accessories || page == Documents;
    if (page == Notes)
        return;
    // The page shows its commands, but never one the operator's permissions hide.
    for (const auto &[detail, governing] : {std::pair{"Action904", "Action204"},
                                            std::pair{"Action905", "Action205"},
                                            std::pair{"Action906", "Action206"}}) {
        const bool permitted = m_actions.value(QString::fromLatin1(governing))->isVisible();
        m_actions.value(QString::fromLatin1(detail))->setVisible(listPage && permitted);
    }
    m_actions.value(QStringLiteral("Action31"))->setVisible(listPage);
    m_actions.value(QStringLiteral("Action907"))->setVisible(page == Pictures);
}

DataGrid *MainWindow::currentDetailGrid() const {
    switch (rpcList->currentIndex()) {
    case Accessories:
        return DBGridEh2;
    case Documents:
        return DBGridEh3;
    default:
        return nullptr;
    }
}

bool MainWindow::runCommand(const QString &name) {
    QAction *command = m_actions.value(name);
    if (!command || !command->isVisible() || !command->isEnabled())
        return false;
    command->trigger();
    return true;
}

void MainWindow::changeOperator(bool refresh) {
    ShowLogin(m_dm, this, LoginMode::ChangeOperator, this);
    if (refresh)
        RefreshList();
}

void MainWindow::deleteCurrentItem() {
    if (m_qryMain->isEmpty())
        return;
    const QString name = m_qryMain->currentValue(QStringLiteral("F_Name")).toString();
    if (ShowMess(tr("删除当前设备资料，将删除当前设备所有的相关记录，\n"
                    "真的要删除当前设备“%1”的相关资料吗？")
                     .arg(name),
                 MessQuestion, MessNo) != MessYes)
        return;
    const qint64 identity = m_qryMain->currentValue(QStringLiteral("F_cltID")).toLongLong();
    const qint64 id = m_qryMain->currentValue(QStringLiteral("F_ID")).toLongLong();
    if (!DeleteEquipment(m_dm, identity, id)) {
        ShowMess(tr("操作失败，请检查连接..."), MessError);
        return;
    }
    RefreshList();
}

bool MainWindow::openEquipmentEditor(EquipmentEditor::Mode mode, TreePicker picker) {
    if (mode != EquipmentEditor::Mode::NewItem && m_qryMain->currentRow() < 0)
        return false;
    EquipmentEditor editor(m_dm, m_qryMain, this);
    editor.setTreePicker(std::move(picker));
    connect(&editor, &EquipmentEditor::saved, this, &MainWindow::ReopenList);
    return editor.ShowEditor(mode);
}

void MainWindow::newItem() { openEquipmentEditor(EquipmentEditor::Mode::NewItem, treePicker()); }

void MainWindow::editItem() {
    if (m_qryMain->isEmpty()) {
        ShowMess(tr("此表为空，没有记录需要修改！"), MessError);
        return;
    }
    openEquipmentEditor(EquipmentEditor::Mode::EditItem, treePicker());
}

void MainWindow::copyItem() {
    if (m_qryMain->isEmpty()) {
        ShowMess(tr("设备记录是空，不能复制！"), MessInfo);
        return;
    }
    openEquipmentEditor(EquipmentEditor::Mode::CopyItem, treePicker());
}

// A cancelled sort dialog leaves the list in the order it had.
void MainWindow::sortList() {
    if (const auto spec = ChooseSortOrder(DBGridEh1, this))
        DBGridEh1->setSortSpec(*spec);
}

void MainWindow::chooseListColumns() { ShowFieldList(DBGridEh1); }

void MainWindow::saveListLayout() {
    if (ShowMess(tr("真的要保存当前网格设置吗？"), MessQuestion) == MessYes)
        SaveGridLayout(m_dm, DBGridEh1, QStringLiteral("setmain"));
}

void MainWindow::sortDetail() {
    if (DataGrid *grid = currentDetailGrid())
        if (const auto spec = ChooseSortOrder(grid, this))
            grid->setSortSpec(*spec);
}

void MainWindow::chooseDetailColumns() {
    if (DataGrid *grid = currentDetailGrid())
        ShowFieldList(grid);
}

void MainWindow::saveDetailLayout() {
    DataGrid *grid = currentDetailGrid();
    if (!grid || ShowMess(tr("真的要保存当前网格设置吗？"), MessQuestion) != MessYes)
        return;
    SaveGridLayout(m_dm, grid,
                   grid == DBGridEh2 ? QStringLiteral("detail1") : QStringLiteral("detail2"));
}

void MainWindow::removeEmptyImportedRows() {
    RemoveEmptyImportedItems(m_dm);
    openList(m_qryMain->statement());
}

TreePicker MainWindow::treePicker() {
    return [this](TreeMode mode, const QString &current) {
        return ChooseTreeNode(m_dm, mode, current,
                              MayManageTree(this, AppSettings::CurrentOperator, mode), this);
    };
}

void MainWindow::reloadTree(QTreeWidget *tree, const QString &caption, const QString &flag) {
    LoadCodeTree(m_dm, tree, caption, flag);
    tree->topLevelItem(0)->setExpanded(true);
    RefreshList();
}

void MainWindow::manageTypes() {
    ManageTreeCodes(m_dm, TreeMode::ManageTypes, this);
    reloadTree(tvTree, tr("设备类型"), QStringLiteral("type"));
}

void MainWindow::manageDepartments() {
    ManageTreeCodes(m_dm, TreeMode::ManageDepartments, this);
    reloadTree(tvTree1, tr("部门机构"), QStringLiteral("depttype"));
}

void MainWindow::changeSelectedTypes() {
    changeSelected(EquipmentPath::Type, tr("设备类型"), tr("真的要改变当前所选设备的设备类型吗？"),
                   tr("请选择需要更改设备类型的设备资料！"));
}

void MainWindow::changeSelectedDepartments() {
    changeSelected(EquipmentPath::Department, tr("使用部门"),
                   tr("真的要改变当前所选设备的使用部门吗？"),
                   tr("请选择需要更改使用部门的设备资料！"));
}

// The selection changes as a whole, in one transaction with progress: a value that does not fit,
// another user's save that keeps the register busy, or a cancel leaves every item as it was,
// and the user is told which.
void MainWindow::changeSelected(EquipmentPath column, const QString &caption,
                                const QString &question, const QString &nothingSelected) {
    if (ShowMess(question, MessQuestion) != MessYes)
        return;
    const QString value = AskText(caption, QString(), treePicker(), this);
    if (value.trimmed().isEmpty())
        return;
    const QList<int> rows = DBGridEh1->selectedRows();
    if (rows.isEmpty()) {
        ShowMess(nothingSelected, MessInfo);
        return;
    }
    QVariantList ids;
    for (int row : rows)
        ids << m_qryMain->value(row, QStringLiteral("F_ID"));
    QProgressDialog progress(tr("正在更改所选设备资料 ..."), tr("取消"), 0, int(ids.size()), this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    QApplication::setOverrideCursor(Qt::WaitCursor); // the start may wait for another user
    const BulkChange result = SetEquipmentPaths(m_dm, column, value, ids, [&progress](int done) {
        progress.setValue(done);
        return !progress.wasCanceled();
    });
    QApplication::restoreOverrideCursor();
    progress.reset();
    ReopenList(m_qryMain->currentValue(QStringLiteral("F_ID")).toLongLong());
    switch (result.outcome) {
    case BulkChange::Changed:
        return;
    case BulkChange::Cancelled:
        ShowMess(tr("已取消，所选设备资料均未更改。"), MessInfo);
        return;
    case BulkChange::TooLong:
        ShowMess(tr("有 %1 条设备资料未能更改，请检查所填内容是否过长！").arg(ids.size()),
                 MessWarning);
        return;
    case BulkChange::Locked:
        ShowMess(tr("所选设备资料未能更改。\n原因：其他操作员正在保存，数据库忙，请稍后再试。"),
                 MessWarning);
        return;
    case BulkChange::Failed:
        ShowMess(tr("所选设备资料未能更改。\n原因：%1").arg(result.cause), MessWarning);
        return;
    }
}

void MainWindow::toggleNavigationPane(bool shown) {
    rpcSET->setVisible(shown);
    // The pane keeps its place on the left of the splitter.
    if (shown && m_mainSplitter->indexOf(rpcSET) != 0)
        m_mainSplitter->insertWidget(0, rpcSET);
}

void MainWindow::startDesktopTool(const QStringList &candidates, const QString &what) {
    for (const QString &candidate : candidates) {
        const QString program = QStandardPaths::findExecutable(candidate);
        if (program.isEmpty())
            continue;
        if (!UserDialogs::current().startProgram(program, {}))
            ShowMess(tr("无法启动%1“%2”。").arg(what, program), MessWarning);
        return;
    }
    ShowMess(tr("没有找到%1程序，请安装以下程序之一：%2。").arg(what, candidates.join(tr("、"))),
             MessInfo);
}

void MainWindow::openHelpFile(const QString &name) {
    QString path = QDir(AppPaths::applicationFolder()).filePath(name);
    if (!QFileInfo::exists(path))
        path = QDir::current().filePath(name);
    if (!QFileInfo::exists(path)) {
        ShowMess(tr("没有找到文件“%1”。").arg(name), MessWarning);
        return;
    }
    UserDialogs::current().openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

void MainWindow::showAbout() {
    ShowMess(AppSettings::ProductName().trimmed() + QLatin1Char(' ') +
                 AppSettings::ProductVersion().trimmed() +
                 tr("\n\n设备（固定资产）档案、维修、调拨、验收管理。"),
             MessInfo);
}

// The window previews keys: the list commands work whichever of its controls has the focus,
// but only while the operator may use them. Delete, Ctrl+A and Ctrl+E in a text box edit the
// text there.
bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress || QApplication::activeModalWidget())
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier) {
        const QHash<int, QString> commandOfKey = {{Qt::Key_A, QStringLiteral("Action201")},
                                                  {Qt::Key_E, QStringLiteral("Action202")},
                                                  {Qt::Key_S, QStringLiteral("Action203")}};
        if (!commandOfKey.contains(key->key()))
            return false;
        // A text box keeps its own Ctrl+A (select all) and Ctrl+E (end of line), as it keeps
        // Delete.
        if (key->key() != Qt::Key_S && isTextInput(widget))
            return false;
        runCommand(commandOfKey.value(key->key()));
        return true;
    }
    if (modifiers != Qt::NoModifier)
        return false;
    if (key->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    if (key->key() == Qt::Key_Delete && !isTextInput(widget)) {
        runCommand(QStringLiteral("Action203"));
        return true;
    }
    return false;
}
