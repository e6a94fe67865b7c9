#pragma once

#include "core/data/RecordSet.h"

#include <QPointer>
#include <QWidget>

class QToolButton;

// First, prior, next and last over the rows of a record set, each button available only where
// it can move. "Next" and "last" read further rows of a long list as they need them.
class RecordNavigator : public QWidget {
    Q_OBJECT
public:
    explicit RecordNavigator(QWidget *parent = nullptr);

    // The record set is not owned.
    void setRecordSet(RecordSet *records);
    RecordSet *recordSet() const { return m_records; }

    void first();
    void prior();
    void next();
    void last();

signals:
    // The navigator made `row` current (not emitted when someone else moves the record set).
    void moved(int row);

private:
    QToolButton *addButton(const QString &name, const QString &caption,
                           void (RecordNavigator::*move)());
    void moveTo(int row);
    void updateButtons();

    QPointer<RecordSet> m_records;
    QToolButton *m_first;
    QToolButton *m_prior;
    QToolButton *m_next;
    QToolButton *m_last;
};
