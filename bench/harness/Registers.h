#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>
#include <utility>

// The generated registers the benchmarks read, kept in a cache folder between runs and made on
// first use. A file's name carries the schema and generator versions, so a change to either
// never lets an old file pass for a new one.
class Registers {
public:
    explicit Registers(QString folder) : m_folder(std::move(folder)) {}

    // The register of `items` items made with seed 1; generated when missing.
    std::optional<QString> path(qint64 items, QString *error);

private:
    QString m_folder;
};
