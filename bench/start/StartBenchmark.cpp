// start-100k and mem-100k: the program started as a user starts it, in a new process each run
// (zorbsets-start-probe: the real entry sequence, the login answered from inside), on an
// application folder holding a copy of a generated register with the list's sums saved in its
// layout.
//   start-100k: wall time from the spawn of the process to its report that the main window has
//   been shown, its list painted and the event loop idle; the 100,000-item register against an
//   empty one (reference).
//   mem-100k: the process's resident memory (VmRSS) at that moment, the main window holding the
//   100,000-item list against holding 1,000 items (reference).
#include "harness/AppFolder.h"
#include "harness/BenchRegistry.h"
#include "harness/IdleWatch.h"
#include "harness/Registers.h"
#include "harness/StatementLog.h"

#include "core/data/Database.h"
#include "core/data/RecordSet.h"
#include "core/register/EquipmentFilter.h"
#include "gui/register/MainWindow.h"
#include "gui/widgets/DataGrid.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QPaintEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QTextStream>

#include <sqlite3.h>

#include <chrono>

namespace {

constexpr qint64 Items = 100000;
constexpr qint64 FewItems = 1000;
constexpr double MemoryTargetMB = 30;
const QStringList SumFields = {QStringLiteral("F_OriginValue"), QStringLiteral("F_totalprice")};

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// What one start of the probe reported.
struct ProbeReport {
    double seconds = 0;     // from the spawn to the report, as the benchmark's clock saw it
    double msAfterMain = 0; // as the probe's own clock saw it, from its main()
    qint64 rssKb = 0;
    qint64 hwmKb = 0;
    qint64 count = -1;
    QString first;
};

// What the main window must show on a register: the items in use, first by code.
struct ExpectedList {
    qint64 count = -1;
    QString first;
};

QString probeProgram() {
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("zorbsets-start-probe"));
}

std::optional<ProbeReport> runProbe(const AppFolder &folder, const ExpectedList &expected,
                                    QString *error) {
    static const QRegularExpression marker(
        QStringLiteral("zorbsets-start-probe: idle ([0-9.]+) ms after main, VmRSS (\\d+) kB, "
                       "VmHWM (\\d+) kB, count (-?\\d+), first \"([^\"]*)\"\n"));
    QProcess process;
    process.setProgram(probeProgram());
    process.setProcessEnvironment(folder.environment());
    process.setWorkingDirectory(folder.path());

    const Clock::time_point start = Clock::now();
    process.start();
    QByteArray output;
    QRegularExpressionMatch match;
    std::optional<double> seconds;
    const QDeadlineTimer deadline(std::chrono::seconds(180));
    while (!seconds && !deadline.hasExpired()) {
        if (!process.waitForReadyRead(int(qMin<qint64>(deadline.remainingTime(), 1000)))) {
            if (process.state() == QProcess::NotRunning)
                break;
            continue;
        }
        output += process.readAllStandardOutput();
        match = marker.match(QString::fromUtf8(output));
        if (match.hasMatch())
            seconds = std::chrono::duration<double>(Clock::now() - start).count();
    }

    if (!process.waitForFinished(60000))
        process.kill();
    process.waitForFinished(5000);
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    if (!seconds || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error = QStringLiteral("the probe did not report an idle main window (exit %1): %2 %3")
                     .arg(process.exitCode())
                     .arg(QString::fromUtf8(output).trimmed(), errors);
        return std::nullopt;
    }
    ProbeReport report;
    report.seconds = *seconds;
    report.msAfterMain = match.captured(1).toDouble();
    report.rssKb = match.captured(2).toLongLong();
    report.hwmKb = match.captured(3).toLongLong();
    report.count = match.captured(4).toLongLong();
    report.first = match.captured(5);
    if (report.count != expected.count || report.first != expected.first) {
        *error = QStringLiteral("the main window showed count %1, first \"%2\"; expected %3, "
                                "\"%4\"")
                     .arg(report.count)
                     .arg(report.first)
                     .arg(expected.count)
                     .arg(expected.first);
        return std::nullopt;
    }
    return report;
}

