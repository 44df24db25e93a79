#include "core/aashto.h"
#include "fake_window.h"

#include <gtest/gtest.h>

namespace classifier {
namespace {

using test::FakeWindow;

const std::string kCoarse = "درشت دانه ";
const std::string kFine = "ريز دانه ";
const std::string kFineSand = "ماسه ريز";
const std::string kGranular = "ماسه و شن يا قلوه سنگ";
const std::string kA2Material = "ماسه و شن رس دار و لاي دار";
const std::string kSilty = "خاك لاي دار";
const std::string kClayey = "خاك رس دار";
const std::string kNoGroup(23, '-');
const std::string kNoMaterial(32, '-');

struct Sample {
    std::array<const char*, 5> inputs; // E3, e4, e5, e6, e7
    std::string soilType, group, material, index;
    bool zeroIndexNote, negativeIndexNote;
};

void PrintTo(const Sample& s, std::ostream* os) {
    *os << "F200 " << s.inputs[0] << " P40 " << s.inputs[1] << " P10 " << s.inputs[2] << " LL "
        << s.inputs[3] << " PI " << s.inputs[4];
}

void typeSample(FakeWindow& window, const std::array<const char*, 5>& inputs) {
    const char* boxes[] = {"E3", "e4", "e5", "e6", "e7"};
    for (int i = 0; i < 5; ++i) {
        window.type(boxes[i], inputs[i]);
    }
}

class AashtoGroups : public testing::TestWithParam<Sample> {};

TEST_P(AashtoGroups, WritesEveryResult) {
    const Sample& s = GetParam();
    FakeWindow window;
    typeSample(window, s.inputs);
    aashtoClassify(window);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.text("Text10"), s.soilType);
    EXPECT_EQ(window.text("Text8"), s.group);
    EXPECT_EQ(window.text("Text9"), s.material);
    EXPECT_EQ(window.text("Text11"), s.index);
    EXPECT_EQ(window.isVisible("Label20"), s.zeroIndexNote);
    EXPECT_EQ(window.isVisible("Label21"), s.negativeIndexNote);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AashtoGroups,
    testing::Values(
        // the design-time sample
        Sample{{"36", "30", "10", "51", "9"}, kFine, "A - 5", kSilty, "0.045", false, false},
        // rows 2 and 3 both match at F200 15; the later one names the group
        Sample{{"15", "25", "40", "20", "3"}, kCoarse, "A - 1 - b", kGranular, "0", true, true},
        Sample{{"10", "25", "40", "20", "3"}, kCoarse, "A - 1 - a", kGranular, "0", true, true},
        Sample{{"10", "60", "90", "0", "0"}, kCoarse, "A - 3", kFineSand, "0.5", true, false},
        Sample{{"30", "40", "60", "35", "8"}, kCoarse, "A - 2 - 4", kA2Material, "0", true, true},
        Sample{{"30", "40", "60", "60", "8"}, kCoarse, "A - 2 - 5", kA2Material, "0", true, true},
        Sample{{"30", "40", "60", "30", "12"}, kCoarse, "A - 2 - 6", kA2Material, "0", false, true},
        Sample{{"30", "40", "60", "45", "20"},
               kCoarse,
               "A - 2 - 7",
               kA2Material,
               "0.375",
               false,
               false},
        // no row matches: the group boxes go back to their dashes
        Sample{{"20", "40", "60", "30", "8"}, kCoarse, kNoGroup, kNoMaterial, "0", false, true},
        Sample{{"30", "40", "60", "30", "4"}, kCoarse, kNoGroup, kNoMaterial, "0", false, true},
        Sample{{"35.5", "40", "60", "30", "4"}, kFine, kNoGroup, kNoMaterial, "0", false, true},
        Sample{
            {"60", "40", "60", "40.5", "8"}, kFine, kNoGroup, kNoMaterial, "4.1625", false, false},
        Sample{
            {"60", "40", "60", "30", "10.5"}, kFine, kNoGroup, kNoMaterial, "3.975", false, false},
        // the bounds between coarse and fine
        Sample{
            {"35", "40", "60", "30", "12"}, kCoarse, "A - 2 - 6", kA2Material, "0.4", false, false},
        Sample{{"36", "40", "60", "30", "12"}, kFine, "A - 6", kClayey, "0.57", false, false},
        // fine rows
        Sample{{"60", "40", "60", "40", "10"}, kFine, "A - 4", kSilty, "5", false, false},
        Sample{{"60", "40", "60", "50", "20"}, kFine, "A - 7 -5", kClayey, "10.75", false, false},
        Sample{{"60", "40", "60", "50", "21"}, kFine, "A - 7 -6", kClayey, "11.2", false, false},
        Sample{
            {"100", "100", "100", "100", "100"}, kFine, "A - 7 -6", kClayey, "109", false, false},
        // an index that is mathematically zero is written as 0, not as a rounding residue
        Sample{{"3", "60", "90", "3", "6"}, kCoarse, "A - 3", kFineSand, "0", true, false},
        Sample{{"5", "60", "90", "6", "1"}, kCoarse, "A - 3", kFineSand, "0", true, false},
        // negative limits are used as typed
        Sample{{"60", "40", "60", "-10", "-5"}, kFine, "A - 4", kSilty, "0", false, true}));

TEST(AashtoWrites, FollowTheRowsInTableOrder) {
    FakeWindow window;
    typeSample(window, {"15", "25", "40", "20", "3"});
    aashtoClassify(window);
    const std::vector<std::string> expected = {
        "Text11=-2",          "Text11=0",        "Label21 shown", "Text10=" + kCoarse,
        "Text9=" + kGranular, "Text8=A - 1 - a", "Text11=0",      "Text9=" + kGranular,
        "Text8=A - 1 - b",    "Label20 shown"};
    EXPECT_EQ(window.writes, expected);
}

TEST(AashtoWrites, NoMatchingRowResetsTheGroupWhereTheRowsWouldWrite) {
    FakeWindow window;
    aashtoClassify(window);
    ASSERT_EQ(window.text("Text8"), "A - 5");
    window.writes.clear();
    typeSample(window, {"20", "40", "60", "30", "8"});
    aashtoClassify(window);
    const std::vector<std::string> expected = {
        "Text11=-2.35",         "Text11=0",          "Label21 shown", "Text10=" + kCoarse,
        "Text9=" + kNoMaterial, "Text8=" + kNoGroup, "Label20 hidden"};
    EXPECT_EQ(window.writes, expected);
}

TEST(AashtoState, AFineSampleHidesTheZeroIndexNote) {
    FakeWindow window;
    typeSample(window, {"30", "40", "60", "60", "8"});
    aashtoClassify(window);
    ASSERT_TRUE(window.isVisible("Label20"));
    typeSample(window, {"36", "30", "10", "51", "9"});
    aashtoClassify(window);
    EXPECT_FALSE(window.isVisible("Label20"));
    EXPECT_FALSE(window.isVisible("Label21"));
}

TEST(AashtoState, ARefusalKeepsEveryResult) {
    FakeWindow window;
    typeSample(window, {"15", "25", "40", "20", "3"});
    aashtoClassify(window);
    for (const char* bad : {"", "abc", "-1", "101"}) {
        window.type("e4", bad);
        window.writes.clear();
        const auto before = window.state();
        aashtoClassify(window);
        EXPECT_EQ(window.state(), before);
        EXPECT_TRUE(window.writes.empty());
    }
    EXPECT_EQ(window.messages.size(), 4u);
}

TEST(AashtoFormat, GroupIndexUsesTheLocaleDecimalSeparator) {
    FakeWindow window;
    window.format = {"\u066B", "\u066C"};
    aashtoClassify(window);
    EXPECT_EQ(window.text("Text11"), "0\u066B045");
    window.format = {",", "."};
    typeSample(window, {"36", "30", "10", "51", "9"});
    aashtoClassify(window);
    EXPECT_EQ(window.text("Text11"), "0,045");
}

TEST(AashtoMethod, GroupIndexKeepsItsOrderOfOperations) {
    EXPECT_NEAR(groupIndex({36, 30, 10, 51, 9}), 0.045, 1e-15);
    EXPECT_LT(groupIndex({3, 60, 90, 3, 6}), 0.0);
    EXPECT_EQ(classifyAashto({3, 60, 90, 3, 6})->groupIndex, 0.0);
    EXPECT_FALSE(classifyAashto({100, 0, 0, 1.7e308, 1.7e308}));
}

} // namespace
} // namespace classifier
