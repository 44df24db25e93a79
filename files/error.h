#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace classifier::files {

// A file that cannot be written, and why: "cannot write out.csv: No space left on device".
class Error : public std::runtime_error {
public:
    // Failed with the system's error number.
    Error(std::string_view path, int code);
    // Refused for a reason of the program's own ("it is a block device, not a file").
    Error(std::string_view path, std::string_view reason);

    const std::string& path() const { return path_; }
    // The system's error number, or 0 for a refusal of the program's own.
    int code() const { return code_; }

private:
    std::string path_;
    int code_;
};

} // namespace classifier::files
