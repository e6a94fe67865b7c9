#include "gui/widgets/RecordNavigator.h"

#include <QHBoxLayout>
#include <QToolButton>

RecordNavigator::RecordNavigator(QWidget *parent) : QWidget(parent) {
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    m_first = addButton(QStringLiteral("nbFirst"), tr("首项"), &RecordNavigator::first);
    m_prior = addButton(QStringLiteral("nbPrior"), tr("前项"), &RecordNavigator::prior);
    m_next = addButton(QStringLiteral("nbNext"), tr("后项"), &RecordNavigator::next);
    m_last = addButton(QStringLiteral("nbLast"), tr("末项"), &RecordNavigator::last);
    updateButtons();
}

QToolButton *RecordNavigator::addButton(const QString &name, const QString &caption,
                                        void (RecordNavigator::*move)()) {
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(caption);
    // Moving through the list is done with the mouse; the keyboard stays on the fields.
    button->setFocusPolicy(Qt::NoFocus);
    layout()->addWidget(button);
    connect(button, &QToolButton::clicked, this, move);
    return button;
}

void RecordNavigator::setRecordSet(RecordSet *records) {
    if (m_records)
        m_records->disconnect(this);
    m_records = records;
    if (records) {
        connect(records, &RecordSet::currentRowChanged, this, &RecordNavigator::updateButtons);
        connect(records, &RecordSet::modelReset, this, &RecordNavigator::updateButtons);
        connect(records, &RecordSet::rowsInserted, this, &RecordNavigator::updateButtons);
    }
    updateButtons();
}

void RecordNavigator::first() { moveTo(0); }

void RecordNavigator::prior() {
    if (m_records)
        moveTo(m_records->currentRow() - 1);
}

void RecordNavigator::next() {
    if (!m_records)
        return;
    const int row = m_records->currentRow() + 1;
    if (row >= m_records->rowCount() && m_records->canFetchMore())
        m_records->fetchMore();
    moveTo(row);
    // Reading on may have found the end of the list without moving.
    updateButtons();
}

void RecordNavigator::last() {
    if (!m_records)
        return;
    // The last row is wherever the final count says; reading every row to find it would take
    // long on a large register.
    if (m_records->canFetchMore())
        m_records->waitForTotals();
    moveTo(m_records->rowCount() - 1);
}

void RecordNavigator::moveTo(int row) {
    if (!m_records || row < 0 || row >= m_records->rowCount() || row == m_records->currentRow())
        return;
    m_records->setCurrentRow(row);
    emit moved(row);
}

void RecordNavigator::updateButtons() {
    const int row = m_records ? m_records->currentRow() : -1;
    const bool hasRow = row >= 0;
    const bool more = m_records && (row + 1 < m_records->rowCount() || m_records->canFetchMore());
    m_first->setEnabled(hasRow && row > 0);
    m_prior->setEnabled(hasRow && row > 0);
    m_next->setEnabled(hasRow && more);
    m_last->setEnabled(hasRow && more);
}
