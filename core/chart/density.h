#pragma once

#include "core/chart/chart.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// Charts of any number of samples in bounded memory.
namespace classifier {

// Samples counted on a fixed grid of 5 × 5 squares over the chart's limits (±1000), the squares
// of which every chart's grid squares are made, as its steps are multiples of 5 from multiples
// of the step. Holds at most 400 rows of 400 counts, a row only once a sample falls in it.
class SampleCounts {
public:
    void add(ChartPoint at);
    std::uint64_t count() const { return count_; }
    // The corners of the box the counted samples fall in; meaningless while count() is 0.
    ChartPoint low() const { return low_; }
    ChartPoint high() const { return high_; }

    // The counts laid on the chart's grid, each sample in the square it falls in (on the
    // chart's far edge, in the last one).
    ChartDensity onGrid(const Range& x, const Range& y) const;

private:
    static constexpr std::size_t kCells = 400;
    using CountRow = std::array<std::uint64_t, kCells>;

    std::array<std::unique_ptr<CountRow>, kCells> rows_;
    std::uint64_t count_ = 0;
    ChartPoint low_{}, high_{};
};

// The samples of one chart as they come: the first kDrawn are kept to be drawn one by one, the
// rest that LL and PI place on the chart are counted.
class ChartSampleSet {
public:
    static constexpr std::size_t kDrawn = 3000;

    void add(const ChartSample& sample);
    std::vector<ChartSample>& drawn() { return drawn_; }
    const SampleCounts& rest() const { return rest_; }

private:
    std::vector<ChartSample> drawn_;
    SampleCounts rest_;
};

} // namespace classifier
