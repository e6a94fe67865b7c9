#include "gui/widgets/FormKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

namespace {

bool isEnterKey(const QKeyEvent *key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// Enter keeps its own meaning where it does something: a new line, a button's click.
bool takesEnter(const QObject *control) {
    return qobject_cast<const QPushButton *>(control) ||
           qobject_cast<const QPlainTextEdit *>(control) || qobject_cast<const QTextEdit *>(control);
}

} // namespace

FormKeys::FormKeys(QWidget *form, QAbstractButton *confirm, QAbstractButton *cancel)
    : QObject(form), m_form(form), m_confirm(confirm), m_cancel(cancel) {}

void FormKeys::onEntered(std::function<void(QWidget *)> entered) { m_entered = std::move(entered); }

void FormKeys::watchControls() {
    const QList<QWidget *> controls = m_form->findChildren<QWidget *>();
    for (QWidget *control : controls)
        control->installEventFilter(this);
}

bool FormKeys::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusIn && m_entered) {
        if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
            m_entered(qobject_cast<QWidget *>(watched));
    } else if (event->type() == QEvent::KeyPress && !QApplication::activePopupWidget()) {
        return handleKey(watched, static_cast<QKeyEvent *>(event));
    }
    return false;
}

bool FormKeys::handleKey(QObject *watched, const QKeyEvent *key) {
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    QAbstractButton *button = nullptr;
    if (modifiers == Qt::ControlModifier && key->key() == Qt::Key_S)
        button = m_confirm;
    else if (modifiers == Qt::NoModifier && key->key() == Qt::Key_Escape)
        button = m_cancel;
    if (button) {
        if (button->isEnabled())
            button->click();
        return true;
    }
    if (modifiers != Qt::NoModifier || !isEnterKey(key) || takesEnter(watched))
        return false;
    // The form moves the focus on as for Tab, in its own tab order.
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(m_form, &tab);
    return true;
}
