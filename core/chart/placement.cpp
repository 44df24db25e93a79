#include "core/chart/placement.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace classifier {
namespace {

constexpr double kEdge = 1e-6; // what touching an edge may overlap by

// The next character of UTF-8 text, read leniently: a byte that starts no character is a
// character of its own.
char32_t nextCharacter(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const std::size_t length = lead < 0x80 ? 1 : lead >> 5 == 6 ? 2 : lead >> 4 == 14 ? 3 : 4;
    if (length == 1 || lead >> 3 == 31 || at + length > text.size()) {
        ++at;
        return lead;
    }
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            ++at;
            return lead;
        }
        c = c << 6 | (byte(at + i) & 0x3F);
    }
    at += length;
    return c;
}

bool isArabic(char32_t c) {
    return (c >= 0x0600 && c <= 0x06FF) || (c >= 0x0750 && c <= 0x077F) ||
           (c >= 0xFB50 && c <= 0xFDFF) || (c >= 0xFE70 && c <= 0xFEFF);
}

bool isLatinLetter(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= 0xC0 && c <= 0x24F);
}

// The width of a character as a share of the text's size, on the wide side of the fonts the
// charts ask for (DejaVu Sans, the widest of them, sets most Latin text where Vazirmatn is
// missing).
double share(char32_t c) {
    if (c == 0x200C || c == 0x200D || c == 0x200E || c == 0x200F || (c >= 0x064B && c <= 0x065F)) {
        return 0; // joiners, direction marks and vowel signs take no room of their own
    }
    if (c == ' ') {
        return 0.34;
    }
    if (c >= '0' && c <= '9') {
        return 0.66;
    }
    if (c >= 'A' && c <= 'Z') {
        return c == 'M' || c == 'W' ? 1.0 : c == 'I' || c == 'J' ? 0.4 : 0.8;
    }
    if (c >= 'a' && c <= 'z') {
        switch (c) {
        case 'm':
        case 'w':
            return 0.98;
        case 'i':
        case 'j':
        case 'l':
            return 0.3;
        case 'f':
        case 'r':
        case 't':
            return 0.44;
        default:
            return 0.64;
        }
    }
    if (c < 0x80) {
        switch (c) {
        case '.':
        case ',':
        case ':':
        case ';':
        case '\'':
        case '|':
        case '!':
            return 0.36;
        case '(':
        case ')':
        case '[':
        case ']':
        case '/':
        case '-':
            return 0.42;
        case '"':
        case '*':
        case '_':
            return 0.54;
        case '%':
        case '@':
            return 1.0;
        default:
            return 0.86; // = + < > # & ~ ...
        }
    }
    if (c >= 0x06F0 && c <= 0x06F9) {
        return 0.6; // Persian digits
    }
    if (isArabic(c)) {
        return 0.66;
    }
    return 1.0; // dashes, signs and letters of other scripts
}

} // namespace

bool CanvasBox::intersects(const CanvasBox& other) const {
    return left < other.right - kEdge && other.left < right - kEdge && top < other.bottom - kEdge &&
           other.top < bottom - kEdge;
}

bool CanvasBox::contains(const CanvasBox& other) const {
    return other.left >= left - kEdge && other.right <= right + kEdge && other.top >= top - kEdge &&
           other.bottom <= bottom + kEdge;
}

bool crosses(const CanvasSegment& segment, const CanvasBox& box) {
    // The part of the segment between the box's edges, moved in by a hair (Liang–Barsky).
    const CanvasBox inside = box.grown(-kEdge);
    const double dx = segment.to.x - segment.from.x;
    const double dy = segment.to.y - segment.from.y;
    double t0 = 0, t1 = 1;
    const std::array<std::pair<double, double>, 4> edges = {{
        {-dx, segment.from.x - inside.left},
        {dx, inside.right - segment.from.x},
        {-dy, segment.from.y - inside.top},
        {dy, inside.bottom - segment.from.y},
    }};
    for (const auto& [p, q] : edges) {
        if (p == 0) {
            if (q <= 0) {
                return false;
            }
            continue;
        }
        const double t = q / p;
        if (p < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
    }
    return t0 < t1;
}

bool crosses(const CanvasSegment& a, const CanvasSegment& b) {
    const auto turn = [](ChartPoint p, ChartPoint q, ChartPoint r) {
        const double cross = (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x);
        return cross > kEdge ? 1 : cross < -kEdge ? -1 : 0;
    };
    const auto within = [](ChartPoint p, ChartPoint q, ChartPoint r) { // r on the line pq
        return std::min(p.x, q.x) - kEdge <= r.x && r.x <= std::max(p.x, q.x) + kEdge &&
               std::min(p.y, q.y) - kEdge <= r.y && r.y <= std::max(p.y, q.y) + kEdge;
    };
    const int d1 = turn(a.from, a.to, b.from), d2 = turn(a.from, a.to, b.to);
    const int d3 = turn(b.from, b.to, a.from), d4 = turn(b.from, b.to, a.to);
    if (d1 * d2 < 0 && d3 * d4 < 0) {
        return true;
    }
    return (d1 == 0 && within(a.from, a.to, b.from)) || (d2 == 0 && within(a.from, a.to, b.to)) ||
           (d3 == 0 && within(b.from, b.to, a.from)) || (d4 == 0 && within(b.from, b.to, a.to));
}

double textWidth(std::string_view text, double size, bool bold) {
    double width = 0;
    for (std::size_t at = 0; at < text.size();) {
        width += share(nextCharacter(text, at));
    }
    return width * size * (bold ? 1.12 : 1.0);
}

bool startsRightToLeft(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const char32_t c = nextCharacter(text, at);
        if (isArabic(c) && !(c >= 0x06F0 && c <= 0x06F9) && !(c >= 0x0660 && c <= 0x066C)) {
            return true;
        }
        if (isLatinLetter(c)) {
            return false;
        }
    }
    return false;
}

