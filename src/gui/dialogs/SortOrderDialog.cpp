#include "gui/dialogs/SortOrderDialog.h"

#include "gui/widgets/DataGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Shown in the direction lists and read back from them, so both sides use the same words.
QString ascending() { return QCoreApplication::translate("SortOrderDialog", "升序"); }
QString descending() { return QCoreApplication::translate("SortOrderDialog", "降序"); }

enum Column { KeyColumn = 0, DirectionColumn = 1 };

// What a double-click makes of a direction: none → ascending → descending → none.
QString nextDirection(const QString &direction) {
    if (direction.isEmpty())
        return ascending();
    if (direction == ascending())
        return descending();
    return QString();
}

} // namespace

SortOrderDialog::SortOrderDialog(QWidget *parent)
    : QDialog(parent), m_table(new QTableWidget(this)),
      m_up(new QPushButton(tr("上移"), this)),
      m_down(new QPushButton(tr("下移"), this)),
      m_ok(new QPushButton(tr("确定"), this)),
      m_cancel(new QPushButton(tr("取消"), this)) {
    setObjectName(QStringLiteral("frmRowArrangeGl"));
    setWindowTitle(tr("排序对话框"));
    buildTable();
    buildButtons();
    buildLayout();
    buildShortcuts();
    setFixedSize(430, 340);
}

QFrame *SortOrderDialog::buildHintPanel() {
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto *hint = new QLabel(
        tr("提示：双击空白处切换排序方式（升降无），单击上下移动键调整优先顺序"),
        panel);
    hint->setObjectName(QStringLiteral("Label1"));
    hint->setWordWrap(true);
    auto *layout = new QHBoxLayout(panel);
    layout->addWidget(hint);
    return panel;
}

// The titles form the fixed column the rows are dragged by; the directions have their pick
// list always open for a single click.
void SortOrderDialog::buildTable() {
    m_table->setObjectName(QStringLiteral("vle1"));
    m_table->setColumnCount(2);
    m_table->setHorizontalHeaderLabels({tr("字段"), tr("排序方式")});
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setColumnWidth(KeyColumn, 150);
    m_table->setColumnWidth(DirectionColumn, 159);
    m_table->horizontalHeader()->setSectionResizeMode(KeyColumn, QHeaderView::Fixed);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->viewport()->installEventFilter(this);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &SortOrderDialog::cycleDirection);
}

// Enter is left to the table and its editors; only OK and Ctrl+S confirm.
void SortOrderDialog::buildButtons() {
    m_up->setObjectName(QStringLiteral("Button1"));
    m_down->setObjectName(QStringLiteral("Button2"));
    m_ok->setObjectName(QStringLiteral("Button3"));
    m_cancel->setObjectName(QStringLiteral("Button4"));
    for (QPushButton *button : {m_up, m_down, m_ok, m_cancel})
        button->setAutoDefault(false);
    connect(m_up, &QPushButton::clicked, this, &SortOrderDialog::moveUp);
    connect(m_down, &QPushButton::clicked, this, &SortOrderDialog::moveDown);
    connect(m_ok, &QPushButton::clicked, this, &SortOrderDialog::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void SortOrderDialog::buildLayout() {
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_up);
    buttons->addWidget(m_down);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *body = new QHBoxLayout;
    body->addWidget(m_table, 1);
    body->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildHintPanel());
    layout->addLayout(body, 1);
}

// Esc cancels through QDialog itself.
void SortOrderDialog::buildShortcuts() {
    auto *save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(save, &QShortcut::activated, this, &SortOrderDialog::confirm);
}

void SortOrderDialog::loadColumns(const DataGrid &grid) {
    m_fields.clear();
    m_editors.clear();
    m_table->setRowCount(0);
    m_sortSpec.clear();
    for (int index = 0; index < grid.columnCount(); ++index) {
        const DataGridColumn column = grid.column(index);
        m_fields.append({column.fieldName.toLower(), column.title});
        addRow(column.title);
    }
    if (m_table->rowCount() > 0)
        m_table->setCurrentCell(0, KeyColumn);
}

// The direction lives in the row's item; the editor writes every pick straight through, so the
// table always holds what the user sees.
void SortOrderDialog::addRow(const QString &title) {
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    auto *key = new QTableWidgetItem(title);
    key->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    key->setBackground(palette().button());
    m_table->setItem(row, KeyColumn, key);
    auto *value = new QTableWidgetItem(QString());
    value->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    m_table->setItem(row, DirectionColumn, value);

    QComboBox *editor = makeDirectionEditor();
    m_table->setCellWidget(row, DirectionColumn, editor);
    m_editors.append(editor);
    connect(editor, &QComboBox::currentTextChanged, this, [this, row](const QString &text) {
        m_table->item(row, DirectionColumn)->setText(text);
    });
}

// The text part is read-only and does not drop the list down, so a double-click there steps the
// direction as the hint promises, while the arrow still offers the list.
QComboBox *SortOrderDialog::makeDirectionEditor() {
    auto *editor = new QComboBox;
    editor->setEditable(true);
    editor->lineEdit()->setReadOnly(true);
    editor->setInsertPolicy(QComboBox::NoInsert);
    editor->setFrame(false);
    editor->addItems({QString(), ascending(), descending()});
    editor->installEventFilter(this);
    editor->lineEdit()->installEventFilter(this);
    return editor;
}

