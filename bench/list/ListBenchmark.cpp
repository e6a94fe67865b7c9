// The main window's equipment list as the user sees it, on the generated registers.
// - list-100k, list-1M: after a change of filter. Ours: the main window (1280×800) shown on the
//   register, its list loaded, the type node 电子设备 selected in the tree and 设备名称 chosen in
//   the search field box; the clock runs from the character 电 committed into the value box, as
//   an input method commits it (each change of that text refreshes the list), until the grid
//   has painted the new first row and the label and footer show the new final count and sums.
//   Reference: the statements of that refresh straight through SQLite, on a connection that has
//   already read the unfiltered list: the first screen of rows ordered by code, then the count
//   and the two sums, with the same bound values.
// - keystroke-1M: the same change on 1,000,000 items, until the first paint of the new first
//   row; the count follows later. Reference: the first screen's statement alone.
// - typing-1M: 笔记本电脑 typed one character every 80 ms over every type, until the final count
//   and sums of the whole text are shown. Reference: the count and sums of that text alone, plus
//   the 320 ms the typing itself takes.
// - scroll-1M: the whole list of 1,000,000 items, its count known, jumped to row 500,000 and
//   then to its last row, each until painted. Reference: the statements that read those two
//   blocks of rows, as the list reads them.
#include "harness/AppFolder.h"
#include "harness/BenchRegistry.h"
#include "harness/IdleWatch.h"
#include "harness/Registers.h"
#include "harness/StatementLog.h"

#include "core/data/Database.h"
#include "core/data/RecordSet.h"
#include "gui/widgets/CodeTree.h"
#include "core/register/EquipmentFilter.h"
#include "gui/register/MainWindow.h"
#include "gui/widgets/CellFormat.h"
#include "gui/widgets/DataGrid.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QRegularExpression>
#include <QTextStream>
#include <QTreeWidget>

#include <sqlite3.h>

#include <chrono>

namespace {

constexpr int WindowWidth = 1280;
constexpr int WindowHeight = 800;
constexpr int NameField = 1; // 设备名称 in the search field box: a "contains" search
const QString TypeNode = QStringLiteral("电子设备");
const QString SearchText = QStringLiteral("电");
// Typed one character after the other for --explain; each keystroke re-runs the list.
const QString TypedName = QStringLiteral("笔记本");
const QStringList SumFields = {QStringLiteral("F_OriginValue"), QStringLiteral("F_totalprice")};
// The display format both sum columns have in the stored layout.
const QString SumFormat = QStringLiteral("0.00");

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double msSince(Clock::time_point start) {
    return secondsSince(start) * 1000;
}

// What the list shows once it has been refreshed: the window's own texts, or what they must be.
struct ListState {
    qint64 count = -1;  // the number in the count label
    QString firstCode;  // of the first row
    QStringList footer; // texts of SumFields
};

// One statement with its bound values, UTF-8, for SQLite's own interface.
struct Statement {
    QByteArray text;
    QList<QByteArray> values;
};

Statement utf8(const QString &text, const QList<QVariant> &values) {
    Statement statement{text.toUtf8(), {}};
    for (const QVariant &value : values)
        statement.values << value.toString().toUtf8();
    return statement;
}

// The list statement of a filter as MainWindow::RefreshList runs it, and the count and sums over
// it asked the least costly way, without an order that changes neither.
struct ListStatements {
    Statement list;
    Statement totals;
    Statement totalsAsOpened; // over the ordered statement, as the list's record set holds it
};

ListStatements statementsOf(const EquipmentFilter &filter) {
    const SqlStatement where = filter.statement(SqlDialect::sqlite());
    const QString ordered = where.text + QStringLiteral(" order by F_code");
    QStringList sums = {QStringLiteral("count(*)")};
    for (const QString &field : SumFields)
        sums << QStringLiteral("coalesce(sum(%1), 0)").arg(field);
    const QString totals = QStringLiteral("select %1 from (%2) as totals")
                               .arg(sums.join(QStringLiteral(", ")), QStringLiteral("%1"));
    return {utf8(ordered, where.values), utf8(totals.arg(where.text), where.values),
            utf8(totals.arg(ordered), where.values)};
}

// SQLite's side of a list: one connection, statements prepared anew for each use as the data
// module prepares them.
class Sqlite {
public:
    explicit Sqlite(const QString &file) {
        if (sqlite3_open_v2(file.toUtf8().constData(), &m_db, SQLITE_OPEN_READONLY, nullptr) !=
            SQLITE_OK)
            fail();
    }
    ~Sqlite() { sqlite3_close(m_db); }
    Sqlite(const Sqlite &) = delete;
    Sqlite &operator=(const Sqlite &) = delete;

