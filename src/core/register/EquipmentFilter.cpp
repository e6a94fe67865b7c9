#include "core/register/EquipmentFilter.h"

#include <QCoreApplication>

namespace {

struct SearchField {
    const char *caption;
    const char *column;
    TextMatch match;
};

constexpr TextMatch Starts = TextMatch::BeginsWith;
constexpr TextMatch Anywhere = TextMatch::Contains;

const SearchField searchFields[] = {
    {QT_TRANSLATE_NOOP("EquipmentFilter", "设备编号"), "f_code", Starts},
    {QT_TRANSLATE_NOOP("EquipmentFilter", "设备名称"), "f_name", Anywhere},
    {QT_TRANSLATE_NOOP("EquipmentFilter", "设备规格"), "F_spec", Starts},
    {QT_TRANSLATE_NOOP("EquipmentFilter", "主机编号"), "F_JScode", Anywhere},
    {QT_TRANSLATE_NOOP("EquipmentFilter", "制造厂家"), "F_factory", Anywhere},
    {QT_TRANSLATE_NOOP("EquipmentFilter", "安装地点"), "F_address", Starts},
    {QT_TRANSLATE_NOOP("EquipmentFilter", "验收使用情况"), "F_memo1", Anywhere},
    {QT_TRANSLATE_NOOP("EquipmentFilter", "备注信息"), "F_memo2", Anywhere},
};

const char *const listColumns[] = {"F_useStatus", "F_useEmp", "F_operEmp"};

} // namespace

QStringList EquipmentFilter::searchFieldCaptions() {
    QStringList captions;
    for (const SearchField &field : searchFields)
        captions << QCoreApplication::translate("EquipmentFilter", field.caption);
    return captions;
}

SqlStatement LikeCondition(const QString &column, const QString &text, TextMatch match) {
    QString pattern = LikeLiteral(text) + QLatin1Char('%');
    if (match == TextMatch::Contains)
        pattern.prepend(QLatin1Char('%'));
    return SqlStatement(QStringLiteral("and %1 like ? escape '!' ").arg(column), {pattern});
}

SqlStatement TextMatchCondition(const QString &column, const QString &text, TextMatch match) {
    const QString value = text.trimmed();
    if (value.isEmpty())
        return {};
    return LikeCondition(column, value, match);
}

// The node itself, or a path that goes on below it after a backslash. The column is kept away
// from the path's index: a node high in the tree holds a large share of the register, and
// reading it through that index means sorting every match before the first row shows, where
// walking the code order and stopping after one screen is immediate.
SqlStatement TreePathCondition(const SqlDialect &dialect, const QString &column,
                               const QString &path) {
    return SqlStatement(QStringLiteral("and (%1 = ? or %1 like ? escape '!') ")
                            .arg(dialect.withoutIndex(column)),
                        {path, LikeLiteral(path) + QStringLiteral("\\%")});
}

SqlStatement EquipmentFilter::statement(const SqlDialect &dialect) const {
    SqlStatement sql(QStringLiteral("select * from Sets where (1=1) "));
    if (searchField >= 0 && searchField < int(std::size(searchFields))) {
        const SearchField &field = searchFields[searchField];
        const SqlStatement condition =
            LikeCondition(QLatin1String(field.column), searchText.trimmed(), field.match);
        sql.add(condition.text, condition.values);
    }
    if (!typePath.isEmpty()) {
        const SqlStatement tree = TreePathCondition(dialect, QStringLiteral("f_type"), typePath);
        sql.add(tree.text, tree.values);
    }
    if (!deptPath.isEmpty()) {
        const SqlStatement tree = TreePathCondition(dialect, QStringLiteral("f_useDept"), deptPath);
        sql.add(tree.text, tree.values);
    }
    if (!includeStopped)
        sql.add(QStringLiteral("and F_useFlag = false "));
    if (listValue && listType >= 0 && listType < int(std::size(listColumns)))
        sql.add(QStringLiteral("and %1 = ? ").arg(QLatin1String(listColumns[listType])),
                {*listValue});
    return sql;
}

SqlStatement ChooserStatement(const SqlDialect &dialect, const QString &code, const QString &name,
                              const QString &hostNumber, const QString &typePath) {
    SqlStatement sql(QStringLiteral("select * from SETs where (F_useFlag = false) "));
    const SqlStatement conditions[] = {
        TextMatchCondition(QStringLiteral("F_code"), code, TextMatch::BeginsWith),
        TextMatchCondition(QStringLiteral("F_name"), name, TextMatch::Contains),
        TextMatchCondition(QStringLiteral("F_JScode"), hostNumber, TextMatch::Contains),
        typePath.isEmpty() ? SqlStatement()
                           : TreePathCondition(dialect, QStringLiteral("F_type"), typePath),
    };
    for (const SqlStatement &condition : conditions)
        sql.add(condition.text, condition.values);
    sql.add(QStringLiteral("order by F_code,F_type"));
    return sql;
}
