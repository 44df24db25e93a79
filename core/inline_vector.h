#pragma once

#include <cassert>
#include <cstddef>
#include <initializer_list>
#include <memory>
#include <new>
#include <type_traits>

namespace classifier {

// A vector of at most N elements kept in place, so that a result carries its decision path
// without any allocation. Only the elements in use are ever constructed or copied, so a result
// with room for a long path costs no more to make and pass on than the path it holds.
template <class T, std::size_t N> class InlineVector {
    static_assert(std::is_trivially_destructible_v<T>);

public:
    InlineVector() {}
    InlineVector(std::initializer_list<T> values) {
        for (const T& value : values) {
            push_back(value);
        }
    }
    InlineVector(const InlineVector& other) : size_(other.size_) {
        std::uninitialized_copy_n(other.begin(), size_, data());
    }
    InlineVector& operator=(const InlineVector& other) {
        if (this != &other) {
            size_ = other.size_;
            std::uninitialized_copy_n(other.begin(), size_, data());
        }
        return *this;
    }

    void push_back(const T& value) {
        assert(size_ < N);
        std::construct_at(data() + size_, value);
        ++size_;
    }
    // A new element, made in place by its default constructor alone (not zero-filled first),
    // to be filled there.
    T& emplace_back() {
        assert(size_ < N);
        return *::new (static_cast<void*>(data() + size_++)) T;
    }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const T& operator[](std::size_t i) const { return begin()[i]; }
    const T& front() const { return begin()[0]; }
    const T& back() const { return begin()[size_ - 1]; }
    const T* begin() const { return std::launder(reinterpret_cast<const T*>(storage_)); }
    const T* end() const { return begin() + size_; }

private:
    T* data() { return std::launder(reinterpret_cast<T*>(storage_)); }

    alignas(T) std::byte storage_[N * sizeof(T)];
    std::size_t size_ = 0;
};

} // namespace classifier
