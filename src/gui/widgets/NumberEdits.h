#pragma once

#include <QDoubleSpinBox>
#include <QLineEdit>

#include <optional>

// The value of an arithmetic expression as typed into a quantity box: numbers with a decimal
// point, + - * /, parentheses and signs, blanks anywhere ("3*4+2", "(1.5+2)/2"). Nothing for any
// other text, a division by zero or an empty text.
std::optional<double> EvaluateExpression(const QString &text);

// A money box: two decimals, thousands separated, right-aligned. No spin buttons and no wheel:
// scrolling over a form must never change an amount. Negative amounts are allowed, because rows
// imported from spreadsheets may hold them and clamping would change them on an unrelated edit.
class CurrencyEdit : public QDoubleSpinBox {
    Q_OBJECT
public:
    static constexpr double Limit = 999999999999.99;

    explicit CurrencyEdit(QWidget *parent = nullptr);

protected:
    void wheelEvent(QWheelEvent *event) override;
};

// A quantity box that also takes a calculation: the value follows the text while it is a
// complete expression, and when the box is left the text shows the result ("3*4+2" becomes
// "14"). Leaving it with text that is not one brings back the value it had before the typing
// began. An empty box is 0.
class CalcEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CalcEdit(QWidget *parent = nullptr);

    double value() const { return m_value; }
    void setValue(double value);

signals:
    void valueChanged(double value);

private:
    void onTextEdited(const QString &text);
    void onEditingFinished();
    void changeValue(double value);

    double m_value = 0;
    double m_committed = 0; // the value before the current typing
};
