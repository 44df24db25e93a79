#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace classifier {

// The UTF-8 texts of the core and the catalogue, as Qt strings and back.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

inline std::string toStdString(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace classifier
