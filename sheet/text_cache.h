#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace classifier::sheet {

// The texts a sheet writes again and again (names, errors, the other rule set's answers), each
// made once and kept by a number that stands for it. A sheet holds few kinds of them, so the
// table stays small; it is probed by the number's low bits, and so costs no division per row,
// which a standard hash table's prime-sized buckets do.
class TextCache {
public:
    // The text kept for the key, made by `make` the first time the key is asked for. The text
    // stays where it is until the cache grows.
    template <class Make> const std::string& get(std::uint64_t key, Make make) {
        if ((used_ + 1) * 4 > slots_.size() * 3) {
            grow();
        }
        Slot& slot = find(key);
        if (!slot.used) {
            slot = {key, make(), true};
            ++used_;
        }
        return slot.text;
    }

private:
    struct Slot {
        std::uint64_t key = 0;
        std::string text;
        bool used = false;
    };

    Slot& find(std::uint64_t key) {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = mix(key) & mask;; i = (i + 1) & mask) {
            if (!slots_[i].used || slots_[i].key == key) {
                return slots_[i];
            }
        }
    }
    static std::size_t mix(std::uint64_t key) {
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 32);
    }
    void grow() {
        std::vector<Slot> old(slots_.empty() ? 32 : slots_.size() * 2);
        old.swap(slots_);
        for (Slot& slot : old) {
            if (slot.used) {
                find(slot.key) = std::move(slot);
            }
        }
    }

    std::vector<Slot> slots_;
    std::size_t used_ = 0;
};

} // namespace classifier::sheet
