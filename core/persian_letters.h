#pragma once

#include <string>
#include <string_view>

namespace classifier {

// The text with the Arabic letters yeh (U+064A) and kaf (U+0643) written as the Persian yeh
// (U+06CC) and keheh (U+06A9), so that a text that quotes a caption written with the Arabic
// letters reads and searches like the rest of the program's Persian.
std::string withPersianLetters(std::string_view text);

} // namespace classifier
