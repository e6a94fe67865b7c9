#pragma once

#include "core/data/SqlStatement.h"

#include <QList>
#include <QString>

#include <optional>

class Database;

// The rows of the equipment-type and department trees in t_treecode, told apart by F_flag
// ('type', 'depttype'). A code has three digits per level and starts with its parent's code
// (002 → 002001 → 002001003); the path F_likecode is "\\" followed by the names from the
// first level down, separated by single backslashes.
struct TreeCodeRow {
    QString code;
    QString name;
    QString path;
};

// Every row of one flag, ordered by code, so parents come before their descendants. Nothing
// after a database error (shown by the data module).
std::optional<QList<TreeCodeRow>> ReadTreeCodes(Database &dm, const QString &flag);

// The code proposed for a new node: mode 1 a sibling of the node with `code`, mode 2 a child
// (the root's code is passed as empty text and gives a first-level code). One more than the
// largest code of that level under the same parent, ignoring the deeper codes below it.
// Nothing when the level already holds 999 (the user is told) or after a database error (shown
// by the data module).
std::optional<QString> NextTreeCode(Database &dm, const QString &code, const QString &flag,
                                    int mode);

// The statements of the tree window's changes, each written at once.
SqlStatement InsertTreeNodeSql(const TreeCodeRow &node, const QString &flag);
// Only the node's own row changes: the stored paths below it and in the records that use it
// keep their old text.
SqlStatement RenameTreeNodeSql(const TreeCodeRow &node, const QString &flag);
// The node's rows and those of everything below it: every code that begins with its code. A
// row stored without a code is a node of its own; matching "" as a prefix would take the whole
// tree with it.
SqlStatement DeleteTreeBranchSql(const QString &code, const QString &flag);
