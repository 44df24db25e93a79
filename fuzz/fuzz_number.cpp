// Any text either gives no number or a finite one, and the group index text of any finite
// value reads back with its sign and value, in each of three locales.
#include "core/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

const classifier::NumberFormat kFormats[] = {{".", ","}, {",", "."}, {"\u066B", "\u066C"}};

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const classifier::NumberFormat& format = kFormats[data[0] % 3];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::optional<double> value = classifier::parseNumber(text, format);
    if (!value) {
        return 0;
    }
    check(std::isfinite(*value));
    const std::string written = classifier::formatNumber(*value, format);
    const std::optional<double> readBack = classifier::parseNumber(written, format);
    check(readBack.has_value());
    check(*value == 0.0 ? *readBack == 0.0 : std::signbit(*readBack) == std::signbit(*value));
    check(*value == 0.0 || std::fabs(*readBack / *value - 1.0) < 1e-14);
    return 0;
}
