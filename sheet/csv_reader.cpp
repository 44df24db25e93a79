#include "sheet/csv_reader.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

namespace classifier::sheet {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

std::string sizeText(std::size_t bytes) {
    constexpr std::size_t kMiB = 1 << 20;
    return bytes % kMiB == 0 ? std::to_string(bytes / kMiB) + " MiB"
                             : std::to_string(bytes) + " bytes";
}

} // namespace

bool FirstRowScan::take(char c) {
    if (quoted_) {
        quoted_ = c != '"';
        justClosed_ = !quoted_;
        return false;
    }
    if (c == '"' && (fieldStart_ || justClosed_)) {
        quoted_ = true;
        fieldStart_ = justClosed_ = blank_ = false;
        return false;
    }
    if (isLineEnd(c)) {
        if (!blank_) {
            return true;
        }
        *this = FirstRowScan(); // an empty line, or one of only blanks, is no row
        return false;
    }
    blank_ = blank_ && (c == ' ' || c == '\t');
    commas_ += c == ',';
    semicolons_ += c == ';';
    tabs_ += c == '\t';
    fieldStart_ = c == ',' || c == ';' || c == '\t';
    justClosed_ = false;
    return false;
}

char FirstRowScan::delimiter() const {
    if (std::max(semicolons_, tabs_) <= commas_) {
        return ',';
    }
    return tabs_ > semicolons_ ? '\t' : ';';
}

CsvReader::CsvReader(RowHandler handler, std::size_t rowLimit)
    : handler_(std::move(handler)), rowLimit_(rowLimit) {}

void CsvReader::feed(std::string_view bytes) {
    if (delimiter_ != 0) {
        parse(bytes);
        return;
    }
    head_.append(bytes);
    findDelimiter(false);
}

void CsvReader::finish() {
    if (delimiter_ == 0) {
        findDelimiter(true);
    }
    if (state_ == State::Quoted) {
        throw OpenQuote("line " + std::to_string(quoteLine_) +
                        ": a quote opens a field here and is never closed");
    }
    if (rowStarted_) {
        endField();
        endRow();
    }
}

// Waits for the whole first row, then reads everything held so far. At the end of the input,
// or past the row limit, takes what there is as the first row.
void CsvReader::findDelimiter(bool atEnd) {
    if (!bomChecked_) {
        if (head_.size() < kByteOrderMark.size() && kByteOrderMark.starts_with(head_) && !atEnd) {
            return;
        }
        if (head_.starts_with(kByteOrderMark)) {
            head_.erase(0, kByteOrderMark.size());
            byteOrderMark_ = true;
        }
        bomChecked_ = true;
    }
    bool complete = false;
    while (!complete && headScanned_ < head_.size()) {
        complete = firstRow_.take(head_[headScanned_++]);
    }
    if (!complete && !atEnd && head_.size() <= rowLimit_) {
        return;
    }
    if (complete && head_[headScanned_ - 1] == '\r') {
        // A CR alone ends lines only where no LF follows; a CRLF cut at this piece's end is
        // far likelier than a sheet of CR line ends.
        const bool lineFeed = headScanned_ == head_.size() || head_[headScanned_] == '\n';
        lineEnd_ = lineFeed ? "\r\n" : "\r";
    }
    delimiter_ = firstRow_.delimiter();
    special_[static_cast<unsigned char>(delimiter_)] = true;
    special_['\n'] = true;
    special_['\r'] = true;
    std::string held;
    held.swap(head_);
    parse(held);
}

