// SPDX-License-Identifier: Apache-2.0
#include "io/csv_reader.h"

namespace korvanex {

namespace {

constexpr int EndOfInput = std::char_traits<char>::eof();

bool isLineEnd(int c) {
    return c == '\n' || c == '\r';
}

} // namespace

CsvReader::CsvReader(std::istream& in, std::size_t maxRecordBytes)
    : input_(in.rdbuf()), maxRecordBytes_(maxRecordBytes) {}

int CsvReader::get() {
    if (pendingNext_ < pendingCount_) {
        return static_cast<unsigned char>(pending_[pendingNext_++]);
    }
    return input_ != nullptr ? input_->sbumpc() : EndOfInput;
}

int CsvReader::peek() {
    if (pendingNext_ < pendingCount_) {
        return static_cast<unsigned char>(pending_[pendingNext_]);
    }
    return input_ != nullptr ? input_->sgetc() : EndOfInput;
}

// The mark is EF BB BF; bytes that start like it but are not the whole mark are kept as data.
void CsvReader::skipByteOrderMark() {
    static constexpr unsigned char Mark[] = {0xEF, 0xBB, 0xBF};
    for (unsigned char expected : Mark) {
        const int c = input_ != nullptr ? input_->sgetc() : EndOfInput;
        if (c != expected) {
            return;
        }
        pending_[pendingCount_++] = static_cast<char>(input_->sbumpc());
    }
    pendingCount_ = 0;
}

CsvReader::Status CsvReader::fail(std::size_t line, const std::string& what) {
    failed_ = true;
    error_ = "line " + std::to_string(line) + ": " + what;
    return Status::Error;
}

CsvReader::Status CsvReader::tooLong() {
    return fail(recordLine_, "a record longer than " + std::to_string(maxRecordBytes_) + " bytes");
}

// Reads a quoted cell after its opening quote, up to and including its closing quote.
CsvReader::Status CsvReader::readQuoted(std::string& cell) {
    const std::size_t openingLine = line_;
    for (;;) {
        const int c = get();
        if (c == EndOfInput) {
            return fail(openingLine, "the quoted cell that starts here is not closed");
        }
        if (c == '\0') {
            return fail(line_, "a NUL byte: this is not a text file");
        }
        if (c == '"') {
            if (peek() != '"') {
                return Status::Record;
            }
            get();
        } else if (c == '\n' || (c == '\r' && peek() != '\n')) {
            ++line_;
        }
        if (++recordBytes_ > maxRecordBytes_) {
            return tooLong();
        }
        cell.push_back(static_cast<char>(c));
    }
}

CsvReader::Status CsvReader::read(std::vector<std::string>& cells) {
    if (failed_) {
        return Status::Error;
    }
    if (!started_) {
        started_ = true;
        skipByteOrderMark();
    }
    for (int c = peek(); isLineEnd(c); c = peek()) {
        get();
        if (c == '\r' && peek() == '\n') {
            get();
        }
        ++line_;
    }
    if (peek() == EndOfInput) {
        return Status::End;
    }

    recordLine_ = line_;
    recordBytes_ = 0;
    std::size_t count = 0;
    for (;;) {
        if (count == cells.size()) {
            cells.emplace_back();
        }
        std::string& cell = cells[count++];
        cell.clear();

        int c = get();
        if (c == '"') {
            if (readQuoted(cell) == Status::Error) {
                return Status::Error;
            }
            c = get();
            if (c != ',' && c != EndOfInput && !isLineEnd(c)) {
                return fail(line_, "a character follows the closing quote of a cell");
            }
        } else {
            while (c != ',' && c != EndOfInput && !isLineEnd(c)) {
                if (c == '"') {
                    return fail(line_, "a double quote inside a cell that does not start with one");
                }
                if (c == '\0') {
                    return fail(line_, "a NUL byte: this is not a text file");
                }
                if (++recordBytes_ > maxRecordBytes_) {
                    return tooLong();
                }
                cell.push_back(static_cast<char>(c));
                c = get();
            }
        }
        if (c == ',') {
            if (++recordBytes_ > maxRecordBytes_) {
                return tooLong();
            }
            continue;
        }
        if (c == '\r' && peek() == '\n') {
            get();
        }
        if (c != EndOfInput) {
            ++line_;
        }
        cells.resize(count);
        return Status::Record;
    }
}

} // namespace korvanex
