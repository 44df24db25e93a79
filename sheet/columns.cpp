#include "columns.h"

#include <algorithm>

namespace classifier::sheet {
namespace {

struct RoleInfo {
    ColumnRole role;
    std::string_view name;
    std::string_view examples;
    // Header keys that take the role, besides the name itself (sieves are found by rule).
    std::vector<std::string_view> keys;
};

// clang-format off
const std::array<RoleInfo, kRoleCount> kRoles = {{
    {ColumnRole::Id, "id", "id, sample, «نمونه», «شماره نمونه»",
     {"sample", "sample id", "sample no", "sample number", "sample name", "name", "نمونه",
      "شماره نمونه", "نام نمونه", "کد نمونه", "کد"}},
    {ColumnRole::P200, "p200", "p200, F200, fines, \"passing no. 200\", #200, 0.075 mm, «الک ۲۰۰», «عبوری از الک 200»",
     {"fines", "ریزدانه"}},
    {ColumnRole::P4, "p4", "p4, \"passing no. 4\", #4, 4.75 mm, «الک ۴», «عبوری از الک 4»", {}},
    {ColumnRole::P40, "p40", "p40, \"passing no. 40\", #40, 0.425 mm, «الک ۴۰», «عبوری از الک 40»", {}},
    {ColumnRole::P10, "p10", "p10, \"passing no. 10\", #10, 2 mm, «الک ۱۰», «عبوری از الک 10»", {}},
    {ColumnRole::LL, "ll", "ll, LL (%), \"liquid limit\", wL, «حد روانی»",
     {"l l", "wl", "w l", "liquid limit", "حد روانی"}},
    {ColumnRole::PL, "pl", "pl, \"plastic limit\", wP, «حد خمیری»",
     {"p l", "wp", "w p", "plastic limit", "حد خمیری"}},
    {ColumnRole::PI, "pi", "pi, PI (%), \"plasticity index\", Ip, «نشانه خمیری», «شاخص خمیری»",
     {"p i", "ip", "i p", "plasticity index", "نشانه خمیری", "شاخص خمیری", "شاخص خمیرایی",
      "نشانه خمیرایی"}},
    {ColumnRole::Cc, "cc", "cc, Cz, \"coefficient of curvature\", «ضریب انحنا»",
     {"c c", "cz", "c z", "coefficient of curvature", "coefficient of gradation", "ضریب انحنا",
      "ضریب خمیدگی"}},
    {ColumnRole::Cu, "cu", "cu, \"coefficient of uniformity\", «ضریب یکنواختی»",
     {"c u", "coefficient of uniformity", "ضریب یکنواختی"}},
    {ColumnRole::D10, "d10", "d10, D10 (mm)", {"d 10", "d 10 mm"}},
    {ColumnRole::D30, "d30", "d30, D30 (mm)", {"d 30", "d 30 mm"}},
    {ColumnRole::D60, "d60", "d60, D60 (mm)", {"d 60", "d 60 mm"}},
    {ColumnRole::LLOvenDried, "ll_oven_dried", "ll_oven_dried, \"LL oven dried\"",
     {"ll oven dried", "ll oven dry", "oven dried ll", "oven dried liquid limit",
      "liquid limit oven dried", "حد روانی خشک شده"}},
    {ColumnRole::Organic, "organic", "organic, «آلی»", {"organic", "آلی"}},
}};
// clang-format on

// A sieve: its number and its opening in millimetres, as labs write them.
struct Sieve {
    ColumnRole role;
    std::string_view number;
    std::vector<std::string_view> millimetres;
};

const std::array<Sieve, 4> kSieves = {{
    {ColumnRole::P200, "200", {"0.075", "0.074"}},
    {ColumnRole::P4, "4", {"4.75", "4.76"}},
    {ColumnRole::P40, "40", {"0.425", "0.42"}},
    {ColumnRole::P10, "10", {"2", "2.0", "2.00"}},
}};

// Words that may stand beside a sieve's number or opening in its column's header.
const std::vector<std::string_view> kSieveWords = {
    "p",  "passing", "pass",  "passed", "percent", "pct",   "per",  "cent",  "no",
    "nr", "number",  "sieve", "mesh",   "through", "finer", "than", "mm",    "درصد",
    "در", "صد",      "عبوری", "عبور",   "کرده",    "از",    "الک",  "شماره", "میلیمتر"};

// ---- reading UTF-8 one character at a time

char32_t decode(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    const std::size_t length = lead < 0x80    ? 1
                               : lead >= 0xF0 ? 4
                               : lead >= 0xE0 ? 3
                               : lead >= 0xC0 ? 2
                                              : 0;
    if (length == 0 || i + length > text.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    i += length;
    return c;
}

void encode(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// One form for the letters and digits a header may be typed with.
char32_t folded(char32_t c) {
    if (c >= 'A' && c <= 'Z') {
        return c - 'A' + 'a';
    }
    if (c >= 0x06F0 && c <= 0x06F9) { // Persian digits
        return '0' + (c - 0x06F0);
    }
    if (c >= 0x0660 && c <= 0x0669) { // Arabic-Indic digits
        return '0' + (c - 0x0660);
    }
    switch (c) {
    case 0x064A: // Arabic yeh
    case 0x0649: // alef maksura
        return 0x06CC;
    case 0x0643: // Arabic kaf
        return 0x06A9;
    case 0x0629: // teh marbuta
        return 0x0647;
    case 0x0622: // alef with madda, hamza above or below
    case 0x0623:
    case 0x0625:
        return 0x0627;
    case 0x066B: // Arabic decimal separator
        return '.';
    case 0x066A: // Arabic percent sign
        return '%';
    default:
        return c;
    }
}

// Marks that change nothing a reader sees: joiners, direction marks, the byte-order mark, the
// Arabic tatweel and vowel signs.
bool invisible(char32_t c) {
    return c == 0x200C || c == 0x200D || c == 0x200E || c == 0x200F || c == 0x061C ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF ||
           c == 0x0640 || (c >= 0x064B && c <= 0x065F) || c == 0x0670;
}

bool isDigit(char32_t c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char32_t c) {
    const bool arabicScript =
        c >= 0x0620 && c <= 0x06FF && c != 0x060C && c != 0x061B && c != 0x061F && c != 0x06D4;
    return (c >= 'a' && c <= 'z') || arabicScript;
}

std::vector<std::string_view> words(std::string_view key) {
    std::vector<std::string_view> list;
    for (std::size_t start = 0; start < key.size();) {
        const std::size_t end = std::min(key.find(' ', start), key.size());
        list.push_back(key.substr(start, end - start));
        start = end + 1;
    }
    return list;
}

bool contains(const std::vector<std::string_view>& list, std::string_view word) {
    return std::find(list.begin(), list.end(), word) != list.end();
}

// A sieve's column: its number or its opening, and nothing else but words that name sieves.
std::optional<ColumnRole> sieveOf(const std::vector<std::string_view>& list) {
    for (const Sieve& sieve : kSieves) {
        std::size_t named = 0;
        bool others = false;
        bool millimetres = false;
        for (const std::string_view word : list) {
            if (word == sieve.number) {
                ++named;
            } else if (contains(sieve.millimetres, word)) {
                ++named;
                millimetres = true;
            } else if (word == "f" && sieve.role == ColumnRole::P200) {
                continue;
            } else if (!contains(kSieveWords, word)) {
                others = true;
            }
        }
        // A whole number of millimetres is a size only with its unit: "2 mm", not "2".
        const bool wholeMillimetres =
            millimetres && list.size() == 1 && list.front().find('.') == std::string_view::npos;
        if (named == 1 && !others && !wholeMillimetres) {
            return sieve.role;
        }
    }
    return std::nullopt;
}

std::string trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

std::string quoted(std::string_view header) {
    return "\"" + std::string(header) + "\"";
}

} // namespace

std::string_view roleName(ColumnRole role) {
    return kRoles[static_cast<std::size_t>(role)].name;
}

std::optional<ColumnRole> roleNamed(std::string_view name) {
    const std::string key = headerKey(name);
    for (const RoleInfo& info : kRoles) {
        if (key == headerKey(info.name)) {
            return info.role;
        }
    }
    return std::nullopt;
}

std::string_view roleExamples(ColumnRole role) {
    return kRoles[static_cast<std::size_t>(role)].examples;
}

std::string headerKey(std::string_view header) {
    std::string key;
    int brackets = 0;
    enum class Last { Blank, Letter, Digit, Point } last = Last::Blank;
    const auto separate = [&] {
        if (!key.empty() && key.back() != ' ') {
            key += ' ';
        }
        last = Last::Blank;
    };
    for (std::size_t i = 0; i < header.size();) {
        const char32_t c = folded(decode(header, i));
        if (invisible(c)) {
            continue;
        }
        if (c == '(' || c == '[' || c == '{') {
            ++brackets;
            separate();
            continue;
        }
        if (c == ')' || c == ']' || c == '}') {
            brackets = std::max(0, brackets - 1);
            separate();
            continue;
        }
        if (brackets > 0) {
            continue;
        }
        if (isDigit(c)) {
            if (last == Last::Letter) {
                separate();
            }
            if (last == Last::Point) {
                key += '.';
            }
            key += static_cast<char>(c);
            last = Last::Digit;
        } else if (c == '.' && last == Last::Digit) {
            last = Last::Point; // kept only if a digit follows
        } else if (isLetter(c)) {
            if (last == Last::Digit || last == Last::Point) {
                separate();
            }
            encode(key, c);
            last = Last::Letter;
        } else {
            separate();
        }
    }
    if (!key.empty() && key.back() == ' ') {
        key.pop_back();
    }
    return key;
}

std::optional<ColumnRole> roleOf(std::string_view header) {
    const std::string key = headerKey(header);
    if (key.empty()) {
        return std::nullopt;
    }
    for (const RoleInfo& info : kRoles) {
        if (key == info.name || contains(info.keys, key)) {
            return info.role;
        }
    }
    return sieveOf(words(key));
}

Columns Columns::find(std::span<const std::string_view> header,
                      std::span<const ColumnChoice> choices) {
    Columns columns;
    std::vector<bool> chosen(header.size(), false);
    for (const ColumnChoice& choice : choices) {
        const std::string wanted = headerKey(choice.header);
        const std::string exact = trimmed(choice.header);
        std::optional<std::size_t> found;
        for (std::size_t i = 0; i < header.size() && !found; ++i) {
            if (trimmed(header[i]) == exact) {
                found = i;
            }
        }
        for (std::size_t i = 0; i < header.size() && !found; ++i) {
            if (headerKey(header[i]) == wanted) {
                found = i;
            }
        }
        if (!found) {
            throw ColumnError("--column " + std::string(roleName(choice.role)) + "=" +
                              choice.header + ": the header has no column " +
                              quoted(choice.header));
        }
        columns.index_[static_cast<std::size_t>(choice.role)] = *found;
        chosen[*found] = true;
    }
    std::array<bool, kRoleCount> byChoice{};
    for (const ColumnChoice& choice : choices) {
        byChoice[static_cast<std::size_t>(choice.role)] = true;
    }
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::optional<ColumnRole> role = chosen[i] ? std::nullopt : roleOf(header[i]);
        if (!role || byChoice[static_cast<std::size_t>(*role)]) {
            continue;
        }
        std::optional<std::size_t>& slot = columns.index_[static_cast<std::size_t>(*role)];
        if (slot) {
            const std::string name(roleName(*role));
            throw ColumnError("the columns " + quoted(header[*slot]) + " and " + quoted(header[i]) +
                                  " both give " + name + "; say which with --column " + name +
                                  "=HEADER",
                              ColumnError::Kind::Twice, *role,
                              {std::string(header[*slot]), std::string(header[i])});
        }
        slot = i;
    }
    return columns;
}

std::optional<ColumnRole> Columns::roleAt(std::size_t column) const {
    for (std::size_t role = 0; role < kRoleCount; ++role) {
        if (index_[role] == column) {
            return static_cast<ColumnRole>(role);
        }
    }
    return std::nullopt;
}

void Columns::missing(ColumnRole role, std::span<const std::string_view> header) {
    std::string found;
    for (const std::string_view name : header) {
        found += (found.empty() ? "" : ", ") + quoted(name);
    }
    const std::string name(roleName(role));
    throw ColumnError("the header has no column for " + name + " (found: " + found +
                          "); it is found under names like " + std::string(roleExamples(role)) +
                          ", or say which with --column " + name + "=HEADER",
                      ColumnError::Kind::Missing, role,
                      std::vector<std::string>(header.begin(), header.end()));
}

std::string_view persianName(ColumnRole role) {
    switch (role) {
    case ColumnRole::Id:
        return "نمونه";
    case ColumnRole::P200:
        return "درصد عبوری از الک ۲۰۰";
    case ColumnRole::P4:
        return "درصد عبوری از الک ۴";
    case ColumnRole::P40:
        return "درصد عبوری از الک ۴۰";
    case ColumnRole::P10:
        return "درصد عبوری از الک ۱۰";
    case ColumnRole::LL:
        return "حد روانی";
    case ColumnRole::PL:
        return "حد خمیری";
    case ColumnRole::PI:
        return "نشانه خمیری";
    default:
        return roleName(role);
    }
}

} // namespace classifier::sheet
