// The operator login dialog and the permissions it applies to the main window's commands.
#include "TestEnv.h"
#include "core/app/IniFile.h"
#include "core/app/AppSettings.h"
#include "core/schema/Catalogues.h"
#include "gui/security/CommandPermissions.h"
#include "gui/security/LoginDialog.h"
#include "core/app/Passwords.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSqlRecord>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <functional>

namespace {

const QStringList MenuNames = {"mi100", "mi200", "mi300", "mi400", "mi500"};
const QString WrongPassword = QStringLiteral("用户名或密码不正确，请重新输入！");

QStringList governedCommands() {
    QStringList names;
    for (const auto &permission : Catalogues::permissions())
        names << QStringLiteral("Action") + QLatin1String(permission.code);
    return names;
}

QStringList detailCommands() {
    QStringList names;
    for (int i = 901; i <= 906; ++i)
        names << QStringLiteral("Action%1").arg(i);
    return names;
}

// The main window as far as the login is concerned: the governed commands in their menus, the
// detail commands on a tool bar, and two commands no permission governs.
class FakeHost final : public LoginHost {
public:
    FakeHost() {
        for (const QString &name : MenuNames)
            window.menuBar()->addMenu(name)->setObjectName(name);
        for (const auto &permission : Catalogues::permissions())
            add(menu(permission.menu), QStringLiteral("Action") + QLatin1String(permission.code),
                QString::fromUtf8(permission.caption));
        QToolBar *details = window.addToolBar(QStringLiteral("明细"));
        for (const QString &name : detailCommands())
            add(details, name, name);
        add(menu("mi100"), "N43", QStringLiteral("重新登录"));
        add(menu("mi500"), "N99", QStringLiteral("关于"));
    }

    QWidget *commandWindow() override { return &window; }
    void showOperator(const QString &name, const QDateTime &loginTime) override {
        shownOperators << name;
        loginTimes << loginTime;
    }

    QAction *action(const QString &name) const { return window.findChild<QAction *>(name); }
    QMenu *menu(const QString &name) const { return window.findChild<QMenu *>(name); }

    // The governed and detail commands that IsCommandAllowed lets run, in catalogue order.
    QStringList allowedCommands() const {
        QStringList allowed;
        for (const QString &name : governedCommands() + detailCommands()) {
            if (IsCommandAllowed(action(name)))
                allowed << name;
        }
        return allowed;
    }
    QStringList shownMenus() const {
        QStringList shown;
        for (const QString &name : MenuNames) {
            if (menu(name)->menuAction()->isVisible())
                shown << name;
        }
        return shown;
    }

    QMainWindow window;
    QStringList shownOperators;
    QList<QDateTime> loginTimes;

private:
    void add(QWidget *holder, const QString &name, const QString &text) {
        auto *action = new QAction(text, &window);
        action->setObjectName(name);
        holder->addAction(action);
    }
};

void addOperator(TestEnv &env, const QString &name, const QString &password, int flag = 0) {
    QVERIFY(env.dm().ExecuteSQL(
        SqlStatement("insert into OperList (F_Name, F_PassWord, F_Flag) values (?, ?, ?)",
                     {name, SavePass(password), flag})));
}

QString captionOf(const QString &code) {
    for (const auto &permission : Catalogues::permissions()) {
        if (code == QLatin1String(permission.code))
            return QString::fromUtf8(permission.caption);
    }
    return {};
}

void grant(TestEnv &env, const QString &name, const QStringList &codes) {
    for (const QString &code : codes)
        QVERIFY(env.dm().ExecuteSQL(
            SqlStatement("insert into OperLimit (F_OperName, F_lmtName) values (?, ?)",
                         {name, captionOf(code)})));
}

// "operator|operation" for each LogRec row, oldest first.
QStringList logEntries(TestEnv &env) {
    QStringList entries;
    const auto rows =
        env.dm().ReadRecords("select F_EmpName, F_OperType from LogRec order by F_ID");
    for (const QSqlRecord &row : rows.value_or(QList<QSqlRecord>()))
        entries << row.value(0).toString() + QLatin1Char('|') + row.value(1).toString();
    return entries;
}

QString lastOperatorInConfig() {
    return AppSettings::ConfigFile().readString("Config", "CurOperName", "<none>");
}

QComboBox *nameBox(LoginDialog &dialog) {
    return dialog.findChild<QComboBox *>("cbbOperName");
}
QLineEdit *passwordBox(LoginDialog &dialog) {
    return dialog.findChild<QLineEdit *>("edtPassWord");
}
QPushButton *button(LoginDialog &dialog, const char *name) {
    return dialog.findChild<QPushButton *>(name);
}

void attempt(LoginDialog &dialog, const QString &name, const QString &password) {
    nameBox(dialog)->setEditText(name);
    passwordBox(dialog)->setText(password);
    QTest::mouseClick(button(dialog, "btnOk"), Qt::LeftButton);
}

using Steps = std::function<void(LoginDialog &)>;

// Runs the steps on the login dialog as soon as its modal loop is running. Steps that leave the
// dialog open (a failed check, say) are followed by 取消, so a failing test cannot hang.
void whenLoginOpens(const Steps &steps, bool &leftOpen, int triesLeft = 50) {
    QTimer::singleShot(0, [steps, &leftOpen, triesLeft] {
        auto *dialog = qobject_cast<LoginDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            if (triesLeft > 0)
                whenLoginOpens(steps, leftOpen, triesLeft - 1);
            return;
        }
        steps(*dialog);
        if (dialog->isVisible()) {
            leftOpen = true;
            button(*dialog, "btnCancel")->click();
        }
    });
}

