#pragma once

#include "core/language.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// What a sheet says about itself beyond its samples: a workbook saved in place of a CSV file, a
// row of units under the header, and how the classification of its rows went.
namespace classifier::sheet {

// The first bytes of a spreadsheet workbook (.xlsx, .ods: a zip archive; .xls: the old binary
// compound file) rather than a CSV sheet.
bool isWorkbook(std::string_view firstBytes);

// A row of units right under the header: no number where a sample's values stand, and at least
// one unit there ("%", "mm", «درصد»).
bool isUnitsRow(std::span<const std::string_view> valueCells);

// How many rows were classified and refused, and which were the first refused, by the sheet's
// row numbers (the header being row 1).
class Tally {
public:
    void add(bool classified, std::size_t rowNumber);
    std::size_t rows() const { return rows_; }
    std::size_t refused() const { return refused_; }

    // "1,204 rows: 1,190 classified, 14 refused (rows 12, 57, 90 and 11 more)"
    std::string summary(Language language) const;

private:
    static constexpr std::size_t kNamed = 3;
    std::size_t rows_ = 0;
    std::size_t refused_ = 0;
    std::array<std::size_t, kNamed> firstRefused_{};
};

} // namespace classifier::sheet
