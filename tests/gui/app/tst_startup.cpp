// Start-up: the database folder from Config.ini, the first run, the recovery dialog, the
// splash texts, window placement and the question before leaving the program.
#include "TestEnv.h"
#include "core/app/AppPaths.h"
#include "core/app/IniFile.h"
#include "core/app/AppSettings.h"
#include "gui/app/StartUp.h"
#include "gui/app/SplashScreen.h"
#include "gui/register/MainWindow.h"
#include "gui/widgets/WindowPlacement.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

namespace {

void writeConfig(const QString &key, const QString &value) {
    QVERIFY(AppSettings::ConfigFile().writeString("config", key, value));
}

QString readDs() { return AppSettings::ConfigFile().readString("Config", "ds"); }

// `ds` names an empty folder; a sound register waits in another. Both folders, in that order.
std::pair<QString, QString> dsOnAFolderWithoutADatabase(TestEnv &env) {
    const QString empty = env.path("empty");
    QDir().mkpath(empty);
    writeConfig("ds", empty + "/");
    const QString good = env.path("good");
    TestEnv::copyEmptyDatabase(good + "/zorbSETs.db");
    return {empty, good};
}

QByteArray contentOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT

private slots:
    void firstRunCreatesTheDefaultDatabase_data();
    void firstRunCreatesTheDefaultDatabase();
    void dsNamesTheDatabaseFolder_data();
    void dsNamesTheDatabaseFolder();
    void recoveryStoresTheFolderOfThePickedFile();
    void recoveryUsesThePickEvenWhenConfigCannotBeWritten();
    void recoveryAsksUntilCancelled();
    void splashTexts();
    void mainWindowFirstShow();
    void exitQuestion();
    void windowPlacement();
};

void TestStartUp::firstRunCreatesTheDefaultDatabase_data() {
    QTest::addColumn<bool>("writeBlankDs");
    QTest::newRow("no Config.ini") << false;
    QTest::newRow("blank ds") << true;
}

void TestStartUp::firstRunCreatesTheDefaultDatabase() {
    QFETCH(bool, writeBlankDs);
    TestEnv env(TestEnv::WithoutDatabase);
    if (writeBlankDs)
        writeConfig("ds", "   ");
    SplashScreen splash;
    QVERIFY(DataModuleCreate(env.dm(), &splash));
    QVERIFY(env.dm().IsConnected());
    QCOMPARE(env.dm().databaseFile(), env.path("data/zorbSETs.db"));
    QCOMPARE(env.dm().GetSQLInt("select count(*) from OperList where F_Name = 'admin'"), 1);
    QVERIFY(env.dialogs().askedTitles.isEmpty());
    QCOMPARE(splash.status(), QStringLiteral("连接成功，正在登录 ..."));
    QCOMPARE(QFile::exists(env.path("Config.ini")), writeBlankDs);
}

void TestStartUp::dsNamesTheDatabaseFolder_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("trailingSeparator");
    QTest::newRow("with separator") << "共享 folder" << true;
    QTest::newRow("without separator") << "share" << false;
    QTest::newRow("awkward name") << "it's 100% #1?" << true;
}

void TestStartUp::dsNamesTheDatabaseFolder() {
    QFETCH(QString, folder);
    QFETCH(bool, trailingSeparator);
    TestEnv env(TestEnv::WithoutDatabase);
    const QString shared = env.path(folder);
    TestEnv::copyEmptyDatabase(QDir(shared).filePath("zorbSETs.db"));
    writeConfig("ds", trailingSeparator ? shared + "/" : shared);

    QVERIFY(DataModuleCreate(env.dm(), nullptr));
    QCOMPARE(QFileInfo(env.dm().databaseFile()).absolutePath(), QDir(shared).absolutePath());
    QVERIFY(!QFile::exists(env.path("data")));
    QVERIFY(env.dialogs().askedTitles.isEmpty());
}

// The folder in `ds` lacks a database: nothing may be left there, the user points at a file of
// any name, and its folder (with the separator) is stored and opened.
void TestStartUp::recoveryStoresTheFolderOfThePickedFile() {
    TestEnv env(TestEnv::WithoutDatabase);
    const auto [empty, good] = dsOnAFolderWithoutADatabase(env);
    QFile(good + "/notes.txt").open(QIODevice::WriteOnly);
    env.dialogs().fileNames << good + "/notes.txt";

    QVERIFY(DataModuleCreate(env.dm(), nullptr));
    QCOMPARE(env.dialogs().askedTitles, QStringList({"连接网络数据库"}));
    QCOMPARE(readDs(), QDir(good).absolutePath() + "/");
    QCOMPARE(env.dm().databaseFile(), QDir(good).absolutePath() + "/zorbSETs.db");
    QVERIFY(QDir(empty).isEmpty());
    QVERIFY(!QFile::exists(env.path("data")));
    QCOMPARE(env.dialogs().messageTexts(),
             QStringList{QStringLiteral("无法打开数据库“%1”，请选择数据库文件。\n原因：文件不存在。")
                             .arg(QDir::toNativeSeparators(empty + "/zorbSETs.db"))});
    QVERIFY(env.dialogs().unexpected.isEmpty());
}

