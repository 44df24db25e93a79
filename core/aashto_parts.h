#pragma once

#include "aashto.h"
#include "path_text.h"

#include <array>
#include <span>
#include <string>

// What the AASHTO method's two rule sets share: the row test and the way a row is written.
namespace classifier {

// The quantities the rows compare, of one sample, looked up by Quantity.
class RowValues {
public:
    explicit RowValues(const AashtoSample& sample);
    double operator[](Quantity quantity) const {
        return values_[static_cast<std::size_t>(quantity)];
    }

private:
    std::array<double, static_cast<std::size_t>(Quantity::LiquidLimitLess30) + 1> values_{};
};

// Tests the conditions of the row on the sample, keeping each comparison with Detail::Path: all
// of them for the window's path, which names the rows that came closest, else up to the first
// that fails. The standard rules compare the numbers as typed.
void testRow(AashtoRowTest& result, const AashtoGroup& group, const RowValues& values, Rules rules,
             Detail detail);

// "A-5: passed, F200 = 36 % ≥ 36 %, ..." or "A-4: failed, LL = 51 > 40"
std::string rowText(const AashtoRowTest& row, Language language, const NumberFormat& format);

// The standard's group table, in its order from the left.
std::span<const AashtoGroup> standardCoarseGroups();
std::span<const AashtoGroup> standardFineGroups();

// The standard's path, for explainAashto.
std::vector<std::string> explainAashtoByStandard(const AashtoResult& result, Language language,
                                                 const NumberFormat& format);
std::string standardIndexLine(const AashtoResult& result, Language language,
                              const NumberFormat& format);

} // namespace classifier
