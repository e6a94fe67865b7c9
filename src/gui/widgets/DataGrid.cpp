#include "gui/widgets/DataGrid.h"

#include "gui/widgets/CellFormat.h"
#include "core/data/RecordSet.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSqlField>
#include <QSqlRecord>
#include <QStyledItemDelegate>

// The grid's columns over the record set's fields: column i shows the field its column object
// names, whatever position that field has in the statement.
class DataGridModel final : public QAbstractTableModel {
public:
    explicit DataGridModel(DataGrid *grid) : QAbstractTableModel(grid), m_grid(grid) {}

    void setSource(RecordSet *records) {
        beginResetModel();
        for (const QMetaObject::Connection &c : std::as_const(m_connections))
            disconnect(c);
        m_connections.clear();
        m_source = records;
        if (records) {
            m_connections << connect(records, &QAbstractItemModel::modelAboutToBeReset, this,
                                     [this] { beginResetModel(); });
            m_connections << connect(records, &QAbstractItemModel::modelReset, this, [this] {
                mapFields();
                endResetModel();
            });
            m_connections << connect(records, &QAbstractItemModel::rowsAboutToBeInserted, this,
                                     [this](const QModelIndex &, int first, int last) {
                                         beginInsertRows({}, first, last);
                                     });
            m_connections << connect(records, &QAbstractItemModel::rowsInserted, this,
                                     [this] { endInsertRows(); });
        }
        mapFields();
        endResetModel();
    }

    void columnsReset() {
        beginResetModel();
        mapFields();
        endResetModel();
    }

    void headerChanged() { emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1); }

    int sourceColumn(int logical) const {
        return logical >= 0 && logical < m_sourceColumns.size() ? m_sourceColumns[logical] : -1;
    }

    QVariant sourceValue(int row, int logical) const {
        const int column = sourceColumn(logical);
        if (!m_source || column < 0)
            return {};
        return m_source->data(m_source->index(row, column));
    }

    bool isNumeric(int logical) const { return m_numeric.value(logical, false); }

    int rowCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() || !m_source ? 0 : m_source->rowCount();
    }
    int columnCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : int(m_grid->m_columns.size());
    }
    bool canFetchMore(const QModelIndex &parent) const override {
        return !parent.isValid() && m_source && m_source->canFetchMore();
    }
    void fetchMore(const QModelIndex &parent) override {
        if (!parent.isValid() && m_source)
            m_source->fetchMore();
    }
    Qt::ItemFlags flags(const QModelIndex &index) const override {
        return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
    }

    QVariant data(const QModelIndex &index, int role) const override {
        if (!index.isValid())
            return {};
        switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return m_grid->cellTextAt(index.row(), index.column());
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(cellAlignment(index.column()));
        case Qt::ForegroundRole:
        case Qt::BackgroundRole: {
            if (!m_grid->m_rowStyleHook)
                return {};
            const auto style = m_grid->m_rowStyleHook(index.row());
            if (!style)
                return {};
            return role == Qt::ForegroundRole ? style->text : style->background;
        }
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        // The row indicator on the left marks rows; it carries no numbers.
        if (orientation == Qt::Vertical)
            return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
        if (section < 0 || section >= columnCount())
            return QAbstractTableModel::headerData(section, orientation, role);
        const DataGridColumn &column = m_grid->m_columns[section];
        switch (role) {
        case Qt::DisplayRole: {
            const SortMarker marker = m_grid->m_markers.value(section);
            if (marker == SortMarker::Ascending)
                return column.title + QStringLiteral(" ▲");
            if (marker == SortMarker::Descending)
                return column.title + QStringLiteral(" ▼");
            return column.title;
        }
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(column.titleAlignment | Qt::AlignVCenter);
        default:
            return {};
        }
    }

    Qt::Alignment cellAlignment(int logical) const {
        const Qt::Alignment set = m_grid->m_columns[logical].alignment & Qt::AlignHorizontal_Mask;
        if (set)
            return set | Qt::AlignVCenter;
        return (isNumeric(logical) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    }

private:
    // Where each column's field is and whether it holds numbers, worked out once per reset
    // rather than for every cell drawn.
    void mapFields() {
        m_sourceColumns.clear();
        m_numeric.clear();
        const QSqlRecord fields = m_source ? m_source->record() : QSqlRecord();
        for (const DataGridColumn &column : std::as_const(m_grid->m_columns)) {
            const int index = m_source ? m_source->fieldIndex(column.fieldName) : -1;
            const int type = index >= 0 ? fields.field(index).metaType().id() : 0;
            m_sourceColumns << index;
            m_numeric << (type == QMetaType::Double || type == QMetaType::Int ||
                          type == QMetaType::LongLong);
        }
    }

    DataGrid *m_grid;
    RecordSet *m_source = nullptr;
    QList<int> m_sourceColumns;
    QList<bool> m_numeric;
    QList<QMetaObject::Connection> m_connections;
};

