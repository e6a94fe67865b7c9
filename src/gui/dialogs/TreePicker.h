#pragma once

#include <QString>

#include <functional>

// Lets the user choose a node of a code tree: mode 2 an equipment type, mode 4 a department.
// Given the text a box holds, returns the chosen node's path, or that text when nothing is
// chosen. Windows take one instead of opening the tree window themselves, so they can be used
// (and tested) without it.
using TreePicker = std::function<QString(int mode, const QString &current)>;
