// The register generator of the benchmarks: what it writes must be a register the program
// accepts, with trees, code lists and money columns that agree with each other, the same rows
// for the same seed, and nothing written over an existing file.
#include "../../bench/generator/RegisterGenerator.h"
#include "core/schema/DatabaseFile.h"
#include "core/schema/Schema.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Runs statements on a generated file under a connection of its own.
class Reader {
public:
    explicit Reader(const QString &path) : m_name(QStringLiteral("reader-%1").arg(++s_count)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        m_open = db.open();
    }
    ~Reader() {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    bool isOpen() const { return m_open; }

    // The first value of the statement's first row; an invalid value on error.
    QVariant value(const QString &statement) const {
        QSqlQuery query(QSqlDatabase::database(m_name, false));
        if (!query.exec(statement) || !query.next())
            return {};
        return query.value(0);
    }

    // Every row of every listed table, as text, for comparing two files.
    QStringList dump(const QStringList &tables) const {
        QStringList rows;
        for (const QString &table : tables) {
            QSqlQuery query(QSqlDatabase::database(m_name, false));
            query.exec(QStringLiteral("select * from %1 order by F_ID").arg(table));
            while (query.next()) {
                QStringList fields;
                for (int i = 0; i < query.record().count(); ++i)
                    fields << query.value(i).toString();
                rows << table + QLatin1Char(':') + fields.join(QLatin1Char('|'));
            }
        }
        return rows;
    }

private:
    static inline int s_count = 0;
    QString m_name;
    bool m_open = false;
};

bool generate(const QString &path, qint64 items, quint64 seed = 1, int repairsPerHundred = 3) {
    RegisterGenerator::Options options;
    options.items = items;
    options.seed = seed;
    options.repairsPerHundred = repairsPerHundred;
    QString error;
    const bool ok = RegisterGenerator::generate(path, options, nullptr, &error);
    if (!ok)
        qWarning().noquote() << "generate:" << error;
    return ok;
}

// Each statement counts the rows that break one rule; every count must be 0.
struct Rule {
    const char *what;
    const char *violations;
};

const Rule Rules[] = {
    {"codes are SB and six digits, from F_ID",
     "select count(*) from Sets where F_code <> 'SB' || substr('000000' || F_ID, -6)"},
    {"codes are unique", "select count(*) - count(distinct F_code) from Sets"},
    {"F_cltID is F_ID", "select count(*) from Sets where F_cltID <> F_ID"},
    {"names, types, departments and statuses are filled",
     "select count(*) from Sets where coalesce(F_name, '') = '' or coalesce(F_type, '') = '' "
     "or coalesce(F_useDept, '') = '' or coalesce(F_useStatus, '') = ''"},
    {"a type is a third-level node of the type tree",
     "select count(*) from Sets s where not exists (select 1 from t_treecode t where "
     "t.F_flag = 'type' and length(t.F_code) = 9 and t.F_likecode = s.F_type)"},
    {"a department is a third-level node of the department tree",
     "select count(*) from Sets s where not exists (select 1 from t_treecode t where "
     "t.F_flag = 'depttype' and length(t.F_code) = 9 and t.F_likecode = s.F_useDept)"},
    {"tree codes have three digits per level",
     "select count(*) from t_treecode where length(F_code) not in (3, 6, 9) or "
     "F_code glob '*[^0-9]*' or F_flag not in ('type', 'depttype')"},
    {"tree codes are unique within a tree",
     "select count(*) - count(distinct F_flag || ':' || F_code) from t_treecode"},
    {"a first-level path is two backslashes and the name",
     "select count(*) from t_treecode where length(F_code) = 3 and "
     "F_likecode <> '\\\\' || F_name"},
    {"a deeper node hangs under its parent's code and path",
     "select count(*) from t_treecode c where length(c.F_code) > 3 and not exists (select 1 "
     "from t_treecode p where p.F_flag = c.F_flag and "
     "p.F_code = substr(c.F_code, 1, length(c.F_code) - 3) and "
     "c.F_likecode = p.F_likecode || '\\' || c.F_name)"},
    {"statuses, users and operators come from t_code",
     "select count(*) from Sets where "
     "F_useStatus not in (select F_name from t_code where F_type = 'usestatus') or "
     "F_useEmp not in (select F_name from t_code where F_type = 'useemp') or "
     "F_OperEmp not in (select F_name from t_code where F_type = 'operemp')"},
    {"the four statuses are listed", "select 4 - count(*) from t_code where F_type = "
                                     "'usestatus' and F_name in ('在用', '闲置', '维修', '报废')"},
    {"a stopped item is scrapped or idle",
     "select count(*) from Sets where F_useFlag = 1 and F_useStatus not in ('报废', '闲置')"},
    {"original value is amount times price",
     "select count(*) from Sets where F_OriginValue <> F_amount * F_price or F_price <= 0 or "
     "F_amount < 1"},
    {"total is original value plus other costs",
     "select count(*) from Sets where F_totalprice <> F_OriginValue + F_SZ1 or F_SZ1 < 0"},
    {"dates are real dates in order",
     "select count(*) from Sets where date(F_buyDate) is not F_buyDate or "
     "date(F_beginDate) is not F_beginDate or F_beginDate < F_buyDate or "
     "F_editDate < F_beginDate or (F_buildDate <> '1900-08-14' and "
     "(date(F_buildDate) is not F_buildDate or F_buildDate >= F_buyDate))"},
    {"a repair belongs to an item, after it came into use",
     "select count(*) from t_wxREC r left join Sets s on s.F_ID = r.F_mainID where "
     "s.F_ID is null or r.F_SETcode <> s.F_code or r.F_WXdate < s.F_beginDate or "
     "(r.F_XFdate <> '1900-08-14' and r.F_XFdate < r.F_WXdate)"},
};

} // namespace