// Keeps a row's own colours when it is selected (a stopped item stays red on grey), so the
// colouring still tells while the user works through a selection. Cells are one line of text:
// the style draws the background, selection and focus, and the text is laid out only once,
// which is most of what the first screen of a large list costs.
class DataGridDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override {
        QStyleOptionViewItem cell = option;
        cellStyle(&cell, index);
        const QString text = cell.text;
        const QWidget *view = cell.widget;
        QStyle *style = view ? view->style() : QApplication::style();
        paintBackground(painter, cell, style);
        if (text.isEmpty())
            return;
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
        const QRect area = cell.rect.adjusted(margin, 0, -margin, 0);
        const bool selected = cell.state & QStyle::State_Selected;
        painter->save();
        painter->setFont(cell.font);
        painter->setPen(cell.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        // No character is wider than the font is high, so a short text fits without measuring.
        const bool fits = text.size() * cell.fontMetrics.height() <= area.width();
        const QString shown =
            fits ? text : cell.fontMetrics.elidedText(text, Qt::ElideRight, area.width());
        painter->drawText(area, int(cell.displayAlignment) | Qt::TextSingleLine, shown);
        painter->restore();
    }

private:
    // A cell has no icon or check box: its background is the selection colour, its own colour
    // or nothing, and only the current cell of a focused grid draws a focus frame. Asking the
    // style to lay all of that out for every cell costs more than drawing it.
    static void paintBackground(QPainter *painter, const QStyleOptionViewItem &cell,
                                QStyle *style) {
        const QPalette::ColorGroup group =
            cell.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
        if (cell.state & QStyle::State_Selected)
            painter->fillRect(cell.rect, cell.palette.brush(group, QPalette::Highlight));
        else if (cell.backgroundBrush.style() != Qt::NoBrush)
            painter->fillRect(cell.rect, cell.backgroundBrush);
        if (cell.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(cell);
            focus.rect = cell.rect;
            focus.backgroundColor = cell.palette.color(
                group, cell.state & QStyle::State_Selected ? QPalette::Highlight
                                                           : QPalette::Window);
            style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, cell.widget);
        }
    }

    // Only what a grid cell has: its text, alignment and the row's colours. The general item
    // option asks the model for icons, check states, fonts and more on every cell.
    static void cellStyle(QStyleOptionViewItem *option, const QModelIndex &index) {
        option->text = index.data(Qt::DisplayRole).toString();
        option->displayAlignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
        const QVariant text = index.data(Qt::ForegroundRole);
        const QVariant background = index.data(Qt::BackgroundRole);
        if (text.isValid()) {
            const QColor colour = text.value<QColor>();
            option->palette.setColor(QPalette::Text, colour);
            option->palette.setColor(QPalette::HighlightedText, colour);
        }
        if (background.isValid()) {
            const QColor colour = background.value<QColor>();
            option->backgroundBrush = colour;
            option->palette.setColor(QPalette::Highlight, colour.darker(115));
        }
    }
};

