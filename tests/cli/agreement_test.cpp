// The command and the window's own handlers, given the same samples, say the same thing.
#include "command.h"

#include "cli/csv_reader.h"
#include "core/aashto.h"
#include "core/messages.h"
#include "core/unified.h"
#include "tests/core/fake_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>

namespace classifier::cli {
namespace {

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

Rows classifyAll(const std::string& method, const std::vector<std::vector<std::string>>& samples,
                 const std::string& header) {
    std::string sheet = header + "\n";
    for (const std::vector<std::string>& sample : samples) {
        for (std::size_t i = 0; i < sample.size(); ++i) {
            sheet += (i ? "," : "") + sample[i];
        }
        sheet += "\n";
    }
    const test::CommandResult result = test::runCommand({method, "--lang", "fa"}, sheet);
    Rows rows;
    CsvReader reader([&rows](Row row) { rows.emplace_back(row.begin(), row.end()); });
    reader.feed(result.output);
    reader.finish();
    rows.erase(rows.begin());
    return rows;
}

std::string withoutBlanks(std::string text) {
    std::erase(text, ' ');
    return text;
}

// "S M - S W" as the field writes it: "SW-SM".
std::string compact(const std::string& window) {
    const std::string symbol = withoutBlanks(window);
    const std::size_t dash = symbol.find('-');
    return dash == std::string::npos ? symbol
                                     : symbol.substr(dash + 1) + "-" + symbol.substr(0, dash);
}

TEST(AgreeWithTheWindow, Unified) {
    Typist typist;
    std::vector<std::vector<std::string>> samples;
    for (int i = 0; i < kSamples; ++i) {
        samples.push_back({typist.value(-2, 102), typist.value(-2, 102), typist.value(-2, 110),
                           typist.value(-2, 60), typist.value(0, 4), typist.value(0, 30)});
    }
    const Rows rows = classifyAll("unified", samples, "p200,p4,ll,pi,cc,cu");
    ASSERT_EQ(rows.size(), samples.size());
    const char* boxes[] = {"Text1", "Text2", "Text3", "Text4", "Text6", "Text7"};
    for (std::size_t i = 0; i < samples.size(); ++i) {
        classifier::test::FakeWindow window;
        for (std::size_t box = 0; box < 6; ++box) {
            window.type(boxes[box], samples[i][box]);
        }
        unifiedClassify(window);
        const std::vector<std::string>& row = rows[i];
        SCOPED_TRACE("row " + std::to_string(i + 2) + ": " + row[0] + "," + row[1] + "," + row[2] +
                     "," + row[3] + "," + row[4] + "," + row[5]);
        if (!window.messages.empty()) {
            EXPECT_NE(row[8], "");
            // The range errors come first; the number message is for Cc and Cu alone.
            EXPECT_EQ(window.messages[0] == kNumberMessage,
                      row[8].starts_with("\u200Fcc") || row[8].starts_with("\u200Fcu"));
            continue;
        }
        EXPECT_EQ(row[8], "");
        EXPECT_EQ(row[6], compact(window.text("Text5")));
    }
}

TEST(AgreeWithTheWindow, Aashto) {
    Typist typist;
    std::vector<std::vector<std::string>> samples;
    for (int i = 0; i < kSamples; ++i) {
        samples.push_back({typist.value(-2, 102), typist.value(-2, 102), typist.value(-2, 102),
                           typist.value(-5, 110), typist.value(-5, 60)});
    }
    const Rows rows = classifyAll("aashto", samples, "p200,p40,p10,ll,pi");
    ASSERT_EQ(rows.size(), samples.size());
    const char* boxes[] = {"E3", "e4", "e5", "e6", "e7"};
    for (std::size_t i = 0; i < samples.size(); ++i) {
        classifier::test::FakeWindow window;
        for (std::size_t box = 0; box < 5; ++box) {
            window.type(boxes[box], samples[i][box]);
        }
        aashtoClassify(window);
        const std::vector<std::string>& row = rows[i];
        SCOPED_TRACE("row " + std::to_string(i + 2));
        if (!window.messages.empty()) {
            EXPECT_NE(row[11], "");
            continue;
        }
        const bool noGroup = window.text("Text8").starts_with("---");
        EXPECT_EQ(row[5], noGroup ? "" : withoutBlanks(window.text("Text8")));
        EXPECT_EQ(row[6], noGroup ? "" : window.text("Text9"));
        EXPECT_EQ(row[7], window.text("Text10"));
        EXPECT_EQ(row[8], window.text("Text11"));
        std::vector<std::string> notes;
        if (window.isVisible("Label20")) {
            notes.emplace_back(kZeroIndexNote);
        }
        if (window.isVisible("Label21")) {
            notes.emplace_back(kNegativeIndexNote);
        }
        EXPECT_EQ(row[9], notes.empty()       ? ""
                          : notes.size() == 1 ? notes[0]
                                              : notes[0] + " | " + notes[1]);
        EXPECT_EQ(row[11], "");
    }
}

} // namespace
} // namespace classifier::cli