    bool ok() const { return m_error.isEmpty(); }
    const QString &error() const { return m_error; }

    // Reads up to `rows` rows, every column as text, as a grid reads what it shows; the code of
    // the first row goes to `firstCode`.
    int readRows(const Statement &statement, int rows, QString *firstCode) {
        sqlite3_stmt *query = prepare(statement);
        int read = 0;
        qint64 bytes = 0;
        while (query && read < rows && sqlite3_step(query) == SQLITE_ROW) {
            const int columns = sqlite3_column_count(query);
            for (int c = 0; c < columns; ++c) {
                const unsigned char *text = sqlite3_column_text(query, c);
                bytes += sqlite3_column_bytes(query, c);
                if (read == 0 && firstCode && text &&
                    qstricmp(sqlite3_column_name(query, c), "F_code") == 0)
                    *firstCode = QString::fromUtf8(reinterpret_cast<const char *>(text));
            }
            ++read;
        }
        sqlite3_finalize(query);
        return bytes > 0 ? read : 0;
    }

    // The count and the sums of a totals statement; nothing after an error.
    std::optional<std::pair<qint64, QList<double>>> totals(const Statement &statement) {
        sqlite3_stmt *query = prepare(statement);
        if (!query || sqlite3_step(query) != SQLITE_ROW) {
            fail();
            sqlite3_finalize(query);
            return std::nullopt;
        }
        std::pair<qint64, QList<double>> result{sqlite3_column_int64(query, 0), {}};
        for (int i = 1; i < sqlite3_column_count(query); ++i)
            result.second << sqlite3_column_double(query, i);
        sqlite3_finalize(query);
        return result;
    }

    // SQLite's plan for a statement, one line per step.
    QStringList plan(const Statement &statement) {
        QStringList lines;
        sqlite3_stmt *query =
            prepare(Statement{"explain query plan " + statement.text, statement.values});
        while (query && sqlite3_step(query) == SQLITE_ROW)
            lines << QString::fromUtf8(
                reinterpret_cast<const char *>(sqlite3_column_text(query, 3)));
        sqlite3_finalize(query);
        return lines;
    }

private:
    sqlite3_stmt *prepare(const Statement &statement) {
        sqlite3_stmt *query = nullptr;
        if (!m_db || sqlite3_prepare_v2(m_db, statement.text.constData(), -1, &query, nullptr) !=
                         SQLITE_OK) {
            fail();
            return nullptr;
        }
        for (int i = 0; i < statement.values.size(); ++i)
            sqlite3_bind_text(query, i + 1, statement.values[i].constData(),
                              int(statement.values[i].size()), SQLITE_STATIC);
        return query;
    }

    void fail() {
        if (m_error.isEmpty())
            m_error = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db))
                           : QStringLiteral("cannot open the register");
    }

    sqlite3 *m_db = nullptr;
    QString m_error;
};

// The main window on its own connection, shown with its list loaded and settled.
struct ShownMainWindow {
    Database dm; // outlives the window, whose record sets read through it
    std::unique_ptr<MainWindow> window;
    DataGrid *grid = nullptr;
    QComboBox *field = nullptr;
    QLineEdit *value = nullptr;
    QTreeWidget *types = nullptr;
    QLabel *count = nullptr;

    ListState state() const {
        ListState shown;
        static const QRegularExpression number(QStringLiteral("\\d+"));
        const QRegularExpressionMatch match = number.match(count->text());
        shown.count = match.hasMatch() ? match.captured().toLongLong() : -1;
        shown.firstCode = grid->model()->rowCount() > 0
                              ? grid->cellText(0, grid->columnIndex(QStringLiteral("F_code")))
                              : QString();
        for (const QString &field : SumFields)
            shown.footer << grid->footerText(grid->columnIndex(field));
        return shown;
    }

    // The first-level node of the type tree with that name.
    QTreeWidgetItem *typeNode(const QString &name) const {
        QTreeWidgetItem *root = types->topLevelItem(0);
        for (int i = 0; root && i < root->childCount(); ++i) {
            if (NodeDataOf(root->child(i)).NodeName == name)
                return root->child(i);
        }
        return nullptr;
    }

    // Commits text the way an input method commits a character a user picked.
    void commit(const QString &text) const {
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(value, &event);
    }
};

