#include "sheet/document.h"

#include "sheet/csv_reader.h"

#include "core/validation.h"
#include "core/words.h"

#include <algorithm>

namespace classifier::sheet {
namespace {

std::span<const FieldRule> fieldsOf(Method method) {
    return method == Method::Unified ? unifiedFields() : aashtoFields();
}

std::vector<std::string_view> views(const std::vector<std::string>& texts) {
    return {texts.begin(), texts.end()};
}

bool blank(const std::vector<std::string>& cells) {
    return std::all_of(cells.begin(), cells.end(), [](const std::string& cell) {
        return cell.find_first_not_of(" \t") == std::string::npos;
    });
}

// Tab-separated text from a spreadsheet: a cell with a tab, a line end or a quote is quoted.
std::vector<std::vector<std::string>> tabSeparated(std::string_view text) {
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string& cell = rows.back().back();
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == '"' && cell.empty()) {
            quoted = true;
        } else if (c == '\t') {
            rows.back().emplace_back();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            rows.emplace_back(1);
        } else {
            cell += c;
        }
    }
    while (!rows.empty() && rows.back().size() == 1 && rows.back().front().empty()) {
        rows.pop_back(); // the line end after the last row
    }
    return rows;
}

std::string tabField(std::string_view text) {
    if (text.find_first_of("\t\n\r\"") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

} // namespace

Document::Document(Method method, Language language, Rules rules)
    : method_(method), language_(language), rules_(rules), header_(defaultHeader(method)) {
    makeClassifier();
    readHeader();
}

void Document::makeClassifier() {
    classifier_ = RowClassifier::create(method_, rules_, language_, false);
    classifier_->keepChartSamples();
    classifier_->setDelimiter(dialect_.delimiter);
    classifier_->setDecimalSign(dialect_.decimalSign);
}

void Document::setRules(Rules rules) {
    rules_ = rules;
    makeClassifier();
    readHeader();
}

std::vector<std::string> Document::defaultHeader(Method method) {
    std::vector<std::string> header = {std::string(persianName(ColumnRole::Id))};
    for (const FieldRule& rule : fieldsOf(method)) {
        header.emplace_back(persianName(roleOf(rule.field)));
    }
    return header;
}

Document Document::read(std::string_view bytes, Method method, Language language, Rules rules) {
    if (isWorkbook(bytes)) {
        throw SheetError(std::string(say(Word::WorkbookRefused, language)));
    }
    std::vector<std::vector<std::string>> rows;
    CsvReader reader([&rows](Row row) { rows.emplace_back(row.begin(), row.end()); });
    try {
        reader.feed(bytes);
        reader.finish();
    } catch (const UnreadableSheet& error) {
        throw SheetError(error.what());
    }
    if (rows.empty()) {
        throw SheetError("the sheet is empty: it has no header row");
    }
    Document document(method, language, rules);
    document.dialect_.delimiter = reader.delimiter();
    document.dialect_.lineEnd = reader.lineEnd();
    document.dialect_.byteOrderMark = reader.byteOrderMark();
    document.classifier_->setDelimiter(reader.delimiter());
    document.header_ = std::move(rows.front());
    rows.erase(rows.begin());
    document.dropOldResults(rows);
    document.dialect_.decimalSign = document.decimalSignOf(rows);
    document.classifier_->setDecimalSign(document.dialect_.decimalSign);
    document.rows_ = std::move(rows);
    document.widen(document.header_.size());
    document.readHeader();
    return document;
}

std::string Document::written() const {
    const CsvText csv(dialect_);
    std::string text;
    csv.start(text);
    bool first = true;
    for (const std::string& name : header_) {
        csv.field(name, std::exchange(first, false), text);
    }
    for (const std::string_view name : resultNames()) {
        csv.field(name, false, text);
    }
    csv.endRow(text);
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        first = true;
        for (const std::string& cell : rows_[row]) {
            csv.field(cell, std::exchange(first, false), text);
        }
        for (std::size_t i = 0; i < resultNames().size(); ++i) {
            const std::vector<std::string>& results = outcomes_[row].results;
            csv.field(i < results.size() ? results[i] : std::string(), false, text);
        }
        csv.endRow(text);
    }
    return text;
}

