#include "core/schema/Catalogues.h"

namespace Catalogues {

const std::vector<Permission> &permissions() {
    static const std::vector<Permission> all = {
        {"101", "公司信息", "mi100"},         {"102", "更改密码", "mi100"},
        {"103", "用户权限", "mi100"},         {"104", "选项...", "mi100"},
        {"105", "设备类型", "mi100"},         {"106", "部门机构", "mi100"},
        {"201", "新增", "mi200"},             {"202", "修改", "mi200"},
        {"203", "删除", "mi200"},             {"204", "排序...", "mi200"},
        {"205", "显示字段选择", "mi200"},     {"206", "保存当前网格", "mi200"},
        {"207", "复制", "mi200"},             {"208", "设备维修", "mi200"},
        {"209", "设备调拨", "mi200"},         {"210", "设备验收", "mi200"},
        {"301", "导出", "mi300"},             {"302", "报表设计", "mi300"},
        {"303", "设备档案列表", "mi300"},     {"304", "设备标签", "mi300"},
        {"305", "设备部门统计表", "mi300"},   {"306", "设备分类统计表", "mi300"},
        {"307", "资产设备档案卡", "mi300"},   {"308", "设备维修单", "mi300"},
        {"309", "设备调拨单", "mi300"},       {"310", "设备验收单", "mi300"},
        {"311", "设备入库单", "mi300"},       {"401", "统计", "mi400"},
        {"402", "设备维修记录统计", "mi400"}, {"403", "设备调拨记录统计", "mi400"},
        {"404", "设备验收记录统计", "mi400"}, {"501", "导入合同资料", "mi500"},
        {"502", "系统数据清理", "mi500"},     {"503", "数据备份恢复", "mi500"},
        {"504", "压缩修复数据库", "mi500"},   {"505", "连接网络数据库", "mi500"},
    };
    return all;
}

namespace {

// field, caption pairs of a grid whose columns share one width
using Captions = std::vector<std::pair<const char *, const char *>>;

// Numbers read best right-aligned, and sums of money with two decimals.
bool isMoney(const QString &field) {
    static const QStringList money = {"F_OriginValue", "F_price", "F_totalprice", "F_WXprice"};
    return money.contains(field, Qt::CaseInsensitive);
}

bool isNumber(const QString &field) {
    return isMoney(field) || field.compare(QLatin1String("F_amount"), Qt::CaseInsensitive) == 0;
}

std::vector<GridColumn> columns(const Captions &captions, int width) {
    std::vector<GridColumn> result;
    for (const auto &[field, caption] : captions) {
        GridColumn column;
        column.field = QString::fromLatin1(field);
        column.caption = QString::fromUtf8(caption);
        column.width = width;
        if (isNumber(column.field))
            column.alignment = AlignRight;
        if (isMoney(column.field))
            column.displayFormat = QStringLiteral("0.00");
        result.push_back(column);
    }
    return result;
}

const Captions equipmentList = {
    {"F_code", "设备编号"},      {"F_name", "设备名称"},     {"F_type", "设备类型"},
    {"F_spec", "规格"},          {"F_jscode", "主机编号"},   {"F_factory", "制造厂家"},
    {"F_buildDate", "出厂日期"}, {"F_buildCode", "出厂编号"}, {"F_buyDate", "购置日期"},
    {"F_OriginValue", "设备原值"}, {"F_beginDate", "启用日期"}, {"F_Address", "安装地点"},
    {"F_useDept", "使用部门"},   {"F_useStatus", "设备状态"}, {"F_amount", "数量"},
    {"F_price", "单价"},         {"F_totalprice", "金额"},   {"F_memo1", "验收使用情况"},
    {"F_useEmp", "使用人"},      {"F_memo2", "备注信息"},
};

const Captions accessories = {
    {"F_code", "配件编号"}, {"F_name", "配件名称"}, {"F_spec", "型号规格"},
    {"F_address", "产地"},  {"F_unit", "单位"},     {"F_amount", "数量"},
    {"F_price", "单价"},    {"F_totalprice", "金额"}, {"F_memo1", "备注"},
};

const Captions documents = {
    {"F_FileDate", "文件日期"}, {"F_FileType", "文件类型"}, {"F_FileName", "文档名称"},
    {"F_empName", "管理人员"},  {"F_address", "存放位置"},  {"F_memo1", "主要内容"},
    {"F_memo2", "备注信息"},
};

const Captions repairs = {
    {"F_SETcode", "设备编号"},   {"F_SETname", "设备名称"}, {"F_WXdate", "维修日期"},
    {"F_WXtype", "维修类型"},    {"F_WXfactory", "维修厂商"}, {"F_memo1", "故障描述"},
    {"F_XFdate", "修复日期"},    {"F_memo2", "维修描述"},   {"F_WXprice", "维修费用"},
    {"F_STemp", "申请人员"},     {"F_PZemp", "批准人员"},   {"F_memo3", "备注"},
    {"F_WXstatus", "维修状态"},
};

const Captions transfers = {
    {"F_SETcode", "设备编号"},    {"F_SETname", "设备名称"},    {"F_DBdate", "调拨日期"},
    {"F_Memo1", "调拨原因"},      {"F_OldDept", "原使用部门"},  {"F_OldAddress", "原安装地点"},
    {"F_OldEmp", "原使用人员"},   {"F_NewDept", "现使用部门"},  {"F_NewAddress", "现安装地点"},
    {"F_NewEmp", "现使用人员"},   {"F_PZemp", "批准人员"},      {"F_Memo2", "备注人员"},
};

const Captions acceptances = {
    {"F_SETcode", "设备编号"},    {"F_SETname", "设备名称"},   {"F_YSdate", "验收日期"},
    {"F_OldStatus", "原验收状态"}, {"F_NewStatus", "现验收状态"}, {"F_YSemp", "验收人员"},
    {"F_memo1", "备注说明"},
};

// The repair list totals its costs under a caption in the first column.
std::vector<GridColumn> repairListColumns() {
    std::vector<GridColumn> result = columns(repairs, 85);
    for (GridColumn &column : result) {
        if (column.field == QLatin1String("F_SETcode")) {
            column.footerType = FooterText;
            column.footerValue = QStringLiteral("合  计");
        } else if (column.field == QLatin1String("F_WXprice")) {
            column.footerType = FooterSum;
        }
    }
    return result;
}

} // namespace

QStringList gridNames() {
    return {"setmain",    "detail1",    "detail2",   "wxrecgl",   "dbrecgl",
            "ysrecgl",    "wxdetailtj", "dbdetailtj", "ysdetailtj"};
}

std::vector<GridColumn> builtInColumns(const QString &gridName) {
    const QString name = gridName.toLower();
    if (name == QLatin1String("setmain"))
        return columns(equipmentList, 85);
    if (name == QLatin1String("detail1"))
        return columns(accessories, 80);
    if (name == QLatin1String("detail2"))
        return columns(documents, 80);
    if (name == QLatin1String("wxrecgl"))
        return repairListColumns();
    if (name == QLatin1String("dbrecgl") || name == QLatin1String("dbdetailtj"))
        return columns(transfers, 85);
    if (name == QLatin1String("ysrecgl") || name == QLatin1String("ysdetailtj"))
        return columns(acceptances, 85);
    if (name == QLatin1String("wxdetailtj"))
        return columns(repairs, 85);
    return {};
}

const std::vector<ImportColumn> &equipmentImportColumns() {
    static const std::vector<ImportColumn> all = {
        {"F_code", "设备编号"},        {"F_name", "设备名称"},      {"F_type", "设备类型"},
        {"F_spec", "设备规格"},        {"F_jscode", "主机编号"},    {"F_factory", "制造厂家"},
        {"F_buildDate", "出厂日期"},   {"F_buildCode", "出厂编号"}, {"F_buyDate", "购置日期"},
        {"F_OriginValue", "设备原值"}, {"F_beginDate", "启用日期"}, {"F_Address", "安装地点"},
        {"F_useDept", "使用部门"},     {"F_useStatus", "设备状态"}, {"F_amount", "数量"},
        {"F_unit", "单位"},            {"F_price", "单价"},         {"F_totalprice", "金额合计"},
        {"F_memo1", "验收使用情况"},   {"F_useEmp", "使用人员"},    {"F_memo2", "备注信息"},
        {"F_OperEmp", "制单人员"},     {"F_SZ1", "其他费用"},       {"F_ZF1", "备用文本1"},
        {"F_ZF2", "备用文本2"},        {"F_ZF3", "备用文本3"},      {"F_ZF4", "备用文本4"},
        {"F_ZF5", "备用文本5"},        {"F_SZ2", "备用数值2"},      {"F_SZ3", "备用数值3"},
        {"F_SZ4", "备用数值4"},        {"F_SZ5", "备用数值5"},
    };
    return all;
}

} // namespace Catalogues
