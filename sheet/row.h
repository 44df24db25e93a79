#pragma once

#include <span>
#include <string_view>

namespace classifier::sheet {

// A row of a sheet: its fields, unquoted. Valid only during the call that receives it.
using Row = std::span<const std::string_view>;

} // namespace classifier::sheet
