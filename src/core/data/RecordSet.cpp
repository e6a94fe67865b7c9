#include "core/data/RecordSet.h"

#include "core/data/TotalsReader.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <limits>

namespace {

// Blocks kept besides the ones a walk over every row asked for: a few screens either way of
// what is shown, and the rows the editor and the detail lists ask for.
constexpr int BlocksKept = 32;

bool sameStatement(const SqlStatement &a, const SqlStatement &b) {
    return a.text == b.text && a.values == b.values;
}

} // namespace

RecordSet::RecordSet(QObject *parent) : QAbstractTableModel(parent) {}

RecordSet::~RecordSet() {
    if (m_database)
        m_database->cancelTotals(this);
}

bool RecordSet::open(Database *database, const SqlStatement &statement, QSqlError *error) {
    const bool resorted = m_reordering && m_active && sameStatement(statement, m_statement) &&
                          m_database == database;
    const int previousRow = m_currentRow;
    if (m_database)
        m_database->cancelTotals(this);
    beginResetModel();
    m_database = database;
    m_statement = statement;
    m_blocks.clear();
    m_recentBlocks.clear();
    m_keepAll = false;
    m_fieldIndexes.clear();
    m_knownRows = 0;
    m_rowsInAll.reset();
    m_active = false;
    m_readFailureReported = false;
    m_currentRow = -1;
    // A new order changes neither the count nor the sums.
    if (!resorted)
        m_totalsFinal = false;

    // Whether the key can close the order depends on the fields, which a new statement may not
    // share with the one before; a statement that returns no row tells them at no cost.
    if (!m_orderBy.isEmpty() && !resorted) {
        QSqlQuery probe(database->connection());
        probe.setForwardOnly(true);
        const bool probed = PrepareAndBind(
            probe,
            SqlStatement(QStringLiteral("select * from (%1) as probed limit 0").arg(statement.text),
                         statement.values));
        m_fields = probed && probe.exec() ? probe.record() : QSqlRecord();
    }
    // A list that was long before is likely long again: its count starts on the second
    // connection while the first block is read here (and is dropped if that block is all).
    const bool countEarly = !m_totalsFinal && m_lastOpenWasLong;
    if (countEarly)
        requestTotals();
    QSqlRecord fields;
    std::optional<Block> first = readRows(0, BlockSize, error, &fields);
    if (!first) {
        m_database->cancelTotals(this);
        m_fields = QSqlRecord();
        endResetModel();
        if (previousRow != -1)
            emit currentRowChanged(-1);
        return false;
    }
    m_fields = fields;
    m_active = true;
    const qint64 held = first->size();
    m_lastOpenWasLong = held == BlockSize;
    keepBlock(0, std::move(*first));
    if (held < BlockSize) {
        m_rowsInAll = held;
        m_knownRows = held;
    } else {
        m_knownRows = held;
        if (m_totalsFinal && m_totals) {
            m_rowsInAll = m_totals->count;
            m_knownRows = std::max<qint64>(held, m_totals->count);
        }
    }
    endResetModel();
    // Another list: its first row is current even where the row number stays the same.
    m_currentRow = rowCount() > 0 ? 0 : -1;
    if (m_currentRow != -1 || previousRow != -1)
        emit currentRowChanged(m_currentRow);
    if (m_rowsInAll && held == *m_rowsInAll) {
        if (countEarly)
            m_database->cancelTotals(this);
        setFinalTotals(totalsOfHeldRows());
    } else if (!m_totalsFinal) {
        if (!countEarly)
            requestTotals();
        emit totalsChanged(); // the figures shown are the old ones until the new ones come
    }
    return true;
}

bool RecordSet::setOrderBy(const QStringList &fieldsWithDirections) {
    static const QRegularExpression term(
        QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*( (ASC|DESC))?$"),
        QRegularExpression::CaseInsensitiveOption);
    for (const QString &item : fieldsWithDirections) {
        if (!term.match(item).hasMatch())
            return false;
    }
    m_orderBy = fieldsWithDirections;
    return true;
}

