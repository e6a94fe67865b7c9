#include "gui/widgets/GridPrinter.h"

#include "core/data/RecordSet.h"
#include "gui/widgets/DataGrid.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

// Printed text uses a CJK serif face where the desktop has one, the nearest to a Song face.
QFont printFont(qreal pointSize, bool bold = false) {
    QFont font;
    for (const char *family : {"Noto Serif CJK SC", "Noto Sans CJK SC"}) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(family))) {
            font = QFont(QString::fromLatin1(family));
            break;
        }
    }
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

struct PrintColumn {
    int index;   // position in the grid
    qreal width; // on paper
    QString title;
    Qt::Alignment alignment;
};

QList<PrintColumn> printColumns(DataGrid *grid, qreal pageWidth) {
    QList<PrintColumn> columns;
    qreal total = 0;
    for (int index = 0; index < grid->columnCount(); ++index) {
        const DataGridColumn column = grid->column(index);
        if (!column.visible)
            continue;
        columns.append({index, qreal(qMax(column.width, 1)), column.title,
                        grid->cellAlignment(index)});
        total += qMax(column.width, 1);
    }
    for (PrintColumn &column : columns)
        column.width = column.width * pageWidth / total;
    return columns;
}

// Lays out pages top to bottom; starts a new page (with the page texts and the column titles)
// whenever the next row does not fit.
class PageWriter {
public:
    PageWriter(QPainter &painter, QPrinter *printer, const GridPrinter &settings,
               const QList<PrintColumn> &columns)
        : m_painter(painter), m_printer(printer), m_settings(settings), m_columns(columns),
          m_page(printer->pageLayout().paintRectPixels(printer->resolution())),
          m_body(printFont(9)), m_small(printFont(9)) {
        m_page.moveTo(0, 0);
    }

    void titleBlock() {
        const QFont title = printFont(15, true);
        const qreal line = QFontMetricsF(title, m_printer).height();
        m_y += line; // the empty line above
        m_painter.setFont(title);
        m_painter.drawText(QRectF(0, m_y, m_page.width(), line), Qt::AlignCenter,
                           m_settings.title());
        m_y += line * 2; // the title and the empty line below
    }

    void row(const QStringList &texts, bool bold, bool shaded) {
        const qreal height = rowHeight(texts);
        if (m_y + height > bottom()) {
            newPage();
            titles();
        }
        drawRow(texts, height, bold, shaded);
    }

    void titles() {
        QStringList texts;
        for (const PrintColumn &column : m_columns)
            texts << column.title;
        drawRow(texts, rowHeight(texts), true, true, Qt::AlignCenter);
    }

    void startFirstPage() { pageTexts(); }

private:
    qreal padding() const { return m_printer->resolution() / 25.0; }

    qreal bottom() const {
        return m_page.height() - QFontMetricsF(m_small, m_printer).height() * 2;
    }

    qreal rowHeight(const QStringList &texts) const {
        const QFontMetricsF metrics(m_body, m_printer);
        qreal height = metrics.height();
        if (m_settings.rowFit() == GridPrinter::StretchRowsToText) {
            for (int i = 0; i < texts.size() && i < m_columns.size(); ++i) {
                const QRectF bounds = metrics.boundingRect(
                    QRectF(0, 0, m_columns[i].width - 2 * padding(), 1e6),
                    Qt::TextWordWrap | Qt::TextWrapAnywhere, texts[i]);
                height = qMax(height, bounds.height());
            }
        }
        return height + 2 * padding();
    }

    void drawRow(const QStringList &texts, qreal height, bool bold, bool shaded,
                 std::optional<Qt::Alignment> alignment = std::nullopt) {
        QFont font = m_body;
        font.setBold(bold);
        m_painter.setFont(font);
        const QFontMetricsF metrics(font, m_printer);
        qreal x = 0;
        for (int i = 0; i < m_columns.size(); ++i) {
            const QRectF cell(x, m_y, m_columns[i].width, height);
            if (shaded)
                m_painter.fillRect(cell, QColor(235, 235, 235));
            m_painter.setPen(QPen(Qt::black, 0));
            m_painter.drawRect(cell);
            const QRectF inner = cell.adjusted(padding(), padding(), -padding(), -padding());
            const Qt::Alignment align =
                (alignment ? *alignment : m_columns[i].alignment) | Qt::AlignVCenter;
            const QString text = texts.value(i);
            if (m_settings.rowFit() == GridPrinter::StretchRowsToText)
                m_painter.drawText(inner, int(align) | Qt::TextWordWrap | Qt::TextWrapAnywhere,
                                   text);
            else
                m_painter.drawText(inner, int(align),
                                   metrics.elidedText(text, Qt::ElideRight, inner.width()));
            x += m_columns[i].width;
        }
        m_y += height;
    }

