#pragma once

#include <QIcon>
#include <QMetaType>
#include <QString>


class QTreeWidget;
class QTreeWidgetItem;
class Database;

// The equipment-type and department trees, both kept in t_treecode and told apart by F_flag
// ('type', 'depttype'). A code has three digits per level and starts with its parent's code
// (002 → 002001 → 002001003), so ordering by code lists parents before their descendants. The
// path F_likecode is "\\" followed by the names from the first level down, separated by single
// backslashes (\\电脑\笔记本). Each tree shows a root that is not stored: code "000", the
// caller's caption, path "\\", code length 0.

// What every node built here carries, kept in the item itself (Qt::UserRole).
struct TreeNodeData {
    int NodeLength = 0;
    QString NodeCode;
    QString NodeName;
    QString NodeLikeCode;
};
Q_DECLARE_METATYPE(TreeNodeData)

// The node's data; empty (length 0, no code) for a null item or one not built here.
TreeNodeData NodeDataOf(const QTreeWidgetItem *node);

// Refills `tree` with the root and the rows of one flag. The shape comes from the code lengths
// and their order alone: a longer code goes under the node before it, an equal one beside it, a
// shorter one beside the nearest node above of that length, or under the root when there is
// none (codes of a wrong length or without their parent never get lost or above the root). A row
// with an empty code hangs under the root. First-level nodes are expanded. After a database
// error (shown by the data module) only the root is left.
void LoadCodeTree(Database &dm, QTreeWidget *tree, const QString &rootCaption, const QString &flag);

// Node images: 0 the root, 1 a first-level node with children, 2 any other node, 3 the selected
// image of every node but the root and first-level nodes with children (which keep theirs).
// `imageIndex` outside 0..3 gives an empty icon.
QIcon TreeNodeIcon(int imageIndex);
// The image a node shows, from its place in the tree and whether it has children; -1 for null.
int NodeImageIndex(const QTreeWidgetItem *node, bool selected);
// Gives the node the icon of its place, with its selected image in QIcon::Selected mode so
// views show it without any code in the window. A window that adds or removes nodes calls this
// for the changed nodes and their parents, since a first-level node's image follows its children.
void SetNodeImages(QTreeWidgetItem *node);

// The path of the node itself (mode 1) or of its parent (any other mode), built from the names
// in the tree. Empty when that is the root or there is no node.
QString BuildNodePath(const QTreeWidgetItem *node, int mode);
// The path a new node named `name` will have: as a child of `selected`, or as its sibling. A null
// `selected` stands for the root. Runs of three or more backslashes collapse to two.
QString NewNodePath(const QTreeWidgetItem *selected, const QString &name, bool asChild);