// A sheet the program wrote before holds every result column of the method: they are dropped,
// to be written anew, with its explanation and extra fields.
void Document::dropOldResults(std::vector<std::vector<std::string>>& rows) {
    const auto lowered = [](std::string_view text) {
        std::string name(text);
        for (char& c : name) {
            c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        }
        return name;
    };
    std::vector<std::string_view> old(resultNames().begin(), resultNames().end());
    const bool before = std::all_of(old.begin(), old.end(), [&](std::string_view name) {
        return optionalResult(name) ||
               std::any_of(header_.begin(), header_.end(),
                           [&](const std::string& h) { return lowered(h) == name; });
    });
    if (!before) {
        return;
    }
    old.insert(old.end(), {"explanation", "extra_fields"});
    for (std::size_t column = header_.size(); column-- > 0;) {
        if (std::find(old.begin(), old.end(), lowered(header_[column])) == old.end()) {
            continue;
        }
        header_.erase(header_.begin() + static_cast<std::ptrdiff_t>(column));
        for (auto& row : rows) {
            if (column < row.size()) {
                row.erase(row.begin() + static_cast<std::ptrdiff_t>(column));
            }
        }
    }
}

// The decimal sign the sheet's own numbers use: "," in a sheet not delimited by "," unless its
// numbers show a ".".
std::string Document::decimalSignOf(const std::vector<std::vector<std::string>>& rows) const {
    if (dialect_.delimiter == ',') {
        return ".";
    }
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (const auto& row : rows) {
        for (const std::string& cell : row) {
            for (std::size_t i = 1; i + 1 < cell.size(); ++i) {
                if ((cell[i] == '.' || cell[i] == ',') && digit(cell[i - 1]) &&
                    digit(cell[i + 1])) {
                    return std::string(1, cell[i]);
                }
            }
        }
    }
    return ",";
}

void Document::setMethod(Method method) {
    method_ = method;
    makeClassifier();
    if (rows_.empty()) {
        header_ = defaultHeader(method);
        readHeader();
        return;
    }
    const Columns columns = [this] {
        try {
            const std::vector<std::string_view> names = views(header_);
            return Columns::find(names);
        } catch (const ColumnError&) {
            return Columns();
        }
    }();
    for (const FieldRule& rule : fieldsOf(method)) {
        if (!rule.optional && !columns.of(roleOf(rule.field))) {
            header_.emplace_back(persianName(roleOf(rule.field)));
        }
    }
    widen(header_.size());
    readHeader();
}

void Document::setHeader(std::vector<std::string> header) {
    header_ = std::move(header);
    for (auto& row : rows_) {
        row.resize(header_.size());
    }
    readHeader();
}

void Document::setCell(std::size_t row, std::size_t column, std::string text) {
    if (column >= header_.size()) {
        widen(column + 1);
    }
    rows_[row][column] = std::move(text);
    classify(row);
    if (row == 0 && rowCount() > 1) {
        classify(1); // whether the first row is a row of units decides nothing else
    }
}

void Document::insertRows(std::size_t at, std::vector<std::vector<std::string>> rows) {
    std::size_t width = header_.size();
    for (const auto& row : rows) {
        width = std::max(width, row.size());
    }
    const std::size_t count = rows.size();
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(at),
                 std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    outcomes_.insert(outcomes_.begin() + static_cast<std::ptrdiff_t>(at), count, Outcome{});
    widen(width); // fills the new rows and classifies them
    for (std::size_t row = at; row < at + count; ++row) {
        classify(row);
    }
}

void Document::removeRows(std::size_t at, std::size_t count) {
    const auto first = static_cast<std::ptrdiff_t>(at);
    const auto last = static_cast<std::ptrdiff_t>(std::min(at + count, rows_.size()));
    rows_.erase(rows_.begin() + first, rows_.begin() + last);
    outcomes_.erase(outcomes_.begin() + first, outcomes_.begin() + last);
    if (at == 0 && !rows_.empty()) {
        classify(0);
    }
}

