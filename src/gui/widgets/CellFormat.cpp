#include "gui/widgets/CellFormat.h"

#include "core/schema/Schema.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

struct NumberFormat {
    bool valid = false;
    int decimals = 0;
    bool grouped = false;
};

// Only the numeric part of a format matters here ("0.00", "#,##0.00", "0.00元", ",0.##").
NumberFormat parseNumberFormat(const QString &format) {
    static const QRegularExpression numeric(QStringLiteral("[#0,]*[#0](\\.[#0]+)?"));
    const QRegularExpressionMatch match = numeric.match(format);
    if (!match.hasMatch())
        return {};
    NumberFormat result;
    result.valid = true;
    result.grouped = match.captured(0).contains(QLatin1Char(','));
    result.decimals = match.captured(1).isEmpty() ? 0 : int(match.captured(1).size()) - 1;
    return result;
}

QString formatNumber(double number, const QString &displayFormat) {
    const NumberFormat format = parseNumberFormat(displayFormat);
    if (!format.valid)
        return QString::number(number, 'g', 15);
    QLocale locale = QLocale::c();
    if (!format.grouped)
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
    else
        locale.setNumberOptions({});
    return locale.toString(number, 'f', format.decimals);
}

} // namespace

// Called for every text cell drawn, so a plain character test rather than a pattern.
bool IsNoDateText(const QString &text) {
    if (text.size() < 10 || text[4] != QLatin1Char('-') || text[7] != QLatin1Char('-'))
        return false;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (!text[i].isDigit())
            return false;
    }
    return QStringView(text).left(10) < QLatin1String(Schema::FirstRealDate);
}

QString FormatCellValue(const QVariant &value, const QString &displayFormat) {
    if (value.isNull())
        return {};
    const int type = value.typeId();
    const bool numeric = type == QMetaType::Double || type == QMetaType::Int ||
                         type == QMetaType::LongLong || type == QMetaType::Float ||
                         type == QMetaType::UInt || type == QMetaType::ULongLong;
    if (numeric)
        return displayFormat.trimmed().isEmpty() ? value.toString()
                                                 : formatNumber(value.toDouble(), displayFormat);
    const QString text = value.toString();
    if (IsNoDateText(text))
        return {};
    return text;
}
