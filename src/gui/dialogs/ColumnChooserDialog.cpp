#include "gui/dialogs/ColumnChooserDialog.h"

#include "gui/widgets/DataGrid.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

// A title bar without buttons: leaving the dialog is a choice between OK and cancel.
ColumnChooserDialog::ColumnChooserDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_fields(new QListWidget(this)), m_ok(new QPushButton(tr("确定"), this)),
      m_cancel(new QPushButton(tr("取消"), this)) {
    setObjectName(QStringLiteral("FrmDispFieldXZ"));
    setWindowTitle(tr("字段列表"));
    m_fields->setObjectName(QStringLiteral("CheckListBox1"));
    m_fields->setSelectionMode(QAbstractItemView::SingleSelection);
    buildButtons();
    buildLayout();
    buildShortcuts();
    resize(300, 360);
}

// Enter would otherwise press whichever button had focus last; it is left to the list.
void ColumnChooserDialog::buildButtons() {
    m_ok->setObjectName(QStringLiteral("BitBtn1"));
    m_cancel->setObjectName(QStringLiteral("BitBtn2"));
    for (QPushButton *button : {m_ok, m_cancel})
        button->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ColumnChooserDialog::buildLayout() {
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_fields, 1);
    layout->addLayout(buttons);
}

// Esc cancels through QDialog itself.
void ColumnChooserDialog::buildShortcuts() {
    auto *save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(save, &QShortcut::activated, this, &QDialog::accept);
}

void ColumnChooserDialog::closeEvent(QCloseEvent *event) {
    event->ignore();
}

void ColumnChooserDialog::loadColumns(const DataGrid &grid) {
    m_fields->clear();
    for (int index = 0; index < grid.columnCount(); ++index) {
        const DataGridColumn column = grid.column(index);
        auto *item = new QListWidgetItem(column.title, m_fields);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(column.visible ? Qt::Checked : Qt::Unchecked);
    }
    m_fields->setCurrentRow(0);
}

void ColumnChooserDialog::applyTo(DataGrid &grid) const {
    const int count = qMin(grid.columnCount(), m_fields->count());
    for (int index = 0; index < count; ++index)
        grid.setColumnVisible(index, m_fields->item(index)->checkState() == Qt::Checked);
}

void ShowFieldList(DataGrid *grid) {
    if (!grid)
        return;
    ColumnChooserDialog dialog(grid->window());
    dialog.loadColumns(*grid);
    // The grid may go away with its window while the dialog waits.
    const QPointer<DataGrid> target(grid);
    if (dialog.exec() == QDialog::Accepted && target)
        dialog.applyTo(*target);
}
