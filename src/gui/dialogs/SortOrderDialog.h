#pragma once

#include <QDialog>

#include <optional>
#include <QList>
#include <QPoint>

class DataGrid;
class QComboBox;
class QFrame;
class QPushButton;
class QTableWidget;

// The sort dialog of a list: one row per column of the grid with a direction (none, ascending,
// descending). The rows with a direction, from the top, are the sort keys in order of priority;
// the user reorders them with the move buttons or by dragging a row by its title.
class SortOrderDialog : public QDialog {
    Q_OBJECT
public:
    explicit SortOrderDialog(QWidget *parent = nullptr);

    // One row per column of the grid, in the order the user sees them, with no direction.
    void loadColumns(const DataGrid &grid);
    // After OK: "field ASC,field DESC," for the rows with a direction, from the top (each entry
    // ends with a comma); empty when no row has one or the dialog was cancelled.
    QString sortSpec() const { return m_sortSpec; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A grid column as the dialog knows it: rows show titles, the sort names fields.
    struct SortField {
        QString field; // lower-cased
        QString title;
    };

    QFrame *buildHintPanel();
    void buildTable();
    void buildButtons();
    void buildLayout();
    void buildShortcuts();
    void addRow(const QString &title);
    QComboBox *makeDirectionEditor();

    QString title(int row) const;
    QString direction(int row) const;
    void setRow(int row, const QString &title, const QString &direction);
    int rowOfEditor(const QObject *object) const;
    QString fieldOf(const QString &title) const;

    void cycleDirection(int row);
    void moveUp();
    void moveDown();
    void exchangeRows(int row, int other);
    void moveRow(int from, int to);
    void trackCaptionDrag(QEvent *event);
    void confirm();

    QTableWidget *m_table;
    QPushButton *m_up;
    QPushButton *m_down;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QList<SortField> m_fields;    // the grid's columns, in order
    QList<QComboBox *> m_editors; // the direction editor of each row
    QString m_sortSpec;
    int m_dragRow = -1; // the row whose title the left button went down on
    QPoint m_dragStart;
    bool m_dragging = false;
};

// Asks the user for a sort order of the grid's rows: the order text for
// DataGrid::setSortSpec (empty for no order), or nothing when the user cancels, so the grid
// keeps its order. The dialog is centred on `parent`, or on the grid's window when none is given.
std::optional<QString> ChooseSortOrder(DataGrid *grid, QWidget *parent = nullptr);
