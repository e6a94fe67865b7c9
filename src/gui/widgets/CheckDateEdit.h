#pragma once

#include <QDate>
#include <QWidget>

#include <optional>

class QCheckBox;
class QDateEdit;

// A date box with a tick box in front: unticked means "no date" (no limit on that side of a
// period, or a date left open in a record). Dates show as yyyy-MM-dd whatever the locale, and
// none before the first date the register counts as a date (Schema::FirstRealDate) is taken.
class CheckDateEdit : public QWidget {
    Q_OBJECT
public:
    explicit CheckDateEdit(QWidget *parent = nullptr);

    bool isChecked() const;
    void setChecked(bool checked);
    QDate date() const;
    void setDate(const QDate &date);
    // The date when ticked, nothing otherwise.
    std::optional<QDate> checkedDate() const;

    QCheckBox *checkBox() const { return m_check; }
    QDateEdit *dateEdit() const { return m_date; }

signals:
    void changed();

private:
    QCheckBox *m_check;
    QDateEdit *m_date;
};
