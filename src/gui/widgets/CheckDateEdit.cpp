#include "gui/widgets/CheckDateEdit.h"

#include "core/schema/Schema.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>

CheckDateEdit::CheckDateEdit(QWidget *parent)
    : QWidget(parent), m_check(new QCheckBox(this)), m_date(new QDateEdit(this)) {
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_check);
    layout->addWidget(m_date, 1);
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    // The register keeps dates before this as "no date"; a box that took one would show a
    // date the record then loses.
    m_date->setMinimumDate(
        QDate::fromString(QLatin1String(Schema::FirstRealDate), QStringLiteral("yyyy-MM-dd")));
    m_date->setCalendarPopup(true);
    m_date->setDate(QDate::currentDate());
    m_check->setChecked(true);
    setFocusProxy(m_date);
    connect(m_check, &QCheckBox::toggled, m_date, &QWidget::setEnabled);
    connect(m_check, &QCheckBox::toggled, this, &CheckDateEdit::changed);
    connect(m_date, &QDateEdit::dateChanged, this, &CheckDateEdit::changed);
}

bool CheckDateEdit::isChecked() const { return m_check->isChecked(); }

void CheckDateEdit::setChecked(bool checked) { m_check->setChecked(checked); }

QDate CheckDateEdit::date() const { return m_date->date(); }

void CheckDateEdit::setDate(const QDate &date) { m_date->setDate(date); }

std::optional<QDate> CheckDateEdit::checkedDate() const {
    if (!isChecked())
        return std::nullopt;
    return date();
}
