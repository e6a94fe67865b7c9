#include "gui/register/EquipmentChooser.h"
#include "gui/widgets/WindowPlacement.h"

#include "core/register/EquipmentFilter.h"
#include "core/data/Database.h"
#include "gui/widgets/GridLayouts.h"
#include "core/data/RecordSet.h"
#include "gui/widgets/CodeTree.h"
#include "gui/register/AdvancedSearchDialog.h"
#include "gui/widgets/DataGrid.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QLineEdit *searchBox(QWidget *parent, const QString &name) {
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption) {
    auto *result = new QPushButton(caption, parent);
    result->setObjectName(name);
    result->setAutoDefault(false);
    return result;
}

} // namespace

EquipmentChooser::EquipmentChooser(Database &dm, std::function<void(QWidget *)> addEquipment, QWidget *parent)
    : QDialog(parent), m_dm(dm), m_addEquipment(std::move(addEquipment)),
      m_records(new RecordSet(this)) {
    setObjectName(QStringLiteral("DLGsetXZ"));
    setWindowTitle(tr("设备选择"));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buildSearchBar());
    layout->addWidget(buildBrowser(), 1);
    layout->addLayout(buildButtons());
    setFixedSize(780, 480);
    CentreOnScreen(this);
}

QHBoxLayout *EquipmentChooser::buildSearchBar() {
    edtCode = searchBox(this, QStringLiteral("edtCode"));
    edtName = searchBox(this, QStringLiteral("edtName"));
    edtAddress = searchBox(this, QStringLiteral("edtAddress"));
    BitBtn3 = button(this, QStringLiteral("BitBtn3"), tr("查询"));

    auto *bar = new QHBoxLayout;
    const std::pair<const char *, QLineEdit *> boxes[] = {
        {QT_TRANSLATE_NOOP("EquipmentChooser", "设备编号："), edtCode},
        {QT_TRANSLATE_NOOP("EquipmentChooser", "设备名称："), edtName},
        {QT_TRANSLATE_NOOP("EquipmentChooser", "机身编号："), edtAddress}};
    for (const auto &[caption, box] : boxes) {
        auto *label = new QLabel(tr(caption), this);
        label->setBuddy(box);
        bar->addWidget(label);
        bar->addWidget(box, 1);
        connect(box, &QLineEdit::textChanged, this, &EquipmentChooser::RefreshList);
    }
    bar->addWidget(BitBtn3);
    connect(BitBtn3, &QPushButton::clicked, this, &EquipmentChooser::RefreshList);
    return bar;
}

QWidget *EquipmentChooser::buildBrowser() {
    auto *browser = new QWidget(this);
    auto *row = new QHBoxLayout(browser);
    row->setContentsMargins(0, 0, 0, 0);

    tvTree = new QTreeWidget(browser);
    tvTree->setObjectName(QStringLiteral("tvTree"));
    tvTree->setHeaderHidden(true);
    tvTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvTree->setFixedWidth(180);
    LoadCodeTree(m_dm, tvTree, tr("设备类型"), QStringLiteral("type"));
    // Starting on the root lists every item in use when the dialog opens.
    tvTree->setCurrentItem(tvTree->topLevelItem(0));
    // Only a double-click narrows the list, so browsing the tree keeps what is listed.
    connect(tvTree, &QTreeWidget::itemDoubleClicked, this, &EquipmentChooser::RefreshList);

    DBGridEh1 = new DataGrid(browser);
    DBGridEh1->setObjectName(QStringLiteral("DBGridEh1"));
    DBGridEh1->setColumns(BuiltInGridColumns(QStringLiteral("setmain")));
    DBGridEh1->setRecordSet(m_records);
    DBGridEh1->setFooterVisible(true);
    connect(DBGridEh1, &DataGrid::rowDoubleClicked, this, &QDialog::accept);

    row->addWidget(tvTree);
    row->addWidget(DBGridEh1, 1);
    return browser;
}

QHBoxLayout *EquipmentChooser::buildButtons() {
    BitBtn4 = button(this, QStringLiteral("BitBtn4"), tr("新增单位"));
    BitBtn1 = button(this, QStringLiteral("BitBtn1"), tr("确定"));
    BitBtn2 = button(this, QStringLiteral("BitBtn2"), tr("取消"));
    BitBtn1->setDefault(true);
    BitBtn4->setEnabled(static_cast<bool>(m_addEquipment));
    // The new item shows up with the next search; the list is not refreshed behind the user.
    connect(BitBtn4, &QPushButton::clicked, this, [this] { m_addEquipment(this); });
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    auto *row = new QHBoxLayout;
    row->addWidget(BitBtn4);
    row->addStretch();
    row->addWidget(BitBtn1);
    row->addWidget(BitBtn2);
    return row;
}

void EquipmentChooser::showEvent(QShowEvent *event) {
    if (!event->spontaneous())
        RefreshList();
    QDialog::showEvent(event);
}

std::optional<SqlStatement> EquipmentChooser::listStatement() const {
    const QTreeWidgetItem *node = tvTree->currentItem();
    if (!node)
        return std::nullopt;
    const QString path = node == tvTree->topLevelItem(0) ? QString() : NodeDataOf(node).NodeLikeCode;
    return ChooserStatement(m_dm.dialect(), edtCode->text(), edtName->text(), edtAddress->text(),
                            path);
}

void EquipmentChooser::RefreshList() {
    if (const std::optional<SqlStatement> statement = listStatement())
        m_dm.OpenQuerySQL(*statement, *m_records);
}

std::optional<QString> EquipmentChooser::currentCode() const {
    if (!m_records->isActive() || m_records->currentRow() < 0)
        return std::nullopt;
    return m_records->currentValue(QStringLiteral("F_code")).toString();
}

QString ChooseEquipment(Database &dm, const QString &currentCode, QWidget *parent,
                        std::function<void(QWidget *)> addEquipment) {
    EquipmentChooser dialog(dm, std::move(addEquipment), parent);
    if (dialog.exec() != QDialog::Accepted)
        return currentCode;
    return dialog.currentCode().value_or(currentCode);
}