LoginResult runLogin(TestEnv &env, FakeHost &host, int mode, const Steps &steps,
                     bool expectOpenAfterSteps = false) {
    bool leftOpen = false;
    whenLoginOpens(steps, leftOpen);
    const LoginResult result = ShowLogin(env.dm(), &host, static_cast<LoginMode>(mode));
    if (leftOpen != expectOpenAfterSteps)
        QTest::qFail(leftOpen ? "the steps left the login dialog open"
                              : "the steps closed the login dialog",
                     __FILE__, __LINE__);
    return result;
}

// Starts from an administrator logged in through the dialog, as a change of operator does.
void logInAsAdmin(TestEnv &env, FakeHost &host) {
    const LoginResult result =
        runLogin(env, host, 0, [](LoginDialog &dialog) { attempt(dialog, "admin", QString()); });
    QCOMPARE(result, LoginResult::LoggedIn);
    QCOMPARE(AppSettings::CurrentOperator, QStringLiteral("admin"));
    env.dialogs().messages.clear();
}

} // namespace

Q_DECLARE_METATYPE(LoginResult)

class TestLogin : public QObject {
    Q_OBJECT

private slots:
    void dialogLayout();
    void administratorSeesEverything();
    void operatorSeesOnlyGrantedCommands_data();
    void operatorSeesOnlyGrantedCommands();
    void hiddenCommandsCannotBeReached();
    void permissionsOnAPartialWindow();
    void failedPasswords_data();
    void failedPasswords();
    void passwordIsComparedExactly_data();
    void passwordIsComparedExactly();
    void nameProblemsDoNotCount_data();
    void nameProblemsDoNotCount();
    void operatorsWhoCanLogIn_data();
    void operatorsWhoCanLogIn();
    void lastOperatorAndEnterKey();
    void onlyCancelLeaves_data();
    void onlyCancelLeaves();
};

void TestLogin::dialogLayout() {
    TestEnv env;
    LoginDialog dialog(env.dm(), nullptr);
    QCOMPARE(dialog.objectName(), QStringLiteral("frmOperLogin"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("登录窗口"));
    QCOMPARE(dialog.minimumSize(), QSize(338, 223));
    QCOMPARE(dialog.maximumSize(), QSize(338, 223));
    const Qt::WindowFlags flags = dialog.windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint) && flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(nameBox(dialog)->isEditable());
    QCOMPARE(passwordBox(dialog)->echoMode(), QLineEdit::Password);
    QCOMPARE(button(dialog, "btnOk")->text(), QStringLiteral("确定"));
    QCOMPARE(button(dialog, "btnCancel")->text(), QStringLiteral("取消"));
    auto *prompt = dialog.findChild<QLabel *>("lblPrompt");
    QCOMPARE(prompt->text(),
             QStringLiteral("请输入正确的操作员编号及密码，系统管理员“admin”，系统初始密码为空："));
    QVERIFY(prompt->wordWrap());

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(prompt->palette().color(QPalette::WindowText), QColor(Qt::blue));
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY((dialog.geometry().center() - screenCentre).manhattanLength() <= 4);
    QCOMPARE(dialog.mode, LoginMode::StartUp);
    QCOMPARE(dialog.FailedAttempts, 0);
    button(dialog, "btnCancel")->click();
    QVERIFY(!dialog.isVisible());
}

