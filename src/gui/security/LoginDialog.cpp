#include "gui/security/LoginDialog.h"

#include "core/security/OperatorStore.h"
#include "gui/widgets/WindowPlacement.h"

#include "gui/security/CommandPermissions.h"
#include "core/data/Database.h"
#include "gui/widgets/WidgetHelpers.h"
#include "core/app/IniFile.h"
#include "core/app/AppSettings.h"
#include "core/app/Passwords.h"
#include "core/app/UserDialogs.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const QString ConfigSection = QStringLiteral("Config");
const QString LastOperatorKey = QStringLiteral("CurOperName");

// The strip across the top of the dialog: the product's name on a blue gradient.
class LoginBanner final : public QWidget {
public:
    explicit LoginBanner(QWidget *parent) : QWidget(parent) {
        setObjectName(QStringLiteral("pnlBanner"));
        setFixedHeight(46);
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QLinearGradient sky(0, 0, width(), height());
        sky.setColorAt(0.0, QColor(38, 84, 140));
        sky.setColorAt(1.0, QColor(120, 160, 210));
        painter.fillRect(rect(), sky);

        // A thin light rule under the title keeps the strip from looking like a flat block.
        painter.setPen(QPen(QColor(255, 255, 255, 90), 1));
        painter.drawLine(14, height() - 9, width() - 14, height() - 9);

        QFont title = font();
        title.setPixelSize(17);
        title.setBold(true);
        painter.setFont(title);
        painter.setPen(Qt::white);
        painter.drawText(rect().adjusted(14, 0, -14, -10), Qt::AlignLeft | Qt::AlignVCenter,
                         AppSettings::ApplicationTitle());
    }
};