void CsvReader::parse(std::string_view bytes) {
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    while (p < end) {
        switch (state_) {
        case State::FieldStart: {
            const char c = *p;
            if (std::exchange(afterCarriageReturn_, false) && c == '\n') {
                ++p; // the rest of a CRLF, counted with the CR
            } else if (isLineEnd(c)) {
                if (rowStarted_) {
                    endField();
                    endRow();
                }
                ++line_;
                afterCarriageReturn_ = c == '\r';
                ++p;
            } else if (c == delimiter_) {
                startRow();
                endField();
                ++p;
            } else if (c == '"') {
                startRow();
                state_ = State::Quoted;
                quoteLine_ = line_;
                quotedInRow_ = true;
                ++p;
            } else {
                startRow();
                state_ = State::Unquoted;
            }
            break;
        }
        case State::Unquoted: {
            const char* stop = p;
            while (stop < end && !special_[static_cast<unsigned char>(*stop)]) {
                ++stop;
            }
            append(p, stop);
            p = stop;
            if (p == end) {
                break;
            }
            const char c = *p++;
            endField();
            state_ = State::FieldStart;
            if (c != delimiter_) {
                endRow();
                ++line_;
                afterCarriageReturn_ = c == '\r';
            }
            break;
        }
        case State::Quoted: {
            const auto* quote = static_cast<const char*>(std::memchr(p, '"', end - p));
            const char* stop = quote ? quote : end;
            countLineEnds(p, stop);
            append(p, stop);
            p = stop;
            if (quote) {
                ++p;
                state_ = State::QuoteInQuoted;
                afterCarriageReturn_ = false;
            }
            break;
        }
        case State::QuoteInQuoted:
            if (*p == '"') {
                append(p, p + 1);
                ++p;
                state_ = State::Quoted;
            } else {
                state_ = State::Unquoted; // the delimiter or line end, or stray text, follows
            }
            break;
        }
    }
}

// Line ends inside a quoted field: LF, CR and CRLF each count once, a CRLF split between two
// pieces of input too.
void CsvReader::countLineEnds(const char* first, const char* last) {
    for (; first < last; ++first) {
        const char c = *first;
        if (c == '\n') {
            line_ += afterCarriageReturn_ ? 0 : 1;
        } else if (c == '\r') {
            ++line_;
        }
        afterCarriageReturn_ = c == '\r';
    }
}

void CsvReader::append(const char* first, const char* last) {
    if (text_.size() + static_cast<std::size_t>(last - first) > rowLimit_) {
        if (state_ == State::Quoted) {
            throw RowTooLong("line " + std::to_string(quoteLine_) +
                             ": a quote opens a field here and is not closed within " +
                             sizeText(rowLimit_));
        }
        throw RowTooLong("line " + std::to_string(rowLine_) + ": the row is longer than " +
                         sizeText(rowLimit_));
    }
    text_.append(first, static_cast<std::size_t>(last - first));
}

void CsvReader::startRow() {
    if (!rowStarted_) {
        rowStarted_ = true;
        rowLine_ = line_;
    }
}

void CsvReader::endField() {
    ends_.push_back(text_.size());
}

// A row of nothing but spaces and tabs, unquoted: a line that only looks empty.
bool CsvReader::blankRow() const {
    return !quotedInRow_ && (ends_.size() == 1 || delimiter_ == '\t') &&
           text_.find_first_not_of(" \t") == std::string::npos;
}

void CsvReader::endRow() {
    if (!blankRow()) {
        if (!std::exchange(rowHanded_, true) && !byteOrderMark_ &&
            ends_.front() >= kByteOrderMark.size() && text_.starts_with(kByteOrderMark)) {
            // A mark after blank lines begins the sheet as one at its start does.
            text_.erase(0, kByteOrderMark.size());
            for (std::size_t& end : ends_) {
                end -= kByteOrderMark.size();
            }
            byteOrderMark_ = true;
        }
        fields_.clear();
        std::size_t begin = 0;
        for (const std::size_t end : ends_) {
            fields_.emplace_back(text_.data() + begin, end - begin);
            begin = end;
        }
        handedLine_ = rowLine_;
        handler_(fields_);
    }
    text_.clear();
    ends_.clear();
    rowStarted_ = false;
    quotedInRow_ = false;
    state_ = State::FieldStart;
}

} // namespace classifier::sheet
