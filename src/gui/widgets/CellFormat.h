#pragma once

#include <QString>
#include <QVariant>

// How a grid cell or footer shows a value: a display format such as "0.00" or "#,##0.00" for
// numbers (decimals and thousands separators), dates before 1901-08-14 (the stored no-date
// value) as an empty text, and everything else as its plain text.
QString FormatCellValue(const QVariant &value, const QString &displayFormat);

// True for a "yyyy-MM-dd" text that stands for a date left open.
bool IsNoDateText(const QString &text);
