#include "sheet_run.h"

#include "sheet/columns.h"

#include "core/validation.h"

namespace classifier::cli {
namespace {

// Rows held back at most while the decimal sign is unknown.
constexpr std::size_t kHeldRows = 64;
constexpr std::size_t kHeldBytes = 1 << 20;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::span<const FieldRule> fieldsOf(Method method) {
    return method == Method::Unified ? unifiedFields() : aashtoFields();
}

} // namespace

SheetRun::SheetRun(const Options& options, Language language, Output& output,
                   ChartSampleSet* samples)
    : options_(options), output_(output), samples_(samples),
      sheet_(
          sheet::RowClassifier::create(options.method, options.rules, language, options.explain)) {
    if (samples_) {
        sheet_->keepChartSamples();
    }
}

void SheetRun::take(Row row, const sheet::CsvReader& reader) {
    if (!layout_) {
        start(row, reader);
        return;
    }
    if (decimalKnown_) {
        write(row, reader.rowLine());
        return;
    }
    hold(row, reader.rowLine());
    if (std::optional<std::string> sign = decimalSignIn(row)) {
        release(std::move(*sign));
    } else if (held_.size() >= kHeldRows || heldBytes_ >= kHeldBytes) {
        release(","); // a sheet delimited by ";" or tab comes from a decimal-comma desktop
    }
}

void SheetRun::finish() {
    if (!decimalKnown_) {
        release(",");
    }
}

void SheetRun::start(Row header, const sheet::CsvReader& reader) {
    layout_.emplace(header, sheet_->resultNames());
    sheet_->setDelimiter(reader.delimiter());
    sheet_->readHeader(layout_->inputHeader(), options_.columns);
    if (options_.label) {
        sheet_->labelBy(*options_.label, layout_->inputHeader());
    }
    dialect_.delimiter = options_.delimiter.value_or(reader.delimiter());
    dialect_.lineEnd = reader.lineEnd();
    dialect_.byteOrderMark = reader.byteOrderMark();
    decimalKnown_ = options_.decimalSign.has_value() || reader.delimiter() == ',';
    dialect_.decimalSign = options_.decimalSign.value_or(".");
    sheet_->setDecimalSign(dialect_.decimalSign);
    noResults_.assign(sheet_->resultNames().size(), std::string_view());
    writer_ = RowWriter::create(options_.format, dialect_, output_);
    writer_->header(*layout_);
}

void SheetRun::hold(Row row, std::size_t line) {
    held_.emplace_back(row.begin(), row.end());
    heldLines_.push_back(line);
    for (const std::string_view field : row) {
        heldBytes_ += field.size();
    }
}

void SheetRun::release(std::string decimalSign) {
    decimalKnown_ = true;
    dialect_.decimalSign = decimalSign;
    sheet_->setDecimalSign(decimalSign);
    for (std::size_t i = 0; i < held_.size(); ++i) {
        const std::vector<std::string_view> fields(held_[i].begin(), held_[i].end());
        write(fields, heldLines_[i]);
    }
    held_ = {};
    heldLines_ = {};
}

void SheetRun::write(Row row, std::size_t line) {
    const Row input = layout_->inputRow(row);
    if (std::exchange(firstRow_, false) && isUnitsRow(input)) {
        writer_->row(row, noResults_); // passed through as it stands, not classified
        return;
    }
    const bool classified = sheet_->classify(input);
    allClassified_ = allClassified_ && classified;
    tally_.add(classified, line);
    writer_->row(row, sheet_->texts());
    if (samples_ && sheet_->chartSample()) {
        samples_->add(*sheet_->chartSample());
    }
}

bool SheetRun::isUnitsRow(Row row) const {
    std::vector<std::string_view> values;
    for (const FieldRule& rule : fieldsOf(options_.method)) {
        const std::optional<std::size_t> column = sheet_->columns().of(sheet::roleOf(rule.field));
        if (column && *column < row.size()) {
            values.push_back(row[*column]);
        }
    }
    return sheet::isUnitsRow(values);
}

std::optional<std::string> SheetRun::decimalSignIn(Row row) const {
    for (const FieldRule& rule : fieldsOf(options_.method)) {
        const std::optional<std::size_t> column = sheet_->columns().of(sheet::roleOf(rule.field));
        if (!column || *column >= row.size()) {
            continue;
        }
        const std::string_view cell = row[*column];
        for (std::size_t i = 1; i + 1 < cell.size(); ++i) {
            if ((cell[i] == '.' || cell[i] == ',') && isDigit(cell[i - 1]) &&
                isDigit(cell[i + 1])) {
                return std::string(1, cell[i]);
            }
        }
    }
    return std::nullopt;
}

} // namespace classifier::cli