std::size_t Document::paste(std::string_view text, std::size_t atRow, std::size_t atColumn) {
    std::vector<std::vector<std::string>> cells = tabSeparated(text);
    if (cells.empty()) {
        return 0;
    }
    const std::vector<std::string_view> first = views(cells.front());
    Columns pasted;
    std::size_t named = 0;
    try {
        pasted = Columns::find(first);
        for (const FieldRule& rule : fieldsOf(method_)) {
            named += pasted.of(roleOf(rule.field)) ? 1 : 0;
        }
    } catch (const ColumnError&) {
        named = 0;
    }
    if (named < 2) { // plain cells, placed where they fall
        const std::size_t rows = cells.size();
        if (atRow + rows > rows_.size()) {
            insertRows(rows_.size(),
                       std::vector<std::vector<std::string>>(atRow + rows - rows_.size()));
        }
        for (std::size_t r = 0; r < rows; ++r) {
            for (std::size_t c = 0; c < cells[r].size(); ++c) {
                if (atColumn + c >= header_.size()) {
                    widen(atColumn + c + 1);
                }
                rows_[atRow + r][atColumn + c] = std::move(cells[r][c]);
            }
            classify(atRow + r);
        }
        return rows;
    }
    std::vector<std::vector<std::string>> body(cells.begin() + 1, cells.end());
    if (rows_.empty()) {
        setHeader(std::move(cells.front()));
        insertRows(0, std::move(body));
        return rows_.size();
    }
    // Each pasted column under the column of its role, or after the others.
    const std::vector<std::string_view> names = views(header_);
    Columns here;
    try {
        here = Columns::find(names);
    } catch (const ColumnError&) {
    }
    std::vector<std::size_t> target(cells.front().size());
    for (std::size_t c = 0; c < target.size(); ++c) {
        const std::optional<ColumnRole> role = pasted.roleAt(c);
        const std::optional<std::size_t> column = role ? here.of(*role) : std::nullopt;
        if (column) {
            target[c] = *column;
        } else {
            target[c] = header_.size();
            header_.push_back(cells.front()[c]);
        }
    }
    std::vector<std::vector<std::string>> placed;
    for (auto& row : body) {
        std::vector<std::string> cellsHere(header_.size());
        for (std::size_t c = 0; c < row.size() && c < target.size(); ++c) {
            cellsHere[target[c]] = std::move(row[c]);
        }
        placed.push_back(std::move(cellsHere));
    }
    const std::size_t count = placed.size();
    widen(header_.size());
    readHeader();
    insertRows(std::min(atRow, rows_.size()), std::move(placed));
    return count;
}

Tally Document::tally() const {
    Tally tally;
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        const State state = outcomes_[row].state;
        if (state == State::Classified || state == State::Refused) {
            tally.add(state == State::Classified, row + 2);
        }
    }
    return tally;
}

std::string Document::copied(std::span<const std::size_t> rows) const {
    const auto line = [](const std::vector<std::string>& cells, const auto& results) {
        std::string text;
        for (const std::string& cell : cells) {
            text += (text.empty() ? "" : "\t") + tabField(cell);
        }
        for (const auto& result : results) {
            text += "\t" + tabField(result);
        }
        return text + "\n";
    };
    std::string text = line(header_, resultNames());
    for (const std::size_t row : rows) {
        text += line(rows_[row], outcomes_[row].results);
    }
    return text;
}

std::vector<ChartSample> Document::chartSamples() const {
    std::vector<ChartSample> samples;
    for (const Outcome& outcome : outcomes_) {
        if (outcome.chartSample && outcome.chartSample->layer) {
            samples.push_back(*outcome.chartSample);
        }
    }
    return samples;
}

void Document::readHeader() {
    headerProblem_.reset();
    try {
        const std::vector<std::string_view> names = views(header_);
        classifier_->readHeader(names);
    } catch (const ColumnError& error) {
        headerProblem_ = error;
    }
    classifyAll();
}

void Document::classifyAll() {
    outcomes_.assign(rows_.size(), Outcome{});
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        classify(row);
    }
}

// The classifier reads rows as wide as the header, so a wider sheet is read again.
void Document::widen(std::size_t columns) {
    const bool wider = header_.size() < columns;
    while (header_.size() < columns) {
        header_.emplace_back();
    }
    for (auto& row : rows_) {
        row.resize(header_.size());
    }
    if (wider) {
        readHeader();
    }
}

void Document::classify(std::size_t row) {
    Outcome& outcome = outcomes_[row];
    outcome = Outcome{};
    const std::vector<std::string>& cells = rows_[row];
    if (headerProblem_) {
        return;
    }
    if (blank(cells)) {
        outcome.state = State::Empty;
        return;
    }
    const Columns& columns = classifier_->columns();
    if (row == 0) {
        std::vector<std::string_view> values;
        for (const FieldRule& rule : fieldsOf(method_)) {
            if (const std::optional<std::size_t> column = columns.of(roleOf(rule.field))) {
                values.push_back(cells[*column]);
            }
        }
        if (isUnitsRow(values)) {
            outcome.state = State::Units;
            return;
        }
    }
    const std::vector<std::string_view> fields = views(cells);
    const bool classified = classifier_->classify(fields);
    outcome.state = classified ? State::Classified : State::Refused;
    const auto texts = classifier_->texts();
    outcome.results.assign(texts.begin(), texts.end());
    if (!classified) {
        outcome.error = outcome.results.back();
        for (const FieldError& error : classifier_->fieldErrors()) {
            if (const std::optional<std::size_t> column = columns.of(roleOf(error.field))) {
                outcome.cellErrors.push_back({*column, classifier_->errorText(error)});
            }
        }
        return;
    }
    outcome.chartSample = classifier_->chartSample();
}

} // namespace classifier::sheet
