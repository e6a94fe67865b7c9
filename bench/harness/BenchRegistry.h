#pragma once

#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QTextStream;
class Registers;

// One benchmark: the program's own way of reaching a result ("ours") and the least work that
// reaches the same result straight through SQLite ("reference"). The driver runs both side by
// side, interleaved, and reports the medians and their ratio; the ratio is what tells whether
// our layers cost too much, since the machine's speed cancels out of it.
class PairedBenchmark {
public:
    virtual ~PairedBenchmark() = default;

    // Once, untimed, before any run: finds or generates its registers and makes one run of each
    // side, so that both start with the same warm operating-system cache and wrong results show
    // up before anything is measured.
    virtual bool setUp(Registers &registers, QString *error) = 0;

    // One run each, starting from nothing kept in the program: the seconds of the part that
    // counts, or nothing (and `error`) when the run did not reach the expected result.
    virtual std::optional<double> ours(QString *error) = 0;
    virtual std::optional<double> reference(QString *error) = 0;

    // Untimed diagnostics for `--explain`: where one run of "ours" spends its time.
    virtual void explain(QTextStream &out) = 0;

    // The unit of what `ours` and `reference` return. Seconds, unless a benchmark compares
    // something else, such as resident memory in megabytes.
    virtual QString unit() const { return QStringLiteral("s"); }

    // A line printed under the figures, for what the ratio alone does not tell (such as the
    // difference a target is set on); none by default.
    virtual QString note(double ours, double reference) const {
        Q_UNUSED(ours);
        Q_UNUSED(reference);
        return {};
    }
};

struct NamedBenchmark {
    const char *name;
    const char *summary;
    std::unique_ptr<PairedBenchmark> (*create)();
};

// Every benchmark, in the order they are run and reported.
const std::vector<NamedBenchmark> &benchmarkTable();