// The key closes the order, in the direction of its last term, so rows that tie on the order
// still come in one order, block after block, and an index on the last field still serves.
QString RecordSet::orderClause() const {
    if (m_orderBy.isEmpty())
        return {};
    QStringList terms = m_orderBy;
    const bool keyed = std::any_of(terms.cbegin(), terms.cend(), [](const QString &term) {
        return term.section(QLatin1Char(' '), 0, 0).compare(QLatin1String("F_ID"),
                                                            Qt::CaseInsensitive) == 0;
    });
    if (!keyed && m_fields.indexOf(QStringLiteral("F_ID")) >= 0) {
        const bool descending = terms.last().endsWith(QLatin1String("DESC"), Qt::CaseInsensitive);
        terms << (descending ? QStringLiteral("F_ID DESC") : QStringLiteral("F_ID"));
    }
    return QStringLiteral(" order by ") + terms.join(QStringLiteral(", "));
}

SqlStatement RecordSet::effectiveStatement() const {
    if (m_orderBy.isEmpty())
        return m_statement;
    return SqlStatement(QStringLiteral("select * from (%1) as sorted").arg(m_statement.text) +
                            orderClause(),
                        m_statement.values);
}

std::optional<RecordSet::Block> RecordSet::readRows(qint64 first, qint64 count, QSqlError *error,
                                                    QSqlRecord *fields) const {
    if (!m_database)
        return std::nullopt;
    const SqlStatement effective = effectiveStatement();
    QSqlQuery query(m_database->connection());
    query.setForwardOnly(true);
    const bool ok =
        PrepareAndBind(query, SqlStatement(effective.text + QStringLiteral(" limit ? offset ?"),
                                           effective.values + QVariantList{count, first})) &&
        query.exec();
    if (!ok) {
        failedRead(query.lastError(), error);
        return std::nullopt;
    }
    const QSqlRecord shape = query.record();
    if (fields)
        *fields = shape;
    const int columns = shape.count();
    Block rows;
    while (query.next()) {
        Row row;
        row.reserve(columns);
        for (int column = 0; column < columns; ++column)
            row << query.value(column);
        rows << std::move(row);
    }
    // A read that stops short of the rows asked for because the file is damaged must not pass
    // for the end of the list.
    if (query.lastError().isValid()) {
        failedRead(query.lastError(), error);
        return std::nullopt;
    }
    return rows;
}

// The caller that asked for the error (the open) reports it; a read as the user scrolls or walks
// the list tells the user itself, once.
void RecordSet::failedRead(const QSqlError &failure, QSqlError *error) const {
    if (error) {
        *error = failure;
        return;
    }
    if (m_readFailureReported || !m_database)
        return;
    m_readFailureReported = true;
    m_database->reportReadFailure(failure);
}

const RecordSet::Block *RecordSet::block(int index) const {
    if (const auto found = m_blocks.constFind(index); found != m_blocks.cend()) {
        if (m_recentBlocks.isEmpty() || m_recentBlocks.last() != index) {
            m_recentBlocks.removeOne(index);
            m_recentBlocks << index;
        }
        return &*found;
    }
    std::optional<Block> rows = readRows(qint64(index) * BlockSize, BlockSize);
    if (!rows)
        return nullptr;
    keepBlock(index, std::move(*rows));
    return &m_blocks[index];
}

void RecordSet::keepBlock(int index, Block rows) const {
    m_blocks.insert(index, std::move(rows));
    m_recentBlocks.removeOne(index);
    m_recentBlocks << index;
    if (m_keepAll)
        return;
    const int currentBlock = m_currentRow >= 0 ? m_currentRow / BlockSize : -1;
    for (int i = 0; m_blocks.size() > BlocksKept && i < m_recentBlocks.size() - 1;) {
        const int oldest = m_recentBlocks[i];
        if (oldest == currentBlock) {
            ++i;
            continue;
        }
        m_blocks.remove(oldest);
        m_recentBlocks.removeAt(i);
    }
}