// Notes the first paint of the grid's viewport after it is made, and what the list showed at
// that moment, so a run counts only when what it claims to have shown was there to paint.
class NextPaint final : public QObject {
public:
    explicit NextPaint(const ShownMainWindow &main) : m_main(main) {
        main.grid->viewport()->installEventFilter(this);
    }

    bool painted = false;
    bool firstRowInside = false;
    ListState shown;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            const QRect firstRow = m_main.grid->visualRect(m_main.grid->model()->index(0, 0));
            firstRowInside = static_cast<QPaintEvent *>(event)->rect().intersects(firstRow);
            shown = m_main.state();
        }
        return false;
    }

private:
    const ShownMainWindow &m_main;
};

// Runs the event loop until the list shows `expected` with its count final, or two minutes
// have passed; the seconds from `start` when it did.
std::optional<double> waitForFinalState(const ShownMainWindow &main, const ListState &expected,
                                        Clock::time_point start) {
    const QDeadlineTimer deadline(std::chrono::seconds(120));
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents();
        if (!main.grid->totalsFinal())
            continue;
        const ListState shown = main.state();
        if (shown.count == expected.count && shown.firstCode == expected.firstCode &&
            shown.footer == expected.footer)
            return secondsSince(start);
    }
    return std::nullopt;
}

bool waitForPaint(const NextPaint &paint) {
    const QDeadlineTimer deadline(std::chrono::seconds(120));
    while (!paint.painted && !deadline.hasExpired())
        QCoreApplication::processEvents();
    return paint.painted;
}

// The main window on the register of `folder`, shown with its list loaded and painted.
std::unique_ptr<ShownMainWindow> openMainWindow(AppFolder &folder, QString *error) {
    folder.useInThisProcess();
    auto main = std::make_unique<ShownMainWindow>();
    if (!main->dm.connectTo(folder.databaseFile(), error))
        return nullptr;
    main->window = std::make_unique<MainWindow>(main->dm);
    MainWindow *window = main->window.get();
    main->grid = window->findChild<DataGrid *>(QStringLiteral("DBGridEh1"));
    main->field = window->findChild<QComboBox *>(QStringLiteral("ComboBox1"));
    main->value = window->findChild<QLineEdit *>(QStringLiteral("Edit1"));
    main->types = window->findChild<QTreeWidget *>(QStringLiteral("tvTree"));
    main->count = window->findChild<QLabel *>(QStringLiteral("lblSETnum"));
    if (!main->grid || !main->field || !main->value || !main->types || !main->count) {
        *error = QStringLiteral("the main window lacks one of DBGridEh1, ComboBox1, Edit1, "
                                "tvTree, lblSETnum");
        return nullptr;
    }
    window->resize(WindowWidth, WindowHeight);
    window->show();
    window->activateWindow();
    NextPaint paint(*main);
    if (!WaitUntilIdle([&paint, &main] { return paint.painted && main->grid->totalsFinal(); })) {
        *error = QStringLiteral("the main window never settled");
        return nullptr;
    }
    return main;
}

class ListRefresh : public PairedBenchmark {
public:
    bool setUp(Registers &registers, QString *error) override;
    std::optional<double> ours(QString *error) override;
    std::optional<double> reference(QString *error) override;
    void explain(QTextStream &out) override;

protected:
    // Until what a run is timed: the list complete with its final count and sums, or only its
    // first screen painted.
    enum class Until { FinalCount, FirstScreen };
    explicit ListRefresh(qint64 items, Until until = Until::FinalCount)
        : m_items(items), m_until(until) {}

private:
    std::unique_ptr<ShownMainWindow> openWindow(QString *error);
    // The filter of a run selected but not applied yet: the type node and the search field.
    bool prepareFilter(ShownMainWindow &main, QString *error) const;
    std::optional<ListState> expectedState(Sqlite &db, const ListStatements &statements,
                                           QString *error) const;
    bool check(const QString &what, const ListState &shown, const ListState &expected,
               QString *error) const;
    std::optional<double> runReference(const ListStatements &statements, QString *error);
    void explainKeystrokes(QTextStream &out, bool withTypeNode);

    const qint64 m_items;
    const Until m_until;
    std::unique_ptr<AppFolder> m_folder;
    QString m_typePath;
    EquipmentFilter m_filter;
    ListStatements m_initial; // the unfiltered list the window opens with
    ListStatements m_filtered;
    ListState m_expectedInitial;
    ListState m_expected;
    int m_screenRows = 0;
};

std::unique_ptr<ShownMainWindow> ListRefresh::openWindow(QString *error) {
    return openMainWindow(*m_folder, error);
}

