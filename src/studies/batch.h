// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "studies/batch_row.h"

#include <iosfwd>
#include <span>
#include <string>
#include <vector>

namespace korvanex {

// The most threads a batch computes on: a safeguard against a mistyped count.
inline constexpr unsigned MaxBatchJobs = 256;
// What a number of jobs must be, as a message says it.
inline std::string jobsRequirement() {
    return "a whole number from 1 to " + std::to_string(MaxBatchJobs);
}

// The machine's cores as the system tells them, at least 1: the default number of jobs.
unsigned machineCores();

// The rows of a batch after its header, read one at a time on one thread: the records of a CSV file,
// or the rows of a table that a front end holds.
class RowReader {
  public:
    virtual ~RowReader() = default;
    // Reads the next row's cells. Returns false after the last row; `error` then tells why when the
    // rows end because the input cannot be read on (input that is not CSV), and stays empty otherwise.
    virtual bool read(std::vector<std::string>& cells, std::string& error) = 0;
};

// Computes every row under a header that names case columns (in any order and any case) and writes
// the header and each row through the row writer as it goes. Each row starts from the defaults of its
// unit system (English when the units cell is missing or empty); a cell that is not empty or blank
// replaces the option (its word in any case) or the field text, as it is. A row with an unknown
// option value, the wrong number of cells or a field that the dialogs would refuse becomes an error
// row and the others go on.
//
// `jobs` threads compute the rows (1 computes them on the calling thread): blocks of rows pass from
// one reader through the workers to the calling thread, which writes them in the input's order, so
// that the output is the same for any number of jobs and memory does not grow with the number of
// rows. Returns an empty string when every row was read; otherwise the problem that stops the batch:
// a header with an unknown or repeated column, or the reader's error. A failed output stream stops
// the batch early; the stream's owner tells why.
std::string runBatch(std::span<const std::string> header, RowReader& rows, std::ostream& out,
                     const RowWriter& writer, unsigned jobs = 1);

// The batch of a CSV file: a header row naming the columns, then one row per case. Returns an empty
// string, or the problem that stops it: input that is not CSV, no header row, or a bad header.
std::string runBatch(std::istream& in, std::ostream& out, const RowWriter& writer, unsigned jobs = 1);

} // namespace korvanex