void RecordSet::extendKnownRows(qint64 rows) {
    rows = std::min<qint64>(rows, std::numeric_limits<int>::max());
    if (rows <= m_knownRows)
        return;
    beginInsertRows(QModelIndex(), int(m_knownRows), int(rows - 1));
    m_knownRows = rows;
    endInsertRows();
}

int RecordSet::rowCount(const QModelIndex &parent) const {
    return parent.isValid() || !m_active ? 0 : int(m_knownRows);
}

int RecordSet::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_fields.count();
}

QVariant RecordSet::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const int row = index.row();
    if (row < 0 || row >= m_knownRows)
        return {};
    const Block *rows = block(row / BlockSize);
    const int inBlock = row % BlockSize;
    if (!rows || inBlock >= rows->size())
        return {};
    return rows->at(inBlock).value(index.column());
}

bool RecordSet::canFetchMore(const QModelIndex &parent) const {
    return !parent.isValid() && m_active && !m_rowsInAll;
}

void RecordSet::fetchMore(const QModelIndex &parent) {
    if (!canFetchMore(parent))
        return;
    const int index = int(m_knownRows / BlockSize);
    const Block *rows = block(index);
    if (!rows)
        return;
    const qint64 available = qint64(index) * BlockSize + rows->size();
    if (rows->size() < BlockSize)
        m_rowsInAll = available;
    extendKnownRows(available);
}

void RecordSet::close() {
    if (m_database)
        m_database->cancelTotals(this);
    const bool wasActive = m_active;
    if (wasActive)
        beginResetModel();
    m_active = false;
    m_blocks.clear();
    m_recentBlocks.clear();
    m_fieldIndexes.clear();
    m_knownRows = 0;
    m_rowsInAll.reset();
    m_totalsFinal = false;
    if (wasActive)
        endResetModel();
    setCurrentRow(-1);
}

void RecordSet::setCurrentRow(int row) {
    if (row < -1 || row >= rowCount())
        row = -1;
    if (row == m_currentRow)
        return;
    m_currentRow = row;
    emit currentRowChanged(row);
}

int RecordSet::fieldIndex(const QString &field) const {
    if (m_fieldIndexes.isEmpty()) {
        for (int i = m_fields.count() - 1; i >= 0; --i)
            m_fieldIndexes.insert(m_fields.fieldName(i).toLower(), i);
    }
    return m_fieldIndexes.value(field.toLower(), -1);
}

QVariant RecordSet::value(int row, const QString &field) const {
    const int column = fieldIndex(field);
    if (column < 0 || row < 0 || row >= rowCount())
        return {};
    return data(index(row, column));
}

QVariant RecordSet::currentValue(const QString &field) const { return value(m_currentRow, field); }

int RecordSet::locateLoaded(const QString &field, const QVariant &wanted) {
    const int column = fieldIndex(field);
    if (column < 0)
        return -1;
    QList<int> held = m_blocks.keys();
    std::sort(held.begin(), held.end());
    for (int index : std::as_const(held)) {
        const Block &rows = m_blocks[index];
        for (int i = 0; i < rows.size(); ++i) {
            const qint64 row = qint64(index) * BlockSize + i;
            if (row < m_knownRows && rows[i].value(column) == wanted) {
                setCurrentRow(int(row));
                return int(row);
            }
        }
    }
    return -1;
}

