#include "SampleRegister.h"

#include "core/data/Database.h"

#include <QDate>
#include <QStringList>

namespace {

struct Node {
    const char *code;
    const char *name;
    const char *path;
};

const Node Types[] = {
    {"001", "电子设备", "\\\\电子设备"},
    {"001001", "计算机", "\\\\电子设备\\计算机"},
    {"001001001", "笔记本电脑", "\\\\电子设备\\计算机\\笔记本电脑"},
    {"001001002", "台式电脑", "\\\\电子设备\\计算机\\台式电脑"},
    {"001002", "打印设备", "\\\\电子设备\\打印设备"},
    {"002", "生产设备", "\\\\生产设备"},
    {"002001", "机床", "\\\\生产设备\\机床"},
    {"003", "办公家具", "\\\\办公家具"},
};

const Node Departments[] = {
    {"001", "生产部", "\\\\生产部"},   {"001001", "一车间", "\\\\生产部\\一车间"},
    {"001002", "二车间", "\\\\生产部\\二车间"}, {"002", "行政部", "\\\\行政部"},
    {"003", "财务部", "\\\\财务部"},
};

struct Model {
    const char *name;
    const char *spec;
    const char *factory;
    int type; // index into Types
    double price;
};

const Model Models[] = {
    {"联想笔记本电脑", "ThinkPad T14", "联想集团", 2, 6899},
    {"戴尔台式电脑", "OptiPlex 7090", "戴尔中国", 3, 5200},
    {"惠普激光打印机", "LaserJet M404", "惠普公司", 4, 2150},
    {"数控车床", "CK6140", "沈阳机床厂", 6, 86000},
    {"立式加工中心", "VMC850", "大连机床集团", 6, 235000},
    {"办公桌", "1600×800", "美克家具", 7, 1280},
    {"会议椅", "网布款", "美克家具", 7, 420},
};

const char *const Statuses[] = {"在用", "闲置", "维修", "报废"};
const char *const Users[] = {"张伟", "王芳", "李娜", "刘洋", "陈静"};

bool insertNodes(Database &dm, const Node *nodes, int count, const char *flag) {
    for (int i = 0; i < count; ++i) {
        if (!dm.ExecuteSQL(SqlStatement(
                QStringLiteral("insert into t_treecode (F_code, F_name, F_likecode, F_flag) "
                               "values (?, ?, ?, ?)"),
                {QString::fromUtf8(nodes[i].code), QString::fromUtf8(nodes[i].name),
                 QString::fromUtf8(nodes[i].path), QString::fromLatin1(flag)})))
            return false;
    }
    return true;
}

bool insertCodes(Database &dm, const char *category, const char *const *names, int count) {
    for (int i = 0; i < count; ++i) {
        if (!dm.ExecuteSQL(SqlStatement(
                QStringLiteral("insert into t_code (F_type, F_name) values (?, ?)"),
                {QString::fromLatin1(category), QString::fromUtf8(names[i])})))
            return false;
    }
    return true;
}

bool insertItem(Database &dm, int n) {
    const Model &model = Models[n % std::size(Models)];
    const Node &dept = Departments[(n * 3) % std::size(Departments)];
    const QDate bought = QDate(2019, 3, 1).addDays(n * 37);
    const double amount = 1 + n % 3;
    return dm.ExecuteSQL(SqlStatement(
        QStringLiteral("insert into Sets (F_code, F_name, F_type, F_spec, F_factory, F_buyDate, "
                       "F_buildDate, F_beginDate, F_useDept, F_useStatus, F_amount, F_unit, "
                       "F_price, F_OriginValue, F_totalprice, F_useEmp, F_Address, F_useFlag, "
                       "F_memo2) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {QStringLiteral("SB%1").arg(n + 1, 6, 10, QLatin1Char('0')),
         QString::fromUtf8(model.name), QString::fromUtf8(Types[model.type].path),
         QString::fromUtf8(model.spec), QString::fromUtf8(model.factory),
         bought.toString(Qt::ISODate),
         n % 4 == 0 ? QStringLiteral("1900-08-14") : bought.addDays(-90).toString(Qt::ISODate),
         bought.addDays(7).toString(Qt::ISODate), QString::fromUtf8(dept.path),
         QString::fromUtf8(Statuses[n % 7 == 3 ? 2 : n % 5 == 4 ? 1 : 0]), amount,
         QStringLiteral("台"), model.price, amount * model.price, amount * model.price,
         QString::fromUtf8(Users[n % std::size(Users)]),
         QStringLiteral("%1号楼%2室").arg(1 + n % 3).arg(101 + n % 12), n % 10 == 9,
         QStringLiteral("资产卡片已建立。")}));
}

} // namespace

bool FillSampleRegister(Database &dm) {
    Transaction transaction(dm);
    bool ok = insertNodes(dm, Types, std::size(Types), "type") &&
              insertNodes(dm, Departments, std::size(Departments), "depttype") &&
              insertCodes(dm, "usestatus", Statuses, std::size(Statuses)) &&
              insertCodes(dm, "useemp", Users, std::size(Users));
    for (int n = 0; ok && n < 48; ++n)
        ok = insertItem(dm, n);
    ok = ok && dm.ExecuteSQL(QStringLiteral("update Sets set F_cltID = F_ID")) &&
         dm.ExecuteSQL(QStringLiteral(
             "insert into t_setREC (F_mainID, F_code, F_name, F_spec, F_unit, F_amount, F_price, "
             "F_totalprice) select F_ID, 'PJ01', '电源适配器', '65W', '个', 1, 180, 180 from Sets "
             "where F_ID <= 12")) &&
         dm.ExecuteSQL(QStringLiteral(
             "update cfg_Grid set F_FooterType = 2 where F_name = 'setmain' and F_FieldName in "
             "('F_OriginValue', 'F_totalprice')")) &&
         dm.ExecuteSQL(QStringLiteral(
             "update cfg_Grid set F_FooterType = 1, F_FooterValue = '合  计' where F_name = "
             "'setmain' and F_FieldName = 'F_code'"));
    return ok && transaction.commit();
}
