// SPDX-License-Identifier: Apache-2.0
#include "studies/batch.h"

#include "io/case_columns.h"
#include "io/csv_reader.h"
#include "studies/batch_row.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <ostream>
#include <thread>
#include <vector>

namespace korvanex {

namespace {

// Large enough that handing a block on costs nothing next to computing it, small enough that the
// blocks in flight take little memory.
constexpr std::size_t RowsPerBlock = 256;

// Consecutive rows on their way from the reader through a worker to the writer. The storage of the
// cells and of the text is reused from block to block.
struct RowBlock {
    std::vector<std::vector<std::string>> rows;
    std::size_t first = 0; // the place of the block's first row among all rows
    std::size_t count = 0; // rows read into the block
    bool last = false;     // the input ends after this block, or is not CSV there
    std::string text;      // the rows' output lines
};

// The records of a CSV file after its header.
class CsvRows final : public RowReader {
  public:
    explicit CsvRows(CsvReader& reader) : reader_(reader) {}

    bool read(std::vector<std::string>& cells, std::string& error) override {
        const CsvReader::Status status = reader_.read(cells);
        if (status == CsvReader::Status::Error) {
            error = "not a CSV file: " + reader_.error();
        }
        return status == CsvReader::Status::Record;
    }

  private:
    CsvReader& reader_;
};

// Reads up to RowsPerBlock rows into the block, the first of them at place `first`. At the end of the
// rows, or where the input cannot be read on (`error` tells why), the block is the last.
void readBlock(RowReader& rows, std::size_t first, RowBlock& block, std::string& error) {
    block.first = first;
    block.count = 0;
    block.last = false;
    while (block.count < RowsPerBlock) {
        if (block.rows.size() == block.count) {
            block.rows.emplace_back();
        }
        if (!rows.read(block.rows[block.count], error)) {
            block.last = true;
            return;
        }
        ++block.count;
    }
}

// What one thread needs to compute rows: its own record, field numbers and outcome.
class RowWorker {
  public:
    RowWorker(const BatchRowCases& cases, const RowWriter& writer) : cases_(cases), writer_(writer) {}

    void compute(RowBlock& block) {
        block.text.clear();
        for (std::size_t row = 0; row < block.count; ++row) {
            std::vector<std::string>& cells = block.rows[row];
            bool withPlate = false;
            if (std::string error = cases_.build(cells, record_, numbers_, withPlate); !error.empty()) {
                outcome_.fail(std::move(error));
            } else {
                computeRow(record_, numbers_, outcome_, withPlate);
            }
            outcome_.plateColumns = cases_.hasPlateColumn();
            writer_.row(block.text, block.first + row, cells, outcome_);
        }
    }

  private:
    BatchRowCases cases_;
    const RowWriter& writer_;
    AnalysisCase record_;
    FieldNumbers numbers_{};
    RowOutcome outcome_;
};

void writeBlock(const RowBlock& block, std::ostream& out) {
    out.write(block.text.data(), static_cast<std::streamsize>(block.text.size()));
}

// Every row on the calling thread, one block at a time. Returns whether every block was written.
bool computeInline(RowReader& rows, const RowWorker& prototype, std::ostream& out, std::string& readError) {
    RowBlock block;
    RowWorker worker(prototype);
    do {
        readBlock(rows, block.first + block.count, block, readError);
        worker.compute(block);
        writeBlock(block, out);
    } while (!block.last && !out.fail());
    return block.last && !out.fail();
}

// One reader thread, `jobs` worker threads and the calling thread as the writer, around a ring of
// blocks. The reader fills the blocks in order as they come free, the workers take them in order
// and compute them side by side, and the writer writes each as soon as it and every block before it
// are done, then frees it. The ring bounds the rows in flight.
class RowPipeline {
  public:
    RowPipeline(RowReader& rows, const RowWorker& prototype, unsigned jobs)
        : rows_(rows), blocks_(4 * std::size_t{jobs}), states_(blocks_.size(), State::Free) {
        try {
            threads_.emplace_back([this] { guarded([this] { readBlocks(); }); });
            for (unsigned job = 0; job < jobs; ++job) {
                threads_.emplace_back(
                    [this, &prototype] { guarded([this, &prototype] { computeBlocks(prototype); }); });
            }
        } catch (...) {
            stopAndJoin();
            throw;
        }
    }

    ~RowPipeline() { stopAndJoin(); }

    RowPipeline(const RowPipeline&) = delete;
    RowPipeline& operator=(const RowPipeline&) = delete;

