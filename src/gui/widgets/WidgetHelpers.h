#pragma once

#include "core/data/SqlStatement.h"

class QComboBox;
class QObject;
class QPainter;
class Database;

// Refills a pick-list from a statement: the non-blank values of its first column, as read, in
// row order. The text typed into an editable box stays. After a database error (shown by the
// data module) the box is left as it was.
void FillComboBySQL(Database &dm, const SqlStatement &statement, QComboBox *combo);

// Enables or disables the navigation, print, design and export commands of a window, found by
// object name without regard to letter case, in a fixed order; stops at the first one missing.
void EnableNavButtons(QObject *form, bool enabled);

// A one-pixel frame around (left, top)-(left + width, top + height): style 1 looks raised (white
// top and left edges), any other value sunken.
void DrawBevel(QPainter &canvas, int left, int top, int width, int height, int style);