bool ListRefresh::prepareFilter(ShownMainWindow &main, QString *error) const {
    if (main.field->itemText(NameField) != QStringLiteral("设备名称")) {
        *error = QStringLiteral("search field %1 is \"%2\", not 设备名称")
                     .arg(NameField)
                     .arg(main.field->itemText(NameField));
        return false;
    }
    QTreeWidgetItem *node = main.typeNode(TypeNode);
    if (!node) {
        *error = QStringLiteral("no type node %1").arg(TypeNode);
        return false;
    }
    main.field->setCurrentIndex(NameField);
    main.types->setCurrentItem(node);
    main.value->setFocus();
    return WaitUntilIdle();
}

std::optional<ListState> ListRefresh::expectedState(Sqlite &db, const ListStatements &statements,
                                                    QString *error) const {
    ListState expected;
    if (db.readRows(statements.list, 1, &expected.firstCode) != 1 && db.ok()) {
        *error = QStringLiteral("the list of the benchmark's filter is empty");
        return std::nullopt;
    }
    const auto totals = db.totals(statements.totals);
    if (!db.ok() || !totals) {
        *error = QStringLiteral("cannot read the expected list: ") + db.error();
        return std::nullopt;
    }
    expected.count = totals->first;
    for (double sum : totals->second)
        expected.footer << FormatCellValue(sum, SumFormat);
    return expected;
}

bool ListRefresh::check(const QString &what, const ListState &shown, const ListState &expected,
                        QString *error) const {
    QString problem;
    if (shown.count != expected.count)
        problem = QStringLiteral("count %1, expected %2").arg(shown.count).arg(expected.count);
    else if (shown.firstCode != expected.firstCode)
        problem = QStringLiteral("first code \"%1\", expected \"%2\"")
                      .arg(shown.firstCode, expected.firstCode);
    else if (shown.footer != expected.footer)
        problem = QStringLiteral("footer \"%1\", expected \"%2\"")
                      .arg(shown.footer.join(QStringLiteral("\", \"")),
                           expected.footer.join(QStringLiteral("\", \"")));
    if (problem.isEmpty())
        return true;
    *error = what + QStringLiteral(": ") + problem;
    return false;
}

bool ListRefresh::setUp(Registers &registers, QString *error) {
    const auto path = registers.path(m_items, error);
    if (!path)
        return false;
    m_folder = AppFolder::create(*path, error);
    if (!m_folder)
        return false;

    // The window tells what a user has in front of them: the node's path and the rows on screen.
    {
        const auto main = openWindow(error);
        if (!main)
            return false;
        QTreeWidgetItem *node = main->typeNode(TypeNode);
        if (!node) {
            *error = QStringLiteral("no type node %1").arg(TypeNode);
            return false;
        }
        m_typePath = NodeDataOf(node).NodeLikeCode;
        const int lastRow = main->grid->rowAt(main->grid->viewport()->height() - 1);
        m_screenRows = lastRow >= 0 ? lastRow + 1 : main->grid->model()->rowCount();
        m_expectedInitial = main->state();
    }

    m_initial = statementsOf(EquipmentFilter());
    m_filter.searchField = NameField;
    m_filter.searchText = SearchText;
    m_filter.typePath = m_typePath;
    m_filtered = statementsOf(m_filter);

    Sqlite db(m_folder->databaseFile());
    const auto initial = expectedState(db, m_initial, error);
    if (!initial || !check(QStringLiteral("the list as the window opened it"), m_expectedInitial,
                           *initial, error))
        return false;
    const auto expected = expectedState(db, m_filtered, error);
    if (!expected)
        return false;
    m_expected = *expected;
    if (m_expected.count * 10 < m_items) {
        *error = QStringLiteral("only %1 of %2 items match the filter")
                     .arg(m_expected.count)
                     .arg(m_items);
        return false;
    }
    return ours(error).has_value() && reference(error).has_value();
}

