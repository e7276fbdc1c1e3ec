// SPDX-License-Identifier: Apache-2.0
#include "plate/node_numbering.h"

#include <utility>

namespace korvanex {

namespace {

// A piece of this many nodes or fewer is numbered without being cut.
constexpr std::size_t LeafNodes = 4;

// The nodes [firstColumn, endColumn) x [firstRow, endRow) of the grid.
struct Piece {
    std::size_t firstColumn, endColumn, firstRow, endRow;
};

class Dissection {
  public:
    explicit Dissection(std::size_t columns, std::size_t rows)
        : columns_(columns), numbers_(columns * rows) {}

    void number(const Piece& piece) {
        const std::size_t width = piece.endColumn - piece.firstColumn;
        const std::size_t height = piece.endRow - piece.firstRow;
        if (width == 0 || height == 0) {
            return;
        }
        if (width * height <= LeafNodes) {
            numberRows(piece);
            return;
        }
        if (width >= height) {
            const std::size_t middle = piece.firstColumn + width / 2;
            number({piece.firstColumn, middle, piece.firstRow, piece.endRow});
            number({middle + 1, piece.endColumn, piece.firstRow, piece.endRow});
            numberRows({middle, middle + 1, piece.firstRow, piece.endRow});
        } else {
            const std::size_t middle = piece.firstRow + height / 2;
            number({piece.firstColumn, piece.endColumn, piece.firstRow, middle});
            number({piece.firstColumn, piece.endColumn, middle + 1, piece.endRow});
            numberRows({piece.firstColumn, piece.endColumn, middle, middle + 1});
        }
    }

    std::vector<std::size_t> take() { return std::move(numbers_); }

  private:
    void numberRows(const Piece& piece) {
        for (std::size_t j = piece.firstRow; j < piece.endRow; ++j) {
            for (std::size_t i = piece.firstColumn; i < piece.endColumn; ++i) {
                numbers_[j * columns_ + i] = next_++;
            }
        }
    }

    std::size_t columns_;
    std::vector<std::size_t> numbers_;
    std::size_t next_ = 0;
};

} // namespace

std::vector<std::size_t> nestedDissection(std::size_t columns, std::size_t rows) {
    Dissection dissection(columns, rows);
    dissection.number({0, columns, 0, rows});
    return dissection.take();
}

} // namespace korvanex
