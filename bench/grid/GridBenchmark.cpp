// grid-100k: the equipment list as the main window shows it. Ours: a new connection through the
// data module, the record set of the list's statement, the 'setmain' columns with footer sums,
// a sort by code, up to the first paint of the grid's rows in a 1280×800 window and its footer
// sums, which the record set reads on its second connection meanwhile. Reference: the
// same statements straight through SQLite: the count and sums, then the first screen of sorted
// rows with every column read as text.
#include "harness/BenchRegistry.h"
#include "gui/widgets/GridLayouts.h"
#include "harness/Registers.h"

#include "RegisterGenerator.h"
#include "core/data/Database.h"
#include "core/data/RecordSet.h"
#include "gui/widgets/CellFormat.h"
#include "gui/widgets/DataGrid.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QPaintEvent>
#include <QTextStream>
#include <QVBoxLayout>
#include <QWidget>

#include <sqlite3.h>

#include <chrono>

namespace {

constexpr qint64 Items = 100000;
constexpr int WindowWidth = 1280;
constexpr int WindowHeight = 800;
const char *const ListSql = "select * from Sets where (1=1) ";
const char *const SortText = "F_code DESC,"; // as a window hands it to the grid
const char *const SortTerm = "F_code DESC";
// In the order the footer asks for them: the order of the columns.
const QStringList SumFields = {QStringLiteral("F_OriginValue"), QStringLiteral("F_totalprice")};

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Notes the first paint of the grid's viewport and what the grid had to show at that moment,
// so a run counts only when the rows it claims to have shown were really there to paint.
class FirstPaint final : public QObject {
public:
    explicit FirstPaint(DataGrid *grid) : m_grid(grid) {
        grid->viewport()->installEventFilter(this);
    }

    bool painted = false;
    bool firstRowInside = false;
    int rows = 0;
    QString firstCell;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            rows = m_grid->model()->rowCount();
            const QRect firstRow = m_grid->visualRect(m_grid->model()->index(0, 0));
            firstRowInside = static_cast<QPaintEvent *>(event)->rect().intersects(firstRow);
            firstCell = m_grid->cellText(0, 0);
        }
        return false;
    }

private:
    DataGrid *m_grid;
};

// What a run of ours leaves to be checked or reported once the clock has stopped.
struct GridOutcome {
    int screenRows = 0; // rows the viewport shows, the last one perhaps in part
    QStringList footer; // footer texts of SumFields
};

class Grid100k final : public PairedBenchmark {
public:
    bool setUp(Registers &registers, QString *error) override;
    std::optional<double> ours(QString *error) override;
    std::optional<double> reference(QString *error) override;
    void explain(QTextStream &out) override;

private:
    // One run of ours; `outcome` is filled after the clock stopped.
    std::optional<double> runGrid(GridOutcome *outcome, QString *error);
    bool checkOutcome(const FirstPaint &paint, const GridOutcome &outcome, QString *error) const;

    QString m_path;
    QList<DataGridColumn> m_columns;
    QString m_totalsSql;
    QString m_sortedSql;
    QString m_expectedFirst;
    QStringList m_expectedFooter;
    int m_screenRows = 0;
};

