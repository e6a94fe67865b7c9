#include "core/maintenance/CommandLine.h"

#include "core/app/AppPaths.h"
#include "core/schema/DatabaseFile.h"

#include <QDir>
#include <QTextStream>

namespace {

int createDatabase(const QStringList &arguments) {
    QTextStream err(stderr);
    if (arguments.size() != 3 || arguments[2].trimmed().isEmpty()) {
        err << "usage: zorbsets --create-database FOLDER" << Qt::endl;
        return 2;
    }
    const QString path = AppPaths::databaseFileIn(arguments[2]);
    QString error;
    if (!DatabaseFile::create(path, &error)) {
        err << "zorbsets: " << error << Qt::endl;
        return 1;
    }
    QTextStream(stdout) << QDir::toNativeSeparators(QDir(path).absolutePath()) << Qt::endl;
    return 0;
}

} // namespace

bool RunsWithoutDesktop(const QStringList &arguments) {
    return arguments.size() >= 2 && arguments[1].startsWith(QLatin1String("--"));
}

std::optional<int> RunCommandLine(const QStringList &arguments) {
    if (arguments.size() >= 2 && arguments[1] == QLatin1String("--create-database"))
        return createDatabase(arguments);
    if (RunsWithoutDesktop(arguments)) {
        QTextStream(stderr) << "usage: zorbsets [--create-database FOLDER]" << Qt::endl;
        return 2;
    }
    return std::nullopt;
}
