#pragma once
// Filled in by the tree-codes work.