std::optional<double> ListRefresh::ours(QString *error) {
    const auto main = openWindow(error);
    if (!main || !prepareFilter(*main, error))
        return std::nullopt;

    NextPaint paint(*main);
    const Clock::time_point start = Clock::now();
    main->commit(SearchText);
    const bool painted = waitForPaint(paint);
    double elapsed = secondsSince(start);

    if (main->value->text() != SearchText) {
        *error = QStringLiteral("the value box holds \"%1\"").arg(main->value->text());
        return std::nullopt;
    }
    if (!painted || !paint.firstRowInside) {
        *error = QStringLiteral("the grid's first row was not painted after the change");
        return std::nullopt;
    }
    if (paint.shown.firstCode != m_expected.firstCode) {
        *error = QStringLiteral("first code \"%1\" at the paint, expected \"%2\"")
                     .arg(paint.shown.firstCode, m_expected.firstCode);
        return std::nullopt;
    }
    const std::optional<double> complete = waitForFinalState(*main, m_expected, start);
    if (!complete) {
        if (check(QStringLiteral("in the end"), main->state(), m_expected, error))
            *error = QStringLiteral("the count never became final");
        return std::nullopt;
    }
    if (m_until == Until::FinalCount)
        elapsed = *complete;
    return elapsed;
}

std::optional<double> ListRefresh::runReference(const ListStatements &statements, QString *error) {
    Sqlite db(m_folder->databaseFile());
    // Where the window starts from: its connection has read the unfiltered list.
    db.readRows(m_initial.list, m_screenRows, nullptr);
    db.totals(m_initial.totals);

    const Clock::time_point start = Clock::now();
    QString first;
    const int rows = db.readRows(statements.list, m_screenRows, &first);
    const auto totals = db.totals(statements.totals);
    const double elapsed = secondsSince(start);

    if (!db.ok() || !totals) {
        *error = QStringLiteral("reference failed: ") + db.error();
        return std::nullopt;
    }
    if (rows != qMin<qint64>(m_screenRows, m_expected.count) || first != m_expected.firstCode ||
        totals->first != m_expected.count) {
        *error = QStringLiteral("reference read %1 rows, first \"%2\", count %3")
                     .arg(rows)
                     .arg(first)
                     .arg(totals->first);
        return std::nullopt;
    }
    return elapsed;
}

std::optional<double> ListRefresh::reference(QString *error) {
    if (m_until == Until::FirstScreen) {
        Sqlite db(m_folder->databaseFile());
        db.readRows(m_initial.list, m_screenRows, nullptr);
        const Clock::time_point start = Clock::now();
        QString first;
        db.readRows(m_filtered.list, m_screenRows, &first);
        const double elapsed = secondsSince(start);
        if (!db.ok() || first != m_expected.firstCode) {
            *error = QStringLiteral("reference read first \"%1\" %2").arg(first, db.error());
            return std::nullopt;
        }
        return elapsed;
    }
    return runReference(m_filtered, error);
}

// Each keystroke of a three-character name search, timed from the character's commit to the
// paint that shows its list: within the type node and, the widest case, over every item.
void ListRefresh::explainKeystrokes(QTextStream &out, bool withTypeNode) {
    QString error;
    const auto main = openWindow(&error);
    if (!main || !prepareFilter(*main, &error)) {
        out << "  keystrokes: " << error << "\n";
        return;
    }
    if (!withTypeNode) {
        main->types->setCurrentItem(main->types->topLevelItem(0));
        WaitUntilIdle();
    }
    out << "  typing " << TypedName << " into the value box, "
        << (withTypeNode ? QStringLiteral("type node ") + TypeNode
                         : QStringLiteral("all types (root node)"))
        << ":\n";
    for (int i = 0; i < TypedName.size(); ++i) {
        NextPaint paint(*main);
        const Clock::time_point start = Clock::now();
        main->commit(TypedName.mid(i, 1));
        const double refreshed = msSince(start);
        waitForPaint(paint);
        const double shown = msSince(start);
        out << QString::asprintf(
            "    %-12s %9.1f ms to the paint (refresh %9.1f ms), count %lld\n",
            qPrintable(QLatin1Char('"') + main->value->text() + QLatin1Char('"')), shown, refreshed,
            paint.shown.count);
        out.flush();
        WaitUntilIdle();
    }
}

