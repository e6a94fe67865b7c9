// zorbsets-bench [--registers DIR] [--repetitions N] [--explain] [--list] [NAME...]
//
// Runs the named paired benchmarks (all when none is named) and prints, per benchmark,
//   NAME: ours <s> s, reference <s> s, ratio <ours/reference>
// each figure the median of N runs (in the benchmark's own unit when it measures something other
// than time, e.g. "MB"), and under it the benchmark's note when it has one. The runs of all sides
// are interleaved in random order by Google Benchmark, so a change in the machine's load during the
// run hits both sides alike. Arguments starting with --benchmark_ go to Google Benchmark unchanged.
#include "BenchRegistry.h"
#include "Registers.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTextStream>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

struct Medians {
    std::optional<double> ours;
    std::optional<double> reference;
    std::string error;
};

// Collects the medians instead of printing Google Benchmark's table; the summary lines are
// printed at the end, in the order of the benchmark table.
class MedianReporter final : public benchmark::BenchmarkReporter {
public:
    std::map<std::string, Medians> results;

    bool ReportContext(const Context &) override { return true; }

    void ReportRuns(const std::vector<Run> &runs) override {
        for (const Run &run : runs) {
            const std::string name = run.run_name.function_name;
            const auto slash = name.rfind('/');
            if (slash == std::string::npos)
                continue;
            Medians &medians = results[name.substr(0, slash)];
            if (run.error_occurred) {
                medians.error = run.error_message;
                continue;
            }
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median")
                continue;
            const double seconds = run.GetAdjustedRealTime();
            if (name.substr(slash + 1) == "ours")
                medians.ours = seconds;
            else
                medians.reference = seconds;
        }
    }
};

// Four significant digits, keeping trailing zeros so that every figure reads alike.
QString figure(double value) {
    return QString::asprintf("%#.4g", value);
}

void runSide(benchmark::State &state, PairedBenchmark *bench, bool ours) {
    for (auto _ : state) {
        QString error;
        const std::optional<double> elapsed = ours ? bench->ours(&error) : bench->reference(&error);
        if (!elapsed) {
            state.SkipWithError(error.toStdString().c_str());
            break;
        }
        state.SetIterationTime(*elapsed);
    }
}

// The offscreen platform's notes about what it cannot do say nothing about the program; every
// other message goes through as usual.
QtMessageHandler previousHandler = nullptr;

void filterNoise(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (message.contains(QLatin1String("does not support propagateSizeHints")) ||
        message.contains(QLatin1String("XDG_RUNTIME_DIR not set")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

int usage(QTextStream &err) {
    err << "usage: zorbsets-bench [--registers DIR] [--repetitions N] [--explain] [--list] "
           "[NAME...]\n";
    return 2;
}

} // namespace

int main(int argc, char *argv[]) {
    // Widgets are measured without a display, as the tests run them.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(filterNoise);
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QString registersFolder = QDir::current().absoluteFilePath(QStringLiteral("registers"));
    int repetitions = 7;
    bool explain = false;
    QStringList names;
    std::vector<std::string> benchmarkArgs = {argv[0],
                                              "--benchmark_enable_random_interleaving=true"};
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--registers") && i + 1 < args.size()) {
            registersFolder = args[++i];
        } else if (arg == QLatin1String("--repetitions") && i + 1 < args.size()) {
            bool ok = false;
            repetitions = args[++i].toInt(&ok);
            if (!ok || repetitions < 1)
                return usage(err);
        } else if (arg == QLatin1String("--explain")) {
            explain = true;
        } else if (arg == QLatin1String("--list")) {
            for (const NamedBenchmark &entry : benchmarkTable())
                out << entry.name << "  " << QString::fromUtf8(entry.summary) << "\n";
            return 0;
        } else if (arg.startsWith(QLatin1String("--benchmark_"))) {
            benchmarkArgs.push_back(arg.toStdString());
        } else if (arg.startsWith(QLatin1String("-"))) {
            return usage(err);
        } else {
            names << arg;
        }
    }

    std::vector<const NamedBenchmark *> selected;
    for (const QString &name : names) {
        const NamedBenchmark *found = nullptr;
        for (const NamedBenchmark &entry : benchmarkTable()) {
            if (name == QLatin1String(entry.name))
                found = &entry;
        }
        if (!found) {
            err << "zorbsets-bench: no benchmark named " << name << " (see --list)\n";
            return 2;
        }
        selected.push_back(found);
    }
    if (selected.empty()) {
        for (const NamedBenchmark &entry : benchmarkTable())
            selected.push_back(&entry);
    }

    Registers registers(registersFolder);
    std::vector<std::unique_ptr<PairedBenchmark>> prepared;
    for (const NamedBenchmark *entry : selected) {
        std::unique_ptr<PairedBenchmark> bench = entry->create();
        QString error;
        if (!bench->setUp(registers, &error)) {
            err << entry->name << ": " << error << "\n";
            return 1;
        }
        if (explain) {
            out << entry->name << ":\n";
            bench->explain(out);
            out.flush();
            continue;
        }
        for (const bool ours : {true, false}) {
            const std::string name = std::string(entry->name) + (ours ? "/ours" : "/reference");
            benchmark::RegisterBenchmark(name.c_str(), runSide, bench.get(), ours)
                ->Iterations(1)
                ->Repetitions(repetitions)
                ->UseManualTime()
                ->Unit(benchmark::kSecond);
        }
        prepared.push_back(std::move(bench));
    }
    if (explain)
        return 0;

    std::vector<char *> benchmarkArgv;
    for (std::string &arg : benchmarkArgs)
        benchmarkArgv.push_back(arg.data());
    int benchmarkArgc = int(benchmarkArgv.size());
    benchmark::Initialize(&benchmarkArgc, benchmarkArgv.data());
    if (benchmark::ReportUnrecognizedArguments(benchmarkArgc, benchmarkArgv.data()))
        return 2;
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    int status = 0;
    for (size_t i = 0; i < selected.size(); ++i) {
        const NamedBenchmark *entry = selected[i];
        const Medians &medians = reporter.results[entry->name];
        if (!medians.error.empty() || !medians.ours || !medians.reference) {
            out << entry->name << ": failed: "
                << QString::fromStdString(medians.error.empty() ? "no result" : medians.error)
                << "\n";
            status = 1;
            continue;
        }
        const PairedBenchmark &bench = *prepared[i];
        const QString unit = bench.unit();
        out << entry->name << ": ours " << figure(*medians.ours) << " " << unit << ", reference "
            << figure(*medians.reference) << " " << unit << ", ratio "
            << QString::number(*medians.ours / *medians.reference, 'f', 2) << "\n";
        const QString note = bench.note(*medians.ours, *medians.reference);
        if (!note.isEmpty())
            out << "  " << note << "\n";
    }
    return status;
}
