#include "words.h"

namespace classifier {

std::string_view say(Word word, Language language) {
    return language == Language::Persian ? inPersian(word) : inEnglish(word);
}

} // namespace classifier
