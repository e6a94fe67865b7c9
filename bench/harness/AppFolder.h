#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// An application folder in which the program runs on a generated register as a user would have
// it: the register copied to data/zorbSETs.db with the equipment list's layout saved with sums
// under 设备原值 and 金额, and a settings folder of its own, so that the window positions the
// program writes on closing never reach the developer's. It sits beside the register, on the
// same disk, and goes with the object.
class AppFolder {
public:
    // Nothing (and `error`) when the copy or the layout could not be made.
    static std::unique_ptr<AppFolder> create(const QString &registerFile, QString *error);

    QString path() const { return m_dir.path(); }
    QString databaseFile() const;
    // The environment of the program started in this folder, without a display.
    QProcessEnvironment environment() const;
    // Points this process's application folder here, and its user settings to a folder of the
    // benchmark's own, for windows run inside the benchmark.
    void useInThisProcess() const;

private:
    explicit AppFolder(const QString &templatePath) : m_dir(templatePath) {}

    QTemporaryDir m_dir;
};