// The title row has one line of text per title, so its height follows from the font alone;
// measuring every title to find it is work a large list does not need.
class DataGridTitles final : public QHeaderView {
public:
    explicit DataGridTitles(QWidget *parent) : QHeaderView(Qt::Horizontal, parent) {}

    QSize sizeHint() const override {
        return QSize(length(), fontMetrics().height() + 10);
    }
};

// The footer row under the last visible row, its cells lined up with the columns above.
class DataGridFooter final : public QWidget {
public:
    explicit DataGridFooter(DataGrid *grid) : QWidget(grid), m_grid(grid) {
        setAutoFillBackground(true);
        setBackgroundRole(QPalette::Button);
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        const QHeaderView *header = m_grid->horizontalHeader();
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(0, 0, width(), 0);
        for (int logical = 0; logical < header->count(); ++logical) {
            if (header->isSectionHidden(logical))
                continue;
            const QRect cell(header->sectionViewportPosition(logical), 0,
                             header->sectionSize(logical), height());
            painter.setPen(palette().color(QPalette::Mid));
            painter.drawLine(cell.topRight(), cell.bottomRight());
            painter.setPen(palette().color(m_grid->m_totalsFinal ? QPalette::ButtonText
                                                                 : QPalette::PlaceholderText));
            painter.drawText(cell.adjusted(3, 0, -3, 0),
                             int(m_grid->m_model->cellAlignment(logical)),
                             m_grid->m_footerTexts.value(logical));
        }
    }

private:
    DataGrid *m_grid;
};

