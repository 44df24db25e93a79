#include "error.h"

#include <cstring>

namespace classifier::files {

Error::Error(std::string_view path, int code)
    : std::runtime_error("cannot write " + std::string(path) + ": " + std::strerror(code)),
      path_(path), code_(code) {}

Error::Error(std::string_view path, std::string_view reason)
    : std::runtime_error("cannot write " + std::string(path) + ": " + std::string(reason)),
      path_(path), code_(0) {}

} // namespace classifier::files