void TestLogin::administratorSeesEverything() {
    TestEnv env;
    FakeHost host;
    // Start from a window that shows nothing, so every command must be turned back on.
    SetLimits(env.dm(), &host.window, QString());
    QVERIFY(host.allowedCommands().isEmpty());

    const QDateTime before = QDateTime::currentDateTime();
    const LoginResult result = runLogin(
        env, host, 0, [](LoginDialog &dialog) { attempt(dialog, "  Admin ", QString()); });
    const QDateTime after = QDateTime::currentDateTime();

    QCOMPARE(result, LoginResult::LoggedIn);
    QCOMPARE(host.allowedCommands(), governedCommands() + detailCommands());
    QCOMPARE(host.shownMenus(), MenuNames);
    QCOMPARE(AppSettings::CurrentOperator, QStringLiteral("Admin"));
    QCOMPARE(lastOperatorInConfig(), QStringLiteral("Admin"));
    QCOMPARE(host.shownOperators, QStringList({"Admin"}));
    QVERIFY(host.loginTimes[0] >= before);
    QVERIFY(host.loginTimes[0] <= after);
    QVERIFY(env.dialogs().messages.isEmpty());
    QVERIFY(logEntries(env).isEmpty());
}

void TestLogin::operatorSeesOnlyGrantedCommands_data() {
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<QStringList>("granted");
    QTest::addColumn<QStringList>("expectedCommands");
    QTest::addColumn<QStringList>("expectedMenus");

    QTest::newRow("no permissions") << "clerk" << QStringList() << QStringList() << QStringList();
    QTest::newRow("file menu only")
        << "clerk" << QStringList({"102", "106"}) << QStringList({"Action102", "Action106"})
        << QStringList({"mi100"});
    QTest::newRow("editing commands and their detail twins")
        << "clerk" << QStringList({"201", "203", "206", "210"})
        << QStringList({"Action201", "Action203", "Action206", "Action210", "Action901",
                        "Action903", "Action906"})
        << QStringList({"mi200"});
    QTest::newRow("three menus, name typed in capitals")
        << " CLERK" << QStringList({"505", "305", "401"})
        << QStringList({"Action305", "Action401", "Action505"})
        << QStringList({"mi300", "mi400", "mi500"});
}

// The window starts with everything on, as a previous administrator left it. Another operator
// holds every permission, so rows that are not the login operator's must not count.
void TestLogin::operatorSeesOnlyGrantedCommands() {
    QFETCH(QString, typedName);
    QFETCH(QStringList, granted);
    QFETCH(QStringList, expectedCommands);
    QFETCH(QStringList, expectedMenus);
    TestEnv env;
    FakeHost host;
    addOperator(env, "clerk", "pw");
    grant(env, "clerk", granted);
    QStringList everything;
    for (const auto &permission : Catalogues::permissions())
        everything << QLatin1String(permission.code);
    grant(env, "boss", everything);

    const LoginResult result =
        runLogin(env, host, 0, [&](LoginDialog &dialog) { attempt(dialog, typedName, "pw"); });

    QCOMPARE(result, LoginResult::LoggedIn);
    QCOMPARE(host.allowedCommands(), expectedCommands);
    QCOMPARE(host.shownMenus(), expectedMenus);
    // Commands no permission governs are left alone; they go only with their menu.
    QVERIFY(IsCommandAllowed(host.action("N43")));
    QCOMPARE(host.menu("mi100")->menuAction()->isVisible(), expectedMenus.contains("mi100"));

    // Nor can a forbidden command be run from code.
    QStringList ran;
    for (const QString &name : governedCommands() + detailCommands()) {
        QAction *action = host.action(name);
        QObject::connect(action, &QAction::triggered, [&ran, name] { ran << name; });
        action->trigger();
    }
    QCOMPARE(ran, expectedCommands);
}