class TestGenerator : public QObject {
    Q_OBJECT

private slots:
    void writesAConsistentRegister_data();
    void writesAConsistentRegister();
    void proportionsOfALargerRegister();
    void sameSeedSameRows();
    void refusesExistingFilesAndBadOptions();
};

void TestGenerator::writesAConsistentRegister_data() {
    QTest::addColumn<qint64>("items");
    QTest::addColumn<int>("repairsPerHundred");
    QTest::newRow("empty") << qint64(0) << 3;
    QTest::newRow("one item") << qint64(1) << 100;
    QTest::newRow("3000 items") << qint64(3000) << 3;
}

void TestGenerator::writesAConsistentRegister() {
    QFETCH(qint64, items);
    QFETCH(int, repairsPerHundred);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sub/register.db"));
    QVERIFY(generate(path, items, 1, repairsPerHundred));
    QVERIFY(!QFile::exists(path + QStringLiteral(".generating")));
    QString error;
    QVERIFY2(DatabaseFile::isRegisterDatabase(path, &error), qPrintable(error));

    Reader db(path);
    QVERIFY(db.isOpen());
    QCOMPARE(db.value(QStringLiteral("select count(*) from Sets")).toLongLong(), items);
    QCOMPARE(db.value(QStringLiteral("select max(F_code) from Sets")).toString(),
             items ? RegisterGenerator::itemCode(items) : QString());
    if (repairsPerHundred == 100)
        QCOMPARE(db.value(QStringLiteral("select count(*) from t_wxREC")).toLongLong(), items);
    // The trees and code lists are written whatever the number of items.
    QVERIFY(db.value(QStringLiteral("select count(*) from t_treecode where F_flag = 'type' "
                                    "and length(F_code) = 9"))
                .toInt() >= 20);
    QVERIFY(db.value(QStringLiteral("select count(*) from t_treecode where F_flag = 'depttype' "
                                    "and length(F_code) = 9"))
                .toInt() >= 10);
    for (const Rule &rule : Rules) {
        const QVariant violations = db.value(QString::fromUtf8(rule.violations));
        QVERIFY2(violations.isValid(), rule.what);
        QVERIFY2(violations.toLongLong() == 0,
                 qPrintable(QStringLiteral("%1: %2 rows")
                                .arg(QString::fromUtf8(rule.what), violations.toString())));
    }
}

// A tenth of the items stopped, a few repairs per hundred, some build dates left open, and
// items spread over the trees.
void TestGenerator::proportionsOfALargerRegister() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("register.db"));
    QVERIFY(generate(path, 5000, 11, 3));
    Reader db(path);
    const auto count = [&](const char *statement) {
        return db.value(QString::fromUtf8(statement)).toLongLong();
    };
    const qint64 stopped = count("select count(*) from Sets where F_useFlag = 1");
    QVERIFY2(stopped >= 400 && stopped <= 600, qPrintable(QString::number(stopped)));
    const qint64 repairs = count("select count(*) from t_wxREC");
    QVERIFY2(repairs >= 90 && repairs <= 210, qPrintable(QString::number(repairs)));
    const qint64 openBuildDates = count("select count(*) from Sets where F_buildDate = "
                                        "'1900-08-14'");
    QVERIFY2(openBuildDates >= 200 && openBuildDates <= 600,
             qPrintable(QString::number(openBuildDates)));
    QVERIFY(count("select count(distinct F_type) from Sets") >= 20);
    QVERIFY(count("select count(distinct F_useDept) from Sets") >= 20);
    QVERIFY(count("select count(distinct F_useStatus) from Sets") == 4);
    QVERIFY(count("select count(*) from Sets where F_SZ1 > 0") > 0);
    QVERIFY(count("select count(*) from Sets where F_amount > 1") > 0);
}

void TestGenerator::sameSeedSameRows() {
    QTemporaryDir dir;
    const QStringList tables = {QStringLiteral("Sets"), QStringLiteral("t_wxREC"),
                                QStringLiteral("t_treecode"), QStringLiteral("t_code")};
    QStringList dumps;
    for (const auto &[name, seed] : {std::pair{"a.db", 7}, {"b.db", 7}, {"c.db", 8}}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QVERIFY(generate(path, 400, quint64(seed)));
        dumps << Reader(path).dump(tables).join(QLatin1Char('\n'));
    }
    QVERIFY(dumps[0].count(QLatin1Char('\n')) > 400);
    QCOMPARE(dumps[0], dumps[1]);
    QVERIFY(dumps[0] != dumps[2]);
}

void TestGenerator::refusesExistingFilesAndBadOptions() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("register.db"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
    }
    QString error;
    RegisterGenerator::Options options;
    options.items = 10;
    QVERIFY(!RegisterGenerator::generate(path, options, nullptr, &error));
    QVERIFY(!error.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("keep me"));

    const QString other = dir.filePath(QStringLiteral("other.db"));
    for (const auto &[items, repairs] : {std::pair{qint64(-1), 3}, {qint64(10), 101}}) {
        options.items = items;
        options.repairsPerHundred = repairs;
        QVERIFY(!RegisterGenerator::generate(other, options));
        QVERIFY(!QFile::exists(other));
    }
}

QTEST_GUILESS_MAIN(TestGenerator)
#include "tst_generator.moc"
