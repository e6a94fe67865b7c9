#include "gui/register/EquipmentEditor.h"

#include "core/data/SaveFailure.h"
#include "core/schema/Schema.h"

#include "gui/widgets/FormKeys.h"


#include "core/register/EquipmentStore.h"
#include "core/data/Database.h"
#include "gui/widgets/WidgetHelpers.h"
#include "core/data/RecordSet.h"
#include "core/app/UserDialogs.h"
#include "gui/widgets/WindowPlacement.h"
#include "gui/widgets/CheckDateEdit.h"
#include "gui/widgets/NumberEdits.h"
#include "gui/widgets/PickEdit.h"
#include "gui/widgets/RecordNavigator.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const SaveFailed = QT_TRANSLATE_NOOP("EquipmentEditor", "保存失败，请检测数据库连接！");

// Controls carry their design names, the names the rest of the program knows them by.
template <typename Widget> Widget *named(Widget *widget, const char *name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel *captionFor(const QString &text, QWidget *field) {
    auto *label = new QLabel(text, field->parentWidget());
    label->setBuddy(field);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// The grid has three label and field pairs a row; `pair` is the pair a field starts in and
// `pairs` how many it spans, labels of the spanned pairs included.
void place(QGridLayout *grid, int row, int pair, const QString &caption, QWidget *field,
           int pairs = 1) {
    grid->addWidget(captionFor(caption, field), row, pair * 2);
    grid->addWidget(field, row, pair * 2 + 1, 1, pairs * 2 - 1);
}

} // namespace

EquipmentEditor::EquipmentEditor(Database &dm, RecordSet *list, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_dm(dm), m_list(list) {
    setObjectName(QStringLiteral("frmSETedit"));
    createControls();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buildRows());
    layout->addStretch(1);
    layout->addLayout(buildBottomStrip());
    setTabOrders();
    connectBehaviour();
    previewKeys();
    setTreePicker({});
    SetEditMode(false);
    clearFields();
    setFixedSize(sizeHint().expandedTo(QSize(699, 469)));
    DispFormPos(this, 1);
}

void EquipmentEditor::createControls() {
    const auto list = [this](const char *name) {
        auto *box = named(new QComboBox(this), name);
        box->setEditable(true);
        // Values outside the list are welcome, but typing one does not add it to the list.
        box->setInsertPolicy(QComboBox::NoInsert);
        return box;
    };
    // Dates and memos are reached with the mouse; Tab and Enter pass them by.
    const auto date = [this](const char *name) {
        auto *edit = named(new QDateEdit(this), name);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setCalendarPopup(true);
        edit->setFocusPolicy(Qt::ClickFocus);
        return edit;
    };
    const auto openDate = [this](const char *name) {
        auto *edit = named(new CheckDateEdit(this), name);
        edit->checkBox()->setFocusPolicy(Qt::ClickFocus);
        edit->dateEdit()->setFocusPolicy(Qt::ClickFocus);
        return edit;
    };
    const auto memo = [this](const char *name) {
        auto *edit = named(new QPlainTextEdit(this), name);
        edit->setFocusPolicy(Qt::ClickFocus);
        edit->setTabChangesFocus(true);
        edit->setFixedHeight(52);
        return edit;
    };

    edtCode = named(new QLineEdit(this), "edtCode");
    edtName = named(new QLineEdit(this), "edtName");
    edtJScode = named(new QLineEdit(this), "edtJScode");
    cbeType = named(new PickEdit(this), "cbeType");
    edtSpec = named(new QLineEdit(this), "edtSpec");
    edtFactory = named(new QLineEdit(this), "edtFactory");
    dtpBuildDate = openDate("dtpBuildDate");
    dtpBuyDate = openDate("dtpBuyDate");
    rceAmount = named(new CalcEdit(this), "rceAmount");
    cePrice = named(new CurrencyEdit(this), "cePrice");
    cbbUnit = list("cbbUnit");
    ceOriginValue = named(new CurrencyEdit(this), "ceOriginValue");
    ceSZ1 = named(new CurrencyEdit(this), "ceSZ1");
    ceTotalPrice = named(new CurrencyEdit(this), "ceTotalPrice");
    dtpBeginDate = date("dtpBeginDate");
    edtAddress = named(new QLineEdit(this), "edtAddress");
    cbeUseDept = named(new PickEdit(this), "cbeUseDept");
    cbbUseStatus = list("cbbUseStatus");
    memo1 = memo("memo1");
    cbbUseEmp = list("cbbUseEmp");
    cbbOperEmp = list("cbbOperEmp");
    Memo2 = memo("Memo2");
    dtpeditdate = date("dtpeditdate");
    cbUseFlag = named(new QCheckBox(tr("是否停用"), this), "cbUseFlag");
    limitToColumns();
}

// The caption the user sees for a column of the item, for messages; empty when there is none.
QString EquipmentEditor::fieldCaption(const QString &column) const {
    static const std::pair<const char *, const char *> captions[] = {
        {"F_code", QT_TRANSLATE_NOOP("EquipmentEditor", "设备编号")},
        {"F_name", QT_TRANSLATE_NOOP("EquipmentEditor", "设备名称")},
        {"F_jscode", QT_TRANSLATE_NOOP("EquipmentEditor", "主机编号")},
        {"F_type", QT_TRANSLATE_NOOP("EquipmentEditor", "设备类型")},
        {"F_spec", QT_TRANSLATE_NOOP("EquipmentEditor", "设备规格")},
        {"F_factory", QT_TRANSLATE_NOOP("EquipmentEditor", "制造厂家")},
        {"F_Address", QT_TRANSLATE_NOOP("EquipmentEditor", "安装地点")},
        {"F_useDept", QT_TRANSLATE_NOOP("EquipmentEditor", "使用部门")},
        {"F_unit", QT_TRANSLATE_NOOP("EquipmentEditor", "单位")},
        {"F_useStatus", QT_TRANSLATE_NOOP("EquipmentEditor", "设备状态")},
        {"F_useEmp", QT_TRANSLATE_NOOP("EquipmentEditor", "使用人员")},
        {"F_OperEmp", QT_TRANSLATE_NOOP("EquipmentEditor", "制单人员")}};
    for (const auto &[name, caption] : captions) {
        if (column.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return tr(caption);
    }
    return {};
}

// A box takes no more characters than its column holds, so a text too long cannot be typed.
void EquipmentEditor::limitToColumns() {
    const std::pair<QLineEdit *, const char *> boxes[] = {
        {edtCode, "F_code"},       {edtName, "F_name"},
        {edtJScode, "F_jscode"},   {cbeType, "F_type"},
        {edtSpec, "F_spec"},       {edtFactory, "F_factory"},
        {edtAddress, "F_Address"}, {cbeUseDept, "F_useDept"},
        {cbbUnit->lineEdit(), "F_unit"}, {cbbUseStatus->lineEdit(), "F_useStatus"},
        {cbbUseEmp->lineEdit(), "F_useEmp"}, {cbbOperEmp->lineEdit(), "F_OperEmp"}};
    for (const auto &[box, column] : boxes) {
        if (const int width = Schema::textWidth(QStringLiteral("Sets"), QLatin1String(column)))
            box->setMaxLength(width);
    }
}

QGridLayout *EquipmentEditor::buildRows() {
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(7);
    for (int column : {1, 3, 5})
        grid->setColumnStretch(column, 1);

    place(grid, 0, 0, tr("设备编号："), edtCode);
    place(grid, 0, 1, tr("设备名称："), edtName);
    place(grid, 0, 2, tr("主机编号："), edtJScode);
    place(grid, 1, 0, tr("设备类型："), cbeType, 2);
    place(grid, 1, 2, tr("设备规格："), edtSpec);
    place(grid, 2, 0, tr("制造厂家："), edtFactory);
    place(grid, 2, 1, tr("出厂日期："), dtpBuildDate);
    place(grid, 2, 2, tr("购置日期："), dtpBuyDate);

    place(grid, 3, 0, tr("数    量："), rceAmount);
    auto *priceAndUnit = new QHBoxLayout;
    priceAndUnit->setSpacing(2);
    priceAndUnit->addWidget(cePrice, 3);
    priceAndUnit->addWidget(cbbUnit, 2);
    grid->addWidget(captionFor(tr("单    价："), cePrice), 3, 2);
    grid->addLayout(priceAndUnit, 3, 3);
    place(grid, 3, 2, tr("设备原值："), ceOriginValue);

    place(grid, 4, 0, tr("其他费用："), ceSZ1);
    place(grid, 4, 1, tr("金额合计："), ceTotalPrice);
    place(grid, 5, 0, tr("启用日期："), dtpBeginDate);
    place(grid, 5, 1, tr("安装地点："), edtAddress, 2);
    place(grid, 6, 0, tr("使用部门："), cbeUseDept, 2);
    place(grid, 6, 2, tr("设备状态："), cbbUseStatus);
    place(grid, 7, 0, tr("验收使用情况："), memo1, 3);
    place(grid, 8, 0, tr("使用人员："), cbbUseEmp);
    place(grid, 8, 1, tr("制单人员："), cbbOperEmp);
    place(grid, 9, 0, tr("备注信息："), Memo2, 3);
    place(grid, 10, 0, tr("编辑日期："), dtpeditdate);
    grid->addWidget(cbUseFlag, 10, 5, Qt::AlignRight);
    return grid;
}

// 连续新增 and the navigator share their place: one is for new items, the other for editing.
QHBoxLayout *EquipmentEditor::buildBottomStrip() {
    CheckBox1 = named(new QCheckBox(tr("连续新增"), this), "CheckBox1");
    CheckBox1->setChecked(true);
    DBNavigator1 = named(new RecordNavigator(this), "DBNavigator1");
    Button1 = named(new QPushButton(tr("确定"), this), "Button1");
    Button2 = named(new QPushButton(tr("取消"), this), "Button2");

    auto *strip = new QHBoxLayout;
    strip->addWidget(CheckBox1);
    strip->addWidget(DBNavigator1);
    strip->addStretch(1);
    strip->addWidget(Button1);
    strip->addWidget(Button2);
    return strip;
}

void EquipmentEditor::setTabOrders() {
    const QList<QWidget *> order = {
        edtCode,      edtName,   edtJScode,     cbeType,   edtSpec,      edtFactory, rceAmount,
        cePrice,      cbbUnit,   ceOriginValue, ceSZ1,     ceTotalPrice, edtAddress, cbeUseDept,
        cbbUseStatus, cbbUseEmp, cbbOperEmp,    cbUseFlag, CheckBox1,    Button1,    Button2};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void EquipmentEditor::connectBehaviour() {
    connect(rceAmount, &CalcEdit::valueChanged, this, &EquipmentEditor::computeOriginValue);
    connect(cePrice, &CurrencyEdit::valueChanged, this, &EquipmentEditor::computeOriginValue);
    connect(ceOriginValue, &CurrencyEdit::valueChanged, this, &EquipmentEditor::computeTotalPrice);
    connect(ceSZ1, &CurrencyEdit::valueChanged, this, &EquipmentEditor::computeTotalPrice);

    m_listSql.insert(cbbUnit, UnitPickListSql());
    m_listSql.insert(cbbUseStatus, Database::PickListSql(QStringLiteral("usestatus")));
    m_listSql.insert(cbbUseEmp, Database::PickListSql(QStringLiteral("useemp")));
    m_listSql.insert(cbbOperEmp, Database::PickListSql(QStringLiteral("operemp")));

    connect(cbeType, &PickEdit::pickRequested, this, [this] { pick(cbeType, TreeMode::ChooseType); });
    connect(cbeUseDept, &PickEdit::pickRequested, this,
            [this] { pick(cbeUseDept, TreeMode::ChooseDepartment); });

    if (m_list)
        DBNavigator1->setRecordSet(m_list);
    connect(DBNavigator1, &RecordNavigator::moved, this, &EquipmentEditor::loadCurrentRow);
    connect(Button1, &QPushButton::clicked, this, &EquipmentEditor::onOk);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

// The window sees every keystroke and every entry into a list before the control does.
void EquipmentEditor::previewKeys() {
    auto *keys = new FormKeys(this, Button1, Button2);
    keys->onEntered([this](QWidget *control) {
        if (auto *box = qobject_cast<QComboBox *>(control); box && m_listSql.contains(box))
            refillList(box);
    });
    keys->watchControls();
}

void EquipmentEditor::setTreePicker(TreePicker picker) {
    m_picker = std::move(picker);
    cbeType->setPickEnabled(static_cast<bool>(m_picker));
    cbeUseDept->setPickEnabled(static_cast<bool>(m_picker));
}

void EquipmentEditor::SetFromSelectionDialog() {
    m_fromSelectionDialog = true;
    SetEditMode(m_isEditMode);
    clearFields();
}

void EquipmentEditor::SetEditMode(bool edit) {
    m_isEditMode = edit;
    setWindowTitle(edit ? tr("设备档案 - 修改") : tr("设备档案 - 新增"));
    CheckBox1->setVisible(!edit && !m_fromSelectionDialog);
    DBNavigator1->setVisible(edit && !m_fromSelectionDialog);
}

bool EquipmentEditor::ShowEditor(Mode mode) {
    const bool fromList = m_list && !m_fromSelectionDialog && mode != Mode::NewItem;
    SetEditMode(fromList && mode == Mode::EditItem);
    if (fromList)
        loadCurrentRow();
    else
        clearFields();
    // A new item, or a copy, gets its key from the database when it is saved.
    if (!m_isEditMode)
        m_target = 0;
    m_saved = false;
    m_savedCode.clear();
    edtCode->setFocus();
    exec();
    return m_saved;
}

// Every field empty but the type, which stays for the next of a series of new items.
void EquipmentEditor::clearFields() {
    EquipmentRecord empty;
    empty.type = cbeType->text();
    empty.beginDate = QDate::currentDate();
    empty.editDate = QDate::currentDate();
    showRecord(empty);
}

void EquipmentEditor::loadCurrentRow() {
    const EquipmentRecord loaded = LoadEquipment(*m_list, m_list->currentRow());
    m_loadedStamp = loaded.stamp;
    showRecord(loaded);
    if (m_isEditMode)
        m_target = m_list->currentValue(QStringLiteral("F_ID")).toLongLong();
}

// Original value and total come after amount, price and other costs, so the values stored win
// over the ones computed from them.
void EquipmentEditor::showRecord(const EquipmentRecord &record) {
    const QDate today = QDate::currentDate();
    const auto showOpenDate = [&today](CheckDateEdit *edit, const std::optional<QDate> &date) {
        edit->setDate(date.value_or(today));
        edit->setChecked(date.has_value());
    };
    const auto showList = [](QComboBox *box, const QString &text) {
        box->setCurrentIndex(-1);
        box->setEditText(text);
    };
    edtCode->setText(record.code);
    edtName->setText(record.name);
    edtJScode->setText(record.jsCode);
    cbeType->setText(record.type);
    edtSpec->setText(record.spec);
    edtFactory->setText(record.factory);
    showOpenDate(dtpBuildDate, record.buildDate);
    showOpenDate(dtpBuyDate, record.buyDate);
    rceAmount->setValue(record.amount);
    cePrice->setValue(record.price);
    ceSZ1->setValue(record.otherCosts);
    ceOriginValue->setValue(record.originValue);
    ceTotalPrice->setValue(record.totalPrice);
    showList(cbbUnit, record.unit);
    dtpBeginDate->setDate(record.beginDate.isValid() ? record.beginDate : today);
    edtAddress->setText(record.address);
    cbeUseDept->setText(record.useDept);
    showList(cbbUseStatus, record.useStatus);
    memo1->setPlainText(record.memo1);
    showList(cbbUseEmp, record.useEmp);
    showList(cbbOperEmp, record.operEmp);
    Memo2->setPlainText(record.memo2);
    dtpeditdate->setDate(record.editDate.isValid() ? record.editDate : today);
    cbUseFlag->setChecked(record.stopped);
}

EquipmentRecord EquipmentEditor::fields() const {
    EquipmentRecord r;
    r.code = edtCode->text();
    r.name = edtName->text();
    r.jsCode = edtJScode->text();
    r.type = cbeType->text();
    r.spec = edtSpec->text();
    r.factory = edtFactory->text();
    r.buildDate = dtpBuildDate->checkedDate();
    r.buyDate = dtpBuyDate->checkedDate();
    r.amount = rceAmount->value();
    r.price = cePrice->value();
    r.unit = cbbUnit->currentText();
    r.originValue = ceOriginValue->value();
    r.otherCosts = ceSZ1->value();
    r.totalPrice = ceTotalPrice->value();
    r.beginDate = dtpBeginDate->date();
    r.address = edtAddress->text();
    r.useDept = cbeUseDept->text();
    r.useStatus = cbbUseStatus->currentText();
    r.memo1 = memo1->toPlainText();
    r.useEmp = cbbUseEmp->currentText();
    r.operEmp = cbbOperEmp->currentText();
    r.memo2 = Memo2->toPlainText();
    r.editDate = dtpeditdate->date();
    r.stopped = cbUseFlag->isChecked();
    return r;
}

void EquipmentEditor::computeOriginValue() {
    ceOriginValue->setValue(rceAmount->value() * cePrice->value());
}

void EquipmentEditor::computeTotalPrice() {
    ceTotalPrice->setValue(ceOriginValue->value() + ceSZ1->value());
}

void EquipmentEditor::refillList(QComboBox *box) { FillComboBySQL(m_dm, m_listSql.value(box), box); }

void EquipmentEditor::pick(PickEdit *field, TreeMode mode) {
    if (m_picker)
        field->setText(m_picker(mode, field->text()));
}

void EquipmentEditor::onOk() {
    // A target below 1 in edit mode means the current row of the list.
    if (m_isEditMode && m_target < 1 && m_list)
        m_target = m_list->currentValue(QStringLiteral("F_ID")).toLongLong();
    const EquipmentRecord record = fields();
    const std::optional<qint64> editId =
        m_isEditMode ? std::optional<qint64>(m_target) : std::nullopt;
    if (const auto problem = CheckEquipment(m_dm, record, editId)) {
        ShowMess(problem->message, MessInfo);
        (problem->field == EquipmentProblem::Name ? edtName : edtCode)->setFocus();
        return;
    }
    EquipmentRecord saved = record;
    saved.stamp = m_loadedStamp;
    QApplication::setOverrideCursor(Qt::WaitCursor); // the save may wait for another user's
    const EquipmentSave result = SaveEquipment(m_dm, saved, editId);
    QApplication::restoreOverrideCursor();
    switch (result.status) {
    case EquipmentSave::Saved:
        afterSave(result.id, record.code.trimmed());
        return;
    case EquipmentSave::ChangedMeanwhile:
        // What the user typed stays in the form; nothing of it was written.
        ShowMess(tr("该设备资料已被其他操作员修改，请重新打开后再修改。"), MessWarning);
        return;
    case EquipmentSave::Refused: {
        const QString cause = SaveFailureCause(m_dm, [this](const QString &column) {
            return fieldCaption(column);
        });
        ShowMess(cause.isEmpty() ? tr(SaveFailed) : tr(SaveFailed) + QLatin1Char('\n') + cause,
                 MessError);
        return;
    }
    }
}

void EquipmentEditor::afterSave(qint64 id, const QString &code) {
    m_saved = true;
    m_savedCode = code;
    m_target = id;
    emit saved(id);
    const bool another = !m_fromSelectionDialog && !m_isEditMode && CheckBox1->isChecked();
    SetEditMode(false);
    if (!another) {
        accept();
        return;
    }
    clearFields();
    m_target = 0;
    edtCode->setFocus();
}

std::optional<QString> AddEquipmentFromSelection(Database &dm, TreePicker picker, QWidget *parent) {
    EquipmentEditor editor(dm, nullptr, parent);
    editor.setTreePicker(std::move(picker));
    editor.SetFromSelectionDialog();
    if (!editor.ShowEditor(EquipmentEditor::Mode::NewItem))
        return std::nullopt;
    return editor.savedCode();
}