    // Writes the blocks in order until the last or until the output fails. Returns whether every
    // block was written; rethrows what stopped a thread.
    bool writeBlocks(std::ostream& out, std::string& readError) {
        for (std::size_t sequence = 0;; ++sequence) {
            const std::size_t slot = sequence % blocks_.size();
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [&] { return states_[slot] == State::Done || failure_; });
                if (failure_) {
                    std::rethrow_exception(failure_);
                }
            }
            RowBlock& block = blocks_[slot];
            writeBlock(block, out);
            const bool last = block.last;
            {
                const std::lock_guard lock(mutex_);
                states_[slot] = State::Free;
            }
            changed_.notify_all();
            if (last) {
                readError = readError_;
                return !out.fail();
            }
            if (out.fail()) {
                return false;
            }
        }
    }

  private:
    enum class State { Free, Read, Done };

    void stopAndJoin() {
        {
            const std::lock_guard lock(mutex_);
            stopped_ = true;
        }
        changed_.notify_all();
        for (std::thread& thread : threads_) {
            thread.join();
        }
    }

    template <typename Work> void guarded(Work work) {
        try {
            work();
        } catch (...) {
            {
                const std::lock_guard lock(mutex_);
                if (!failure_) {
                    failure_ = std::current_exception();
                }
                stopped_ = true;
            }
            changed_.notify_all();
        }
    }

    void readBlocks() {
        for (std::size_t sequence = 0;; ++sequence) {
            const std::size_t slot = sequence % blocks_.size();
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [&] { return states_[slot] == State::Free || stopped_; });
                if (stopped_) {
                    return;
                }
            }
            RowBlock& block = blocks_[slot];
            readBlock(rows_, sequence * RowsPerBlock, block, readError_);
            {
                const std::lock_guard lock(mutex_);
                states_[slot] = State::Read;
                readBlocks_ = sequence + 1;
                inputEnded_ = block.last;
            }
            changed_.notify_all();
            if (block.last) {
                return;
            }
        }
    }

    void computeBlocks(const RowWorker& prototype) {
        RowWorker worker(prototype);
        for (;;) {
            std::size_t sequence = 0;
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [&] { return claimedBlocks_ < readBlocks_ || inputEnded_ || stopped_; });
                if (stopped_ || claimedBlocks_ == readBlocks_) {
                    return;
                }
                sequence = claimedBlocks_++;
            }
            const std::size_t slot = sequence % blocks_.size();
            worker.compute(blocks_[slot]);
            {
                const std::lock_guard lock(mutex_);
                states_[slot] = State::Done;
            }
            changed_.notify_all();
        }
    }

    RowReader& rows_;
    std::vector<RowBlock> blocks_;
    std::string readError_; // written by the reader before it hands on the last block

    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<State> states_;
    std::size_t readBlocks_ = 0;    // blocks the reader has filled, in order
    std::size_t claimedBlocks_ = 0; // blocks the workers have taken, in order
    bool inputEnded_ = false;
    bool stopped_ = false;
    std::exception_ptr failure_;
    std::vector<std::thread> threads_;
};

} // namespace

unsigned machineCores() {
    return std::max(1u, std::thread::hardware_concurrency());
}

std::string runBatch(std::span<const std::string> header, RowReader& rows, std::ostream& out,
                     const RowWriter& writer, unsigned jobs) {
    std::vector<const CaseColumn*> columns;
    if (std::string error = readCaseHeader(header, BatchExtraColumns, columns); !error.empty()) {
        return error;
    }
    const BatchRowCases cases(std::move(columns));
    std::string text;
    writer.header(text, header, cases.hasPlateColumn());
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (out.fail()) {
        return {};
    }

    // Each worker copies the cases of the header and keeps its own record and outcome.
    const RowWorker prototype(cases, writer);
    std::string readError;
    // A failed output stops the batch: the stream's owner tells why.
    const bool complete = jobs <= 1 ? computeInline(rows, prototype, out, readError)
                                    : RowPipeline(rows, prototype, jobs).writeBlocks(out, readError);
    return complete ? readError : std::string();
}

std::string runBatch(std::istream& in, std::ostream& out, const RowWriter& writer, unsigned jobs) {
    CsvReader reader(in);
    std::vector<std::string> names;
    const CsvReader::Status headerStatus = reader.read(names);
    if (headerStatus == CsvReader::Status::Error) {
        return "not a CSV file: " + reader.error();
    }
    if (headerStatus == CsvReader::Status::End) {
        return "not a CSV file: there is no header row";
    }
    CsvRows rows(reader);
    return runBatch(names, rows, out, writer, jobs);
}

} // namespace korvanex
