#include "gui/dialogs/TextPromptDialog.h"

#include "core/app/AppPaths.h"
#include "core/app/UserDialogs.h"
#include "gui/widgets/WindowPlacement.h"

#include <QBoxLayout>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

TextPromptDialog::TextPromptDialog(Kind kind, QWidget *parent) : QDialog(parent), m_kind(kind) {
    if (m_kind == Kind::Value) {
        setObjectName(QStringLiteral("DLGeditCurList"));
        setWindowTitle(tr("批量修改当前列"));
    } else {
        setObjectName(QStringLiteral("DLGenterCaption"));
    }
    buildControls();
    buildLayout();
    if (m_kind == Kind::Value)
        resize(380, 150);
}

void TextPromptDialog::buildControls() {
    Label1 = new QLabel(m_kind == Kind::Value ? tr("请输入要填写的字段值：") : tr("节点名称"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    edtCurValue = new QLineEdit(this);
    edtCurValue->setObjectName(QStringLiteral("edtCurValue"));
    Label1->setBuddy(edtCurValue);

    sbtype = new QToolButton(this);
    sbtype->setObjectName(QStringLiteral("sbtype"));
    sbtype->setText(QStringLiteral("…"));
    sbtype->setToolTip(tr("从列表中选择"));
    sbtype->setFocusPolicy(Qt::NoFocus);
    sbtype->hide();
    connect(sbtype, &QToolButton::clicked, this, &TextPromptDialog::chooseFromTree);

    // OK is the default button, so Enter in the edit confirms; Esc cancels through QDialog.
    Button1 = new QPushButton(tr("确定"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(tr("取消"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TextPromptDialog::confirm);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    auto *save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(save, &QShortcut::activated, this, &TextPromptDialog::confirm);
}

// The value prompt puts its question above the edit and can be resized; the name prompt puts
// the label beside the edit and its tree button, and keeps the size its contents need.
void TextPromptDialog::buildLayout() {
    auto *group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto *fields = new QBoxLayout(
        m_kind == Kind::Value ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, group);
    fields->addWidget(Label1);
    fields->addWidget(edtCurValue, 1);
    fields->addWidget(sbtype);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    if (m_kind == Kind::Value) {
        layout->addStretch();
    } else {
        edtCurValue->setMinimumWidth(260);
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }
    layout->addLayout(buttons);
}

void TextPromptDialog::SetValuePrompt(const QString &text) {
    if (Label1->text() != text)
        Label1->setText(text);
}

QString TextPromptDialog::AskValue(const QString &initial) { return ask(initial, false); }

QString TextPromptDialog::AskPictureName(const QString &initial) {
    setWindowTitle(tr("提示 "));
    return ask(initial, true);
}

QString TextPromptDialog::AskText(const QString &caption, const QString &initial) {
    setWindowTitle(caption);
    return ask(initial, false);
}

void TextPromptDialog::setTreePicker(TreePicker picker) {
    m_picker = std::move(picker);
    sbtype->setVisible(static_cast<bool>(m_picker));
}

// The initial text is selected, so typing replaces it and Enter keeps it.
QString TextPromptDialog::ask(const QString &initial, bool pictureName) {
    m_pictureName = pictureName;
    edtCurValue->setText(initial);
    edtCurValue->selectAll();
    edtCurValue->setFocus();
    if (m_kind == Kind::Name)
        adjustSize(); // the caption decides the width
    CentreOnScreen(this);
    return exec() == QDialog::Accepted ? edtCurValue->text() : QString();
}

// A value for a column is only data: whatever happens to lie in the images folder must not
// stop it. Only a picture name becomes a file there.
bool TextPromptDialog::asksForPicture() const {
    return m_kind == Kind::Value && (m_pictureName || !m_pictureExtension.isEmpty());
}

// The picture is written under exactly the name typed, so that is the name checked: the guard
// is there to keep an existing picture from being overwritten, nothing more. The name prompt
// has always said "部门名称" whatever the name is for.
void TextPromptDialog::confirm() {
    const QString text = edtCurValue->text();
    QString refusal;
    if (text.trimmed().isEmpty())
        refusal = m_kind == Kind::Value ? tr("当前输入不能为空！") : tr("部门名称不能为空！");
    else if (asksForPicture() &&
             QFileInfo::exists(AppPaths::imagesFolder() + text + m_pictureExtension))
        refusal = tr("当前文件名已经存在，请更换图片名！");
    if (refusal.isEmpty()) {
        accept();
        return;
    }
    ShowMess(refusal, MessInfo);
    edtCurValue->setFocus();
}

// The caller's caption arrives translated, so it is compared with the translated tree name.
void TextPromptDialog::chooseFromTree() {
    const TreeMode mode =
        windowTitle() == tr("设备类型") ? TreeMode::ChooseType : TreeMode::ChooseDepartment;
    if (m_picker)
        edtCurValue->setText(m_picker(mode, edtCurValue->text()));
    edtCurValue->setFocus();
}

QString AskText(const QString &caption, const QString &initial, TreePicker picker,
                QWidget *parent) {
    TextPromptDialog dialog(TextPromptDialog::Kind::Name, parent);
    dialog.setTreePicker(std::move(picker));
    return dialog.AskText(caption, initial);
}