QString SortOrderDialog::title(int row) const {
    return m_table->item(row, KeyColumn)->text();
}

QString SortOrderDialog::direction(int row) const {
    return m_table->item(row, DirectionColumn)->text();
}

// Anything but a known direction shows as none.
void SortOrderDialog::setRow(int row, const QString &title, const QString &direction) {
    m_table->item(row, KeyColumn)->setText(title);
    QComboBox *editor = m_editors[row];
    editor->setCurrentIndex(qMax(0, editor->findText(direction)));
}

int SortOrderDialog::rowOfEditor(const QObject *object) const {
    for (int row = 0; row < m_editors.size(); ++row) {
        if (object == m_editors[row] || object == m_editors[row]->lineEdit())
            return row;
    }
    return -1;
}

// Titles may repeat (two columns named alike); the first such column is the one sorted by.
QString SortOrderDialog::fieldOf(const QString &title) const {
    for (const SortField &entry : m_fields) {
        if (entry.title == title)
            return entry.field;
    }
    return QString();
}

void SortOrderDialog::cycleDirection(int row) {
    if (row >= 0 && row < m_table->rowCount())
        setRow(row, title(row), nextDirection(direction(row)));
}

void SortOrderDialog::moveUp() {
    const int row = m_table->currentRow();
    if (row <= 0)
        return;
    exchangeRows(row, row - 1);
    m_table->setCurrentCell(row - 1, KeyColumn);
}

void SortOrderDialog::moveDown() {
    const int row = m_table->currentRow();
    if (row < 0 || row >= m_table->rowCount() - 1)
        return;
    exchangeRows(row, row + 1);
    m_table->setCurrentCell(row + 1, KeyColumn);
}

void SortOrderDialog::exchangeRows(int row, int other) {
    const QString rowTitle = title(row);
    const QString rowDirection = direction(row);
    setRow(row, title(other), direction(other));
    setRow(other, rowTitle, rowDirection);
}

// A dragged row is taken out and put back in at the row it was dropped on; the rows between
// close up behind it.
void SortOrderDialog::moveRow(int from, int to) {
    if (from == to || from < 0 || to < 0 || from >= m_table->rowCount() ||
        to >= m_table->rowCount())
        return;
    const QString movedTitle = title(from);
    const QString movedDirection = direction(from);
    const int step = from < to ? 1 : -1;
    for (int row = from; row != to; row += step)
        setRow(row, title(row + step), direction(row + step));
    setRow(to, movedTitle, movedDirection);
    m_table->setCurrentCell(to, KeyColumn);
}

bool SortOrderDialog::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_table->viewport()) {
        trackCaptionDrag(event);
        return QDialog::eventFilter(watched, event);
    }
    // The view itself makes a row current when its editor takes the focus, so the move buttons
    // act on the row being worked in.
    const int row = rowOfEditor(watched);
    if (row >= 0 && event->type() == QEvent::MouseButtonDblClick) {
        cycleDirection(row);
        return true;
    }
    // A long list is scrolled with the wheel across the editors; that must not change the
    // directions it passes over. Ignored, the event goes on to the table.
    if (row >= 0 && event->type() == QEvent::Wheel && !m_editors[row]->hasFocus()) {
        event->ignore();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// The table still sees every event, so the current row follows the mouse while dragging and
// shows where the row will land.
void SortOrderDialog::trackCaptionDrag(QEvent *event) {
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseMove &&
        event->type() != QEvent::MouseButtonRelease)
        return;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const QPoint position = mouse->position().toPoint();
    if (event->type() == QEvent::MouseButtonPress) {
        const QModelIndex pressed = m_table->indexAt(position);
        const bool onTitle = mouse->button() == Qt::LeftButton && pressed.column() == KeyColumn;
        m_dragRow = onTitle ? pressed.row() : -1;
        m_dragStart = position;
        m_dragging = false;
    } else if (event->type() == QEvent::MouseMove) {
        if (m_dragRow >= 0 && !m_dragging && (mouse->buttons() & Qt::LeftButton) &&
            (position - m_dragStart).manhattanLength() >= QApplication::startDragDistance()) {
            m_dragging = true;
            m_table->viewport()->setCursor(Qt::SizeVerCursor);
        }
    } else if (mouse->button() == Qt::LeftButton) {
        if (m_dragging) {
            int target = m_table->rowAt(position.y());
            if (target < 0)
                target = position.y() < 0 ? 0 : m_table->rowCount() - 1;
            m_table->viewport()->unsetCursor();
            moveRow(m_dragRow, target);
        }
        m_dragRow = -1;
        m_dragging = false;
    }
}

void SortOrderDialog::confirm() {
    QString spec;
    const QString up = ascending();
    const QString down = descending();
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QString chosen = direction(row);
        if (chosen != up && chosen != down)
            continue;
        spec += fieldOf(title(row)) +
                (chosen == up ? QStringLiteral(" ASC") : QStringLiteral(" DESC")) +
                QLatin1Char(',');
    }
    m_sortSpec = spec;
    accept();
}

std::optional<QString> ChooseSortOrder(DataGrid *grid, QWidget *parent) {
    if (!grid)
        return std::nullopt;
    SortOrderDialog dialog(parent ? parent : grid->window());
    dialog.loadColumns(*grid);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.sortSpec();
}
