#include "sheet/csv_writer.h"

namespace classifier::sheet {

CsvText::CsvText(Dialect dialect) : dialect_(std::move(dialect)) {
    for (const unsigned char c :
         {static_cast<unsigned char>(dialect_.delimiter), static_cast<unsigned char>('"'),
          static_cast<unsigned char>('\n'), static_cast<unsigned char>('\r')}) {
        quoted_[c] = true;
    }
}

void CsvText::start(std::string& out) const {
    if (dialect_.byteOrderMark) {
        out += "\xEF\xBB\xBF";
    }
}

void CsvText::field(std::string_view text, bool first, std::string& out) const {
    if (!first) {
        out.append(&dialect_.delimiter, 1);
    }
    unsigned char quoted = 0; // without a branch a character: most fields need no quotes
    for (const char c : text) {
        quoted |= quoted_[static_cast<unsigned char>(c)];
    }
    if (!quoted) {
        out += text;
        return;
    }
    out += '"';
    for (std::size_t quote; (quote = text.find('"')) != std::string_view::npos;) {
        out.append(text.substr(0, quote + 1)).push_back('"');
        text.remove_prefix(quote + 1);
    }
    out.append(text).push_back('"');
}

} // namespace classifier::sheet