namespace {

bool isMemoField(const QString &field) { return field.toLower().contains(QLatin1String("mem")); }

// "f1 ASC,f2 DESC," → {"f1 ASC", "f2 DESC"}; nothing when an entry is not "field [ASC|DESC]".
std::optional<QStringList> parseSortSpec(const QString &spec) {
    static const QRegularExpression entry(
        QStringLiteral("^\\s*([A-Za-z_][A-Za-z0-9_]*)(?:\\s+(ASC|DESC))?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList terms;
    for (const QString &part : spec.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (part.trimmed().isEmpty())
            continue;
        const QRegularExpressionMatch match = entry.match(part);
        if (!match.hasMatch())
            return std::nullopt;
        const QString direction =
            match.captured(2).isEmpty() ? QStringLiteral("ASC") : match.captured(2).toUpper();
        terms << match.captured(1) + QLatin1Char(' ') + direction;
    }
    return terms;
}

} // namespace

DataGrid::DataGrid(QWidget *parent)
    : QTableView(parent), m_model(new DataGridModel(this)), m_footer(new DataGridFooter(this)) {
    setHorizontalHeader(new DataGridTitles(this));
    setModel(m_model);
    setItemDelegate(new DataGridDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setAlternatingRowColors(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setFixedWidth(14);
    QHeaderView *titles = horizontalHeader();
    titles->setSectionsMovable(true);
    titles->setSectionsClickable(true);
    titles->setHighlightSections(false);
    titles->setStretchLastSection(false);
    titles->setDefaultAlignment(Qt::AlignCenter);

    connect(titles, &QHeaderView::sectionClicked, this, &DataGrid::onTitleClicked);
    connect(titles, &QHeaderView::sectionResized, m_footer, qOverload<>(&QWidget::update));
    connect(titles, &QHeaderView::sectionMoved, this, [this] {
        m_footer->update();
        emit columnsChanged();
    });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_footer,
            qOverload<>(&QWidget::update));
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { emit rowDoubleClicked(index.row()); });
}

DataGrid::~DataGrid() = default;


void DataGrid::setRecordSet(RecordSet *records) {
    if (m_records)
        disconnect(m_records, nullptr, this, nullptr);
    m_records = records;
    m_model->setSource(records);
    if (records) {
        connect(records, &QAbstractItemModel::modelReset, this, &DataGrid::onRecordsReset);
        connect(records, &RecordSet::totalsChanged, this, &DataGrid::showTotals);
        connect(records, &RecordSet::currentRowChanged, this, [this](int row) {
            if (row != currentRow())
                setCurrentRow(row);
        });
    }
    onRecordsReset();
}

void DataGrid::onRecordsReset() {
    applyColumnGeometry();
    refreshFooter();
    if (m_records && m_records->currentRow() >= 0)
        setCurrentRow(m_records->currentRow());
}

int DataGrid::logicalIndex(int index) const {
    return horizontalHeader()->logicalIndex(index);
}

int DataGrid::columnCount() const { return int(m_columns.size()); }

DataGridColumn DataGrid::column(int index) const {
    const int logical = logicalIndex(index);
    if (logical < 0 || logical >= m_columns.size())
        return {};
    DataGridColumn result = m_columns[logical];
    const QHeaderView *titles = horizontalHeader();
    result.visible = !titles->isSectionHidden(logical);
    if (result.visible)
        result.width = titles->sectionSize(logical);
    return result;
}

QList<DataGridColumn> DataGrid::columns() const {
    QList<DataGridColumn> result;
    for (int index = 0; index < columnCount(); ++index)
        result << column(index);
    return result;
}

int DataGrid::columnIndex(const QString &fieldName) const {
    for (int index = 0; index < columnCount(); ++index) {
        if (m_columns[logicalIndex(index)].fieldName.compare(fieldName, Qt::CaseInsensitive) == 0)
            return index;
    }
    return -1;
}

void DataGrid::setColumns(const QList<DataGridColumn> &columns) {
    m_columns = columns;
    m_markers = QList<SortMarker>(columns.size(), SortMarker::None);
    m_model->columnsReset();
    QHeaderView *titles = horizontalHeader();
    for (int logical = 0; logical < titles->count(); ++logical) {
        const int visual = titles->visualIndex(logical);
        if (visual != logical)
            titles->moveSection(visual, logical);
    }
    applyColumnGeometry();
    refreshFooter();
    emit columnsChanged();
}

void DataGrid::updateColumn(int index, const DataGridColumn &column) {
    const int logical = logicalIndex(index);
    if (logical < 0 || logical >= m_columns.size())
        return;
    const bool fieldChanged =
        m_columns[logical].fieldName.compare(column.fieldName, Qt::CaseInsensitive) != 0;
    m_columns[logical] = column;
    if (fieldChanged)
        m_model->columnsReset();
    else
        m_model->headerChanged();
    horizontalHeader()->setSectionHidden(logical, !column.visible);
    horizontalHeader()->resizeSection(logical, column.width);
    refreshFooter();
    viewport()->update();
    emit columnsChanged();
}

void DataGrid::setColumnVisible(int index, bool visible) {
    const int logical = logicalIndex(index);
    if (logical < 0 || logical >= m_columns.size())
        return;
    m_columns[logical].visible = visible;
    horizontalHeader()->setSectionHidden(logical, !visible);
    if (visible && horizontalHeader()->sectionSize(logical) == 0)
        horizontalHeader()->resizeSection(logical, m_columns[logical].width);
    m_footer->update();
    emit columnsChanged();
}

void DataGrid::moveColumn(int from, int to) {
    if (from < 0 || to < 0 || from >= columnCount() || to >= columnCount())
        return;
    horizontalHeader()->moveSection(from, to);
}

Qt::Alignment DataGrid::cellAlignment(int index) const {
    const int logical = logicalIndex(index);
    if (logical < 0 || logical >= m_columns.size())
        return Qt::AlignLeft;
    return m_model->cellAlignment(logical) & Qt::AlignHorizontal_Mask;
}

void DataGrid::applyColumnGeometry() {
    QHeaderView *titles = horizontalHeader();
    for (int logical = 0; logical < m_columns.size() && logical < titles->count(); ++logical) {
        titles->resizeSection(logical, m_columns[logical].width);
        titles->setSectionHidden(logical, !m_columns[logical].visible);
    }
}

void DataGrid::setFooterVisible(bool visible) {
    m_footerVisible = visible;
    updateGeometries();
}

bool DataGrid::isFooterVisible() const { return m_footerVisible; }

QString DataGrid::footerText(int index) const {
    return m_footerTexts.value(logicalIndex(index));
}

void DataGrid::refreshFooter() {
    m_footerTexts = QStringList(m_columns.size(), QString());
    QStringList sumFields;
    QList<int> sumColumns;
    for (int logical = 0; logical < m_columns.size(); ++logical) {
        const DataGridColumn &column = m_columns[logical];
        if (column.footerKind == FooterKind::Text) {
            m_footerTexts[logical] = column.footerValue;
        } else if (column.footerKind == FooterKind::Sum && m_records &&
                   m_records->fieldIndex(column.fieldName) >= 0) {
            sumFields << m_records->record().fieldName(m_records->fieldIndex(column.fieldName));
            sumColumns << logical;
        }
    }
    m_sumColumns = sumColumns;
    if (m_records)
        m_records->setSumFields(sumFields);
    showTotals();
}

// The figures as far as the record set knows them; until its final ones arrive the footer shows
// the last known ones greyed.
void DataGrid::showTotals() {
    const std::optional<Database::Totals> totals =
        m_records && m_records->isActive() ? m_records->totals() : std::nullopt;
    m_totalsFinal = m_records && m_records->isActive() && m_records->totalsFinal();
    m_totalRows = totals ? totals->count : 0;
    for (int i = 0; i < m_sumColumns.size(); ++i) {
        const int logical = m_sumColumns[i];
        if (logical < m_footerTexts.size())
            m_footerTexts[logical] =
                totals ? FormatCellValue(totals->sums.value(i), m_columns[logical].displayFormat)
                       : QString();
    }
    m_footer->update();
    // Re-sorting or re-laying out the columns shows the same figures: nothing to tell.
    const Shown shown{m_footerTexts, m_totalRows, m_totalsFinal};
    if (m_lastShown && *m_lastShown == shown)
        return;
    m_lastShown = shown;
    emit totalsChanged(m_totalRows);
}

bool DataGrid::setSortSpec(const QString &spec) {
    const auto terms = parseSortSpec(spec);
    if (!terms || !applyOrder(*terms))
        return false;
    m_sortSpec = spec;
    m_markers = QList<SortMarker>(m_columns.size(), SortMarker::None);
    for (const QString &term : *terms) {
        const int index = columnIndex(term.section(QLatin1Char(' '), 0, 0));
        if (index >= 0)
            m_markers[logicalIndex(index)] = term.endsWith(QLatin1String("DESC"))
                                                 ? SortMarker::Descending
                                                 : SortMarker::Ascending;
    }
    m_model->headerChanged();
    emit sortChanged(spec);
    return true;
}

// Re-queries the record set in the given order. The item that was current stays current when
// it is among the rows read at once; looking further would read the whole list.
bool DataGrid::applyOrder(const QStringList &terms) {
    if (!m_records)
        return false;
    const QVariant key = m_records->currentValue(QStringLiteral("F_ID"));
    const bool wasActive = m_records->isActive();
    if (!m_records->reorder(terms))
        return false;
    if (!wasActive)
        return true;
    if (key.isValid() && !key.isNull())
        m_records->locateLoaded(QStringLiteral("F_ID"), key);
    return true;
}

QString DataGrid::sortSpec() const { return m_sortSpec; }

SortMarker DataGrid::sortMarker(int index) const {
    return m_markers.value(logicalIndex(index), SortMarker::None);
}

void DataGrid::setTitleSortEnabled(bool enabled) { m_titleSort = enabled; }

// The clicked column's marker goes from none or descending to ascending and from ascending to
// descending, and the list is ordered by that column alone; other markers stay as they are. A
// memo field changes its marker only: ordering long texts helps nobody.
void DataGrid::onTitleClicked(int logical) {
    if (!m_titleSort || logical < 0 || logical >= m_columns.size())
        return;
    const SortMarker next = m_markers[logical] == SortMarker::Ascending ? SortMarker::Descending
                                                                        : SortMarker::Ascending;
    const QString field = m_columns[logical].fieldName;
    const QString spec =
        field + (next == SortMarker::Ascending ? QStringLiteral(" ASC,") : QStringLiteral(" DESC,"));
    if (!isMemoField(field)) {
        const auto terms = parseSortSpec(spec);
        if (!terms || !applyOrder(*terms))
            return;
        m_sortSpec = spec;
    }
    m_markers[logical] = next;
    m_model->headerChanged();
    if (!isMemoField(field))
        emit sortChanged(spec);
}

int DataGrid::currentRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void DataGrid::setCurrentRow(int row) {
    if (row < 0 || row >= m_model->rowCount()) {
        setCurrentIndex({});
        return;
    }
    int column = 0;
    const QHeaderView *titles = horizontalHeader();
    for (int index = 0; index < titles->count(); ++index) {
        if (!titles->isSectionHidden(logicalIndex(index))) {
            column = logicalIndex(index);
            break;
        }
    }
    setCurrentIndex(m_model->index(row, column));
}

QList<int> DataGrid::selectedRows() const {
    QList<int> rows;
    if (!selectionModel())
        return rows;
    const QModelIndexList selected = selectionModel()->selectedRows();
    for (const QModelIndex &index : selected)
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void DataGrid::setCellTextHook(CellTextHook hook) {
    m_cellTextHook = std::move(hook);
    viewport()->update();
}

void DataGrid::setRowStyleHook(RowStyleHook hook) {
    m_rowStyleHook = std::move(hook);
    viewport()->update();
}

QString DataGrid::cellText(int row, int index) const { return cellTextAt(row, logicalIndex(index)); }

QString DataGrid::cellTextAt(int row, int logical) const {
    if (logical < 0 || logical >= m_columns.size())
        return {};
    const DataGridColumn &column = m_columns[logical];
    const QVariant value = m_model->sourceValue(row, logical);
    if (m_cellTextHook) {
        if (const auto text = m_cellTextHook(row, column, value))
            return *text;
    }
    return FormatCellValue(value, column.displayFormat);
}

void DataGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous) {
    QTableView::currentChanged(current, previous);
    if (current.row() == previous.row() && previous.isValid())
        return;
    const int row = current.isValid() ? current.row() : -1;
    if (m_records && m_records->currentRow() != row)
        m_records->setCurrentRow(row);
    emit currentRowChanged(row);
}

void DataGrid::resizeEvent(QResizeEvent *event) {
    QTableView::resizeEvent(event);
    placeFooter();
}

// The table lays out its headers and margins first; the footer then takes its row off the
// bottom of the viewport.
void DataGrid::updateGeometries() {
    QTableView::updateGeometries();
    const int footerHeight = m_footerVisible ? verticalHeader()->defaultSectionSize() : 0;
    QMargins margins = viewportMargins();
    if (margins.bottom() != footerHeight) {
        margins.setBottom(footerHeight);
        setViewportMargins(margins);
    }
    if (!verticalHeader()->isHidden()) {
        const QRect area = viewport()->geometry();
        verticalHeader()->setGeometry(area.left() - verticalHeader()->width(), area.top(),
                                      verticalHeader()->width(), area.height());
    }
    placeFooter();
}

void DataGrid::placeFooter() {
    if (!m_footerVisible) {
        m_footer->hide();
        return;
    }
    const QRect area = viewport()->geometry();
    m_footer->setGeometry(area.left(), area.bottom() + 1, area.width(),
                          verticalHeader()->defaultSectionSize());
    m_footer->show();
    m_footer->raise();
}