void ListRefresh::explain(QTextStream &out) {
    QString error;
    Sqlite db(m_folder->databaseFile());
    out << "  register: " << m_items << " items; filter: type path " << m_typePath
        << ", 设备名称 contains " << SearchText << "; screen rows " << m_screenRows << "\n";
    out << "  expected: count " << m_expected.count << ", first " << m_expected.firstCode
        << ", footer " << m_expected.footer.join(QStringLiteral(" / ")) << "\n";
    const auto printPlan = [&](const char *what, const Statement &statement) {
        out << "  plan of " << what << ":\n";
        for (const QString &line : db.plan(statement))
            out << "    " << line << "\n";
    };
    printPlan("the list (ordered by code)", m_filtered.list);
    printPlan("the totals as the reference asks", m_filtered.totals);
    printPlan("the totals as the window asks (over the ordered list)", m_filtered.totalsAsOpened);
    out.flush();

    const auto lap = [&](const char *what, Clock::time_point start) {
        out << QString::asprintf("  %-66s %9.1f ms\n", what, msSince(start));
        out.flush();
    };

    out << "  one run of ours, step by step:\n";
    {
        Clock::time_point start = Clock::now();
        const auto main = openWindow(&error);
        if (!main || !prepareFilter(*main, &error)) {
            out << "  " << error << "\n";
            return;
        }
        lap("  window opened, list loaded, filter prepared (untimed)", start);
        NextPaint paint(*main);
        std::optional<StatementLog> log(std::in_place, main->dm.connection());
        start = Clock::now();
        main->commit(SearchText);
        lap("  commit of the character to RefreshList's return", start);
        waitForPaint(paint);
        lap("  commit of the character to the grid's paint (measured)", start);
        out << "    the statements it ran, as SQLite saw them (a list's own query is done only "
               "when it is closed, so its time there is how long it stayed open):\n";
        log->print(out);
        log.reset();
        check(QStringLiteral("at the paint"), paint.shown, m_expected, &error);
        out << "    shown: count " << paint.shown.count << ", first " << paint.shown.firstCode
            << ", footer " << paint.shown.footer.join(QStringLiteral(" / "))
            << (error.isEmpty() ? QString() : QStringLiteral(" — ") + error) << "\n";

        // The parts of that refresh apart, through the same data module.
        const SqlStatement where = m_filter.statement(SqlDialect::sqlite());
        SqlStatement ordered = where;
        ordered.add(QStringLiteral(" order by F_code"));
        RecordSet records;
        start = Clock::now();
        main->dm.OpenQuerySQL(ordered, records);
        lap("  OpenQuerySQL of the ordered list (its first rows read)", start);
        out << "    rows read at the open: " << records.rowCount() << "\n";
        start = Clock::now();
        main->dm.RecordTotals(ordered, SumFields);
        lap("  RecordTotals over the ordered list (what the grid runs)", start);
        start = Clock::now();
        main->dm.RecordTotals(where, SumFields);
        lap("  RecordTotals over the unordered list", start);
        // The same filter with the type condition kept off ix_Sets_type (a unary plus on the
        // column): SQLite then reads the list in code order through ix_Sets_code, stopping after
        // the rows the model asks for, and counts by a plain scan of the table.
        SqlStatement offIndex = where;
        offIndex.text.replace(QStringLiteral("f_type "), QStringLiteral("+f_type "));
        SqlStatement offIndexOrdered = offIndex;
        offIndexOrdered.add(QStringLiteral(" order by F_code"));
        RecordSet offIndexRecords;
        start = Clock::now();
        main->dm.OpenQuerySQL(offIndexOrdered, offIndexRecords);
        lap("  OpenQuerySQL of the ordered list, type condition off its index", start);
        start = Clock::now();
        main->dm.RecordTotals(offIndex, SumFields);
        lap("  RecordTotals over the unordered list, type condition off its index", start);
        out << "    plans: "
            << db.plan(utf8(offIndexOrdered.text, offIndexOrdered.values))
                   .join(QStringLiteral("; "))
            << " / " << db.plan(utf8(offIndex.text, offIndex.values)).join(QStringLiteral("; "))
            << "\n";
        RecordSet detail;
        start = Clock::now();
        for (const char *table : {"t_SetREC", "t_ImageREC", "t_FileREC"})
            main->dm.OpenQuerySQL(
                SqlStatement(
                    QStringLiteral("select * from %1 where F_mainID = ?").arg(QLatin1String(table)),
                    {main->window->QryMain().currentValue(QStringLiteral("F_ID"))}),
                detail);
        lap("  the three detail queries of the current item", start);
        start = Clock::now();
        main->window->RefreshList();
        lap("  RefreshList once more, same filter (warm)", start);
        NextPaint repaint(*main);
        main->grid->viewport()->update();
        start = Clock::now();
        waitForPaint(repaint);
        lap("  a repaint of the grid alone", start);
    }

    out << "  the reference's parts:\n";
    {
        Sqlite reference(m_folder->databaseFile());
        reference.readRows(m_initial.list, m_screenRows, nullptr);
        Clock::time_point start = Clock::now();
        reference.readRows(m_filtered.list, m_screenRows, nullptr);
        lap("  first screen of the ordered list", start);
        start = Clock::now();
        reference.totals(m_filtered.totals);
        lap("  count and sums over the unordered list", start);
        start = Clock::now();
        reference.totals(m_filtered.totalsAsOpened);
        lap("  count and sums over the ordered list (as the window asks)", start);
        start = Clock::now();
        reference.readRows(m_filtered.list, 255, nullptr);
        lap("  255 rows of the ordered list (as many as the model reads at once)", start);
        const auto whole = runReference(m_filtered, &error);
        out << QString::asprintf("  %-66s %9.1f ms\n", "  reference, whole",
                                 whole ? *whole * 1000 : -1.0);
    }
    explainKeystrokes(out, true);
    explainKeystrokes(out, false);
}

