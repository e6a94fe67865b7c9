#include "core/register/AdvancedQuery.h"

#include "core/register/EquipmentFilter.h"

namespace {

using Usage = AdvancedQueryInput::Usage;
using DateRange = AdvancedQueryInput::DateRange;

struct TextCondition {
    const char *column;
    QString AdvancedQueryInput::*value;
    TextMatch match;
};

// In the order the conditions are written, which is the order of the fields in the dialog.
const TextCondition TextConditions[] = {
    {"F_code", &AdvancedQueryInput::code, TextMatch::BeginsWith},
    {"F_name", &AdvancedQueryInput::name, TextMatch::Contains},
    {"F_JScode", &AdvancedQueryInput::jsCode, TextMatch::BeginsWith},
    {"F_type", &AdvancedQueryInput::type, TextMatch::Contains},
    {"F_spec", &AdvancedQueryInput::spec, TextMatch::Contains},
    {"F_factory", &AdvancedQueryInput::factory, TextMatch::Contains},
    {"F_address", &AdvancedQueryInput::address, TextMatch::Contains},
    {"F_useDept", &AdvancedQueryInput::useDept, TextMatch::BeginsWith},
    {"F_useStatus", &AdvancedQueryInput::useStatus, TextMatch::BeginsWith},
    {"F_useEmp", &AdvancedQueryInput::useEmp, TextMatch::BeginsWith},
    {"F_OperEmp", &AdvancedQueryInput::operEmp, TextMatch::BeginsWith},
    {"F_memo1", &AdvancedQueryInput::memo1, TextMatch::Contains},
    {"F_memo2", &AdvancedQueryInput::memo2, TextMatch::Contains},
};

void addUsageCondition(SqlStatement &sql, Usage usage) {
    // F_useFlag marks a stopped item.
    if (usage == Usage::InUse)
        sql.add(QStringLiteral("and F_useFlag = false "));
    else if (usage == Usage::Stopped)
        sql.add(QStringLiteral("and F_useFlag = true "));
}

// Dates are stored as yyyy-MM-dd text, so comparing the texts compares the dates.
void addDateRange(SqlStatement &sql, const char *column, const DateRange &range) {
    if (!range.ticked)
        return;
    const QString format = QStringLiteral("yyyy-MM-dd");
    if (range.from)
        sql.add(QStringLiteral("and %1 >= ? ").arg(QLatin1String(column)),
                {range.from->toString(format)});
    if (range.to)
        sql.add(QStringLiteral("and %1 <= ? ").arg(QLatin1String(column)),
                {range.to->toString(format)});
}

} // namespace

SqlStatement AdvancedQueryStatement(const AdvancedQueryInput &input) {
    SqlStatement sql(QStringLiteral("select * from SETs where (1=1) "));
    for (const TextCondition &condition : TextConditions) {
        const SqlStatement match = TextMatchCondition(QString::fromLatin1(condition.column),
                                                      input.*condition.value, condition.match);
        sql.add(match.text, match.values);
    }
    addUsageCondition(sql, input.usage);
    addDateRange(sql, "F_buyDate", input.buyDate);
    addDateRange(sql, "F_beginDate", input.beginDate);
    return sql;
}