bool isEnterKey(const QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

LoginDialog::LoginDialog(Database &dm, LoginHost *host, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_dm(dm),
      m_host(host) {
    setObjectName(QStringLiteral("frmOperLogin"));
    setWindowTitle(tr("登录窗口"));
    setFixedSize(338, 223);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->setSpacing(4);
    layout->addWidget(buildBanner());
    layout->addWidget(buildPrompt());
    layout->addWidget(buildFields(), 0, Qt::AlignHCenter);
    layout->addLayout(buildButtons());
    previewKeys();
    CentreOnScreen(this);
}

QWidget *LoginDialog::buildBanner() {
    return new LoginBanner(this);
}

QLabel *LoginDialog::buildPrompt() {
    auto *prompt =
        new QLabel(tr("请输入正确的操作员编号及密码，系统管理员“admin”，系统初始密码为空："), this);
    prompt->setObjectName(QStringLiteral("lblPrompt"));
    prompt->setWordWrap(true);
    prompt->setStyleSheet(QStringLiteral("color: blue;"));
    prompt->setContentsMargins(12, 0, 12, 0);
    return prompt;
}

QGroupBox *LoginDialog::buildFields() {
    auto *group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("grpLogin"));
    auto *grid = new QGridLayout(group);
    grid->setContentsMargins(16, 6, 16, 6);

    m_name = new QComboBox(group);
    m_name->setObjectName(QStringLiteral("cbbOperName"));
    m_name->setEditable(true);
    // A typed name is looked up, never added to the list.
    m_name->setInsertPolicy(QComboBox::NoInsert);
    m_name->lineEdit()->setMaxLength(50);

    m_password = new QLineEdit(group);
    m_password->setObjectName(QStringLiteral("edtPassWord"));
    m_password->setEchoMode(QLineEdit::Password);

    auto *nameLabel = new QLabel(tr("姓  名："), group);
    nameLabel->setBuddy(m_name);
    auto *passwordLabel = new QLabel(tr("密  码："), group);
    passwordLabel->setBuddy(m_password);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(m_name, 0, 1);
    grid->addWidget(passwordLabel, 1, 0);
    grid->addWidget(m_password, 1, 1);
    // Inset from the dialog's edges, which the banner runs up to.
    group->setFixedWidth(width() - 24);
    return group;
}

QHBoxLayout *LoginDialog::buildButtons() {
    m_ok = new QPushButton(tr("确定"), this);
    m_ok->setObjectName(QStringLiteral("btnOk"));
    m_cancel = new QPushButton(tr("取消"), this);
    m_cancel->setObjectName(QStringLiteral("btnCancel"));

    auto *row = new QHBoxLayout;
    row->setContentsMargins(12, 0, 12, 0);
    row->addStretch();
    row->addWidget(m_ok);
    row->addWidget(m_cancel);

    connect(m_ok, &QPushButton::clicked, this, &LoginDialog::onOk);
    connect(m_cancel, &QPushButton::clicked, this, &LoginDialog::onCancel);
    return row;
}

// The dialog sees every keystroke before the control that has the focus, so Enter can move
// through the fields the way operators are used to.
void LoginDialog::previewKeys() {
    const QList<QWidget *> children = findChildren<QWidget *>();
    for (QWidget *child : children)
        child->installEventFilter(this);
}

void LoginDialog::showEvent(QShowEvent *event) {
    // A window restored by the desktop is not a new opening.
    if (!event->spontaneous())
        prepareOpening();
    QDialog::showEvent(event);
}

void LoginDialog::prepareOpening() {
    FailedAttempts = 0;
    FillComboBySQL(m_dm, OperatorNamesSql(), m_name);
    m_name->setEditText(AppSettings::ConfigFile().readString(ConfigSection, LastOperatorKey));
    // The usual operator only has to type the password.
    if (m_name->currentText().trimmed().isEmpty())
        m_name->setFocus();
    else
        m_password->setFocus();
}

bool LoginDialog::eventFilter(QObject *watched, QEvent *event) {
    if (!isEnterKey(event) || qobject_cast<QPushButton *>(watched))
        return QDialog::eventFilter(watched, event);
    if (watched == m_password)
        onOk();
    else
        focusNextChild();
    return true;
}

void LoginDialog::reject() {}

void LoginDialog::closeEvent(QCloseEvent *event) {
    event->ignore();
}

void LoginDialog::onOk() {
    const QString name = m_name->currentText().trimmed();
    if (!checkName(name))
        return;
    const QString stored = StoredPasswordHash(m_dm, name);
    // The password is compared exactly as typed: blanks and letter case are part of it.
    if (CheckPass(m_password->text(), stored)) {
        ApplyLogin();
        accept();
        return;
    }
    passwordRejected();
}

// A missing or unknown name is a slip in choosing the operator, not a guessed password, so it
// does not count as a failed attempt.
bool LoginDialog::checkName(const QString &name) {
    QString problem;
    if (name.isEmpty())
        problem = tr("请选择用户！");
    else if (!OperatorExists(m_dm, name))
        problem = tr("此操作员并不存在，请重新选择操作员！");
    if (problem.isEmpty())
        return true;
    ShowMess(problem, MessInfo);
    m_name->setFocus();
    return false;
}

void LoginDialog::passwordRejected() {
    ++FailedAttempts;
    if (FailedAttempts >= MaxFailedAttempts) {
        giveUp();
        return;
    }
    ShowMess(tr("用户名或密码不正确，请重新输入！"), MessInfo);
    m_password->clear();
    m_password->setFocus();
}

// Logged before anyone is accepted, so the log names the operator who was logged in when the
// attempts were made: nobody at start-up, the previous operator on a change.
void LoginDialog::giveUp() {
    if (mode == LoginMode::ChangeOperator) {
        m_dm.WriteLog(QStringLiteral("更换操作员失败！"));
        ShowMess(tr("更换操作员失败!"), MessError);
        done(Rejected);
        return;
    }
    m_dm.WriteLog(QStringLiteral("登录失败！"));
    ShowMess(tr("非法操作员!"), MessError);
    done(TerminateProgram);
}

void LoginDialog::onCancel() {
    done(mode == LoginMode::ChangeOperator ? int(Rejected) : TerminateProgram);
}

void LoginDialog::ApplyLogin() {
    const QString name = m_name->currentText().trimmed();
    AppSettings::CurrentOperator = name;
    AppSettings::ConfigFile().writeString(ConfigSection, LastOperatorKey, name);
    if (!m_host)
        return;
    SetLimits(m_dm, m_host->commandWindow(), name);
    m_host->showOperator(name, QDateTime::currentDateTime());
}

LoginResult ShowLogin(Database &dm, LoginHost *host, LoginMode mode, QWidget *parent) {
    LoginDialog dialog(dm, host, parent);
    dialog.mode = mode;
    const int result = dialog.exec();
    if (result == QDialog::Accepted)
        return LoginResult::LoggedIn;
    // Whatever else ends a start-up login leaves nobody logged in, so the program must end.
    if (mode == LoginMode::ChangeOperator && result != LoginDialog::TerminateProgram)
        return LoginResult::Cancelled;
    return LoginResult::Terminate;
}