class List100k final : public ListRefresh {
public:
    List100k() : ListRefresh(100000) {}
};

class List1M final : public ListRefresh {
public:
    List1M() : ListRefresh(1000000) {}
};

class Keystroke1M final : public ListRefresh {
public:
    Keystroke1M() : ListRefresh(1000000, Until::FirstScreen) {}
};

// A benchmark on a copy of the 1,000,000-item register, whose explanation is one run of ours.
class MillionItems : public PairedBenchmark {
public:
    void explain(QTextStream &out) override {
        out << "  " << description() << "\n";
        QString error;
        const auto run = ours(&error);
        out << "  one run: " << (run ? QString::number(*run * 1000, 'f', 1) + " ms" : error)
            << "\n";
    }

protected:
    static constexpr qint64 Items = 1000000;

    bool openFolder(Registers &registers, QString *error) {
        const auto path = registers.path(Items, error);
        if (!path)
            return false;
        m_folder = AppFolder::create(*path, error);
        return m_folder != nullptr;
    }
    virtual QString description() const = 0;

    std::unique_ptr<AppFolder> m_folder;
};

// typing-1M: a name typed at a steady pace over every type of 1,000,000 items.
class Typing1M final : public MillionItems {
public:
    bool setUp(Registers &registers, QString *error) override {
        if (!openFolder(registers, error))
            return false;
        EquipmentFilter filter;
        filter.searchField = NameField;
        filter.searchText = Typed;
        m_statements = statementsOf(filter);
        Sqlite db(m_folder->databaseFile());
        const auto totals = db.totals(m_statements.totals);
        if (!totals || !db.readRows(m_statements.list, 1, &m_expected.firstCode)) {
            *error = QStringLiteral("no item is named like %1: %2").arg(Typed, db.error());
            return false;
        }
        m_expected.count = totals->first;
        for (double sum : totals->second)
            m_expected.footer << FormatCellValue(sum, SumFormat);
        return ours(error).has_value() && reference(error).has_value();
    }

    std::optional<double> ours(QString *error) override {
        const auto main = openMainWindow(*m_folder, error);
        if (!main)
            return std::nullopt;
        main->field->setCurrentIndex(NameField);
        main->value->setFocus();
        if (!WaitUntilIdle())
            return std::nullopt;
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < Typed.size(); ++i) {
            if (i > 0) {
                const QDeadlineTimer pause(Pace);
                while (!pause.hasExpired())
                    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            }
            main->commit(Typed.mid(i, 1));
        }
        const std::optional<double> elapsed = waitForFinalState(*main, m_expected, start);
        if (!elapsed) {
            const ListState shown = main->state();
            *error = QStringLiteral("shown count %1, first \"%2\"; expected %3, \"%4\"")
                         .arg(shown.count)
                         .arg(shown.firstCode)
                         .arg(m_expected.count)
                         .arg(m_expected.firstCode);
        }
        return elapsed;
    }

    std::optional<double> reference(QString *error) override {
        Sqlite db(m_folder->databaseFile());
        const Clock::time_point start = Clock::now();
        const auto totals = db.totals(m_statements.totals);
        const double elapsed = secondsSince(start);
        if (!totals || totals->first != m_expected.count) {
            *error = QStringLiteral("reference failed: ") + db.error();
            return std::nullopt;
        }
        return elapsed + std::chrono::duration<double>(Pace).count() * (Typed.size() - 1);
    }

private:
    QString description() const override {
        return QStringLiteral("typing %1 one character every %2 ms over %3 items; expected count %4")
            .arg(Typed)
            .arg(Pace.count())
            .arg(Items)
            .arg(m_expected.count);
    }

    static constexpr std::chrono::milliseconds Pace{80};
    const QString Typed = QStringLiteral("笔记本电脑");
    ListStatements m_statements;
    ListState m_expected;
};

