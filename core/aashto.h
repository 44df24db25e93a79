#pragma once

#include "controls.h"

#include <optional>
#include <string_view>
#include <vector>

namespace classifier {

struct AashtoSample {
    double f200 = 0;            // percent passing the No. 200 sieve
    double p40 = 0;             // percent passing the No. 40 sieve
    double p10 = 0;             // percent passing the No. 10 sieve
    double liquidLimit = 0;     // LL
    double plasticityIndex = 0; // PI
};

// One row of the group table: the group, its material, and when the sample belongs to it.
struct AashtoGroup {
    std::string_view label;    // "A - 2 - 6"
    std::string_view material; // Persian description of the constituent material
    bool (*matches)(const AashtoSample&);
    bool zeroIndexGroup;  // the group index of this group is zero by definition
    bool writesZeroIndex; // the row writes "0" over the group index
};

struct AashtoResult {
    bool coarse = false;
    double groupIndex = 0; // as computed; a rounding residue near zero is taken as 0
    // Every row that matches, in table order; a later row overwrites an earlier one.
    std::vector<const AashtoGroup*> matchingRows;

    bool negativeIndex() const { return groupIndex < 0; }
    bool zeroIndexNote() const;
    const AashtoGroup* group() const {
        return matchingRows.empty() ? nullptr : matchingRows.back();
    }
};

// The group index formula, in its prescribed order of operations.
double groupIndex(const AashtoSample& sample);

// The classification of a sample that passed the input check. Nothing when the group index
// leaves the range of a double.
std::optional<AashtoResult> classifyAashto(const AashtoSample& sample);

// Click on KewlButtons6: names the sample on the AASHTO panel by the AASHTO system.
void aashtoClassify(Controls& window);

} // namespace classifier