// Rows not held are looked for by one statement that reads only the field, in the list's order,
// and is finished as soon as the row is found.
int RecordSet::locate(const QString &field, const QVariant &wanted) {
    const int column = fieldIndex(field);
    if (column < 0 || !m_database)
        return -1;
    if (const int row = locateLoaded(field, wanted); row >= 0)
        return row;
    if (holdsEveryRow())
        return -1;
    const QString name = m_fields.fieldName(column);
    if (!IsPlainName(name))
        return -1;
    QSqlQuery query(m_database->connection());
    query.setForwardOnly(true);
    const QString text =
        m_orderBy.isEmpty()
            ? QStringLiteral("select %1 from (%2) as located").arg(name, m_statement.text)
            : QStringLiteral("select %1 from (%2) as sorted").arg(name, m_statement.text) +
                  orderClause();
    if (!PrepareAndBind(query, SqlStatement(text, m_statement.values)) || !query.exec())
        return -1;
    for (qint64 row = 0; query.next(); ++row) {
        if (query.value(0) != wanted)
            continue;
        query.finish();
        if (row >= std::numeric_limits<int>::max())
            return -1;
        extendKnownRows(row + 1);
        setCurrentRow(int(row));
        return int(row);
    }
    return -1;
}

void RecordSet::fetchAll() {
    if (!m_active || holdsEveryRow())
        return;
    std::optional<Block> all = readRows(0, -1);
    if (!all)
        return;
    m_keepAll = true;
    const qint64 rows = all->size();
    m_blocks.clear();
    m_recentBlocks.clear();
    for (qint64 first = 0; first < rows; first += BlockSize)
        keepBlock(int(first / BlockSize), all->mid(first, BlockSize));
    m_rowsInAll = rows;
    extendKnownRows(rows);
    if (!m_totalsFinal) {
        if (m_database)
            m_database->cancelTotals(this);
        setFinalTotals(totalsOfHeldRows());
    }
}

bool RecordSet::requery() {
    return m_database && m_database->OpenQuerySQL(m_statement, *this);
}

bool RecordSet::reorder(const QStringList &fieldsWithDirections) {
    if (!setOrderBy(fieldsWithDirections))
        return false;
    if (!m_active)
        return true;
    m_reordering = true;
    const bool opened = requery();
    m_reordering = false;
    return opened;
}

void RecordSet::setSumFields(const QStringList &fields) {
    if (fields == m_sumFields)
        return;
    m_sumFields = fields;
    if (!m_active)
        return;
    if (holdsEveryRow()) {
        setFinalTotals(totalsOfHeldRows());
        return;
    }
    m_totalsFinal = false;
    requestTotals();
    emit totalsChanged();
}

void RecordSet::requestTotals() {
    if (!m_database)
        return;
    m_database->totalsReader().request(
        this, m_statement, m_sumFields, [this](const std::optional<Database::Totals> &totals) {
            if (totals) {
                setFinalTotals(*totals);
                return;
            }
            m_totals.reset();
            m_totalsFinal = true;
            emit totalsChanged();
        });
}

std::optional<Database::Totals> RecordSet::waitForTotals() {
    if (!m_active || !m_database)
        return std::nullopt;
    if (!m_totalsFinal) {
        m_database->cancelTotals(this);
        if (const auto totals = m_database->RecordTotals(m_statement, m_sumFields))
            setFinalTotals(*totals);
        else
            return std::nullopt;
    }
    return m_totals;
}

void RecordSet::setFinalTotals(const Database::Totals &totals) {
    m_totals = totals;
    m_totalsFinal = true;
    if (!m_rowsInAll) {
        m_rowsInAll = totals.count;
        extendKnownRows(totals.count);
    }
    emit totalsChanged();
}

bool RecordSet::holdsEveryRow() const {
    if (!m_rowsInAll)
        return false;
    for (qint64 first = 0; first < *m_rowsInAll; first += BlockSize) {
        if (!m_blocks.contains(int(first / BlockSize)))
            return false;
    }
    return true;
}

// Every row is held: the figures need no statement.
Database::Totals RecordSet::totalsOfHeldRows() const {
    Database::Totals totals;
    totals.count = m_rowsInAll.value_or(m_knownRows);
    for (const QString &field : m_sumFields) {
        const int column = fieldIndex(field);
        double sum = 0;
        for (const Block &rows : std::as_const(m_blocks)) {
            for (const Row &row : rows)
                sum += column >= 0 ? row.value(column).toDouble() : 0.0;
        }
        totals.sums << sum;
    }
    return totals;
}
