#pragma once

#include "core/data/SqlDialect.h"
#include "core/data/SqlStatement.h"

#include <QString>
#include <QStringList>

#include <optional>

// The filters of the equipment list and the statement they compose. Every condition is an
// "and …" fragment with its own bound values, so the statement can be extended or reused
// (reports print "the list as filtered") without losing a value.
struct EquipmentFilter {
    // The search fields, in the order of the search-field box.
    static QStringList searchFieldCaptions();

    int searchField = -1; // index into searchFieldCaptions(); -1 for none
    QString searchText;   // trimmed when applied
    QString typePath;     // tree path of the selected type node; empty for the root
    QString deptPath;     // likewise for the department tree
    bool includeStopped = false;
    int listType = 0;     // 0 status, 1 user, 2 record maker
    std::optional<QString> listValue; // the chosen value-list entry; nothing for "全部"

    // "select * from Sets where (1=1) " and the conditions, without an order.
    SqlStatement statement(const SqlDialect &dialect) const;
};

enum class TextMatch { BeginsWith, Contains };

// The items the equipment chooser offers: never a stopped one; code beginning with `code`, name
// and host number containing `name` and `hostNumber` (blank values ignored), under the type node
// `typePath` (empty for the whole tree); ordered by code and type.
SqlStatement ChooserStatement(const SqlDialect &dialect, const QString &code, const QString &name,
                              const QString &hostNumber, const QString &typePath);

// "and <column> like ? escape '!' " matching `text` literally, at the start of the column or
// anywhere in it. An empty text still asks for a value (NULL never matches).
SqlStatement LikeCondition(const QString &column, const QString &text, TextMatch match);

// The same for a value the user may leave blank: trimmed, and no condition at all when blank.
SqlStatement TextMatchCondition(const QString &column, const QString &text, TextMatch match);

// The condition "everything under a tree node": the node's own path or a path that continues
// below it with a backslash. A sibling whose name merely begins with the same characters
// (电脑椅 beside 电脑) is not under it.
SqlStatement TreePathCondition(const SqlDialect &dialect, const QString &column,
                               const QString &path);
