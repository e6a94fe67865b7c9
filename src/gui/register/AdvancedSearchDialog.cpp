#include "gui/register/AdvancedSearchDialog.h"

#include "gui/widgets/FormKeys.h"

#include "core/register/EquipmentFilter.h"
#include "core/data/Database.h"
#include "gui/widgets/WidgetHelpers.h"
#include "gui/widgets/CheckDateEdit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using Usage = AdvancedQueryInput::Usage;

const char *const UsageCaptions[] = {QT_TRANSLATE_NOOP("AdvancedSearchDialog", "全    部"),
                                     QT_TRANSLATE_NOOP("AdvancedSearchDialog", "正常使用"),
                                     QT_TRANSLATE_NOOP("AdvancedSearchDialog", "停    用")};
const char *const UsageNames[] = {"rbAll", "rbInUse", "rbStopped"};

QLineEdit *lineEdit(QWidget *parent, const QString &name) {
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

QComboBox *pickListCombo(QWidget *parent, const QString &name) {
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    // A typed value is searched for, not added to the list.
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

CheckDateEdit *dateEdit(QWidget *parent, const QString &name) {
    auto *date = new CheckDateEdit(parent);
    date->setObjectName(name);
    date->setEnabled(false);
    return date;
}

QLabel *buddyLabel(const QString &caption, QWidget *buddy, QWidget *parent) {
    auto *label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

AdvancedSearchDialog::AdvancedSearchDialog(Database &dm, TreePicker picker, QWidget *parent)
    : QDialog(parent), m_dm(dm), m_picker(std::move(picker)) {
    setObjectName(QStringLiteral("DLGsetCX"));
    setWindowTitle(tr("设备查询对话框"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildFields());
    layout->addWidget(buildUsage());
    layout->addWidget(buildDates());
    layout->addLayout(buildButtons());
    previewKeys();
}

QGroupBox *AdvancedSearchDialog::buildFields() {
    auto *group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    createFields(group);

    // Two fields a row, each as label, box and the box's pick button; the notes take a row each.
    const struct {
        const char *caption;
        QWidget *field;
        QToolButton *button;
    } entries[] = {
        {QT_TRANSLATE_NOOP("AdvancedSearchDialog", "设备编号："), edtCode, nullptr},
        {QT_TRANSLATE_NOOP("AdvancedSearchDialog", "设备名称："), edtName, nullptr},
        {QT_TRANSLATE_NOOP("AdvancedSearchDialog", "主机编号："), edtJScode, nullptr},
        {QT_TRANSLATE_NOOP("AdvancedSearchDialog", "设备类型："), edtType, SpeedButton3},
        {QT_TRANSLATE_NOOP("AdvancedSearchDialog", "设备规格："), edtSpec, nullptr},
        {QT_TRANSLATE_NOOP("AdvancedSearchDialog", "制造厂家："), edtFactory, nullptr},
        {QT_TRANSLATE_NOOP("AdvancedSearchDialog", "安装地点："), edtAddress, nullptr},
        {QT_TRANSLATE_NOOP("AdvancedSearchDialog", "使用部门："), edtUseDept, SpeedButton1},
        {QT_TRANSLATE_NOOP("AdvancedSearchDialog", "设备状态："), cbbUseStatus, nullptr},
        {QT_TRANSLATE_NOOP("AdvancedSearchDialog", "使用人员："), cbbUseEmp, nullptr},
        {QT_TRANSLATE_NOOP("AdvancedSearchDialog", "制单人员："), cbbOperEmp, nullptr},
    };
    auto *grid = new QGridLayout(group);
    int position = 0;
    for (const auto &entry : entries) {
        const int row = position / 2;
        const int column = (position % 2) * 3;
        grid->addWidget(buddyLabel(tr(entry.caption), entry.field, group), row, column);
        grid->addWidget(entry.field, row, column + 1);
        if (entry.button)
            grid->addWidget(entry.button, row, column + 2);
        ++position;
    }
    int row = (position + 1) / 2;
    for (const auto &[caption, field] :
         {std::pair{QT_TRANSLATE_NOOP("AdvancedSearchDialog", "验收使用情况："), edtMemo1},
          std::pair{QT_TRANSLATE_NOOP("AdvancedSearchDialog", "备注信息："), edtMemo2}}) {
        grid->addWidget(buddyLabel(tr(caption), field, group), row, 0);
        grid->addWidget(field, row++, 1, 1, 5);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    return group;
}

void AdvancedSearchDialog::createFields(QGroupBox *group) {
    edtCode = lineEdit(group, QStringLiteral("edtCode"));
    edtName = lineEdit(group, QStringLiteral("edtName"));
    edtJScode = lineEdit(group, QStringLiteral("edtJScode"));
    edtType = lineEdit(group, QStringLiteral("edtType"));
    edtSpec = lineEdit(group, QStringLiteral("edtSpec"));
    edtFactory = lineEdit(group, QStringLiteral("edtFactory"));
    edtAddress = lineEdit(group, QStringLiteral("edtAddress"));
    edtUseDept = lineEdit(group, QStringLiteral("edtUseDept"));
    cbbUseStatus = pickListCombo(group, QStringLiteral("cbbUseStatus"));
    cbbUseEmp = pickListCombo(group, QStringLiteral("cbbUseEmp"));
    cbbOperEmp = pickListCombo(group, QStringLiteral("cbbOperEmp"));
    edtMemo1 = lineEdit(group, QStringLiteral("edtMemo1"));
    edtMemo2 = lineEdit(group, QStringLiteral("edtMemo2"));
    SpeedButton3 = pickButton(group, QStringLiteral("SpeedButton3"), edtType, TreeMode::ChooseType);
    SpeedButton1 = pickButton(group, QStringLiteral("SpeedButton1"), edtUseDept, TreeMode::ChooseDepartment);
}

QToolButton *AdvancedSearchDialog::pickButton(QWidget *parent, const QString &name, QLineEdit *target,
                                   TreeMode mode) {
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(QStringLiteral("…"));
    // Enter and Tab walk the fields; the pick buttons are for the mouse.
    button->setFocusPolicy(Qt::NoFocus);
    button->setEnabled(static_cast<bool>(m_picker));
    connect(button, &QToolButton::clicked, this,
            [this, target, mode] { target->setText(m_picker(mode, target->text())); });
    return button;
}

QGroupBox *AdvancedSearchDialog::buildUsage() {
    RadioGroup1 = new QGroupBox(this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    m_usage = new QButtonGroup(RadioGroup1);
    auto *row = new QHBoxLayout(RadioGroup1);
    for (int index = 0; index < int(std::size(UsageCaptions)); ++index) {
        auto *choice = new QRadioButton(tr(UsageCaptions[index]), RadioGroup1);
        choice->setObjectName(QString::fromLatin1(UsageNames[index]));
        m_usage->addButton(choice, index);
        row->addWidget(choice);
    }
    m_usage->button(int(Usage::All))->setChecked(true);
    return RadioGroup1;
}

QGroupBox *AdvancedSearchDialog::buildDates() {
    auto *group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("GroupBox2"));
    dtpfromDate = dateEdit(group, QStringLiteral("dtpfromDate"));
    dtptoDate = dateEdit(group, QStringLiteral("dtptoDate"));
    dtpfromDate1 = dateEdit(group, QStringLiteral("dtpfromDate1"));
    dtptoDate1 = dateEdit(group, QStringLiteral("dtptoDate1"));
    CheckBox1 =
        rangeBox(group, QStringLiteral("CheckBox1"), tr("购置日期：自"), dtpfromDate, dtptoDate);
    CheckBox2 =
        rangeBox(group, QStringLiteral("CheckBox2"), tr("启用日期：自"), dtpfromDate1, dtptoDate1);

    auto *grid = new QGridLayout(group);
    const struct {
        QCheckBox *box;
        CheckDateEdit *from;
        CheckDateEdit *to;
    } ranges[] = {{CheckBox1, dtpfromDate, dtptoDate}, {CheckBox2, dtpfromDate1, dtptoDate1}};
    int row = 0;
    for (const auto &range : ranges) {
        grid->addWidget(range.box, row, 0);
        grid->addWidget(range.from, row, 1);
        grid->addWidget(new QLabel(tr("至"), group), row, 2);
        grid->addWidget(range.to, row++, 3);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return group;
}

QCheckBox *AdvancedSearchDialog::rangeBox(QWidget *parent, const QString &name, const QString &caption,
                               CheckDateEdit *from, CheckDateEdit *to) {
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    connect(box, &QCheckBox::toggled, from, &QWidget::setEnabled);
    connect(box, &QCheckBox::toggled, to, &QWidget::setEnabled);
    return box;
}

QHBoxLayout *AdvancedSearchDialog::buildButtons() {
    Button1 = new QPushButton(tr("查询(&P)"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(tr("关闭(&C)"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(Button1);
    row->addWidget(Button2);
    return row;
}

// The dialog sees every keystroke before the control that has the focus (Ctrl+S and Enter),
// and the pick-lists fill themselves as they take the focus, so they show what was added since.
void AdvancedSearchDialog::previewKeys() {
    auto *keys = new FormKeys(this, Button1);
    keys->onEntered([this](QWidget *control) { fillPickList(qobject_cast<QComboBox *>(control)); });
    keys->watchControls();
}

void AdvancedSearchDialog::showEvent(QShowEvent *event) {
    if (!event->spontaneous())
        resetDates();
    QDialog::showEvent(event);
}

void AdvancedSearchDialog::resetDates() {
    const QDate today = QDate::currentDate();
    for (CheckDateEdit *from : {dtpfromDate, dtpfromDate1}) {
        from->setDate(QDate(today.year(), today.month(), 1));
        from->setChecked(true);
    }
    for (CheckDateEdit *to : {dtptoDate, dtptoDate1}) {
        to->setDate(today);
        to->setChecked(true);
    }
}

void AdvancedSearchDialog::fillPickList(QComboBox *combo) {
    const std::pair<QComboBox *, const char *> lists[] = {
        {cbbUseStatus, "usestatus"}, {cbbUseEmp, "useemp"}, {cbbOperEmp, "operemp"}};
    for (const auto &[list, category] : lists) {
        if (list == combo)
            FillComboBySQL(m_dm, Database::PickListSql(QString::fromLatin1(category)), combo);
    }
}

AdvancedQueryInput AdvancedSearchDialog::input() const {
    AdvancedQueryInput input;
    input.code = edtCode->text();
    input.name = edtName->text();
    input.jsCode = edtJScode->text();
    input.type = edtType->text();
    input.spec = edtSpec->text();
    input.factory = edtFactory->text();
    input.address = edtAddress->text();
    input.useDept = edtUseDept->text();
    input.useStatus = cbbUseStatus->currentText();
    input.useEmp = cbbUseEmp->currentText();
    input.operEmp = cbbOperEmp->currentText();
    input.memo1 = edtMemo1->text();
    input.memo2 = edtMemo2->text();
    input.usage = static_cast<Usage>(m_usage->checkedId());
    input.buyDate = {CheckBox1->isChecked(), dtpfromDate->checkedDate(), dtptoDate->checkedDate()};
    input.beginDate = {CheckBox2->isChecked(), dtpfromDate1->checkedDate(),
                       dtptoDate1->checkedDate()};
    return input;
}

std::optional<SqlStatement> BuildAdvancedQuery(Database &dm, QWidget *parent, TreePicker picker) {
    AdvancedSearchDialog dialog(dm, std::move(picker), parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return AdvancedQueryStatement(dialog.input());
}
