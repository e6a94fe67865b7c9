#pragma once

class Database;

// Fills an empty register with a few dozen plausible items, both trees, the dictionaries and
// some accessories and documents, so windows can be shown as a user would see them.
bool FillSampleRegister(Database &dm);
