#include "csv_reader.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace classifier::cli {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

} // namespace

bool FirstRowScan::take(char c) {
    if (!started_ && isLineEnd(c)) {
        return false;
    }
    started_ = true;
    if (quoted_) {
        quoted_ = c != '"';
        justClosed_ = !quoted_;
        return false;
    }
    if (c == '"' && (fieldStart_ || justClosed_)) {
        quoted_ = true;
        fieldStart_ = justClosed_ = false;
        return false;
    }
    if (isLineEnd(c)) {
        return true;
    }
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
    if (rowStarted_) {
        endField();
        endRow();
    }
}

// Waits for the whole first row, then reads everything held so far. At the end of the input,
// takes what there is as the first row.
void CsvReader::findDelimiter(bool atEnd) {
    if (!bomChecked_) {
        if (head_.size() < kByteOrderMark.size() && kByteOrderMark.starts_with(head_) && !atEnd) {
            return;
        }
        if (head_.starts_with(kByteOrderMark)) {
            head_.erase(0, kByteOrderMark.size());
        }
        bomChecked_ = true;
    }
    bool complete = false;
    while (!complete && headScanned_ < head_.size()) {
        complete = firstRow_.take(head_[headScanned_++]);
    }
    if (!complete && !atEnd) {
        if (head_.size() > rowLimit_) {
            throw RowTooLong("the first row");
        }
        return;
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
                ++p;
            } else if (isLineEnd(c)) {
                if (rowStarted_) {
                    endField();
                    endRow();
                }
                afterCarriageReturn_ = c == '\r';
                ++p;
            } else if (c == delimiter_) {
                rowStarted_ = true;
                endField();
                ++p;
            } else {
                rowStarted_ = true;
                state_ = c == '"' ? State::Quoted : State::Unquoted;
                p += c == '"' ? 1 : 0;
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
                afterCarriageReturn_ = c == '\r';
            }
            break;
        }
        case State::Quoted: {
            const auto* quote = static_cast<const char*>(std::memchr(p, '"', end - p));
            const char* stop = quote ? quote : end;
            append(p, stop);
            p = stop;
            if (quote) {
                ++p;
                state_ = State::QuoteInQuoted;
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

void CsvReader::append(const char* first, const char* last) {
    if (text_.size() + static_cast<std::size_t>(last - first) > rowLimit_) {
        throw RowTooLong("a row");
    }
    text_.append(first, last);
}

void CsvReader::endField() {
    ends_.push_back(text_.size());
}

void CsvReader::endRow() {
    fields_.clear();
    std::size_t begin = 0;
    for (const std::size_t end : ends_) {
        fields_.emplace_back(text_.data() + begin, end - begin);
        begin = end;
    }
    handler_(fields_);
    text_.clear();
    ends_.clear();
    rowStarted_ = false;
    state_ = State::FieldStart;
}

} // namespace classifier::cli
