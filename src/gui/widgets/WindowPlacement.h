#pragma once

class QWidget;

// Places a newly created window before it is shown: where the user last left it (kept in the
// user's own settings, per window and mode), or centred on its parent (the screen for a window
// without one) the first time. The window's geometry is saved again whenever it is hidden.
// Mode 0: main, list, statistics and picture windows; mode 1: record edit dialogs.
void DispFormPos(QWidget *window, int mode);

// Centres a window on its parent's window, or on the screen when it has none.
void CentreOnParent(QWidget *window);
// Centres a window on the screen it is on (its parent's, or the primary screen).
void CentreOnScreen(QWidget *window);
