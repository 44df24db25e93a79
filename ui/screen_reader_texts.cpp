#include "screen_reader_texts.h"

#include <string_view>

namespace classifier {
namespace {

struct PictureTexts {
    Role picture;
    std::string_view name;
    std::string_view description;
};

constexpr PictureTexts kPictures[] = {
    {Role::Emblem, "نشان برنامه", "سه الک روی هم، شماره ۴، ۴۰ و ۲۰۰، با نام و نسخه برنامه"},
    {Role::Portrait, "نمودار خمیری و لایه\u200Cهای خاک",
     "نمودار خمیری و برش لایه\u200Cهای خاک، هر لایه با نشانه گروهش"},
};

const PictureTexts* pictureTexts(Role role) {
    for (const PictureTexts& picture : kPictures) {
        if (role != Role::None && picture.picture == role) {
            return &picture;
        }
    }
    return nullptr;
}

// The label whose buddy the box is.
const ControlRow* captionOf(const ControlRow& box) {
    for (const ControlRow& row : catalogue()) {
        if (box.role != Role::None && row.buddy == box.role) {
            return &row;
        }
    }
    return nullptr;
}

// "  نوع خاك  :" -> "نوع خاك": no colon, no blanks around it, single blanks inside.
std::string spoken(std::string_view caption) {
    std::string words;
    for (char c : caption) {
        if (c != ' ') {
            words += c;
        } else if (!words.empty() && words.back() != ' ') {
            words += ' ';
        }
    }
    while (!words.empty() && (words.back() == ' ' || words.back() == ':')) {
        words.pop_back();
    }
    return words;
}

} // namespace

std::string accessibleName(const ControlRow& row) {
    switch (row.kind) {
    case Kind::TextBox: {
        const ControlRow* caption = captionOf(row);
        return caption ? spoken(caption->text) : std::string();
    }
    case Kind::CommandButton:
    case Kind::XpButton:
        return spoken(row.text);
    case Kind::Image: {
        const PictureTexts* picture = pictureTexts(row.role);
        return picture ? std::string(picture->name) : std::string();
    }
    default:
        return {};
    }
}

std::string accessibleDescription(const ControlRow& row) {
    const PictureTexts* picture = pictureTexts(row.role);
    return picture ? std::string(picture->description) : std::string();
}

} // namespace classifier
