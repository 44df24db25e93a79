#pragma once

#include "aashto.h"
#include "path_text.h"

#include <span>
#include <string>

// What the AASHTO method's two rule sets share: the row test and the way a row is written.
namespace classifier {

// Tests every condition of the row on the sample; the standard rules compare the numbers as
// typed.
void testRow(AashtoRowTest& result, const AashtoGroup& group, const AashtoSample& sample,
             Rules rules);

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