// Sets `seen` at the first paint of a widget.
class PaintSeen final : public QObject {
public:
    PaintSeen(QWidget *widget, bool &seen) : m_seen(seen) { widget->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            m_seen = true;
        return false;
    }

private:
    bool &m_seen;
};

std::optional<ExpectedList> expectedList(const QString &file, QString *error) {
    sqlite3 *db = nullptr;
    sqlite3_stmt *count = nullptr;
    sqlite3_stmt *first = nullptr;
    ExpectedList expected;
    bool ok =
        sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK;
    ok = ok && sqlite3_prepare_v2(db, "select count(*) from Sets where F_useFlag = 0", -1, &count,
                                  nullptr) == SQLITE_OK;
    ok = ok && sqlite3_step(count) == SQLITE_ROW;
    if (ok)
        expected.count = sqlite3_column_int64(count, 0);
    ok = ok && sqlite3_prepare_v2(db,
                                  "select F_code from Sets where F_useFlag = 0 order by F_code "
                                  "limit 1",
                                  -1, &first, nullptr) == SQLITE_OK;
    const int step = ok ? sqlite3_step(first) : SQLITE_ERROR;
    ok = ok && (step == SQLITE_ROW || step == SQLITE_DONE);
    if (step == SQLITE_ROW)
        expected.first =
            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(first, 0)));
    if (!ok)
        *error =
            QStringLiteral("cannot read %1: %2").arg(file, QString::fromUtf8(sqlite3_errmsg(db)));
    sqlite3_finalize(first);
    sqlite3_finalize(count);
    sqlite3_close(db);
    return ok ? std::optional(expected) : std::nullopt;
}

// Two application folders, one per side, and what the window must show on each.
class ProbePair : public PairedBenchmark {
public:
    ProbePair(qint64 oursItems, qint64 referenceItems)
        : m_oursItems(oursItems), m_referenceItems(referenceItems) {}

    bool setUp(Registers &registers, QString *error) override {
        if (!QFileInfo(probeProgram()).isExecutable()) {
            *error = probeProgram() + QStringLiteral(" is missing; build zorbsets-start-probe");
            return false;
        }
        for (const bool ours : {true, false}) {
            const auto path = registers.path(ours ? m_oursItems : m_referenceItems, error);
            if (!path)
                return false;
            std::unique_ptr<AppFolder> folder = AppFolder::create(*path, error);
            if (!folder)
                return false;
            const auto expected = expectedList(folder->databaseFile(), error);
            if (!expected)
                return false;
            (ours ? m_ours : m_reference) = std::move(folder);
            (ours ? m_oursList : m_referenceList) = *expected;
        }
        // The first start of each side also brings the program and the registers into the
        // operating system's cache, for both alike.
        return ours(error).has_value() && reference(error).has_value();
    }

protected:
    std::optional<ProbeReport> probe(bool ours, QString *error) const {
        return runProbe(ours ? *m_ours : *m_reference, ours ? m_oursList : m_referenceList, error);
    }

    void explainProbes(QTextStream &out) const {
        for (const bool ours : {true, false}) {
            QString error;
            const auto report = probe(ours, &error);
            out << "  " << (ours ? m_oursItems : m_referenceItems) << " items: ";
            if (!report) {
                out << error << "\n";
                continue;
            }
            out << QString::asprintf("spawn to idle %.1f ms (probe's main to idle %.1f ms), "
                                     "VmRSS %.1f MB, VmHWM %.1f MB, count %lld\n",
                                     report->seconds * 1000, report->msAfterMain,
                                     double(report->rssKb) / 1024, double(report->hwmKb) / 1024,
                                     report->count);
            out.flush();
        }
    }

    const AppFolder &oursFolder() const { return *m_ours; }

private:
    const qint64 m_oursItems;
    const qint64 m_referenceItems;
    std::unique_ptr<AppFolder> m_ours;
    std::unique_ptr<AppFolder> m_reference;
    ExpectedList m_oursList;
    ExpectedList m_referenceList;
};

