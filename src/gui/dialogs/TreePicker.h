#pragma once

#include <QString>

#include <functional>

// What the tree window is opened for: to manage or to choose from the equipment types or the
// departments. The numbers are those the program has always used for these modes.
enum class TreeMode { ManageTypes = 1, ChooseType = 2, ManageDepartments = 3, ChooseDepartment = 4 };

// Lets the user choose a node of a code tree: an equipment type (ChooseType) or a department
// (ChooseDepartment). Given the text a box holds, returns the chosen node's path, or that text
// when nothing is chosen. Windows take one instead of opening the tree window themselves, so
// they can be used (and tested) without it.
using TreePicker = std::function<QString(TreeMode mode, const QString &current)>;