// Shortcuts are how a hidden command could still be reached: neither a forbidden command's own
// nor that of an ungoverned command in a hidden menu may fire.
void TestLogin::hiddenCommandsCannotBeReached() {
    TestEnv env;
    FakeHost host;
    host.action("Action101")->setShortcut(QKeySequence("Ctrl+F1"));
    host.action("N43")->setShortcut(QKeySequence("Ctrl+F2"));
    host.action("Action201")->setShortcut(QKeySequence("Ctrl+F3"));
    host.action("Action902")->setShortcut(QKeySequence("Ctrl+F4"));
    QStringList ran;
    for (const char *name : {"Action101", "N43", "Action201", "Action902"})
        QObject::connect(host.action(name), &QAction::triggered, [&ran, name] { ran << name; });
    addOperator(env, "clerk", "pw");
    grant(env, "clerk", {"201"});
    QCOMPARE(runLogin(env, host, 0, [](LoginDialog &d) { attempt(d, "clerk", "pw"); }),
             LoginResult::LoggedIn);

    host.window.show();
    QApplication::setActiveWindow(&host.window);
    QVERIFY(QTest::qWaitForWindowActive(&host.window));
    for (int key : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4})
        QTest::keyClick(&host.window, Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(ran, QStringList({"Action201"}));
}

// A window that has not built every command yet: what is missing is skipped, and menus and
// detail commands follow the permissions rather than the actions that happen to exist.
void TestLogin::permissionsOnAPartialWindow() {
    TestEnv env;
    grant(env, "clerk", {"102", "201"});
    QMainWindow window;
    QMenu *file = window.menuBar()->addMenu("文件");
    file->setObjectName("mi100");
    QAction *exit = file->addAction("退出系统");
    exit->setObjectName("miExit");
    QAction *detail = window.addToolBar("明细")->addAction("新增明细");
    detail->setObjectName("Action901");

    AppSettings::CurrentOperator = "clerk";
    SetLimits(env.dm(), &window, "clerk");
    QVERIFY(file->menuAction()->isVisible());
    QVERIFY(IsCommandAllowed(detail));

    AppSettings::CurrentOperator = "nobody";
    SetLimits(env.dm(), &window, "nobody");
    QVERIFY(!file->menuAction()->isVisible());
    QVERIFY(!IsCommandAllowed(detail));

    AppSettings::CurrentOperator = " ADMIN ";
    SetLimits(env.dm(), &window, " ADMIN ");
    QVERIFY(file->menuAction()->isVisible());
    QVERIFY(IsCommandAllowed(detail));
    QVERIFY(IsCommandAllowed(exit));
    QVERIFY(!IsCommandAllowed(nullptr));
    QVERIFY(env.dialogs().messages.isEmpty());
}

void TestLogin::failedPasswords_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("wrongTries");
    QTest::addColumn<bool>("thenRight");
    QTest::addColumn<LoginResult>("expectedResult");
    QTest::addColumn<QStringList>("expectedLog");
    QTest::addColumn<QString>("finalMessage");

    QTest::newRow("three wrong, then right")
        << 0 << QStringList({"clerk", "clerk", "clerk"}) << true << LoginResult::LoggedIn
        << QStringList() << QString();
    QTest::newRow("four wrong at start-up, names changed between")
        << 0 << QStringList({"clerk", "admin", "clerk", "admin"}) << false << LoginResult::Terminate
        << QStringList({"|登录失败！"}) << "非法操作员!";
    QTest::newRow("four wrong on a change of operator")
        << 1 << QStringList({"clerk", "clerk", "clerk", "clerk"}) << false << LoginResult::Cancelled
        << QStringList({"admin|更换操作员失败！"}) << "更换操作员失败!";
}

