#include "gui/dialogs/NamePromptDialog.h"
#include "gui/widgets/WindowPlacement.h"

#include "core/app/UserDialogs.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace {


} // namespace

NamePromptDialog::NamePromptDialog(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DLGenterCaption"));
    buildControls();
    buildLayout();
}

void NamePromptDialog::buildControls() {
    Label1 = new QLabel(tr("节点名称"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    edtCurValue = new QLineEdit(this);
    edtCurValue->setObjectName(QStringLiteral("edtCurValue"));
    edtCurValue->setMinimumWidth(260);
    Label1->setBuddy(edtCurValue);

    sbtype = new QToolButton(this);
    sbtype->setObjectName(QStringLiteral("sbtype"));
    sbtype->setText(QStringLiteral("…"));
    sbtype->setToolTip(tr("从列表中选择"));
    sbtype->setFocusPolicy(Qt::NoFocus);
    sbtype->hide();
    connect(sbtype, &QToolButton::clicked, this, &NamePromptDialog::chooseFromTree);

    // OK is the default button, so Enter in the edit confirms; Esc cancels through QDialog.
    Button1 = new QPushButton(tr("确定"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(tr("取消"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &NamePromptDialog::confirm);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void NamePromptDialog::buildLayout() {
    auto *group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto *fields = new QHBoxLayout(group);
    fields->addWidget(Label1);
    fields->addWidget(edtCurValue, 1);
    fields->addWidget(sbtype);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    // A fixed border: the dialog keeps the size its contents need.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void NamePromptDialog::setTreePicker(TreePicker picker) {
    m_picker = std::move(picker);
    sbtype->setVisible(static_cast<bool>(m_picker));
}

// The initial text is selected, so typing replaces it and Enter keeps it.
QString NamePromptDialog::AskText(const QString &caption, const QString &initial) {
    setWindowTitle(caption);
    edtCurValue->setText(initial);
    edtCurValue->selectAll();
    edtCurValue->setFocus();
    adjustSize();
    CentreOnScreen(this);
    return exec() == QDialog::Accepted ? edtCurValue->text() : QString();
}

// The same words whatever the name is for: the dialog has always said so.
void NamePromptDialog::confirm() {
    if (edtCurValue->text().trimmed().isEmpty()) {
        ShowMess(tr("部门名称不能为空！"), MessInfo);
        edtCurValue->setFocus();
        return;
    }
    accept();
}

// The caller's caption arrives translated, so it is compared with the translated tree name.
void NamePromptDialog::chooseFromTree() {
    const TreeMode mode =
        windowTitle() == tr("设备类型") ? TreeMode::ChooseType : TreeMode::ChooseDepartment;
    if (m_picker)
        edtCurValue->setText(m_picker(mode, edtCurValue->text()));
    edtCurValue->setFocus();
}

QString AskText(const QString &caption, const QString &initial, TreePicker picker,
                QWidget *parent) {
    NamePromptDialog dialog(parent);
    dialog.setTreePicker(std::move(picker));
    return dialog.AskText(caption, initial);
}
