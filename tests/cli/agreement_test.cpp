// The command reads every row through the core's validator, as the window reads its boxes: a
// row is refused exactly when the validator refuses its fields, and classified as the value says,
// by either rule set.
#include "command.h"

#include "core/aashto.h"
#include "core/unified.h"
#include "core/validation.h"
#include "sheet/csv_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <span>

namespace classifier::cli {
namespace {

using sheet::CsvReader;
using sheet::Row;

using Rows = std::vector<std::vector<std::string>>;
constexpr int kSamples = 3000;

// Typed values as a technician might type them: mostly numbers in and around their ranges,
// now and then an empty box, a word, Persian digits or blanks around the number.
class Typist {
public:
    std::string value(double lowest, double highest) {
        switch (std::uniform_int_distribution(0, 30)(random_)) {
        case 0:
            return "";
        case 1:
            return "n/a";
        case 2:
            return "\u06F3\u06F4";
        case 3:
            return " 12 ";
        default:
            break;
        }
        const double value = std::uniform_real_distribution(lowest, highest)(random_);
        char text[32];
        std::snprintf(text, sizeof text, "%.*f", std::uniform_int_distribution(0, 2)(random_),
                      value);
        return text;
    }

private:
    std::mt19937 random_{20240609};
};

Rows classifyAll(const std::string& method, Rules rules,
                 const std::vector<std::vector<std::string>>& samples, const std::string& header) {
    std::string sheet = header + "\n";
    for (const std::vector<std::string>& sample : samples) {
        for (std::size_t i = 0; i < sample.size(); ++i) {
            sheet += (i ? "," : "") + sample[i];
        }
        sheet += "\n";
    }
    const test::CommandResult result = test::runCommand(
        {method, "--rules", rules == Rules::Window ? "window" : "standard", "--lang", "fa"}, sheet);
    Rows rows;
    CsvReader reader([&rows](Row row) { rows.emplace_back(row.begin(), row.end()); });
    reader.feed(result.output);
    reader.finish();
    rows.erase(rows.begin());
    return rows;
}

FieldTexts fieldTexts(const std::vector<std::string>& typed, std::span<const FieldRule> fields) {
    FieldTexts texts;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        texts.set(fields[i].field, typed[i]);
    }
    return texts;
}

class AgreeWithTheValidator : public testing::TestWithParam<Rules> {};

TEST_P(AgreeWithTheValidator, Unified) {
    const Rules rules = GetParam();
    Typist typist;
    std::vector<std::vector<std::string>> samples;
    for (int i = 0; i < kSamples; ++i) {
        samples.push_back({typist.value(-2, 102), typist.value(-2, 102), typist.value(-2, 110),
                           typist.value(-2, 60), typist.value(0, 4), typist.value(0, 30)});
    }
    const Rows rows = classifyAll("unified", rules, samples, "p200,p4,ll,pi,cc,cu");
    ASSERT_EQ(rows.size(), samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const Checked<UnifiedSample> checked =
            checkUnified(fieldTexts(samples[i], unifiedFields()), {}, rules);
        SCOPED_TRACE("row " + std::to_string(i + 2));
        EXPECT_EQ(rows[i][9].empty(), checked.errors().empty());
        EXPECT_EQ(rows[i][6], checked.sample()
                                  ? classifyUnified(*checked.sample(), rules)->symbol.compactText()
                                  : "");
    }
}

TEST_P(AgreeWithTheValidator, Aashto) {
    const Rules rules = GetParam();
    Typist typist;
    std::vector<std::vector<std::string>> samples;
    for (int i = 0; i < kSamples; ++i) {
        samples.push_back({typist.value(-2, 102), typist.value(-2, 102), typist.value(-2, 102),
                           typist.value(-5, 110), typist.value(-5, 60)});
    }
    const Rows rows = classifyAll("aashto", rules, samples, "p200,p40,p10,ll,pi");
    ASSERT_EQ(rows.size(), samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const Checked<AashtoSample> checked =
            checkAashto(fieldTexts(samples[i], aashtoFields()), {}, rules);
        SCOPED_TRACE("row " + std::to_string(i + 2));
        EXPECT_EQ(rows[i][13].empty(), checked.errors().empty());
        const AashtoGroup* group =
            checked.sample() ? classifyAashto(*checked.sample(), rules)->group() : nullptr;
        EXPECT_EQ(rows[i][5], group ? group->compactLabel : "");
    }
}

INSTANTIATE_TEST_SUITE_P(BothRuleSets, AgreeWithTheValidator,
                         testing::Values(Rules::Window, Rules::Standard));

} // namespace
} // namespace classifier::cli
