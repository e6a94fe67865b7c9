#pragma once

#include <QString>
#include <QtGlobal>

// Writes a new register filled with realistic equipment, for benchmarks and for trying the
// windows on a large database: Chinese names, models and makers that belong to the item's type,
// three-level type and department trees with their t_treecode rows, statuses, users and
// operators in t_code, dates, prices and a few repair records. The same seed always gives the
// same database.
namespace RegisterGenerator {

// Raised whenever the same options start giving different rows, so that registers cached by the
// benchmarks are made anew.
inline constexpr int Version = 1;

struct Options {
    qint64 items = 0;
    quint64 seed = 1;
    // Repair records (t_wxREC) per hundred items, on average.
    int repairsPerHundred = 3;
};

struct Result {
    qint64 items = 0;
    qint64 repairs = 0;
    double createSeconds = 0; // the empty database, with its seed rows
    double fillSeconds = 0;   // the generated rows
};

// Creates `path` with DatabaseFile::create and fills it. Refuses an existing file. The database
// is built under a temporary name and renamed when complete, so an interrupted run never leaves
// a half-filled register where a benchmark would take it for a finished one.
bool generate(const QString &path, const Options &options, Result *result = nullptr,
              QString *error = nullptr);

// The code of the n-th item (1-based): "SB000123"; at least six digits.
QString itemCode(qint64 n);

} // namespace RegisterGenerator
