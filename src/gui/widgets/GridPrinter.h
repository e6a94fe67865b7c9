#pragma once

#include <QString>

class DataGrid;
class QPrinter;

// Prints a grid as it is shown: its visible columns with their titles and proportional widths,
// every row of its record set, its footer row, a three-line title, and the page header and
// footer texts. The settings persist from one call to the next, as a printer component does:
// option 0 or 1 chooses how rows are fitted, any other value keeps the last choice, and an
// empty header or footer text keeps the previous one.
class GridPrinter {
public:
    enum RowFit { StretchRowsToText, FitColumnWidths };

    // The printer the data module owns; its settings live for the run.
    static GridPrinter &shared();

    void configure(const QString &title, int option, const QString &footer,
                   const QString &header);

    RowFit rowFit() const { return m_rowFit; }
    const QString &title() const { return m_title; }
    const QString &pageHeaderLeft() const { return m_headerLeft; }
    const QString &pageFooterRight() const { return m_footerRight; }

    void paint(DataGrid *grid, QPrinter *printer) const;
    // For a file instead of a printer; false when the file cannot be written.
    bool printToPdf(DataGrid *grid, const QString &path) const;

private:
    QString m_title;
    QString m_headerLeft;
    QString m_footerRight;
    RowFit m_rowFit = FitColumnWidths;
};

// Configures the shared printer and shows the print preview, from which the user prints.
// Footer "date" stands for "打印日期：" and today's date.
void PrintGrid(DataGrid *grid, const QString &title, int option, const QString &footer,
               const QString &header);
