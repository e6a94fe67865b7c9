#pragma once

#include "core/data/SqlStatement.h"

class QComboBox;
class Database;

// Refills a pick-list from a statement: the non-blank values of its first column, as read, in
// row order. The text typed into an editable box stays. After a database error (shown by the
// data module) the box is left as it was.
void FillComboBySQL(Database &dm, const SqlStatement &statement, QComboBox *combo);
