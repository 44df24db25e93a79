#pragma once

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace classifier::cli {

// A failure that stops the whole command (exit status 2), with its one-line reason.
class CommandError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Bytes written to a file descriptor through a buffer.
class Output {
public:
    Output(int fd, std::string name);
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    void put(std::string_view bytes) {
        if (bytes.size() > kSize - used_) {
            putLarge(bytes);
            return;
        }
        std::copy(bytes.begin(), bytes.end(), buffer_.get() + used_);
        used_ += bytes.size();
    }
    void put(char c) {
        if (used_ == kSize) {
            flush();
        }
        buffer_[used_++] = c;
    }
    // Writes out what the buffer holds; a CommandError when the file refuses it.
    void flush();

private:
    static constexpr std::size_t kSize = 1 << 16;

    void putLarge(std::string_view bytes);
    void writeOut(std::string_view bytes);

    int fd_;
    std::string name_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
};

// "cannot write F: No space left on device"
std::string systemProblem(std::string_view what, std::string_view name, int error);

} // namespace classifier::cli