class Start100k final : public ProbePair {
public:
    Start100k() : ProbePair(Items, 0) {}

    std::optional<double> ours(QString *error) override { return seconds(true, error); }
    std::optional<double> reference(QString *error) override { return seconds(false, error); }
    void explain(QTextStream &out) override;

private:
    std::optional<double> seconds(bool ours, QString *error) const {
        const auto report = probe(ours, error);
        return report ? std::optional(report->seconds) : std::nullopt;
    }
};

// The probe on each register, then what the main window's first show runs on the large one,
// step by step inside this process (the same window and data module, without the login).
void Start100k::explain(QTextStream &out) {
    explainProbes(out);
    const auto lap = [&](const char *what, Clock::time_point start) {
        out << QString::asprintf("  %-66s %9.1f ms\n", what, msSince(start));
        out.flush();
    };
    oursFolder().useInThisProcess();
    out << "  the main window on " << Items << " items, in this process:\n";
    Clock::time_point start = Clock::now();
    Database dm;
    QString error;
    if (!dm.connectTo(oursFolder().databaseFile(), &error)) {
        out << "  " << error << "\n";
        return;
    }
    lap("  Database::connectTo", start);
    start = Clock::now();
    {
        MainWindow window(dm);
        lap("  MainWindow constructed", start);
        auto *grid = window.findChild<DataGrid *>(QStringLiteral("DBGridEh1"));
        bool painted = false;
        PaintSeen paintSeen(grid->viewport(), painted);
        std::optional<StatementLog> log(std::in_place, dm.connection());
        start = Clock::now();
        window.show();
        lap("  show(): the first show's trees, value list, list and layouts", start);
        start = Clock::now();
        WaitUntilIdle([&painted] { return painted; });
        lap("  from there to the list painted and the event loop idle", start);
        out << "    the statements of the first show, as SQLite saw them (the list's own query "
               "stays open, so it is not done here):\n";
        log->print(out);
        log.reset();
    }

    out << "  the statements of the first show apart, on the same connection:\n";
    const SqlStatement where = EquipmentFilter().statement(SqlDialect::sqlite());
    SqlStatement ordered = where;
    ordered.add(QStringLiteral(" order by F_code"));
    RecordSet records;
    start = Clock::now();
    dm.OpenQuerySQL(ordered, records);
    lap("  OpenQuerySQL of the list ordered by code (first rows read)", start);
    start = Clock::now();
    dm.RecordTotals(ordered, {});
    lap("  RecordTotals, count only, over the ordered list (built-in layout)", start);
    start = Clock::now();
    dm.RecordTotals(ordered, SumFields);
    lap("  RecordTotals with the sums over the ordered list (saved layout)", start);
    start = Clock::now();
    dm.RecordTotals(where, SumFields);
    lap("  RecordTotals with the sums over the unordered list", start);
}

class Mem100k final : public ProbePair {
public:
    Mem100k() : ProbePair(Items, FewItems) {}

    std::optional<double> ours(QString *error) override { return megabytes(true, error); }
    std::optional<double> reference(QString *error) override { return megabytes(false, error); }
    void explain(QTextStream &out) override { explainProbes(out); }
    QString unit() const override { return QStringLiteral("MB"); }
    QString note(double ours, double reference) const override {
        return QStringLiteral("difference %1 MB (target: at most %2 MB more)")
            .arg(QString::number(ours - reference, 'f', 1))
            .arg(MemoryTargetMB);
    }

private:
    std::optional<double> megabytes(bool ours, QString *error) const {
        const auto report = probe(ours, error);
        return report ? std::optional(double(report->rssKb) / 1024) : std::nullopt;
    }
};

} // namespace

std::unique_ptr<PairedBenchmark> CreateStart100kBenchmark() {
    return std::make_unique<Start100k>();
}

std::unique_ptr<PairedBenchmark> CreateMem100kBenchmark() {
    return std::make_unique<Mem100k>();
}
