#include "core/chart/density.h"

#include "core/chart/geometry.h"

#include <algorithm>
#include <cmath>

namespace classifier {
namespace {

constexpr double kCellSize = 5;

std::size_t cellOf(double value) {
    const double cell = std::floor((value + geometry::kChartLimit) / kCellSize);
    return static_cast<std::size_t>(std::clamp(cell, 0.0, 399.0));
}

// The grid square of a range that holds the cell, the last one for a cell past its end.
std::size_t squareOf(std::size_t cell, const Range& range, std::size_t squares) {
    const double low = static_cast<double>(cell) * kCellSize - geometry::kChartLimit;
    const double square = std::floor((low - range.low) / range.step);
    return static_cast<std::size_t>(std::clamp(square, 0.0, static_cast<double>(squares - 1)));
}

std::size_t squaresOf(const Range& range) {
    return static_cast<std::size_t>(
        std::max(1.0, std::round((range.high - range.low) / range.step)));
}

} // namespace

void SampleCounts::add(ChartPoint at) {
    if (!std::isfinite(at.x) || !std::isfinite(at.y)) {
        return;
    }
    at = {std::clamp(at.x, -geometry::kChartLimit, geometry::kChartLimit),
          std::clamp(at.y, -geometry::kChartLimit, geometry::kChartLimit)};
    std::unique_ptr<CountRow>& row = rows_[cellOf(at.y)];
    if (!row) {
        row = std::make_unique<CountRow>();
    }
    ++(*row)[cellOf(at.x)];
    low_ = count_ == 0 ? at : ChartPoint{std::min(low_.x, at.x), std::min(low_.y, at.y)};
    high_ = count_ == 0 ? at : ChartPoint{std::max(high_.x, at.x), std::max(high_.y, at.y)};
    ++count_;
}

ChartDensity SampleCounts::onGrid(const Range& x, const Range& y) const {
    ChartDensity density;
    density.count = count_;
    density.columns = squaresOf(x);
    density.squares.assign(density.columns * squaresOf(y), 0);
    for (std::size_t r = 0; r < kCells; ++r) {
        if (!rows_[r]) {
            continue;
        }
        const std::size_t row = squareOf(r, y, squaresOf(y));
        for (std::size_t c = 0; c < kCells; ++c) {
            if (const std::uint64_t n = (*rows_[r])[c]) {
                density.squares[row * density.columns + squareOf(c, x, density.columns)] += n;
            }
        }
    }
    return density;
}

void addDensity(Chart& chart, const SampleCounts* rest) {
    if (rest && rest->count() > 0) {
        chart.density = rest->onGrid(chart.x, chart.y);
    }
}

void ChartSampleSet::add(const ChartSample& sample) {
    if (drawn_.size() < kDrawn) {
        drawn_.push_back(sample);
    } else if (sample.layer) {
        rest_.add(sample.at);
    }
}

} // namespace classifier
