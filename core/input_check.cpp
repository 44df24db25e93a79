#include "input_check.h"

#include "messages.h"
#include "number_text.h"

namespace classifier {

std::optional<double> readNumber(const Controls& window, std::string_view box) {
    return parseNumber(window.text(box), window.numberFormat());
}

std::optional<std::vector<double>> checkedInputs(const Controls& window,
                                                 std::span<const RangeRule> rules) {
    std::vector<double> values;
    for (const RangeRule& rule : rules) {
        const std::optional<double> value = readNumber(window, rule.box);
        if (!value || *value < rule.lowest || (rule.highest && *value > *rule.highest)) {
            return std::nullopt;
        }
        values.push_back(*value);
    }
    return values;
}

void warn(Controls& window, std::string_view message) {
    window.showMessage(message, kWarningStyle);
}

} // namespace classifier
