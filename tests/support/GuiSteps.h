#pragma once

#include <QString>

#include <functional>

class QDialog;
class QWidget;

// Steps a GUI test takes as a user would, for windows that block in their own event loop.

// Runs `steps` on the modal dialog the next call opens, once its event loop runs. Whatever the
// steps leave open is cancelled, so a failed check never leaves the test waiting in exec().
void onModalDialog(std::function<void(QDialog *)> steps);

// Runs `steps` on the modal window named `name` as soon as it is open, however deep in other
// windows it is opened; sets `*opened`. A window that does not open within five seconds is not
// waited for, and any other modal window then open is closed, so the test fails, not hangs.
void onModalWindow(const QString &name, std::function<void(QWidget *)> steps, bool *opened);

// Types text the way a keyboard would, one character at a time, Chinese included (keyClicks
// cannot type characters outside Latin-1). An editable combo box takes it in its line edit.
void typeInto(QWidget *control, const QString &text);
