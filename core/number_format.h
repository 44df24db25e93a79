#pragma once

#include <string>

namespace classifier {

// How the user's locale writes numbers.
struct NumberFormat {
    std::string decimalPoint = ".";
    std::string groupSeparator = ",";
};

} // namespace classifier
