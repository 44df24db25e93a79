#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <initializer_list>

namespace classifier {

// A vector of at most N elements kept in place, so that a result carries its decision path
// without any allocation.
template <class T, std::size_t N> class InlineVector {
public:
    InlineVector() = default;
    InlineVector(std::initializer_list<T> values) {
        for (const T& value : values) {
            push_back(value);
        }
    }

    void push_back(const T& value) {
        assert(size_ < N);
        items_[size_++] = value;
    }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const T& operator[](std::size_t i) const { return items_[i]; }
    const T& front() const { return items_[0]; }
    const T& back() const { return items_[size_ - 1]; }
    const T* begin() const { return items_.data(); }
    const T* end() const { return items_.data() + size_; }

private:
    std::array<T, N> items_{};
    std::size_t size_ = 0;
};

} // namespace classifier
