#pragma once

#include <QObject>

#include <functional>

class QAbstractButton;
class QWidget;

// What a form does with keys before its focused control sees them, as the register's forms
// have always behaved: Enter moves to the next control as Tab does (multi-line text takes it
// as a new line, a button is pressed by it), Ctrl+S presses the confirm button and Esc the
// cancel button (when one is given; otherwise Esc is left to the dialog). Keys wait while a
// drop-down or calendar is open. It can also tell the form each time a control is entered
// (not when focus comes back from the control's own drop-down), so pick-lists refill then.
class FormKeys : public QObject {
public:
    FormKeys(QWidget *form, QAbstractButton *confirm, QAbstractButton *cancel = nullptr);

    void onEntered(std::function<void(QWidget *control)> entered);
    // Watches every control the form holds now; call once its layout is built.
    void watchControls();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleKey(QObject *watched, const class QKeyEvent *key);

    QWidget *m_form;
    QAbstractButton *m_confirm;
    QAbstractButton *m_cancel;
    std::function<void(QWidget *)> m_entered;
};