bool Grid100k::setUp(Registers &registers, QString *error) {
    const auto path = registers.path(Items, error);
    if (!path)
        return false;
    m_path = *path;
    // The built-in columns with the sums a user's stored layout would add.
    m_columns = BuiltInGridColumns(QStringLiteral("setmain"));
    for (DataGridColumn &column : m_columns) {
        if (SumFields.contains(column.fieldName, Qt::CaseInsensitive))
            column.footerKind = FooterKind::Sum;
    }
    // The texts Database::RecordTotals and RecordSet::effectiveStatement build, so both sides
    // ask SQLite the same.
    QStringList sums = {QStringLiteral("count(*)")};
    for (const QString &field : SumFields)
        sums << QStringLiteral("coalesce(sum(%1), 0)").arg(field);
    m_totalsSql = QStringLiteral("select %1 from (%2) as totals")
                      .arg(sums.join(QStringLiteral(", ")), QString::fromLatin1(ListSql));
    m_sortedSql = QStringLiteral("select * from (%1) as sorted order by %2")
                      .arg(QString::fromLatin1(ListSql), QString::fromLatin1(SortTerm));
    m_expectedFirst = RegisterGenerator::itemCode(Items);

    // The reference's totals give the footer ours must show; its first run also warms the OS
    // cache for both sides.
    sqlite3 *db = nullptr;
    bool ok = sqlite3_open_v2(m_path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
              SQLITE_OK;
    sqlite3_stmt *statement = nullptr;
    ok = ok && sqlite3_prepare_v2(db, m_totalsSql.toUtf8().constData(), -1, &statement, nullptr) ==
                   SQLITE_OK;
    ok = ok && sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_int64(statement, 0) == Items;
    if (ok) {
        for (int i = 0; i < SumFields.size(); ++i) {
            const DataGridColumn *column = nullptr;
            for (const DataGridColumn &c : std::as_const(m_columns)) {
                if (c.fieldName.compare(SumFields[i], Qt::CaseInsensitive) == 0)
                    column = &c;
            }
            m_expectedFooter << FormatCellValue(sqlite3_column_double(statement, i + 1),
                                                column ? column->displayFormat : QString());
        }
    } else if (error) {
        *error = QStringLiteral("cannot read the totals of %1: %2")
                     .arg(m_path, QString::fromUtf8(sqlite3_errmsg(db)));
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    if (!ok)
        return false;

    GridOutcome outcome;
    if (!runGrid(&outcome, error))
        return false;
    m_screenRows = outcome.screenRows;
    return reference(error).has_value();
}

std::optional<double> Grid100k::runGrid(GridOutcome *outcome, QString *error) {
    const Clock::time_point start = Clock::now();
    Database dm;
    if (!dm.connectTo(m_path, error))
        return std::nullopt;
    RecordSet records;
    QWidget window;
    window.resize(WindowWidth, WindowHeight);
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *grid = new DataGrid;
    layout->addWidget(grid);
    grid->setColumns(m_columns);
    grid->setRecordSet(&records);
    // The sort goes on before the open, so the one query that runs is already ordered and the
    // list starts at its top. (Sorting an open list re-queries and then reads every row up to
    // the current item to keep it current; --explain times that way too.)
    if (!grid->setSortSpec(QString::fromLatin1(SortText))) {
        *error = QStringLiteral("setSortSpec failed");
        return std::nullopt;
    }
    if (!dm.OpenQuerySQL(SqlStatement(QString::fromLatin1(ListSql)), records)) {
        *error = QStringLiteral("OpenQuerySQL failed: ") + dm.lastError();
        return std::nullopt;
    }
    FirstPaint paint(grid);
    window.show();
    const QDeadlineTimer deadline(std::chrono::seconds(60));
    // The count and sums come from the second connection while the first screen is painted;
    // the run ends when both are there.
    while ((!paint.painted || !grid->totalsFinal()) && !deadline.hasExpired())
        QCoreApplication::processEvents();
    const double elapsed = secondsSince(start);

    GridOutcome local;
    GridOutcome &result = outcome ? *outcome : local;
    const int lastRow = grid->rowAt(grid->viewport()->height() - 1);
    result.screenRows = lastRow >= 0 ? lastRow + 1 : grid->model()->rowCount();
    for (const QString &field : SumFields)
        result.footer << grid->footerText(grid->columnIndex(field));
    if (!checkOutcome(paint, result, error))
        return std::nullopt;
    return elapsed;
}

bool Grid100k::checkOutcome(const FirstPaint &paint, const GridOutcome &outcome,
                            QString *error) const {
    QString problem;
    if (!paint.painted)
        problem = QStringLiteral("the grid was never painted");
    else if (paint.rows == 0 || !paint.firstRowInside)
        problem =
            QStringLiteral("the first paint showed no rows (%1 rows, first row %2)")
                .arg(paint.rows)
                .arg(paint.firstRowInside ? QStringLiteral("inside") : QStringLiteral("outside"));
    else if (paint.firstCell != m_expectedFirst)
        problem = QStringLiteral("first cell \"%1\", expected \"%2\"")
                      .arg(paint.firstCell, m_expectedFirst);
    else if (outcome.footer != m_expectedFooter)
        problem = QStringLiteral("footer sums \"%1\", expected \"%2\"")
                      .arg(outcome.footer.join(QStringLiteral("\", \"")),
                           m_expectedFooter.join(QStringLiteral("\", \"")));
    if (problem.isEmpty())
        return true;
    if (error)
        *error = problem;
    return false;
}

std::optional<double> Grid100k::ours(QString *error) {
    return runGrid(nullptr, error);
}

std::optional<double> Grid100k::reference(QString *error) {
    const Clock::time_point start = Clock::now();
    sqlite3 *db = nullptr;
    sqlite3_stmt *totals = nullptr;
    sqlite3_stmt *sorted = nullptr;
    qint64 count = 0;
    double sums[2] = {0, 0};
    QByteArray first;
    qint64 bytes = 0;
    int rows = 0;
    bool ok = sqlite3_open_v2(m_path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
              SQLITE_OK;
    ok = ok && sqlite3_prepare_v2(db, m_totalsSql.toUtf8().constData(), -1, &totals, nullptr) ==
                   SQLITE_OK;
    ok = ok && sqlite3_step(totals) == SQLITE_ROW;
    if (ok) {
        count = sqlite3_column_int64(totals, 0);
        sums[0] = sqlite3_column_double(totals, 1);
        sums[1] = sqlite3_column_double(totals, 2);
    }
    ok = ok && sqlite3_prepare_v2(db, m_sortedSql.toUtf8().constData(), -1, &sorted, nullptr) ==
                   SQLITE_OK;
    const int screenRows = qMax(m_screenRows, 1);
    while (ok && rows < screenRows && sqlite3_step(sorted) == SQLITE_ROW) {
        const int columns = sqlite3_column_count(sorted);
        for (int c = 0; c < columns; ++c) {
            const unsigned char *text = sqlite3_column_text(sorted, c);
            bytes += sqlite3_column_bytes(sorted, c);
            if (rows == 0 && c == 1 && text)
                first = QByteArray(reinterpret_cast<const char *>(text));
        }
        ++rows;
    }
    const QString sqliteError = ok ? QString() : QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(sorted);
    sqlite3_finalize(totals);
    sqlite3_close(db);
    const double elapsed = secondsSince(start);

    if (!ok) {
        *error = QStringLiteral("reference failed: ") + sqliteError;
        return std::nullopt;
    }
    if (count != Items || rows != screenRows || QString::fromUtf8(first) != m_expectedFirst ||
        bytes == 0 || sums[0] <= 0 || sums[1] < sums[0]) {
        *error = QStringLiteral("reference read %1 rows, first \"%2\", count %3")
                     .arg(rows)
                     .arg(QString::fromUtf8(first))
                     .arg(count);
        return std::nullopt;
    }
    return elapsed;
}

// The steps of runGrid one by one, each timed; then the other order (open first, sort the open
// list), and the parts of its re-sort timed apart.
void Grid100k::explain(QTextStream &out) {
    QElapsedTimer step;
    auto lap = [&](const char *what) {
        out << QString::asprintf("  %-60s %9.2f ms\n", what, double(step.nsecsElapsed()) / 1e6);
        out.flush();
        step.restart();
    };
    auto footerOf = [](DataGrid *grid) {
        QStringList footer;
        for (const QString &field : SumFields)
            footer << grid->footerText(grid->columnIndex(field));
        return QStringLiteral("\"") + footer.join(QStringLiteral("\", \"")) + QStringLiteral("\"");
    };
    auto showAndPaint = [](QWidget &window, DataGrid *grid) {
        FirstPaint paint(grid);
        window.show();
        while (!paint.painted)
            QCoreApplication::processEvents();
        return paint.firstCell;
    };
    const QString expectedFooter = QStringLiteral("\"") +
                                   m_expectedFooter.join(QStringLiteral("\", \"")) +
                                   QStringLiteral("\"");

    out << "  as measured (sort set before the open):\n";
    QElapsedTimer whole;
    whole.start();
    step.start();
    {
        Database dm;
        dm.connectTo(m_path);
        lap("Database::connectTo");
        RecordSet records;
        QWidget window;
        window.resize(WindowWidth, WindowHeight);
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        auto *grid = new DataGrid;
        layout->addWidget(grid);
        lap("window and DataGrid constructed");
        grid->setColumns(m_columns);
        grid->setRecordSet(&records);
        grid->setSortSpec(QString::fromLatin1(SortText));
        lap("setColumns, setRecordSet, setSortSpec (nothing open yet)");
        dm.OpenQuerySQL(SqlStatement(QString::fromLatin1(ListSql)), records);
        lap("OpenQuerySQL sorted, with the grid's footer sums on its reset");
        const QString first = showAndPaint(window, grid);
        lap("show() to the first paint of the viewport");
        out << QString::asprintf("  %-60s %9.2f ms\n", "total to first paint",
                                 double(whole.nsecsElapsed()) / 1e6);
        out << "    first cell " << first << ", rows read " << records.rowCount() << ", footer "
            << footerOf(grid) << "\n";
        out.flush();
        step.restart();
    }
    lap("tear-down (not timed by the benchmark)");

    out << "  the other order (open, then sort the open list):\n";
    whole.restart();
    step.restart();
    {
        Database dm;
        dm.connectTo(m_path);
        RecordSet records;
        dm.OpenQuerySQL(SqlStatement(QString::fromLatin1(ListSql)), records);
        lap("connectTo, OpenQuerySQL unsorted (no grid yet)");
        QWidget window;
        window.resize(WindowWidth, WindowHeight);
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        auto *grid = new DataGrid;
        layout->addWidget(grid);
        grid->setColumns(m_columns);
        step.restart();
        grid->setRecordSet(&records);
        lap("DataGrid::setRecordSet (footer sums by RecordTotals)");
        out << "    footer before the sort: " << footerOf(grid) << "\n";
        step.restart();
        grid->setSortSpec(QString::fromLatin1(SortText));
        lap("DataGrid::setSortSpec (re-query, keep the current item)");
        out << "    rows read " << records.rowCount() << ", current row " << records.currentRow()
            << ", footer after the sort: " << footerOf(grid) << "\n";
        step.restart();
        const QString first = showAndPaint(window, grid);
        lap("show() to the first paint of the viewport");
        out << QString::asprintf("  %-60s %9.2f ms\n", "total to first paint",
                                 double(whole.nsecsElapsed()) / 1e6);
        out << "    first cell painted: " << first << "\n";
        out.flush();
        step.restart();
    }
    lap("tear-down");

    out << "  parts of that re-sort, apart:\n";
    {
        Database dm;
        dm.connectTo(m_path);
        RecordSet records;
        records.setOrderBy({QString::fromLatin1(SortTerm)});
        step.restart();
        dm.OpenQuerySQL(SqlStatement(QString::fromLatin1(ListSql)), records);
        lap("  OpenQuerySQL sorted, no grid (first rows read)");
        dm.RecordTotals(SqlStatement(QString::fromLatin1(ListSql)), SumFields);
        lap("  Database::RecordTotals (count and 2 sums)");
        records.locate(QStringLiteral("F_ID"), 1);
        lap("  RecordSet::locate(F_ID = 1), the last row: reads every row");
    }
    out << "  expected footer " << expectedFooter << "; screen rows " << m_screenRows << "\n";
    QString error;
    step.restart();
    reference(&error);
    lap("reference, whole");
}

} // namespace

std::unique_ptr<PairedBenchmark> CreateGrid100kBenchmark() {
    return std::make_unique<Grid100k>();
}
