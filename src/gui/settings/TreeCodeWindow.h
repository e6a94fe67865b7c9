#pragma once

#include "gui/dialogs/TreePicker.h"

#include <QDialog>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class QTreeWidgetItem;
struct SqlStatement;
class Database;

// One hierarchy of t_treecode as a tree: equipment types (ManageTypes, ChooseType) or departments
// (ManageDepartments, ChooseDepartment). The user adds, renames and deletes nodes, each change
// 3 and 4). The user adds, renames and deletes nodes, each change written at once; when the
// window is opened to choose, it hands back the chosen node's path. The root stands for the
// whole hierarchy and is not stored, so it can be neither renamed, deleted nor chosen.
class TreeCodeWindow : public QDialog {
    Q_OBJECT
public:
    explicit TreeCodeWindow(Database &dm, QWidget *parent = nullptr);

    // Sets the caption and flag of the mode and loads its tree; false for an unknown mode.
    bool SetMode(TreeMode mode);
    TreeMode mode() const { return m_mode; }
    const QString &flag() const { return m_flag; }

    // Shows or hides the editing group; while hidden, neither the pop-up menu nor the keys edit.
    void setEditingAllowed(bool allowed);

    // Shows the window modally to edit the tree.
    void ManageCodes();
    // Shows the window modally with 确定 and 取消, the node of `initialPath` selected. Returns
    // the chosen node's path, or `initialPath` unchanged when the user cancels.
    QString ChooseNode(const QString &initialPath);

private:
    void buildActions();
    QLabel *buildBanner();
    QTreeWidget *buildTree();
    QGroupBox *buildEditingGroup();
    QWidget *buildChoiceButtons();
    QStatusBar *buildStatusBar();
    void buildLayout();

    void acAddExecute();
    void acAddChildExecute();
    void acEditExecute();
    void acDeleteExecute();
    void addNode(QTreeWidgetItem *selected, bool asChild);
    QString askName(const QString &caption, const QString &initial = {});
    bool pathFits(const QString &path);
    bool storeNode(const SqlStatement &statement);

    QTreeWidgetItem *selectedNode() const;
    void selectPath(const QString &path);
    void acceptChoice();
    void showTreeMenu(const QPoint &position);
    void showNodeStatus();

    Database &m_dm;
    TreeMode m_mode = TreeMode::ManageTypes;
    QString m_flag;
    int m_pathWidth = 0;
    bool m_choosing = false;
    bool m_editingAllowed = true;

    QAction *acAdd = nullptr;
    QAction *acAddChild = nullptr;
    QAction *acEdit = nullptr;
    QAction *acDelete = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QTreeWidget *tvTree = nullptr;
    QGroupBox *gbBianJI = nullptr;
    QWidget *m_choiceButtons = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QList<QLabel *> m_statusPanels;
};

// Opens the tree window to edit equipment types (ManageTypes) or departments (ManageDepartments).
// The caller
// reloads its own trees afterwards.
void ManageTreeCodes(Database &dm, TreeMode mode, QWidget *parent = nullptr);

// Opens the tree window to choose an equipment type (ChooseType) or a department
// (ChooseDepartment), the node
// of `initialPath` selected. Returns the chosen node's path, or `initialPath` unchanged when the
// user cancels. With `allowEditing` false the window offers no command that changes the tree.
QString ChooseTreeNode(Database &dm, TreeMode mode, const QString &initialPath, bool allowEditing = true,
                       QWidget *parent = nullptr);
