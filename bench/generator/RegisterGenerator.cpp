#include "RegisterGenerator.h"

#include "core/schema/DatabaseFile.h"
#include "core/schema/Schema.h"

#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

#include <utility>
#include <vector>

namespace RegisterGenerator {

namespace {

// splitmix64: small, fast, and the same sequence on every compiler and library, which the
// standard distributions do not promise.
class Random {
public:
    explicit Random(quint64 seed) : m_state(seed) {}

    quint64 next() {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // 0 <= result < n
    int below(qsizetype n) { return int((next() >> 11) % quint64(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T> const T &pick(const std::vector<T> &items) {
        return items[size_t(below(qsizetype(items.size())))];
    }

private:
    quint64 m_state;
};

// ---------------------------------------------------------------------------------------------
// What the register holds. Texts are UTF-8 here and become QStrings once, before the rows.

struct MakerText {
    const char *brand;   // as it starts an item's name
    const char *factory; // F_factory
    const char *model;   // model prefix; numbers follow
};

// A leaf of the type tree with the items bought under it. `where` restricts the first-level
// departments that use such items (a lathe belongs in a workshop, not in accounting); empty
// means any.
struct KindText {
    const char *typeClass;
    const char *group;
    const char *name; // leaf type, also the stem of item names
    const char *unit;
    int minPrice; // yuan
    int maxPrice;
    int maxAmount;
    int weight; // how common, relative to the others
    std::vector<const char *> where;
    std::vector<MakerText> makers;
};

const std::vector<const char *> Workshops = {"生产部", "设备部"};
const std::vector<const char *> Laboratories = {"质量部", "技术部", "生产部"};
const std::vector<const char *> Drivers = {"行政部", "销售部", "生产部"};

// One leaf to a line reads best as a table.
// clang-format off
const std::vector<KindText> &kindTexts() {
    static const std::vector<KindText> all = {
        {"电子设备", "计算机", "台式电脑", "台", 3500, 9000, 1, 30, {},
         {{"联想", "联想（北京）有限公司", "启天M"},
          {"戴尔", "戴尔（中国）有限公司", "OptiPlex "},
          {"惠普", "惠普贸易（上海）有限公司", "ProDesk "}}},
        {"电子设备", "计算机", "笔记本电脑", "台", 4500, 15000, 1, 22, {},
         {{"联想", "联想（北京）有限公司", "ThinkPad T"},
          {"华为", "华为技术有限公司", "MateBook D"},
          {"戴尔", "戴尔（中国）有限公司", "Latitude "}}},
        {"电子设备", "计算机", "服务器", "台", 20000, 150000, 1, 3, {},
         {{"浪潮", "浪潮电子信息产业股份有限公司", "NF"},
          {"华为", "华为技术有限公司", "FusionServer "},
          {"曙光", "曙光信息产业股份有限公司", "I"}}},
        {"电子设备", "办公电子设备", "打印机", "台", 1200, 8000, 1, 12, {},
         {{"惠普", "惠普贸易（上海）有限公司", "LaserJet M"},
          {"佳能", "佳能（中国）有限公司", "LBP"},
          {"兄弟", "兄弟（中国）商业有限公司", "HL-"}}},
        {"电子设备", "办公电子设备", "复印机", "台", 15000, 60000, 1, 3, {},
         {{"理光", "理光（中国）投资有限公司", "MP "},
          {"柯尼卡美能达", "柯尼卡美能达办公系统（中国）有限公司", "bizhub C"}}},
        {"电子设备", "办公电子设备", "投影仪", "台", 2500, 20000, 1, 5, {},
         {{"爱普生", "爱普生（中国）有限公司", "CB-"},
          {"明基", "明基电通有限公司", "MW"},
          {"索尼", "索尼（中国）有限公司", "VPL-EX"}}},
        {"电子设备", "网络设备", "交换机", "台", 1500, 60000, 1, 6, {},
         {{"华为", "华为技术有限公司", "S5735-"},
          {"华三", "新华三技术有限公司", "S5130-"},
          {"锐捷", "锐捷网络股份有限公司", "RG-S"}}},
        {"电子设备", "网络设备", "路由器", "台", 2000, 40000, 1, 2, {},
         {{"华为", "华为技术有限公司", "AR"}, {"华三", "新华三技术有限公司", "MSR"}}},
        {"电子设备", "网络设备", "防火墙", "台", 8000, 80000, 1, 1, {},
         {{"华为", "华为技术有限公司", "USG"}, {"深信服", "深信服科技股份有限公司", "AF-"}}},
        {"机械设备", "金属切削机床", "数控车床", "台", 80000, 600000, 1, 4, Workshops,
         {{"沈阳", "沈阳机床股份有限公司", "CAK"},
          {"大连", "大连机床集团有限责任公司", "CKA"},
          {"宝鸡", "宝鸡机床集团有限公司", "CK"}}},
        {"机械设备", "金属切削机床", "立式铣床", "台", 40000, 300000, 1, 3, Workshops,
         {{"北一", "北京第一机床厂", "X5"}, {"杭机", "杭州机床集团有限公司", "XK"}}},
        {"机械设备", "金属切削机床", "摇臂钻床", "台", 20000, 120000, 1, 2, Workshops,
         {{"中捷", "中捷机床有限公司", "Z30"}}},
        {"机械设备", "起重设备", "桥式起重机", "台", 100000, 800000, 1, 1, Workshops,
         {{"卫华", "卫华集团有限公司", "QD"}, {"大方", "河南省大方重型机器有限公司", "LD"}}},
        {"机械设备", "起重设备", "电动葫芦", "台", 3000, 30000, 2, 2, Workshops,
         {{"卫华", "卫华集团有限公司", "CD1-"}, {"大方", "河南省大方重型机器有限公司", "MD1-"}}},
        {"机械设备", "动力设备", "空气压缩机", "台", 15000, 200000, 1, 2, Workshops,
         {{"阿特拉斯", "阿特拉斯·科普柯（中国）投资有限公司", "GA"},
          {"开山", "开山集团股份有限公司", "LG-"}}},
        {"机械设备", "动力设备", "柴油发电机组", "台", 50000, 500000, 1, 1, Workshops,
         {{"潍柴", "潍柴动力股份有限公司", "WP"}, {"玉柴", "广西玉柴机器股份有限公司", "YC"}}},
        {"仪器仪表", "测量仪器", "三坐标测量机", "台", 200000, 1200000, 1, 1, Laboratories,
         {{"海克斯康", "海克斯康测量技术（青岛）有限公司", "Global S"}}},
        {"仪器仪表", "测量仪器", "电子天平", "台", 800, 30000, 3, 3, Laboratories,
         {{"梅特勒", "梅特勒-托利多国际贸易（上海）有限公司", "ME"},
          {"赛多利斯", "赛多利斯科学仪器（北京）有限公司", "BSA"}}},
        {"仪器仪表", "测量仪器", "数字万用表", "台", 200, 3000, 5, 4, Laboratories,
         {{"福禄克", "福禄克测试仪器（上海）有限公司", "F"},
          {"优利德", "优利德科技（中国）股份有限公司", "UT"}}},
        {"仪器仪表", "分析仪器", "紫外分光光度计", "台", 30000, 200000, 1, 1, Laboratories,
         {{"岛津", "岛津企业管理（中国）有限公司", "UV-"},
          {"安捷伦", "安捷伦科技（中国）有限公司", "Cary "}}},
        {"仪器仪表", "分析仪器", "气相色谱仪", "台", 80000, 400000, 1, 1, Laboratories,
         {{"安捷伦", "安捷伦科技（中国）有限公司", "GC"},
          {"岛津", "岛津企业管理（中国）有限公司", "GC-"}}},
        {"办公家具", "桌椅", "办公椅", "把", 300, 1800, 20, 20, {},
         {{"震旦", "震旦（中国）有限公司", "AC-"}, {"圣奥", "圣奥科技股份有限公司", "SA-"}}},
        {"办公家具", "桌椅", "办公桌", "张", 800, 4000, 10, 14, {},
         {{"震旦", "震旦（中国）有限公司", "DK-"}, {"圣奥", "圣奥科技股份有限公司", "ST-"}}},
        {"办公家具", "桌椅", "会议桌", "张", 3000, 20000, 1, 3, {},
         {{"震旦", "震旦（中国）有限公司", "MT-"}, {"圣奥", "圣奥科技股份有限公司", "HY-"}}},
        {"办公家具", "柜架", "文件柜", "个", 600, 2500, 10, 8, {},
         {{"震旦", "震旦（中国）有限公司", "FC-"}, {"洛阳", "洛阳花都家具有限公司", "WJG-"}}},
        {"办公家具", "柜架", "保险柜", "台", 1500, 12000, 1, 2, {},
         {{"艾斐堡", "艾斐堡保险箱（中国）有限公司", "BGX-"},
          {"全能", "宁波全能保险箱有限公司", "FDG-A1/D-"}}},
        {"运输设备", "车辆", "小型轿车", "辆", 120000, 350000, 1, 1, Drivers,
         {{"大众", "一汽-大众汽车有限公司", "FV7"},
          {"丰田", "广汽丰田汽车有限公司", "GTM7"},
          {"比亚迪", "比亚迪汽车工业有限公司", "BYD7"}}},
        {"运输设备", "车辆", "叉车", "辆", 60000, 250000, 1, 2, Workshops,
         {{"合力", "安徽合力股份有限公司", "CPD"}, {"杭叉", "杭叉集团股份有限公司", "CPCD"}}},
        {"运输设备", "车辆", "轻型货车", "辆", 80000, 200000, 1, 1, Drivers,
         {{"福田", "北汽福田汽车股份有限公司", "BJ1"}, {"江铃", "江铃汽车股份有限公司", "JX1"}}},
        {"通信设备", "电话设备", "程控交换机", "台", 20000, 150000, 1, 1, {},
         {{"华为", "华为技术有限公司", "C&C08-"}, {"中兴", "中兴通讯股份有限公司", "ZXJ"}}},
        {"通信设备", "无线设备", "对讲机", "台", 500, 3000, 10, 4, {},
         {{"摩托罗拉", "摩托罗拉系统（中国）有限公司", "GP"},
          {"海能达", "海能达通信股份有限公司", "TD"}}},
    };
    return all;
}
// clang-format on

// A leaf of the department tree: department, section, team.
struct PlaceText {
    const char *department;
    std::vector<const char *> sections;
    std::vector<const char *> teams;
};

const std::vector<PlaceText> &placeTexts() {
    static const std::vector<PlaceText> all = {
        {"生产部", {"一车间", "二车间", "三车间", "装配车间"}, {"甲班", "乙班", "丙班"}},
        {"技术部", {"研发一室", "研发二室", "工艺科"}, {"一组", "二组"}},
        {"质量部", {"检验科", "计量室"}, {"一组", "二组"}},
        {"设备部", {"维修科", "动力科"}, {"一组", "二组"}},
        {"行政部", {"办公室", "后勤科"}, {"一组", "二组"}},
        {"财务部", {"会计科", "出纳室"}, {"一组"}},
        {"销售部", {"华东区", "华南区", "华北区"}, {"一组", "二组"}},
        {"信息中心", {"网络科", "运维科"}, {"一组", "二组"}},
    };
    return all;
}

const std::vector<const char *> Surnames = {"张", "王", "李", "赵", "刘", "陈", "杨", "黄",
                                            "周", "吴", "徐", "孙", "马", "朱", "胡", "郭"};
const std::vector<const char *> GivenNames = {
    "伟", "芳", "娜", "敏",   "静", "强", "磊", "军",   "洋",   "勇", "艳",   "杰",
    "涛", "明", "超", "秀英", "霞", "平", "刚", "桂英", "建华", "丽", "志强", "海燕"};
const std::vector<const char *> OperatorNames = {"刘洋", "陈静", "赵磊", "孙丽", "周建国"};

const char *const InUse = "在用";
const char *const Idle = "闲置";
const char *const UnderRepair = "维修";
const char *const Scrapped = "报废";

const std::vector<const char *> Acceptance = {"验收合格", "验收合格，运行正常",
                                              "安装调试完毕，运行良好", "", ""};
const std::vector<const char *> Remarks = {
    "", "", "", "", "", "", "随机附说明书一份", "保修三年", "含安装调试费", "由原项目转入"};
const std::vector<const char *> OfficeBuildings = {"办公楼", "研发楼", "综合楼"};
const std::vector<const char *> FactoryBuildings = {"一号厂房", "二号厂房", "三号厂房", "装配厂房"};

const std::vector<const char *> RepairTypes = {"日常维修", "故障维修", "定期保养", "大修"};
const std::vector<const char *> RepairShops = {"本公司设备部", "厂家售后服务部", "特约维修中心",
                                               "外委维修单位"};
const std::vector<const char *> Faults = {"无法开机",     "运行时有异响",    "加工精度下降",
                                          "液压系统漏油", "显示屏不亮",      "频繁卡纸",
                                          "网络时断时续", "温度过高自动停机"};
const std::vector<const char *> Fixes = {"更换电源模块", "更换轴承并重新润滑", "重新调整校准",
                                         "更换密封圈",   "更换主板",           "清洁保养",
                                         "更新固件"};
const char *const Repaired = "已修复";
const char *const BeingRepaired = "维修中";

QString text(const char *utf8) {
    return QString::fromUtf8(utf8);
}

// "\\a\b\c": the path form of both trees.
QString treePath(std::initializer_list<QString> names) {
    QString path = QStringLiteral("\\\\");
    bool first = true;
    for (const QString &name : names) {
        if (!first)
            path += QLatin1Char('\\');
        path += name;
        first = false;
    }
    return path;
}

QString levelCode(int number) {
    return QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
}

struct TreeRow {
    QString code;
    QString name;
    QString path;
};

struct Maker {
    QString brand;
    QString factory;
    std::vector<QString> models; // the few models the company bought
};

struct Kind {
    QString name;
    QString unit;
    QString typePath;
    int minPrice = 0;
    int maxPrice = 0;
    int maxAmount = 1;
    std::vector<int> places; // indexes into Catalogue::places
    std::vector<Maker> makers;
};

struct Place {
    QString department; // first level
    QString path;
    bool factoryFloor = false;
};

// Everything an item is drawn from, as QStrings made once.
struct Catalogue {
    std::vector<TreeRow> typeRows;
    std::vector<TreeRow> placeRows;
    std::vector<Kind> kinds;
    std::vector<int> kindByWeight; // kind indexes, each repeated by its weight
    std::vector<Place> places;
    std::vector<QString> users;
    std::vector<QString> operators;
    std::vector<QString> dates; // "yyyy-MM-dd" from FirstDay on
    QDate firstDay;

    // Offsets into `dates`.
    int buyFrom = 0;
    int buyTo = 0;
    int lastDay = 0;
};

// Appends the rows of a three-level tree given as its leaves in order: a node is new whenever
// its name differs from the one before it at that level under the same parent.
void addTreeLeaf(std::vector<TreeRow> &rows, const QString &first, const QString &second,
                 const QString &third, int counters[3], QString lastNames[3]) {
    const QString names[3] = {first, second, third};
    for (int level = 0; level < 3; ++level) {
        if (names[level] == lastNames[level])
            continue;
        counters[level] += 1;
        for (int deeper = level + 1; deeper < 3; ++deeper) {
            counters[deeper] = 0;
            lastNames[deeper].clear();
        }
        lastNames[level] = names[level];
        QString code;
        for (int l = 0; l <= level; ++l)
            code += levelCode(counters[l]);
        QString path = treePath({names[0]});
        for (int l = 1; l <= level; ++l)
            path += QLatin1Char('\\') + names[l];
        rows.push_back({code, names[level], path});
    }
}

Catalogue buildCatalogue(Random &random) {
    Catalogue catalogue;

    int placeCounters[3] = {0, 0, 0};
    QString lastPlaceNames[3];
    for (const PlaceText &place : placeTexts()) {
        for (const char *section : place.sections) {
            for (const char *team : place.teams) {
                addTreeLeaf(catalogue.placeRows, text(place.department), text(section), text(team),
                            placeCounters, lastPlaceNames);
                catalogue.places.push_back({text(place.department), catalogue.placeRows.back().path,
                                            qstrcmp(place.department, "生产部") == 0 ||
                                                qstrcmp(place.department, "设备部") == 0});
            }
        }
    }

    int typeCounters[3] = {0, 0, 0};
    QString lastTypeNames[3];
    for (const KindText &kindText : kindTexts()) {
        addTreeLeaf(catalogue.typeRows, text(kindText.typeClass), text(kindText.group),
                    text(kindText.name), typeCounters, lastTypeNames);
        Kind kind;
        kind.name = text(kindText.name);
        kind.unit = text(kindText.unit);
        kind.typePath = catalogue.typeRows.back().path;
        kind.minPrice = kindText.minPrice;
        kind.maxPrice = kindText.maxPrice;
        kind.maxAmount = kindText.maxAmount;
        for (int i = 0; i < int(catalogue.places.size()); ++i) {
            bool allowed = kindText.where.empty();
            for (const char *department : kindText.where)
                allowed = allowed || catalogue.places[size_t(i)].department == text(department);
            if (allowed)
                kind.places.push_back(i);
        }
        for (const MakerText &makerText : kindText.makers) {
            Maker maker{text(makerText.brand), text(makerText.factory), {}};
            const int models = random.between(2, 4);
            for (int m = 0; m < models; ++m)
                maker.models.push_back(text(makerText.model) +
                                       QString::number(random.between(10, 990)));
            kind.makers.push_back(std::move(maker));
        }
        for (int w = 0; w < kindText.weight; ++w)
            catalogue.kindByWeight.push_back(int(catalogue.kinds.size()));
        catalogue.kinds.push_back(std::move(kind));
    }

    // 48 distinct names: i ↦ (i mod 16, 7i mod 24) is one-to-one below lcm(16, 24).
    for (int i = 0; i < 48; ++i)
        catalogue.users.push_back(text(Surnames[size_t(i) % Surnames.size()]) +
                                  text(GivenNames[size_t(i * 7) % GivenNames.size()]));
    for (const char *name : OperatorNames)
        catalogue.operators.push_back(text(name));

    catalogue.firstDay = QDate(2003, 1, 1);
    const QDate end(2025, 6, 30);
    for (QDate day = catalogue.firstDay; day <= end; day = day.addDays(1))
        catalogue.dates.push_back(day.toString(QStringLiteral("yyyy-MM-dd")));
    catalogue.buyFrom = int(catalogue.firstDay.daysTo(QDate(2005, 1, 1)));
    catalogue.buyTo = int(catalogue.firstDay.daysTo(QDate(2024, 12, 31)));
    catalogue.lastDay = int(catalogue.dates.size()) - 1;
    return catalogue;
}

// ---------------------------------------------------------------------------------------------
// Writing.

void setError(QString *error, const QString &text) {
    if (error)
        *error = text;
}

bool exec(QSqlDatabase &db, const QString &statement, QString *error) {
    QSqlQuery query(db);
    if (query.exec(statement))
        return true;
    setError(error, query.lastError().text());
    return false;
}

// One prepared statement, executed once per row. Values are bound by name, with the names made
// once: binding by position makes Qt format a placeholder name for every single value, which
// costs more than SQLite's whole insert. Columns that hold the same value in every row are
// written into the statement instead of being bound.
class Inserter {
public:
    Inserter(QSqlDatabase &db, const QString &table, const QStringList &columns,
             const QList<std::pair<QString, QString>> &constants = {})
        : m_query(db) {
        QStringList names = columns;
        for (const QString &column : columns)
            m_placeholders << QLatin1Char(':') + column;
        QStringList values = m_placeholders;
        for (const auto &[column, literal] : constants) {
            names << column;
            values << literal;
        }
        m_prepared = m_query.prepare(
            QStringLiteral("insert into %1 (%2) values (%3)")
                .arg(table, names.join(QLatin1Char(',')), values.join(QLatin1Char(','))));
    }

    Inserter &operator<<(const QVariant &value) {
        m_query.bindValue(m_placeholders[m_next++], value);
        return *this;
    }

    bool exec(QString *error) {
        m_next = 0;
        if (m_prepared && m_query.exec())
            return true;
        setError(error, m_query.lastError().text());
        return false;
    }

private:
    QSqlQuery m_query;
    QStringList m_placeholders;
    bool m_prepared = false;
    int m_next = 0;
};

bool writeTree(QSqlDatabase &db, const std::vector<TreeRow> &rows, const QString &flag,
               QString *error) {
    Inserter insert(db, QStringLiteral("t_treecode"), {"F_code", "F_name", "F_likecode", "F_flag"});
    for (const TreeRow &row : rows) {
        insert << row.code << row.name << row.path << flag;
        if (!insert.exec(error))
            return false;
    }
    return true;
}

bool writeCodes(QSqlDatabase &db, const QString &type, const std::vector<QString> &names,
                QString *error) {
    Inserter insert(db, QStringLiteral("t_code"), {"F_type", "F_name"});
    for (const QString &name : names) {
        insert << type << name;
        if (!insert.exec(error))
            return false;
    }
    return true;
}

const QStringList ItemColumns = {
    "F_ID",         "F_code",      "F_name",      "F_type",    "F_spec",        "F_jscode",
    "F_factory",    "F_buildDate", "F_buildCode", "F_buyDate", "F_OriginValue", "F_beginDate",
    "F_Address",    "F_useDept",   "F_useStatus", "F_amount",  "F_unit",        "F_price",
    "F_totalprice", "F_memo1",     "F_useEmp",    "F_memo2",   "F_useFlag",     "F_OperEmp",
    "F_editDate",   "F_cltID",     "F_SZ1"};

// The spare fields no window fills unless the user names them.
const QList<std::pair<QString, QString>> ItemConstants = {
    {"F_ZF1", "''"}, {"F_ZF2", "''"}, {"F_ZF3", "''"}, {"F_ZF4", "''"}, {"F_ZF5", "''"},
    {"F_SZ2", "0"},  {"F_SZ3", "0"},  {"F_SZ4", "0"},  {"F_SZ5", "0"}};

const QStringList RepairColumns = {
    "F_mainID", "F_SETcode", "F_SETname", "F_WXdate", "F_WXtype", "F_WXfactory", "F_memo1",
    "F_XFdate", "F_memo2",   "F_WXprice", "F_STemp",  "F_PZemp",  "F_memo3",     "F_WXstatus"};

// Whole yuan, rounded to what a price list would show for that size of purchase.
qint64 priceCents(Random &random, const Kind &kind) {
    qint64 yuan = random.between(kind.minPrice, kind.maxPrice);
    if (yuan >= 10000)
        return yuan / 100 * 100 * 100;
    if (yuan >= 1000)
        return yuan / 10 * 10 * 100;
    static const int cents[] = {0, 0, 50, 80, 90};
    return yuan * 100 + cents[random.below(5)];
}

QString address(Random &random, const Place &place) {
    if (place.factoryFloor && random.chance(80)) {
        return text(FactoryBuildings[size_t(random.below(qsizetype(FactoryBuildings.size())))]) +
               QChar(u'A' + random.below(4)) + QStringLiteral("区");
    }
    const int floor = random.between(1, 6);
    return text(OfficeBuildings[size_t(random.below(qsizetype(OfficeBuildings.size())))]) +
           QStringLiteral("%1层%2室").arg(floor).arg(floor * 100 + random.between(1, 20));
}

bool writeItems(QSqlDatabase &db, const Catalogue &catalogue, Random &random,
                const Options &options, Result &result, QString *error) {
    Inserter items(db, QStringLiteral("Sets"), ItemColumns, ItemConstants);
    Inserter repairs(db, QStringLiteral("t_wxREC"), RepairColumns);
    const QString noDate = QString::fromLatin1(Schema::NoDate);
    const QString empty = QLatin1String("");
    const QString inUse = text(InUse), idle = text(Idle), underRepair = text(UnderRepair),
                  scrapped = text(Scrapped);
    const QString numbered = QStringLiteral("（%1号）");

    for (qint64 n = 1; n <= options.items; ++n) {
        const Kind &kind = catalogue.kinds[size_t(random.pick(catalogue.kindByWeight))];
        const Maker &maker = random.pick(kind.makers);
        const QString &model = random.pick(maker.models);
        const Place &place = catalogue.places[size_t(random.pick(kind.places))];

        const QString code = itemCode(n);
        QString name;
        switch (random.below(10)) {
        case 0:
        case 1:
        case 2:
            name = kind.name + QLatin1Char(' ') + model;
            break;
        case 3:
            name = maker.brand + kind.name + numbered.arg(random.between(1, 30));
            break;
        case 4:
            name = kind.name;
            break;
        default:
            name = maker.brand + kind.name;
            break;
        }

        const int buyDay = random.between(catalogue.buyFrom, catalogue.buyTo);
        const int beginDay = qMin(buyDay + random.between(0, 45), catalogue.lastDay);
        const int editDay = qMin(beginDay + random.between(0, 30), catalogue.lastDay);
        const QString &buildDate =
            random.chance(8) ? noDate : catalogue.dates[size_t(buyDay - random.between(30, 400))];
        const QString buildCode =
            QStringLiteral("%1%2")
                .arg(catalogue.firstDay.addDays(buyDay).year() - random.between(0, 1))
                .arg(random.between(0, 999999), 6, 10, QLatin1Char('0'));
        const QString hostCode =
            random.chance(40) ? QStringLiteral("ZJ%1").arg(random.between(10000000, 99999999))
                              : empty;

        const qint64 cents = priceCents(random, kind);
        const int amount =
            kind.maxAmount == 1 || random.chance(60) ? 1 : random.between(2, kind.maxAmount);
        const double price = double(cents) / 100;
        // Computed as SQL computes F_amount * F_price, so the stored value matches it exactly.
        const double originValue = amount * price;
        const double otherCosts =
            random.chance(25) ? double(cents * amount * random.between(1, 6) / 10000) : 0.0;
        const double totalPrice = originValue + otherCosts;

        const bool stopped = random.chance(10);
        const QString *status = &inUse;
        if (stopped) {
            status = random.chance(70) ? &scrapped : &idle;
        } else {
            const int roll = random.below(100);
            status = roll < 85 ? &inUse : roll < 93 ? &idle : &underRepair;
        }

        items << n << code << name << kind.typePath << model << hostCode << maker.factory
              << buildDate << buildCode << catalogue.dates[size_t(buyDay)] << originValue
              << catalogue.dates[size_t(beginDay)] << address(random, place) << place.path
              << *status << double(amount) << kind.unit << price << totalPrice
              << text(Acceptance[size_t(random.below(qsizetype(Acceptance.size())))])
              << random.pick(catalogue.users)
              << text(Remarks[size_t(random.below(qsizetype(Remarks.size())))])
              << int(stopped ? 1 : 0) << random.pick(catalogue.operators)
              << catalogue.dates[size_t(editDay)] << n << otherCosts;
        if (!items.exec(error))
            return false;
        ++result.items;

        if (!random.chance(options.repairsPerHundred))
            continue;
        const int from = qMin(beginDay + 30, catalogue.lastDay);
        const int repairDay = random.between(from, catalogue.lastDay);
        const bool open = status == &underRepair || repairDay + 20 > catalogue.lastDay;
        const QString &fixedDate =
            open ? noDate
                 : catalogue
                       .dates[size_t(qMin(repairDay + random.between(1, 20), catalogue.lastDay))];
        repairs << n << code << name.left(50) << catalogue.dates[size_t(repairDay)]
                << text(RepairTypes[size_t(random.below(qsizetype(RepairTypes.size())))])
                << text(RepairShops[size_t(random.below(qsizetype(RepairShops.size())))])
                << text(Faults[size_t(random.below(qsizetype(Faults.size())))]) << fixedDate
                << (open ? empty : text(Fixes[size_t(random.below(qsizetype(Fixes.size())))]))
                << double(random.between(5, 500) * 10) << random.pick(catalogue.users)
                << random.pick(catalogue.operators) << empty
                << text(open ? BeingRepaired : Repaired);
        if (!repairs.exec(error))
            return false;
        ++result.repairs;
    }
    return true;
}

// Building an index once over all rows is much quicker than keeping it up to date row by row,
// so the indexes of the tables that get many rows are dropped first and made again afterwards,
// with the very statements the schema creates them with.
QStringList indexesOf(const QStringList &tables) {
    QStringList names;
    for (const Schema::Index &index : Schema::indexes()) {
        if (tables.contains(QLatin1String(index.table), Qt::CaseInsensitive))
            names << QString::fromLatin1(index.name);
    }
    return names;
}

bool dropIndexes(QSqlDatabase &db, const QStringList &names, QString *error) {
    for (const QString &name : names) {
        if (!exec(db, QStringLiteral("DROP INDEX %1").arg(name), error))
            return false;
    }
    return true;
}

bool createIndexes(QSqlDatabase &db, const QStringList &names, QString *error) {
    for (const QString &statement : Schema::createStatements()) {
        for (const QString &name : names) {
            if (statement.startsWith(QStringLiteral("CREATE INDEX %1 ").arg(name)) &&
                !exec(db, statement, error))
                return false;
        }
    }
    return true;
}

bool fill(const QString &path, const Options &options, Result &result, QString *error) {
    const QString name =
        QStringLiteral("generate-%1").arg(QUuid::createUuid().toString(QUuid::WithoutBraces));
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open();
        if (!ok)
            setError(error, db.lastError().text());
        // The file is still under its temporary name, so a crash costs nothing worth a journal
        // on disk or a wait for the disk.
        ok = ok && exec(db, QStringLiteral("PRAGMA synchronous = OFF"), error) &&
             exec(db, QStringLiteral("PRAGMA journal_mode = MEMORY"), error) &&
             exec(db, QStringLiteral("PRAGMA cache_size = -131072"), error);
        if (ok && !db.transaction()) {
            setError(error, db.lastError().text());
            ok = false;
        }
        if (ok) {
            Random random(options.seed);
            const Catalogue catalogue = buildCatalogue(random);
            const QStringList bulkIndexes =
                indexesOf({QStringLiteral("Sets"), QStringLiteral("t_wxREC")});
            std::vector<QString> statuses = {text(InUse), text(Idle), text(UnderRepair),
                                             text(Scrapped)};
            ok = writeTree(db, catalogue.typeRows, QStringLiteral("type"), error) &&
                 writeTree(db, catalogue.placeRows, QStringLiteral("depttype"), error) &&
                 writeCodes(db, QStringLiteral("usestatus"), statuses, error) &&
                 writeCodes(db, QStringLiteral("useemp"), catalogue.users, error) &&
                 writeCodes(db, QStringLiteral("operemp"), catalogue.operators, error) &&
                 dropIndexes(db, bulkIndexes, error) &&
                 writeItems(db, catalogue, random, options, result, error) &&
                 createIndexes(db, bulkIndexes, error);
            if (ok && !db.commit()) {
                setError(error, db.lastError().text());
                ok = false;
            }
            if (!ok)
                db.rollback();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

} // namespace

QString itemCode(qint64 n) {
    return QStringLiteral("SB%1").arg(n, 6, 10, QLatin1Char('0'));
}

bool generate(const QString &path, const Options &options, Result *result, QString *error) {
    Result local;
    Result &done = result ? *result : local;
    done = Result();
    if (options.items < 0 || options.repairsPerHundred < 0 || options.repairsPerHundred > 100) {
        setError(error, QStringLiteral("数量无效。"));
        return false;
    }
    const QFileInfo target(path);
    if (target.exists()) {
        setError(error, QStringLiteral("文件“%1”已经存在，不会被覆盖。").arg(path));
        return false;
    }
    const QString building = target.absoluteFilePath() + QStringLiteral(".generating");
    QFile::remove(building);

    QElapsedTimer timer;
    timer.start();
    if (!DatabaseFile::create(building, error))
        return false;
    done.createSeconds = double(timer.nsecsElapsed()) / 1e9;

    timer.restart();
    bool ok = fill(building, options, done, error);
    if (ok && !QFile::rename(building, target.absoluteFilePath())) {
        setError(error, QStringLiteral("无法写入文件“%1”。").arg(path));
        ok = false;
    }
    done.fillSeconds = double(timer.nsecsElapsed()) / 1e9;
    if (!ok)
        QFile::remove(building);
    return ok;
}

} // namespace RegisterGenerator