void TestLogin::failedPasswords() {
    QFETCH(int, mode);
    QFETCH(QStringList, wrongTries);
    QFETCH(bool, thenRight);
    QFETCH(LoginResult, expectedResult);
    QFETCH(QStringList, expectedLog);
    QFETCH(QString, finalMessage);
    TestEnv env;
    FakeHost host;
    addOperator(env, "clerk", "secret");
    grant(env, "clerk", {"101"});
    if (mode == 1)
        logInAsAdmin(env, host);
    const QString operatorBefore = AppSettings::CurrentOperator;
    const QString configBefore = lastOperatorInConfig();
    const QStringList commandsBefore = host.allowedCommands();
    const qsizetype loginsBefore = host.shownOperators.size();

    const LoginResult result = runLogin(env, host, mode, [&](LoginDialog &dialog) {
        for (int i = 0; i < wrongTries.size(); ++i) {
            attempt(dialog, wrongTries[i], "Secret");
            QCOMPARE(dialog.FailedAttempts, i + 1);
            if (!dialog.isVisible())
                return;
            QVERIFY(passwordBox(dialog)->text().isEmpty());
            QCOMPARE(dialog.focusWidget(), passwordBox(dialog));
        }
        if (thenRight)
            attempt(dialog, "clerk", "secret");
    });

    QCOMPARE(result, expectedResult);
    QCOMPARE(logEntries(env), expectedLog);
    QList<int> kinds;
    QStringList texts;
    for (const auto &message : env.dialogs().messages) {
        texts << message.text;
        kinds << message.kind;
    }
    QStringList expectedTexts(3, WrongPassword);
    QList<int> expectedKinds(3, MessInfo);
    if (!finalMessage.isEmpty()) {
        expectedTexts << finalMessage;
        expectedKinds << MessError;
    }
    QCOMPARE(texts, expectedTexts);
    QCOMPARE(kinds, expectedKinds);
    if (thenRight) {
        QCOMPARE(AppSettings::CurrentOperator, QStringLiteral("clerk"));
        QCOMPARE(host.allowedCommands(), QStringList({"Action101"}));
    } else {
        QCOMPARE(AppSettings::CurrentOperator, operatorBefore);
        QCOMPARE(lastOperatorInConfig(), configBefore);
        QCOMPARE(host.allowedCommands(), commandsBefore);
        QCOMPARE(host.shownOperators.size(), loginsBefore);
    }
}

void TestLogin::passwordIsComparedExactly_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("as stored") << " Pa55 word " << true;
    QTest::newRow("trimmed") << "Pa55 word" << false;
    QTest::newRow("lower case") << " pa55 word " << false;
    QTest::newRow("upper case") << " PA55 WORD " << false;
}

void TestLogin::passwordIsComparedExactly() {
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    TestEnv env;
    FakeHost host;
    addOperator(env, "clerk", " Pa55 word ");

    const LoginResult result = runLogin(
        env, host, 1, [&](LoginDialog &dialog) { attempt(dialog, "clerk", typed); }, !accepted);

    QCOMPARE(result, accepted ? LoginResult::LoggedIn : LoginResult::Cancelled);
    QCOMPARE(AppSettings::CurrentOperator, accepted ? QStringLiteral("clerk") : QString());
    QCOMPARE(env.dialogs().messageTexts(), accepted ? QStringList() : QStringList(WrongPassword));
}

void TestLogin::nameProblemsDoNotCount_data() {
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << ""
                           << "请选择用户！";
    QTest::newRow("blanks") << "   "
                            << "请选择用户！";
    QTest::newRow("unknown") << "nobody"
                             << "此操作员并不存在，请重新选择操作员！";
    QTest::newRow("quote") << "admin' or '1'='1"
                           << "此操作员并不存在，请重新选择操作员！";
}

// More name problems than wrong passwords are allowed, and the dialog still lets the operator in.
void TestLogin::nameProblemsDoNotCount() {
    QFETCH(QString, typedName);
    QFETCH(QString, message);
    TestEnv env;
    FakeHost host;
    const int tries = LoginDialog::MaxFailedAttempts + 1;

    const LoginResult result = runLogin(env, host, 0, [&](LoginDialog &dialog) {
        for (int i = 0; i < tries; ++i)
            attempt(dialog, typedName, "anything");
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.FailedAttempts, 0);
        QCOMPARE(dialog.focusWidget(), nameBox(dialog));
        attempt(dialog, "admin", QString());
    });

    QCOMPARE(result, LoginResult::LoggedIn);
    QCOMPARE(env.dialogs().messages.size(), tries);
    for (const auto &shown : env.dialogs().messages) {
        QCOMPARE(shown.text, message);
        QCOMPARE(shown.kind, int(MessInfo));
    }
    QVERIFY(logEntries(env).isEmpty());
}

void TestLogin::operatorsWhoCanLogIn_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("disabled");
    QTest::newRow("quote in name and password") << "O'Brien"
                                                << "it's" << 0;
    QTest::newRow("disabled operator") << "张三"
                                       << "密码" << 1;
}

