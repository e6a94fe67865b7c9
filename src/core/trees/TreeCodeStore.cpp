#include "core/trees/TreeCodeStore.h"

#include "core/app/UserDialogs.h"
#include "core/data/Database.h"
#include "core/data/RecordSet.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr int CodeDigits = 3;
constexpr int LargestLevelNumber = 999;

const char *const LevelFull =
    QT_TRANSLATE_NOOP("TreeCodeStore", "该级编码已满（最多999个），不能再增加节点！");
const char *const CodeNotNumeric =
    QT_TRANSLATE_NOOP("TreeCodeStore", "该级已有编码不是数字，不能生成新编码！");

bool isAllDigits(const QString &text) {
    return std::all_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

// A LIKE pattern matching the codes that start with `prefix`. Codes are digits, but a code typed
// or imported with % or _ in it must still match only itself.
QString startsWithPattern(const QString &prefix) {
    return LikeLiteral(prefix) + QLatin1Char('%');
}

} // namespace

std::optional<QList<TreeCodeRow>> ReadTreeCodes(Database &dm, const QString &flag) {
    RecordSet records;
    if (!dm.OpenQuerySQL(SqlStatement(QStringLiteral("select F_code,F_name,F_likecode from "
                                                     "t_treecode where F_flag = ? order by F_code"),
                                      {flag}),
                         records))
        return std::nullopt;
    records.fetchAll();
    QList<TreeCodeRow> rows;
    rows.reserve(records.rowCount());
    for (int row = 0; row < records.rowCount(); ++row)
        rows.append({records.value(row, QStringLiteral("F_code")).toString(),
                     records.value(row, QStringLiteral("F_name")).toString(),
                     records.value(row, QStringLiteral("F_likecode")).toString()});
    return rows;
}

std::optional<QString> NextTreeCode(Database &dm, const QString &code, const QString &flag,
                                    int mode) {
    const QString prefix =
        mode == 1 ? code.left(std::max<qsizetype>(0, code.size() - CodeDigits)) : code;
    const qsizetype length = prefix.size() + CodeDigits;

    // The largest code of the new node's level under the same parent. Deeper codes below it are
    // cut back to that level; the parent itself and malformed shorter codes are left out by
    // length, so that one of them sorting after the real codes cannot hide them.
    const SqlStatement statement =
        prefix.isEmpty()
            ? SqlStatement(QStringLiteral("select Max(F_code) as F_max from t_treecode where "
                                          "length(F_code) = 3 and F_flag = ?"),
                           {flag})
            : SqlStatement(QStringLiteral("select Max(F_code) as F_max from t_treecode where "
                                          "F_code like ? escape '!' and length(F_code) >= ? "
                                          "and F_flag = ?"),
                           {startsWithPattern(prefix), int(length), flag});
    RecordSet result;
    if (!dm.OpenQuerySQL(statement, result))
        return std::nullopt;
    QString largest = result.value(0, QStringLiteral("F_max")).toString();
    result.close();

    if (largest.isEmpty())
        largest = prefix + QString(CodeDigits, QLatin1Char('0'));
    const QString last = largest.left(length).right(CodeDigits);
    if (!isAllDigits(last)) {
        ShowMess(QCoreApplication::translate("TreeCodeStore", CodeNotNumeric), MessWarning);
        return std::nullopt;
    }
    const int next = last.toInt() + 1;
    if (next > LargestLevelNumber) {
        ShowMess(QCoreApplication::translate("TreeCodeStore", LevelFull), MessWarning);
        return std::nullopt;
    }
    return prefix + QStringLiteral("%1").arg(next, CodeDigits, 10, QLatin1Char('0'));
}

SqlStatement InsertTreeNodeSql(const TreeCodeRow &node, const QString &flag) {
    return SqlStatement(QStringLiteral("insert into t_treecode (F_code, F_name, F_likecode, "
                                       "F_flag) values (?, ?, ?, ?)"),
                        {node.code, node.name, node.path, flag});
}

SqlStatement RenameTreeNodeSql(const TreeCodeRow &node, const QString &flag) {
    return SqlStatement(QStringLiteral("update t_treecode set F_name = ?, F_likecode = ? "
                                       "where F_code = ? and F_flag = ? "),
                        {node.name, node.path, node.code, flag});
}

SqlStatement DeleteTreeBranchSql(const QString &code, const QString &flag) {
    if (code.isEmpty())
        return SqlStatement(QStringLiteral("delete from t_treecode where coalesce(F_code, '') = '' "
                                           "and F_flag = ? "),
                            {flag});
    return SqlStatement(QStringLiteral("delete from t_treecode where F_code like ? escape '!' "
                                       "and F_flag = ? "),
                        {startsWithPattern(code), flag});
}
