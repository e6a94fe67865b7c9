#pragma once

#include "gui/dialogs/TreePicker.h"
#include "core/data/SqlStatement.h"
#include "gui/security/LoginDialog.h"
#include "core/register/EquipmentStore.h"
#include "gui/register/EquipmentEditor.h"

#include <QHash>
#include <QMainWindow>

#include <functional>
#include <optional>

class DataGrid;
struct EquipmentFilter;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QTabWidget;
class QTableWidget;
class QTimer;
class QToolBar;
class QToolButton;
class QTreeWidget;
class RecordSet;
class Database;

// The main window: the equipment list with its search bar, value list and the type and
// department trees, the detail pane of the current item, and every command of the program.
// Other windows are opened from here, modally.
class MainWindow : public QMainWindow, public LoginHost {
    Q_OBJECT
public:
    explicit MainWindow(Database &dm, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The statement of the last RefreshList, without its order.
    const SqlStatement &ListSql() const { return m_listSql; }
    RecordSet &QryMain() const { return *m_qryMain; }

    // Recomposes the list from every filter and reopens it with the detail queries.
    void RefreshList();
    // Reopens the list with its current statement, makes the item with key `id` current and
    // counts again; after an editor saved.
    void ReopenList(qint64 id);

    // Refills the value list with the names of one dictionary category (kind 1 status, 2 user,
    // 3 record maker) and refreshes the list on "全部".
    void FillItemList(int kind);

    // The advanced query of the search bar; until one is set the button is unavailable.
    using AdvancedQuery = std::function<std::optional<SqlStatement>(QWidget *parent)>;
    void setAdvancedQuery(AdvancedQuery query);

    // Opens the equipment editor on the list: a new item, or the current item edited or copied;
    // after each save the list is reopened on the saved item. Types and departments are chosen
    // through `picker` (the commands pass treePicker()). True when at least one item was saved;
    // editing or copying with no current item does nothing.
    bool openEquipmentEditor(EquipmentEditor::Mode mode, TreePicker picker);

    QAction *action(const QString &name) const { return m_actions.value(name); }
    // Chooses a type or department node; the tree window offers its editing
    // commands only to an operator who may manage that tree.
    TreePicker treePicker();
    QString statusPanelText(int panel) const;

    // LoginHost
    QWidget *commandWindow() override { return this; }
    void showOperator(const QString &name, const QDateTime &loginTime) override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Command;
    static const QList<Command> &commands();

    // building
    void buildActions();
    void buildMenus();
    void buildToolBar();
    QWidget *buildSearchBar();
    QWidget *buildNavigationPane();
    QWidget *buildListPane();
    QWidget *buildDetailPane();
    void buildStatusBar();
    void buildPopupMenus();
    QMenu *addMenu(const QString &objectName, const QString &title);

    // showing
    void onFirstShow();
    void showClock();
    void markUnavailable();

    // list and details
    void openList(const SqlStatement &statement);
    void openDetails();
    void showCount();
    void onCurrentItemChanged();
    void selectDetailPage(int page);
    DataGrid *currentDetailGrid() const;
    EquipmentFilter currentFilter() const;

    // commands
    bool runCommand(const QString &name);
    void changeOperator(bool refresh);
    void newItem();
    void editItem();
    void copyItem();
    void deleteCurrentItem();
    void sortList();
    void chooseListColumns();
    void saveListLayout();
    void sortDetail();
    void chooseDetailColumns();
    void saveDetailLayout();
    void removeEmptyImportedRows();
    void manageTypes();
    void manageDepartments();
    void reloadTree(QTreeWidget *tree, const QString &caption, const QString &flag);
    void changeSelectedTypes();
    void changeSelectedDepartments();
    void changeSelected(EquipmentPath column, const QString &caption, const QString &question,
                        const QString &nothingSelected);
    void toggleAdvancedSearch(bool down);
    void toggleNavigationPane(bool shown);
    void startDesktopTool(const QStringList &candidates, const QString &what);
    void openHelpFile(const QString &name);
    void showAbout();

    Database &m_dm;
    QHash<QString, QAction *> m_actions;
    SqlStatement m_listSql;
    AdvancedQuery m_advancedQuery;
    bool m_shown = false;
    bool m_fillingItems = false;

    RecordSet *m_qryMain;
    RecordSet *m_qryDetail1;
    RecordSet *m_qryDetail2;
    RecordSet *m_qryDetail3;

    QToolBar *ToolBar1 = nullptr;
    QWidget *Panel1 = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QSplitter *m_mainSplitter = nullptr;
    QTabWidget *rpcSET = nullptr;
    QTableWidget *vleList = nullptr;
    QComboBox *cbbListType = nullptr;
    QPushButton *Button1 = nullptr;
    QTreeWidget *tvTree = nullptr;
    QTreeWidget *tvTree1 = nullptr;
    DataGrid *DBGridEh1 = nullptr;
    QLabel *lblSETnum = nullptr;
    QListWidget *ListView1 = nullptr;
    QToolBar *CBdetail = nullptr;
    QTabWidget *rpcList = nullptr;
    DataGrid *DBGridEh2 = nullptr;
    QListWidget *ListView2 = nullptr;
    DataGrid *DBGridEh3 = nullptr;
    QPlainTextEdit *DBMemo1 = nullptr;
    QList<QLabel *> m_statusPanels;
    QTimer *Timer1 = nullptr;
};
