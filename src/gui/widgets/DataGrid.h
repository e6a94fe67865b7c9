#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QTableView>

#include <functional>
#include <optional>

class RecordSet;
class DataGridModel;
class DataGridFooter;

enum class FooterKind { None = 0, Text = 1, Sum = 2 };
enum class SortMarker { None, Ascending, Descending };

// One column of a DataGrid: which field it shows and how.
struct DataGridColumn {
    DataGridColumn() = default;
    DataGridColumn(QString field, QString caption)
        : fieldName(std::move(field)), title(std::move(caption)) {}

    QString fieldName;
    QString title;
    Qt::Alignment titleAlignment = Qt::AlignCenter;
    int width = 85;
    bool visible = true;
    bool readOnly = true;
    QString displayFormat; // "0.00", "#,##0.00", … for numbers; applies to the footer too
    Qt::Alignment alignment = {}; // cells and footer; empty means the default for the field
    FooterKind footerKind = FooterKind::None;
    QString footerValue; // the footer text when footerKind is Text
};

// The list grid of every window: a table over a RecordSet whose columns are objects that can be
// rebuilt at run time, with a footer row (static text, or the record set's sums over all rows of
// the statement, greyed until final), title-click sorting by re-querying with ORDER BY,
// whole-row multi-selection, and hooks for row colours and cell texts. The record set reads the
// rows the view shows, a block at a time.
//
// Column indexes in this interface are positions from the left as the user sees them (after
// any drag with the mouse); hidden columns keep their positions.
class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget *parent = nullptr);
    ~DataGrid() override;

    // The record set runs the sums and the re-sorting queries; it is not owned.
    void setRecordSet(RecordSet *records);
    RecordSet *recordSet() const { return m_records; }

    // Columns, in their order from the left.
    int columnCount() const;
    QList<DataGridColumn> columns() const;
    DataGridColumn column(int index) const;
    int columnIndex(const QString &fieldName) const; // letter case ignored; -1 if absent
    void setColumns(const QList<DataGridColumn> &columns);
    void updateColumn(int index, const DataGridColumn &column);
    void setColumnVisible(int index, bool visible);
    void moveColumn(int from, int to);
    // The alignment a column's cells and footer are drawn with: its own, or the default for its
    // field (numbers right, everything else left).
    Qt::Alignment cellAlignment(int index) const;

    // The footer row.
    void setFooterVisible(bool visible);
    bool isFooterVisible() const;
    QString footerText(int index) const; // as shown, after the display format
    // Recomputes the sums and the row count, e.g. after the record set was reopened.
    void refreshFooter();
    // The number of rows of the whole statement (not only those read so far); 0 when closed.
    qint64 totalRowCount() const { return m_totalRows; }
    // Whether the count and sums shown are those of the list as it is now; until then they are
    // those of the list before, drawn greyed.
    bool totalsFinal() const { return m_totalsFinal; }

    // Sorting: a sort order "field ASC,field DESC," (a trailing comma is accepted, an empty
    // text removes the sort). Reopens the record set ordered so; the current item stays current
    // when it is among the first rows, otherwise the first row becomes current.
    bool setSortSpec(const QString &spec);
    QString sortSpec() const;
    SortMarker sortMarker(int index) const;
    // When false, title clicks do nothing (some lists have no title sorting).
    void setTitleSortEnabled(bool enabled);

    // Rows of the record set.
    int currentRow() const;
    void setCurrentRow(int row);
    QList<int> selectedRows() const; // ascending

    // What a cell shows: the hook's text when it gives one, else the value after the column's
    // display format (dates before 1901-08-14, the no-date convention, show empty).
    using CellTextHook =
        std::function<std::optional<QString>(int row, const DataGridColumn &, const QVariant &)>;
    void setCellTextHook(CellTextHook hook);
    QString cellText(int row, int index) const;

    struct RowStyle {
        QColor text;
        QColor background;
    };
    // Colours of a whole row, kept when the row is selected.
    using RowStyleHook = std::function<std::optional<RowStyle>(int row)>;
    void setRowStyleHook(RowStyleHook hook);

signals:
    void rowDoubleClicked(int row);
    void currentRowChanged(int row);
    void sortChanged(const QString &spec);
    void columnsChanged();
    // The row count and the footer sums were computed anew.
    void totalsChanged(qint64 rowCount);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void resizeEvent(QResizeEvent *event) override;
    void updateGeometries() override;

private:
    friend class DataGridModel;
    friend class DataGridFooter;

    int logicalIndex(int index) const;
    QString cellTextAt(int row, int logical) const;
    void applyColumnGeometry();
    void onTitleClicked(int logical);
    bool applyOrder(const QStringList &terms);
    void onRecordsReset();
    void showTotals();
    void placeFooter();

    RecordSet *m_records = nullptr;
    DataGridModel *m_model;
    DataGridFooter *m_footer;
    QList<DataGridColumn> m_columns; // by logical index
    QList<SortMarker> m_markers;     // by logical index
    QString m_sortSpec;
    QStringList m_footerTexts; // by logical index
    qint64 m_totalRows = 0;
    bool m_totalsFinal = false;
    QList<int> m_sumColumns; // logical indexes of the columns whose footer is a sum
    struct Shown {
        QStringList footer;
        qint64 rows = 0;
        bool final = false;
        bool operator==(const Shown &) const = default;
    };
    std::optional<Shown> m_lastShown; // the figures totalsChanged last told of
    bool m_footerVisible = true;
    bool m_titleSort = true;
    CellTextHook m_cellTextHook;
    RowStyleHook m_rowStyleHook;
};
