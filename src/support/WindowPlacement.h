#pragma once

class QWidget;

// Places a newly created window before it is shown: where the user last left it (kept in the
// user's own settings, per window and mode), or centred on its parent (the screen for a window
// without one) the first time. The window's geometry is saved again whenever it is hidden.
// Mode 0: main, list, statistics and picture windows; mode 1: record edit dialogs.
void DispFormPos(QWidget *window, int mode);