// Every named operator is offered, disabled ones too; an operator without a name is not.
void TestLogin::operatorsWhoCanLogIn() {
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(int, disabled);
    TestEnv env;
    FakeHost host;
    addOperator(env, name, password, disabled);
    QVERIFY(env.dm().ExecuteSQL("insert into OperList (F_Name, F_PassWord) values ('', '')"));
    grant(env, name, {"304"});

    QStringList offered;
    const LoginResult result = runLogin(env, host, 0, [&](LoginDialog &dialog) {
        for (int i = 0; i < nameBox(dialog)->count(); ++i)
            offered << nameBox(dialog)->itemText(i);
        attempt(dialog, name, password);
    });

    offered.sort();
    QStringList expectedOffered = {"admin", name};
    expectedOffered.sort();
    QCOMPARE(offered, expectedOffered);
    QCOMPARE(result, LoginResult::LoggedIn);
    QCOMPARE(AppSettings::CurrentOperator, name);
    QCOMPARE(lastOperatorInConfig(), name);
    QCOMPARE(host.shownOperators, QStringList({name}));
    QCOMPARE(host.allowedCommands(), QStringList({"Action304"}));
}

// Enter moves from the name to the password and confirms there; the next opening offers the
// operator who logged in last and puts the cursor on the password.
void TestLogin::lastOperatorAndEnterKey() {
    TestEnv env;
    FakeHost host;
    addOperator(env, "clerk", "pw");

    const LoginResult first = runLogin(env, host, 0, [](LoginDialog &dialog) {
        QCOMPARE(nameBox(dialog)->currentText(), QString());
        QCOMPARE(dialog.focusWidget(), nameBox(dialog));
        QTest::keyClicks(nameBox(dialog), "clerk");
        QTest::keyClick(nameBox(dialog), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.focusWidget(), passwordBox(dialog));
        QTest::keyClicks(passwordBox(dialog), "pw");
        QTest::keyClick(passwordBox(dialog), Qt::Key_Return);
    });
    QCOMPARE(first, LoginResult::LoggedIn);
    QCOMPARE(lastOperatorInConfig(), QStringLiteral("clerk"));

    QVERIFY(AppSettings::ConfigFile().writeString("config", "CUROPERNAME", "admin"));
    const LoginResult second = runLogin(
        env, host, 1,
        [](LoginDialog &dialog) {
            QCOMPARE(nameBox(dialog)->currentText(), QStringLiteral("admin"));
            QCOMPARE(dialog.focusWidget(), passwordBox(dialog));
        },
        true);
    QCOMPARE(second, LoginResult::Cancelled);
    QCOMPARE(lastOperatorInConfig(), QStringLiteral("admin"));
    QCOMPARE(AppSettings::CurrentOperator, QStringLiteral("clerk"));
    QVERIFY(env.dialogs().messages.isEmpty());
}

void TestLogin::onlyCancelLeaves_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<LoginResult>("expectedResult");
    QTest::newRow("start-up") << 0 << LoginResult::Terminate;
    QTest::newRow("change of operator") << 1 << LoginResult::Cancelled;
}

// Esc, closing the window and reject() all leave the dialog up, even with a correct password
// typed; 取消 then leaves without changing anything.
void TestLogin::onlyCancelLeaves() {
    QFETCH(int, mode);
    QFETCH(LoginResult, expectedResult);
    TestEnv env;
    FakeHost host;
    addOperator(env, "clerk", "pw");
    if (mode == 1)
        logInAsAdmin(env, host);
    const QString operatorBefore = AppSettings::CurrentOperator;
    const QString configBefore = lastOperatorInConfig();
    const QStringList commandsBefore = host.allowedCommands();
    const qsizetype loginsBefore = host.shownOperators.size();

    const LoginResult result = runLogin(env, host, mode, [](LoginDialog &dialog) {
        nameBox(dialog)->setEditText("clerk");
        passwordBox(dialog)->setText("pw");
        QTest::keyClick(passwordBox(dialog), Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.close());
        dialog.reject();
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(button(dialog, "btnCancel"), Qt::LeftButton);
    });

    QCOMPARE(result, expectedResult);
    QCOMPARE(AppSettings::CurrentOperator, operatorBefore);
    QCOMPARE(lastOperatorInConfig(), configBefore);
    QCOMPARE(host.allowedCommands(), commandsBefore);
    QCOMPARE(host.shownOperators.size(), loginsBefore);
    QVERIFY(env.dialogs().messages.isEmpty());
    QVERIFY(logEntries(env).isEmpty());
}

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