    void newPage() {
        m_printer->newPage();
        ++m_pageNumber;
        m_y = 0;
        pageTexts();
    }

    void pageTexts() {
        m_painter.setFont(m_small);
        const qreal line = QFontMetricsF(m_small, m_printer).height();
        if (!m_settings.pageHeaderLeft().isEmpty()) {
            m_painter.drawText(QRectF(0, 0, m_page.width(), line), Qt::AlignLeft,
                               m_settings.pageHeaderLeft());
            m_y = qMax(m_y, line * 1.5);
        }
        const QRectF footer(0, m_page.height() - line, m_page.width(), line);
        m_painter.drawText(footer, Qt::AlignRight, m_settings.pageFooterRight());
        m_painter.drawText(footer, Qt::AlignHCenter,
                           QCoreApplication::translate("GridPrinter", "第 %1 页")
                               .arg(m_pageNumber));
    }

    QPainter &m_painter;
    QPrinter *m_printer;
    const GridPrinter &m_settings;
    QList<PrintColumn> m_columns;
    QRectF m_page;
    QFont m_body;
    QFont m_small;
    qreal m_y = 0;
    int m_pageNumber = 1;
};

} // namespace

GridPrinter &GridPrinter::shared() {
    static GridPrinter printer;
    return printer;
}

void GridPrinter::configure(const QString &title, int option, const QString &footer,
                            const QString &header) {
    if (option == 0)
        m_rowFit = StretchRowsToText;
    else if (option == 1)
        m_rowFit = FitColumnWidths;
    m_title = title;
    if (!header.trimmed().isEmpty())
        m_headerLeft = header;
    if (!footer.trimmed().isEmpty()) {
        m_footerRight = footer == QLatin1String("date")
                            ? QCoreApplication::translate("GridPrinter", "打印日期：%1")
                                  .arg(QDate::currentDate().toString(
                                      QStringLiteral("yyyy年MM月dd日")))
                            : footer;
    }
}

void GridPrinter::paint(DataGrid *grid, QPrinter *printer) const {
    if (!grid || !printer)
        return;
    QPainter painter;
    if (!painter.begin(printer))
        return;
    const QRectF page = printer->pageLayout().paintRectPixels(printer->resolution());
    PageWriter writer(painter, printer, *this, printColumns(grid, page.width()));
    writer.startFirstPage();
    writer.titleBlock();
    writer.titles();

    const QList<PrintColumn> columns = printColumns(grid, page.width());
    if (RecordSet *records = grid->recordSet()) {
        records->fetchAll();
        for (int row = 0; row < records->rowCount(); ++row) {
            QStringList texts;
            for (const PrintColumn &column : columns)
                texts << grid->cellText(row, column.index);
            writer.row(texts, false, false);
        }
    }
    if (grid->isFooterVisible()) {
        QStringList footer;
        for (const PrintColumn &column : columns)
            footer << grid->footerText(column.index);
        writer.row(footer, true, true);
    }
    painter.end();
}

bool GridPrinter::printToPdf(DataGrid *grid, const QString &path) const {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    paint(grid, &printer);
    return QFileInfo(path).size() > 0;
}

void PrintGrid(DataGrid *grid, const QString &title, int option, const QString &footer,
               const QString &header) {
    GridPrinter &settings = GridPrinter::shared();
    settings.configure(title, option, footer, header);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog preview(&printer, grid ? grid->window() : nullptr);
    preview.setObjectName(QStringLiteral("GridPrintPreview"));
    preview.setWindowTitle(
        QCoreApplication::translate("GridPrinter", "打印预览 - %1").arg(title));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&settings, grid](QPrinter *target) { settings.paint(grid, target); });
    preview.resize(1000, 760);
    preview.exec();
}
