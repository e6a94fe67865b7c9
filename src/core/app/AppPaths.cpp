#include "core/app/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace AppPaths {

QString applicationFolder() {
    const QString home = qEnvironmentVariable(HomeVariable).trimmed();
    if (!home.isEmpty())
        return QDir::cleanPath(QDir(home).absolutePath());
    return QCoreApplication::applicationDirPath();
}

// Config.ini is written with that spelling, but a file named in any other letter case is the
// same file on the desktops the register came from, so an existing one is taken as it is.
QString configFilePath() {
    const QDir folder(applicationFolder());
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        if (name.compare(QLatin1String("config.ini"), Qt::CaseInsensitive) == 0)
            return folder.filePath(name);
    }
    return folder.filePath(QStringLiteral("Config.ini"));
}

QString defaultDataFolder() { return QDir(applicationFolder()).filePath(QStringLiteral("data/")); }

QString imagesFolder() { return QDir(applicationFolder()).filePath(QStringLiteral("images/")); }

QString reportsFolder() { return QDir(applicationFolder()).filePath(QStringLiteral("Qr/")); }

QString databaseFileIn(const QString &folder) {
    return QDir(folder).filePath(QString::fromLatin1(DatabaseFileName));
}

QString folderWithSeparator(const QString &filePath) {
    QString folder = QFileInfo(filePath).absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace AppPaths
