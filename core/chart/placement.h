#pragma once

#include "core/chart/geometry.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// Finding room on a chart's canvas for its texts. The core has no fonts, so a text's size is
// estimated from its characters, on the wide side, and every picture of the chart uses the same
// estimate.
namespace classifier {

// A box on the canvas, y down.
struct CanvasBox {
    double left = 0, top = 0, right = 0, bottom = 0;

    double width() const { return right - left; }
    double height() const { return bottom - top; }
    // The insides overlap; boxes that only touch do not.
    bool intersects(const CanvasBox& other) const;
    bool contains(const CanvasBox& other) const;
    CanvasBox grown(double by) const { return {left - by, top - by, right + by, bottom + by}; }
};

struct CanvasSegment {
    ChartPoint from, to;
};

// The segment passes through the inside of the box (touching its edge is not enough).
bool crosses(const CanvasSegment& segment, const CanvasBox& box);
// The two segments cross or touch.
bool crosses(const CanvasSegment& a, const CanvasSegment& b);

// How far a line of the text reaches across, at the given size: a character's width is a share
// of the size by its kind (capitals and wide letters more, Arabic letters a little less than
// Latin ones, marks that join or direct letters nothing), bold wider.
double textWidth(std::string_view text, double size, bool bold);
// How far a text reaches above and below its baseline, as shares of its size.
inline constexpr double kTextAscent = 0.95;
inline constexpr double kTextDescent = 0.32;

// A text written right to left: its first letter that has a direction is Arabic or Persian.
bool startsRightToLeft(std::string_view text);

// What is already on the canvas, filed by where it lies so that a box can be checked against
// only its neighbours: texts and other boxes that nothing may cover, the points of samples that
// no text may cover but a leader line may pass over, and leader lines that no text may cover and
// no other leader line may cross.
class CanvasSpace {
public:
    CanvasSpace(double width, double height);

    // Each added box, point or leader has an id, given in the order of adding from 0.
    std::size_t addBox(const CanvasBox& box);
    std::size_t addPoint(const CanvasBox& box);
    std::size_t addLeader(const CanvasSegment& leader);

    // The box covers no box or point and meets no leader; `ignored` (an id) does not count.
    bool isFree(const CanvasBox& box, std::size_t ignored = kNone) const;
    // The leader crosses no box and no other leader.
    bool isClear(const CanvasSegment& leader) const;

    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

private:
    enum class Kind : std::uint8_t { Box, Point, Leader };
    struct Entry {
        CanvasBox box; // of a leader: the box around it
        Kind kind = Kind::Box;
        CanvasSegment segment;
    };
    template <typename Visit> bool anyNear(const CanvasBox& box, Visit visit) const;
    std::size_t add(Entry entry);

    static constexpr double kCell = 16;
    std::size_t columns_, rows_;
    std::vector<Entry> entries_;
    std::vector<std::vector<std::uint32_t>> cells_;
    mutable std::vector<std::uint32_t> seen_; // the query that last looked at each entry
    mutable std::uint32_t query_ = 0;
};

} // namespace classifier
