// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstddef>
#include <vector>

namespace korvanex {

// The order in which the nodes of a grid of `columns` x `rows` nodes (node (i, j) at j * columns + i,
// each joined to its eight neighbours) are eliminated when the stiffness is factorised: nested
// dissection (George, 1973). The grid is cut by the middle line across its longer side, each half
// is numbered the same way, and the line that separates them comes after both; a piece of at most
// a few nodes is numbered row by row. Elimination in this order creates far fewer fill-in entries
// than the minimum-degree orderings do on such a grid. Returns the number of each node, from 0.
std::vector<std::size_t> nestedDissection(std::size_t columns, std::size_t rows);

} // namespace korvanex
