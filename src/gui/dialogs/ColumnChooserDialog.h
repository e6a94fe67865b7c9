#pragma once

#include <QDialog>

class DataGrid;
class QListWidget;
class QPushButton;

// The column chooser of a list: one tick per column of the grid, in the order the user sees
// them. Only its buttons (and their keys) close it, so the grid changes exactly when the user
// says so.
class ColumnChooserDialog : public QDialog {
    Q_OBJECT
public:
    explicit ColumnChooserDialog(QWidget *parent = nullptr);

    // Lists the grid's columns, ticked as they are shown.
    void loadColumns(const DataGrid &grid);
    // Shows the ticked columns and hides all others.
    void applyTo(DataGrid &grid) const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildButtons();
    void buildLayout();
    void buildShortcuts();

    QListWidget *m_fields;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

// Lets the user choose the grid's visible columns in a chooser centred on the grid's window. On
// OK the ticked columns are shown and all others hidden; on cancel the grid stays as it was.
void ShowFieldList(DataGrid *grid);