// scroll-1M: the whole list of 1,000,000 items jumped to its middle and to its end.
class Scroll1M final : public MillionItems {
public:
    bool setUp(Registers &registers, QString *error) override {
        if (!openFolder(registers, error))
            return false;
        const ListStatements statements = statementsOf(EquipmentFilter());
        Sqlite db(m_folder->databaseFile());
        const auto totals = db.totals(statements.totals);
        if (!totals) {
            *error = db.error();
            return false;
        }
        m_rows = totals->first;
        // The blocks the list reads for the two rows, as it reads them: its statement in code
        // order, closed by the key, a block of rows at a time; and the code each row must show.
        const SqlStatement where = EquipmentFilter().statement(SqlDialect::sqlite());
        const QString ordered =
            QStringLiteral("select * from (%1) as sorted order by F_code, F_ID").arg(where.text);
        for (const qint64 row : {Middle, m_rows - 1}) {
            const qint64 first = row / RecordSet::BlockSize * RecordSet::BlockSize;
            m_blocks << utf8(ordered + QStringLiteral(" limit %1 offset %2")
                                           .arg(RecordSet::BlockSize)
                                           .arg(first),
                             where.values);
            QString code;
            db.readRows(utf8(ordered + QStringLiteral(" limit 1 offset %1").arg(row), where.values),
                        1, &code);
            m_expectedCodes << code;
        }
        if (!db.ok() || m_expectedCodes.contains(QString())) {
            *error = QStringLiteral("cannot read the rows to jump to: ") + db.error();
            return false;
        }
        return ours(error).has_value() && reference(error).has_value();
    }

    std::optional<double> ours(QString *error) override {
        const auto main = openMainWindow(*m_folder, error);
        if (!main)
            return std::nullopt;
        // The count is known before the user jumps: the scroll bar spans every row.
        if (!WaitUntilIdle([&] { return main->grid->totalsFinal(); })) {
            *error = QStringLiteral("the count never arrived");
            return std::nullopt;
        }
        const int codeColumn = main->grid->columnIndex(QStringLiteral("F_code"));
        double elapsed = 0;
        const qint64 rows[] = {Middle, m_rows - 1};
        for (int i = 0; i < 2; ++i) {
            NextPaint paint(*main);
            const Clock::time_point start = Clock::now();
            main->grid->scrollTo(main->grid->model()->index(int(rows[i]), 0));
            if (!waitForPaint(paint)) {
                *error = QStringLiteral("no paint after the jump");
                return std::nullopt;
            }
            elapsed += secondsSince(start);
            const QString code = main->grid->cellText(int(rows[i]), codeColumn);
            if (code != m_expectedCodes[i]) {
                *error = QStringLiteral("row %1 shows \"%2\", expected \"%3\"")
                             .arg(rows[i])
                             .arg(code, m_expectedCodes[i]);
                return std::nullopt;
            }
        }
        return elapsed;
    }

    std::optional<double> reference(QString *error) override {
        Sqlite db(m_folder->databaseFile());
        const Clock::time_point start = Clock::now();
        int read = 0;
        for (const Statement &block : std::as_const(m_blocks))
            read += db.readRows(block, RecordSet::BlockSize, nullptr);
        const double elapsed = secondsSince(start);
        if (!db.ok() || read == 0) {
            *error = QStringLiteral("reference failed: ") + db.error();
            return std::nullopt;
        }
        return elapsed;
    }

private:
    QString description() const override {
        return QStringLiteral("%1 rows; jumps to rows %2 and %3, expecting codes %4")
            .arg(m_rows)
            .arg(Middle)
            .arg(m_rows - 1)
            .arg(m_expectedCodes.join(QStringLiteral(", ")));
    }

    static constexpr qint64 Middle = 500000;
    qint64 m_rows = 0;
    QList<Statement> m_blocks;
    QStringList m_expectedCodes;
};

} // namespace

std::unique_ptr<PairedBenchmark> CreateList100kBenchmark() {
    return std::make_unique<List100k>();
}

std::unique_ptr<PairedBenchmark> CreateList1MBenchmark() {
    return std::make_unique<List1M>();
}

std::unique_ptr<PairedBenchmark> CreateKeystroke1MBenchmark() {
    return std::make_unique<Keystroke1M>();
}

std::unique_ptr<PairedBenchmark> CreateTyping1MBenchmark() {
    return std::make_unique<Typing1M>();
}

std::unique_ptr<PairedBenchmark> CreateScroll1MBenchmark() {
    return std::make_unique<Scroll1M>();
}
