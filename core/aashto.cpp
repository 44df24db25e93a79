#include "aashto.h"

#include "input_check.h"
#include "messages.h"
#include "number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace classifier {
namespace {

const std::array<RangeRule, 3> kAashtoRanges = {{
    {"E3", 0.0, 100.0},
    {"e4", 0.0, 100.0},
    {"e5", 0.0, 100.0},
}};

constexpr std::string_view kCoarseText = "درشت دانه ";
constexpr std::string_view kFineText = "ريز دانه ";
constexpr std::string_view kFineSand = "ماسه ريز";
constexpr std::string_view kGranular = "ماسه و شن يا قلوه سنگ";
constexpr std::string_view kSiltyClayeyGranular = "ماسه و شن رس دار و لاي دار";
constexpr std::string_view kSilty = "خاك لاي دار";
constexpr std::string_view kClayey = "خاك رس دار";

// What the group boxes show before any sample has been named.
const std::string kNoMaterial(32, '-');
const std::string kNoGroup(23, '-');

// Residues of rounding below this magnitude are an index of exactly zero.
constexpr double kZeroIndexTolerance = 1e-9;

using S = AashtoSample;

// Only a coarse sample with 25 < F200 <= 35 can belong to an A-2 group.
bool inA2Band(const S& s) {
    return s.f200 > 25 && s.f200 <= 35;
}

const std::array<AashtoGroup, 7> kCoarseRows = {{
    {"A - 3", kFineSand, [](const S& s) { return s.f200 <= 10 && s.p40 >= 51; }, true, false},
    {"A - 1 - a", kGranular,
     [](const S& s) {
         return s.f200 <= 15 && s.p40 <= 30 && s.p10 <= 50 && s.plasticityIndex <= 6;
     },
     true, true},
    {"A - 1 - b", kGranular,
     [](const S& s) {
         return s.f200 <= 25 && s.f200 >= 15 && s.p40 <= 50 && s.plasticityIndex <= 6;
     },
     true, false},
    {"A - 2 - 4", kSiltyClayeyGranular,
     [](const S& s) {
         return inA2Band(s) && s.liquidLimit <= 40 && s.plasticityIndex <= 10 &&
                s.plasticityIndex > 6;
     },
     true, false},
    {"A - 2 - 5", kSiltyClayeyGranular,
     [](const S& s) {
         return inA2Band(s) && s.liquidLimit >= 41 && s.plasticityIndex <= 10 &&
                s.plasticityIndex > 6;
     },
     true, false},
    {"A - 2 - 6", kSiltyClayeyGranular,
     [](const S& s) { return inA2Band(s) && s.liquidLimit <= 40 && s.plasticityIndex >= 11; },
     false, false},
    {"A - 2 - 7", kSiltyClayeyGranular,
     [](const S& s) { return inA2Band(s) && s.liquidLimit >= 41 && s.plasticityIndex >= 11; },
     false, false},
}};

const std::array<AashtoGroup, 5> kFineRows = {{
    {"A - 4", kSilty,
     [](const S& s) { return s.f200 >= 36 && s.liquidLimit <= 40 && s.plasticityIndex <= 10; },
     false, false},
    {"A - 5", kSilty,
     [](const S& s) { return s.f200 >= 36 && s.liquidLimit >= 41 && s.plasticityIndex <= 10; },
     false, false},
    {"A - 6", kClayey,
     [](const S& s) { return s.f200 >= 36 && s.liquidLimit <= 40 && s.plasticityIndex >= 11; },
     false, false},
    {"A - 7 -5", kClayey,
     [](const S& s) {
         return s.f200 >= 36 && s.liquidLimit >= 41 && s.plasticityIndex >= 11 &&
                s.liquidLimit - 30 >= s.plasticityIndex;
     },
     false, false},
    {"A - 7 -6", kClayey,
     [](const S& s) {
         return s.f200 >= 36 && s.liquidLimit >= 41 && s.plasticityIndex >= 11 &&
                s.liquidLimit - 30 < s.plasticityIndex;
     },
     false, false},
}};

void applyRow(Controls& window, const AashtoGroup& row) {
    window.setText("Text9", row.material);
    window.setText("Text8", row.label);
    if (row.writesZeroIndex) {
        window.setText("Text11", "0");
    }
}

void apply(Controls& window, const AashtoResult& result) {
    window.setText("Text11", formatNumber(result.groupIndex, window.numberFormat()));
    if (result.negativeIndex()) {
        window.setText("Text11", "0");
    }
    window.setVisible("Label21", result.negativeIndex());
    window.setText("Text10", result.coarse ? kCoarseText : kFineText);
    for (const AashtoGroup* row : result.matchingRows) {
        applyRow(window, *row);
    }
    if (result.matchingRows.empty()) {
        window.setText("Text9", kNoMaterial);
        window.setText("Text8", kNoGroup);
    }
    window.setVisible("Label20", result.zeroIndexNote());
}

} // namespace

bool AashtoResult::zeroIndexNote() const {
    return std::any_of(matchingRows.begin(), matchingRows.end(),
                       [](const AashtoGroup* row) { return row->zeroIndexGroup; });
}

double groupIndex(const AashtoSample& s) {
    const double a = s.f200 - 35;
    const double b = ((s.liquidLimit - 40) * 0.005 + 0.2) * a;
    const double c = (s.f200 - 15) * 0.01;
    return (s.plasticityIndex - 10) * c + b;
}

std::optional<AashtoResult> classifyAashto(const AashtoSample& sample) {
    double index = groupIndex(sample);
    if (!std::isfinite(index)) {
        return std::nullopt;
    }
    if (std::fabs(index) < kZeroIndexTolerance) {
        index = 0.0;
    }
    AashtoResult result{sample.f200 <= 35, index, {}};
    const std::span<const AashtoGroup> rows =
        result.coarse ? std::span<const AashtoGroup>(kCoarseRows) : kFineRows;
    for (const AashtoGroup& row : rows) {
        if (row.matches(sample)) {
            result.matchingRows.push_back(&row);
        }
    }
    return result;
}

void aashtoClassify(Controls& window) {
    const std::optional<std::vector<double>> sieves = checkedInputs(window, kAashtoRanges);
    if (!sieves) {
        warn(window, kRangeMessage);
        return;
    }
    const std::optional<double> liquidLimit = readNumber(window, "e6");
    const std::optional<double> plasticityIndex = readNumber(window, "e7");
    if (!liquidLimit || !plasticityIndex) {
        warn(window, kNumberMessage);
        return;
    }
    const std::vector<double>& v = *sieves;
    const std::optional<AashtoResult> result =
        classifyAashto({v[0], v[1], v[2], *liquidLimit, *plasticityIndex});
    if (!result) {
        warn(window, kNumberMessage);
        return;
    }
    apply(window, *result);
}

} // namespace classifier
