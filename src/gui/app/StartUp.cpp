#include "gui/app/StartUp.h"

#include "core/app/AppPaths.h"
#include "core/data/Database.h"
#include "core/app/IniFile.h"
#include "core/app/AppSettings.h"
#include "gui/register/MainWindow.h"
#include "core/schema/DatabaseFile.h"
#include "gui/security/LoginDialog.h"
#include "gui/app/QtUserDialogs.h"
#include "gui/app/SplashScreen.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QFontDatabase>
#include <QLocale>
#include <QThread>
#include <QTranslator>
#include <QtDebug>

#include <optional>

namespace {

void showStatus(SplashScreen *splash, const QString &text) {
    if (splash)
        splash->setStatus(text);
}

// The folder holding the database: `ds` as written, or the default data folder when blank.
QString databaseFolder(bool &isDefault) {
    const QString ds = AppSettings::ConfigFile().readString(QStringLiteral("config"),
                                                        QStringLiteral("ds"));
    isDefault = ds.trimmed().isEmpty();
    return isDefault ? AppPaths::defaultDataFolder() : ds;
}

// Why a database file could not be opened, in words a user can act on.
QString openFailureReason(const QString &path, const QString &error) {
    if (!QFile::exists(path))
        return QCoreApplication::translate("StartUp", "文件不存在。");
    if (QFileInfo(path).size() == 0)
        return QCoreApplication::translate("StartUp", "文件是空的。");
    if (error.contains(QLatin1String("not a database"), Qt::CaseInsensitive) ||
        error.contains(QLatin1String("malformed"), Qt::CaseInsensitive))
        return QCoreApplication::translate("StartUp", "该文件不是数据库文件，或已损坏。");
    return error;
}

// The shipped empty database is made on the first run; a folder named in `ds` never gains one.
void createDefaultDatabaseIfMissing(const QString &path) {
    if (QFile::exists(path))
        return;
    QString error;
    if (!DatabaseFile::create(path, &error))
        qWarning().noquote() << "could not create the database:" << error;
}

void useApplicationFont(QApplication &app) {
    for (const char *family : {"Noto Sans CJK SC", "Noto Serif CJK SC"}) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(family))) {
            QFont font(QString::fromLatin1(family));
            font.setPointSize(10);
            app.setFont(font);
            return;
        }
    }
}

// The texts are written in Chinese; a translation shipped in the translations folder beside the
// program for one of the user's languages (zorbsets_en.qm, say) replaces them. It has to be in
// place before the first window is made.
void useTranslation(QApplication &app, QTranslator &translator) {
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    if (translator.load(QLocale(), QStringLiteral("zorbsets"), QStringLiteral("_"), folder))
        app.installTranslator(&translator);
}

} // namespace

bool DataModuleCreate(Database &dm, SplashScreen *splash) {
    // The folder picked in this run, used even when Config.ini cannot remember it.
    std::optional<QString> picked;
    for (;;) {
        bool isDefault = false;
        const QString path = AppPaths::databaseFileIn(picked ? *picked : databaseFolder(isDefault));
        if (isDefault)
            createDefaultDatabaseIfMissing(path);

        showStatus(splash,
                   QCoreApplication::translate("SplashScreen", "正在连接数据库 ....."));
        QString error;
        if (dm.connectTo(path, &error)) {
            showStatus(splash,
                       QCoreApplication::translate("SplashScreen", "连接成功，正在登录 ..."));
            return true;
        }
        qWarning().noquote() << "could not open" << path << "-" << error;

        if (splash)
            splash->hide();
        ShowMess(QCoreApplication::translate("StartUp", "无法打开数据库“%1”，请选择数据库文件。\n"
                                                        "原因：%2")
                     .arg(QDir::toNativeSeparators(path), openFailureReason(path, error)),
                 MessWarning);
        const QString file = UserDialogs::current().openFileName(
            QCoreApplication::translate("StartUp", "连接网络数据库"), AppPaths::applicationFolder(),
            QCoreApplication::translate("StartUp", "数据库文件 (*.db);;所有文件 (*)"));
        if (file.isEmpty())
            return false;
        picked = AppPaths::folderWithSeparator(file);
        IniFile &config = AppSettings::ConfigFile();
        if (!config.writeString(QStringLiteral("config"), QStringLiteral("ds"), *picked))
            ShowMess(QCoreApplication::translate(
                         "StartUp", "无法在 Config.ini 中记住所选数据库的位置，本次使用所选数据库，"
                                    "下次启动时需重新选择。\n原因：%1")
                         .arg(config.lastError()),
                     MessWarning);
        if (splash) {
            splash->setStatus(
                QCoreApplication::translate("SplashScreen", "系统正在启动，请稍候 ....."));
            splash->show();
        }
    }
}

int RunApplication(QApplication &app) {
    QApplication::setOrganizationName(QStringLiteral("zorbsets"));
    QApplication::setApplicationName(QStringLiteral("zorbsets"));
    useApplicationFont(app);
    QTranslator translator;
    useTranslation(app, translator);
    UserDialogs::install(std::make_unique<QtUserDialogs>());

    SplashScreen splash;
    splash.show();
    splash.repaint();
    QApplication::processEvents();

    Database dm;
    if (!DataModuleCreate(dm, &splash))
        return 0;

    splash.setStatus(QCoreApplication::translate("SplashScreen", "连接成功，正在登录 ....."));
    MainWindow mainWindow(dm);
    splash.setStatus(QCoreApplication::translate("SplashScreen", "连接成功，正在登录 ..."));
    QThread::msleep(20);
    splash.setStatus(QCoreApplication::translate("SplashScreen", "连接成功，正在登录 ....."));
    splash.close();

    if (ShowLogin(dm, &mainWindow, LoginMode::StartUp) != LoginResult::LoggedIn)
        return 0;
    mainWindow.show();
    return app.exec();
}
