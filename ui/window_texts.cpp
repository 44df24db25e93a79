#include "window_texts.h"

#include <array>

namespace classifier {
namespace {

struct GroupCaptions {
    AashtoGroupName group;
    std::string_view label;
    std::string_view material;
};

constexpr std::string_view kFineSand = "ماسه ريز";
constexpr std::string_view kGranular = "ماسه و شن يا قلوه سنگ";
constexpr std::string_view kSiltyClayeyGranular = "ماسه و شن رس دار و لاي دار";
constexpr std::string_view kSilty = "خاك لاي دار";
constexpr std::string_view kClayey = "خاك رس دار";

using G = AashtoGroupName;

// In the order of AashtoGroupName. The two A-7 labels have no blank before their last digit.
constexpr std::array<GroupCaptions, 12> kGroups = {{
    {G::A1a, "A - 1 - a", kGranular},
    {G::A1b, "A - 1 - b", kGranular},
    {G::A3, "A - 3", kFineSand},
    {G::A24, "A - 2 - 4", kSiltyClayeyGranular},
    {G::A25, "A - 2 - 5", kSiltyClayeyGranular},
    {G::A26, "A - 2 - 6", kSiltyClayeyGranular},
    {G::A27, "A - 2 - 7", kSiltyClayeyGranular},
    {G::A4, "A - 4", kSilty},
    {G::A5, "A - 5", kSilty},
    {G::A6, "A - 6", kClayey},
    {G::A75, "A - 7 -5", kClayey},
    {G::A76, "A - 7 -6", kClayey},
}};

constexpr bool inOrder() {
    for (std::size_t i = 0; i < kGroups.size(); ++i) {
        if (static_cast<std::size_t>(kGroups[i].group) != i) {
            return false;
        }
    }
    return true;
}
static_assert(inOrder());

const GroupCaptions& captionsOf(AashtoGroupName group) {
    return kGroups[static_cast<std::size_t>(group)];
}

} // namespace

std::string_view soilTypeCaption(const AashtoResult& result) {
    return result.coarse ? "درشت دانه " : "ريز دانه ";
}

std::string_view groupCaption(AashtoGroupName group) {
    return captionsOf(group).label;
}

std::string_view materialCaption(AashtoGroupName group) {
    return captionsOf(group).material;
}

} // namespace classifier
