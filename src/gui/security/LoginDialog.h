#pragma once

#include <QDialog>

class QComboBox;
class QDateTime;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class Database;

// What the login needs from the main window, so the dialog does not depend on its class.
class LoginHost {
public:
    virtual ~LoginHost() = default;
    // The window that holds the governed actions and menus (see SetLimits).
    virtual QWidget *commandWindow() = 0;
    // Shows who is logged in and since when.
    virtual void showOperator(const QString &name, const QDateTime &loginTime) = 0;
};

enum class LoginResult { LoggedIn, Cancelled, Terminate };

// When the login is shown: at start-up, or when the operator changes.
enum class LoginMode { StartUp = 0, ChangeOperator = 1 };

// The operator login, at start-up and when the operator changes.
// The dialog can only be left through its two buttons: Esc and the window manager's close do
// nothing. The fourth wrong password in one opening is logged and ends it: at start-up the
// program is to end, on a change of operator the previous operator stays.
class LoginDialog : public QDialog {
    Q_OBJECT
public:
    // The result code of an opening that means "end the program"; Accepted is a login and
    // Rejected a cancelled change of operator.
    static constexpr int TerminateProgram = 2;
    // Wrong passwords allowed before the dialog gives up.
    static constexpr int MaxFailedAttempts = 4;

    LoginDialog(Database &dm, LoginHost *host, QWidget *parent = nullptr);

    LoginMode mode = LoginMode::StartUp;
    int FailedAttempts = 0; // wrong passwords since the dialog opened, whatever the names

    // Does nothing: only 取消 leaves without a login.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildBanner();
    QLabel *buildPrompt();
    QGroupBox *buildFields();
    QHBoxLayout *buildButtons();
    void previewKeys();

    void prepareOpening();
    void onOk();
    void onCancel();
    bool checkName(const QString &name);
    void passwordRejected();
    void giveUp();
    void ApplyLogin();

    Database &m_dm;
    LoginHost *m_host;
    QComboBox *m_name = nullptr;
    QLineEdit *m_password = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};

// Creates the login dialog in the given mode, shows it modally and destroys it. `host` may be
// null when there is no main window to update.
LoginResult ShowLogin(Database &dm, LoginHost *host, LoginMode mode, QWidget *parent = nullptr);
