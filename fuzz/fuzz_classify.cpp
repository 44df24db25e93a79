// Both classify commands fed arbitrary texts in every box they read: each click ends in
// exactly one of the range message, the number message, or a complete result, and every
// classified sample has a name and a decision path in both languages.
#include "core/aashto.h"
#include "core/input_check.h"
#include "core/messages.h"
#include "core/unified.h"
#include "tests/core/fake_window.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

using classifier::test::FakeWindow;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// One click: a message and no writes, or no message and the command's last write.
void checkOutcome(const FakeWindow& window, const std::string& lastWrite) {
    if (window.messages.empty()) {
        check(!window.writes.empty() && window.writes.back().starts_with(lastWrite));
        return;
    }
    check(window.messages.size() == 1 && window.writes.empty());
    check(window.messages[0] == classifier::kRangeMessage ||
          window.messages[0] == classifier::kNumberMessage);
}

bool explained(const std::vector<std::string>& path) {
    return !path.empty() && std::none_of(path.begin(), path.end(),
                                         [](const std::string& line) { return line.empty(); });
}

// The result of a click that classified, worked out again from the boxes.
void checkUnifiedResult(const FakeWindow& window) {
    using namespace classifier;
    const auto read = [&window](const char* box) { return *readNumber(window, box); };
    const auto result = classifyUnified({read("Text1"), read("Text2"), read("Text3"), read("Text4"),
                                         readNumber(window, "Text6"), readNumber(window, "Text7")});
    check(result && result->symbol.text() == window.text("Text5"));
    for (const Language language : {Language::Persian, Language::English}) {
        check(!result->name(language).empty());
        check(explained(explainUnified(*result, language, window.format)));
    }
}

void checkAashtoResult(const FakeWindow& window) {
    using namespace classifier;
    const auto read = [&window](const char* box) { return *readNumber(window, box); };
    const auto result =
        classifyAashto({read("E3"), read("e4"), read("e5"), read("e6"), read("e7")});
    check(result.has_value());
    for (const Language language : {Language::Persian, Language::English}) {
        check(explained(explainAashto(*result, language, window.format)));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const char* const kBoxes[] = {"Text1", "Text2", "Text3", "Text4", "Text6", "Text7",
                                         "E3",    "e4",    "e5",    "e6",    "e7",    "Text11"};
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    FakeWindow window;
    window.format = size % 2 ? classifier::NumberFormat{",", "."} : classifier::NumberFormat{};
    std::size_t start = 0;
    for (const char* box : kBoxes) {
        if (start > input.size()) {
            break;
        }
        const std::size_t end = std::min(input.find('\0', start), input.size());
        window.type(box, std::string(input.substr(start, end - start)));
        start = end + 1;
    }
    classifier::unifiedClassify(window);
    checkOutcome(window, "Text5=");
    if (window.messages.empty()) {
        checkUnifiedResult(window);
    }
    window.messages.clear();
    window.writes.clear();
    classifier::aashtoClassify(window);
    checkOutcome(window, "Label20 ");
    if (window.messages.empty()) {
        checkAashtoResult(window);
    }
    return 0;
}
