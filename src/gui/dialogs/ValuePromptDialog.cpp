#include "gui/dialogs/ValuePromptDialog.h"
#include "gui/widgets/WindowPlacement.h"

#include "core/app/AppPaths.h"
#include "core/app/UserDialogs.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

ValuePromptDialog::ValuePromptDialog(QWidget *parent)
    : QDialog(parent), m_prompt(new QLabel(tr("请输入要填写的字段值："), this)),
      m_value(new QLineEdit(this)), m_ok(new QPushButton(tr("确定"), this)),
      m_cancel(new QPushButton(tr("取消"), this)) {
    setObjectName(QStringLiteral("DLGeditCurList"));
    setWindowTitle(tr("批量修改当前列"));
    m_prompt->setObjectName(QStringLiteral("Label1"));
    m_value->setObjectName(QStringLiteral("edtCurValue"));
    buildButtons();
    buildLayout();
    buildShortcuts();
    resize(380, 150);
}

// OK is the default button, so Enter in the edit confirms.
void ValuePromptDialog::buildButtons() {
    m_ok->setObjectName(QStringLiteral("Button1"));
    m_cancel->setObjectName(QStringLiteral("Button2"));
    m_ok->setDefault(true);
    m_cancel->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &ValuePromptDialog::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ValuePromptDialog::buildLayout() {
    auto *group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto *fields = new QVBoxLayout(group);
    fields->addWidget(m_prompt);
    fields->addWidget(m_value);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch();
    layout->addLayout(buttons);
}

// Esc cancels through QDialog itself.
void ValuePromptDialog::buildShortcuts() {
    auto *save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(save, &QShortcut::activated, this, &ValuePromptDialog::confirm);
}

void ValuePromptDialog::SetValuePrompt(const QString &text) {
    if (m_prompt->text() != text)
        m_prompt->setText(text);
}

QString ValuePromptDialog::AskValue(const QString &initial) {
    return ask(initial, false);
}

QString ValuePromptDialog::AskPictureName(const QString &initial) {
    setWindowTitle(tr("提示 "));
    return ask(initial, true);
}

// The initial text is selected, so typing replaces it and Enter keeps it.
QString ValuePromptDialog::ask(const QString &initial, bool pictureName) {
    m_pictureName = pictureName;
    m_value->setText(initial);
    m_value->selectAll();
    m_value->setFocus();
    CentreOnScreen(this);
    return exec() == QDialog::Accepted ? m_value->text() : QString();
}

// A value for a column is only data: whatever happens to lie in the images folder must not
// stop it. Only a picture name becomes a file there.
bool ValuePromptDialog::asksForPicture() const {
    return m_pictureName || !m_pictureExtension.isEmpty();
}

// The picture is written under exactly the name typed, so that is the name checked: the guard
// is there to keep an existing picture from being overwritten, nothing more.
void ValuePromptDialog::confirm() {
    const QString text = m_value->text();
    if (text.trimmed().isEmpty()) {
        refuse(tr("当前输入不能为空！"));
        return;
    }
    if (asksForPicture() &&
        QFileInfo::exists(AppPaths::imagesFolder() + text + m_pictureExtension)) {
        refuse(tr("当前文件名已经存在，请更换图片名！"));
        return;
    }
    accept();
}

void ValuePromptDialog::refuse(const QString &message) {
    ShowMess(message, MessInfo);
    m_value->setFocus();
}