void TestStartUp::recoveryAsksUntilCancelled() {
    TestEnv env(TestEnv::WithoutDatabase);
    const QString broken = env.path("broken");
    QVERIFY(QDir().mkpath(broken));
    QVERIFY(WriteJunkFile(broken + "/zorbSETs.db", "not a database at all"));
    writeConfig("ds", broken + "/");
    const QString elsewhere = env.path("elsewhere");
    QVERIFY(QDir().mkpath(elsewhere));
    env.dialogs().fileNames << elsewhere + "/anything.db" << QString();

    SplashScreen splash;
    splash.show();
    QVERIFY(!DataModuleCreate(env.dm(), &splash));
    QVERIFY(!env.dm().IsConnected());
    QCOMPARE(env.dialogs().askedTitles, QStringList({"连接网络数据库", "连接网络数据库"}));
    QCOMPARE(readDs(), QDir(elsewhere).absolutePath() + "/");
    QVERIFY(QDir(elsewhere).isEmpty());
    QCOMPARE(contentOf(broken + "/zorbSETs.db"), QByteArray("not a database at all"));
    QVERIFY(!splash.isVisible());
    // Each time the user is told why before being asked for another file.
    QCOMPARE(env.dialogs().messages.size(), 2);
    QVERIFY(env.dialogs().messages[0].text.endsWith(QStringLiteral("原因：该文件不是数据库文件，或已损坏。")));
    QVERIFY(env.dialogs().messages[1].text.endsWith(QStringLiteral("原因：文件不存在。")));
    QCOMPARE(env.dialogs().messages[1].kind, int(MessWarning));
}

void TestStartUp::splashTexts() {
    SplashScreen splash;
    QCOMPARE(splash.size(), QSize(470, 294));
    QCOMPARE(splash.status(), QStringLiteral("系统正在启动，请稍候 ....."));
    QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    splash.setStatus("连接成功，正在登录 .....");
    QCOMPARE(splash.status(), QStringLiteral("连接成功，正在登录 ....."));
}

void TestStartUp::mainWindowFirstShow() {
    TestEnv env;
    writeConfig("ibak", "2");
    AppSettings::CurrentOperator = "admin";
    MainWindow window(env.dm());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("檀昕设备管理软件 v2.05(企业版) "));
    QCOMPARE(window.statusPanelText(1), QStringLiteral(" admin"));
    QVERIFY(QRegularExpression("^ \\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}$")
                .match(window.statusPanelText(3))
                .hasMatch());
    QCOMPARE(AppSettings::BackupPolicy, 2);
    env.dialogs().answers << MessYes;
    window.close();
}

void TestStartUp::exitQuestion() {
    TestEnv env;
    MainWindow window(env.dm());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString question = QStringLiteral("真的要退出“檀昕设备管理软件 ”软件吗？");

    env.dialogs().answers << MessNo;
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QVERIFY(env.dialogs().wasShown(question, MessQuestion));

    env.dialogs().answers << MessNo;
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(window.isVisible());
    QCOMPARE(env.dialogs().messages.size(), 2);

    env.dialogs().answers << MessYes;
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    QCOMPARE(env.dialogs().messages.size(), 3);
    QVERIFY(env.dialogs().unexpected.isEmpty());
}

void TestStartUp::windowPlacement() {
    TestEnv env(TestEnv::WithoutDatabase);
    QWidget parent;
    parent.setGeometry(100, 100, 800, 600);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    const QPoint parentCentre = parent.frameGeometry().center();
    {
        QDialog dialog(&parent);
        dialog.setObjectName("DlgSample");
        dialog.resize(200, 100);
        DispFormPos(&dialog, 1);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY((dialog.frameGeometry().center() - parentCentre).manhattanLength() <= 4);
        dialog.setGeometry(30, 40, 250, 120);
        dialog.hide();
    }
    QDialog again(&parent);
    again.setObjectName("DlgSample");
    DispFormPos(&again, 1);
    QCOMPARE(again.geometry(), QRect(30, 40, 250, 120));

    QDialog otherMode(&parent);
    otherMode.setObjectName("DlgSample");
    otherMode.resize(200, 100);
    DispFormPos(&otherMode, 0);
    QVERIFY(otherMode.geometry() != QRect(30, 40, 250, 120));
}

// Config.ini cannot be written (a read-only folder, a full disk): the picked database is used
// for this run, the user is told that it could not be remembered and why, and the dialog does
// not come back.
void TestStartUp::recoveryUsesThePickEvenWhenConfigCannotBeWritten() {
    TestEnv env(TestEnv::WithoutDatabase);
    const auto [empty, good] = dsOnAFolderWithoutADatabase(env);
    env.dialogs().fileNames << good + "/zorbSETs.db";
    IniFile::failWritesForTesting(QStringLiteral("磁盘已满"));
    const auto writable = qScopeGuard([] { IniFile::failWritesForTesting(QString()); });

    QVERIFY(DataModuleCreate(env.dm(), nullptr));
    QCOMPARE(env.dialogs().askedTitles, QStringList({"连接网络数据库"}));
    QCOMPARE(env.dm().databaseFile(), QDir(good).absolutePath() + "/zorbSETs.db");
    QCOMPARE(readDs(), empty + "/");
    QCOMPARE(env.dialogs().messages.size(), 2); // why ds failed, then why it was not kept
    QCOMPARE(env.dialogs().messages[1].kind, int(MessWarning));
    QVERIFY(env.dialogs().messages[1].text.contains(QStringLiteral("无法在 Config.ini 中记住")));
    QVERIFY(env.dialogs().messages[1].text.endsWith(QStringLiteral("原因：磁盘已满")));
    QVERIFY(env.dialogs().unexpected.isEmpty());
}

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
