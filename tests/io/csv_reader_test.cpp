// SPDX-License-Identifier: Apache-2.0
#include "io/csv_reader.h"

#include <gtest/gtest.h>

#include <sstream>

namespace korvanex {
namespace {

using namespace std::string_literals;
using Cells = std::vector<std::string>;
using Status = CsvReader::Status;

// Every record of a text, or the error that stopped the reader (as the last element).
std::vector<Cells> readAll(const std::string& text, std::string& error,
                           std::size_t maxRecordBytes = MaxCsvRecordBytes) {
    std::istringstream in(text);
    CsvReader reader(in, maxRecordBytes);
    std::vector<Cells> records;
    Cells cells;
    for (Status status = reader.read(cells); status != Status::End; status = reader.read(cells)) {
        if (status == Status::Error) {
            error = reader.error();
            EXPECT_EQ(reader.read(cells), Status::Error) << "the reader does not go on after an error";
            return records;
        }
        records.push_back(cells);
    }
    error.clear();
    return records;
}

// Quoted cells with commas, doubled quotes and line breaks; CR LF and LF line ends, a byte-order mark,
// no line end after the last line.
TEST(CsvReader, ReadsQuotedCellsEitherLineEndAndAByteOrderMark) {
    const std::pair<std::string, std::vector<Cells>> texts[] = {
        {"plain,\"a, b\",\"say \"\"yes\"\"\",\"two\nlines\",\"\"\nlast,\"\"\"\",x\n",
         {{"plain", "a, b", "say \"yes\"", "two\nlines", ""}, {"last", "\"", "x"}}},
        {"\xEF\xBB\xBFunits,h1\r\nmetric,24\nenglish,9.5\r\n,\r\nlast,1",
         {{"units", "h1"}, {"metric", "24"}, {"english", "9.5"}, {"", ""}, {"last", "1"}}},
        {"\xEF\xBB\xBF", {}},
    };
    for (const auto& [text, records] : texts) {
        std::string error = "not read";
        EXPECT_EQ(readAll(text, error), records);
        EXPECT_EQ(error, "");
    }
}

TEST(CsvReader, ReportsMalformedInputWithItsLine) {
    const std::pair<std::string, std::string> malformed[] = {
        {"a,b\nc,\"open\nstill open\n", "line 2: the quoted cell that starts here is not closed"},
        {"a,b\r\nc,d\r\n5\" slab,e\r\n", "line 3: a double quote inside a cell that does not start with one"},
        {"\"a\"b,c\n", "line 1: a character follows the closing quote of a cell"},
        {"a,b\nc,d\ne\0f,g\n"s, "line 3: a NUL byte: this is not a text file"},
        {"a,\"b\0\"\n"s, "line 1: a NUL byte: this is not a text file"},
        {"h\n" + std::string(10 * 1024 * 1024, 'x'), "line 2: a record longer than 65536 bytes"},
    };
    for (const auto& [text, message] : malformed) {
        std::string error;
        readAll(text, error);
        EXPECT_EQ(error, message);
    }
    // A record is limited in length, whether the long part is quoted or not.
    std::string error;
    readAll("x\n\"1234567890\"\n", error, 10);
    EXPECT_EQ(error, "");
    readAll("x\n\"12345678901\"\n", error, 10);
    EXPECT_EQ(error, "line 2: a record longer than 10 bytes");
}

} // namespace
} // namespace korvanex
