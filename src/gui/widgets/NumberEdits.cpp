#include "gui/widgets/NumberEdits.h"

#include <QRegularExpressionValidator>
#include <QWheelEvent>

#include <cmath>

namespace {

// Decimals a quantity keeps; enough for any unit, few enough to hide binary noise (0.1 + 0.2).
constexpr int QuantityDecimals = 6;

// expression := term (('+' | '-') term)*;  term := factor (('*' | '/') factor)*;
// factor := ('+' | '-') factor | number | '(' expression ')'
class ExpressionParser {
public:
    explicit ExpressionParser(const QString &text) : m_text(text) {}

    std::optional<double> parse() {
        const std::optional<double> result = expression();
        skipBlanks();
        if (!result || m_pos != m_text.size() || !std::isfinite(*result))
            return std::nullopt;
        return result;
    }

private:
    std::optional<double> expression() {
        std::optional<double> left = term();
        while (left) {
            if (take(u'+'))
                left = combine(left, term(), [](double a, double b) { return a + b; });
            else if (take(u'-'))
                left = combine(left, term(), [](double a, double b) { return a - b; });
            else
                break;
        }
        return left;
    }

    std::optional<double> term() {
        std::optional<double> left = factor();
        while (left) {
            if (take(u'*')) {
                left = combine(left, factor(), [](double a, double b) { return a * b; });
            } else if (take(u'/')) {
                const std::optional<double> right = factor();
                if (right && *right == 0)
                    return std::nullopt;
                left = combine(left, right, [](double a, double b) { return a / b; });
            } else {
                break;
            }
        }
        return left;
    }

    std::optional<double> factor() {
        if (take(u'+'))
            return factor();
        if (take(u'-')) {
            const std::optional<double> operand = factor();
            return operand ? std::optional<double>(-*operand) : std::nullopt;
        }
        if (take(u'(')) {
            const std::optional<double> inner = expression();
            return inner && take(u')') ? inner : std::nullopt;
        }
        return number();
    }

    std::optional<double> number() {
        skipBlanks();
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && (m_text[m_pos].isDigit() || m_text[m_pos] == u'.'))
            ++m_pos;
        bool ok = false;
        const double value = QStringView(m_text).mid(start, m_pos - start).toDouble(&ok);
        return ok ? std::optional<double>(value) : std::nullopt;
    }

    template <typename Op>
    static std::optional<double> combine(std::optional<double> left, std::optional<double> right,
                                         Op op) {
        if (!left || !right)
            return std::nullopt;
        return op(*left, *right);
    }

    bool take(char16_t symbol) {
        skipBlanks();
        if (m_pos >= m_text.size() || m_text[m_pos] != symbol)
            return false;
        ++m_pos;
        return true;
    }

    void skipBlanks() {
        while (m_pos < m_text.size() && m_text[m_pos].isSpace())
            ++m_pos;
    }

    const QString &m_text;
    qsizetype m_pos = 0;
};

QString quantityText(double value) {
    QString text = QString::number(value, 'f', QuantityDecimals);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

double roundedQuantity(double value) {
    const double scale = std::pow(10.0, QuantityDecimals);
    return std::round(value * scale) / scale;
}

} // namespace

std::optional<double> EvaluateExpression(const QString &text) {
    return ExpressionParser(text).parse();
}

CurrencyEdit::CurrencyEdit(QWidget *parent) : QDoubleSpinBox(parent) {
    // Chinese conventions whatever the desktop's locale: "1,234.50".
    setLocale(QLocale(QLocale::Chinese, QLocale::China));
    setDecimals(2);
    setRange(-Limit, Limit);
    setGroupSeparatorShown(true);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setFocusPolicy(Qt::StrongFocus);
}

void CurrencyEdit::wheelEvent(QWheelEvent *event) { event->ignore(); }

CalcEdit::CalcEdit(QWidget *parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9.+\\-*/() ]*")), this));
    setToolTip(tr("可输入算式，如 3*4+2"));
    setText(quantityText(m_value));
    connect(this, &QLineEdit::textEdited, this, &CalcEdit::onTextEdited);
    connect(this, &QLineEdit::editingFinished, this, &CalcEdit::onEditingFinished);
}

void CalcEdit::setValue(double value) {
    m_committed = roundedQuantity(value);
    setText(quantityText(m_committed));
    changeValue(m_committed);
}

void CalcEdit::onTextEdited(const QString &text) {
    if (text.trimmed().isEmpty()) {
        changeValue(0);
        return;
    }
    if (const std::optional<double> result = EvaluateExpression(text))
        changeValue(*result);
}

void CalcEdit::onEditingFinished() {
    const bool complete = text().trimmed().isEmpty() || EvaluateExpression(text());
    setValue(complete ? m_value : m_committed);
}

void CalcEdit::changeValue(double value) {
    value = roundedQuantity(value);
    if (value == m_value)
        return;
    m_value = value;
    emit valueChanged(value);
}