CanvasSpace::CanvasSpace(double width, double height)
    : columns_(static_cast<std::size_t>(std::max(1.0, std::ceil(width / kCell)))),
      rows_(static_cast<std::size_t>(std::max(1.0, std::ceil(height / kCell)))),
      cells_(columns_ * rows_) {}

std::size_t CanvasSpace::add(Entry entry) {
    const auto id = static_cast<std::uint32_t>(entries_.size());
    entries_.push_back(entry);
    seen_.push_back(0);
    anyNear(entry.box, [&](std::size_t cell) {
        cells_[cell].push_back(id);
        return false;
    });
    return id;
}

std::size_t CanvasSpace::addBox(const CanvasBox& box) {
    return add({box, Kind::Box, {}});
}

std::size_t CanvasSpace::addPoint(const CanvasBox& box) {
    return add({box, Kind::Point, {}});
}

std::size_t CanvasSpace::addLeader(const CanvasSegment& leader) {
    const CanvasBox around{
        std::min(leader.from.x, leader.to.x), std::min(leader.from.y, leader.to.y),
        std::max(leader.from.x, leader.to.x), std::max(leader.from.y, leader.to.y)};
    return add({around, Kind::Leader, leader});
}

// Calls visit with the index of each cell the box reaches, until it says true.
template <typename Visit> bool CanvasSpace::anyNear(const CanvasBox& box, Visit visit) const {
    const auto cell = [](double v, std::size_t count) {
        return static_cast<std::size_t>(
            std::clamp(std::floor(v / kCell), 0.0, static_cast<double>(count - 1)));
    };
    const std::size_t left = cell(box.left, columns_), right = cell(box.right, columns_);
    const std::size_t top = cell(box.top, rows_), bottom = cell(box.bottom, rows_);
    for (std::size_t row = top; row <= bottom; ++row) {
        for (std::size_t column = left; column <= right; ++column) {
            if (visit(row * columns_ + column)) {
                return true;
            }
        }
    }
    return false;
}

bool CanvasSpace::isFree(const CanvasBox& box, std::size_t ignored) const {
    ++query_;
    return !anyNear(box, [&](std::size_t cell) {
        for (const std::uint32_t id : cells_[cell]) {
            if (id == ignored || seen_[id] == query_) {
                continue;
            }
            seen_[id] = query_;
            const Entry& entry = entries_[id];
            if (entry.kind == Kind::Leader ? crosses(entry.segment, box)
                                           : entry.box.intersects(box)) {
                return true;
            }
        }
        return false;
    });
}

bool CanvasSpace::isClear(const CanvasSegment& leader) const {
    ++query_;
    const CanvasBox around{
        std::min(leader.from.x, leader.to.x), std::min(leader.from.y, leader.to.y),
        std::max(leader.from.x, leader.to.x), std::max(leader.from.y, leader.to.y)};
    return !anyNear(around, [&](std::size_t cell) {
        for (const std::uint32_t id : cells_[cell]) {
            if (seen_[id] == query_) {
                continue;
            }
            seen_[id] = query_;
            const Entry& entry = entries_[id];
            if (entry.kind == Kind::Leader  ? crosses(entry.segment, leader)
                : entry.kind == Kind::Point ? false
                                            : crosses(leader, entry.box)) {
                return true;
            }
        }
        return false;
    });
}

} // namespace classifier
