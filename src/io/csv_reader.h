// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace korvanex {

// The longest record the reader accepts, so that a file without line ends cannot exhaust memory.
inline constexpr std::size_t MaxCsvRecordBytes = 64 * 1024;

// Reads comma-separated values (RFC 4180) one record at a time: cells in double quotes may hold
// commas, line breaks and doubled quotes; lines end in CR LF, LF or a lone CR; a UTF-8 byte-order
// mark at the very start is skipped. Empty lines are skipped. Memory stays bounded by the longest
// record, whatever the size of the input.
class CsvReader {
  public:
    enum class Status { Record, End, Error };

    explicit CsvReader(std::istream& in, std::size_t maxRecordBytes = MaxCsvRecordBytes);

    // Reads the next record into `cells`, reusing their storage. After an Error, error() says what is
    // wrong and where; the reader does not go on.
    Status read(std::vector<std::string>& cells);

    const std::string& error() const { return error_; }

  private:
    int get();
    int peek();
    void skipByteOrderMark();
    Status fail(std::size_t line, const std::string& what);
    Status tooLong();
    Status readQuoted(std::string& cell);

    std::streambuf* input_;
    std::size_t maxRecordBytes_;
    std::size_t recordBytes_ = 0;
    std::size_t line_ = 1;
    std::size_t recordLine_ = 0;
    bool started_ = false;
    bool failed_ = false;
    // Bytes read while looking for a byte-order mark that turned out to be data.
    char pending_[3] = {};
    int pendingCount_ = 0;
    int pendingNext_ = 0;
    std::string error_;
};

} // namespace korvanex
