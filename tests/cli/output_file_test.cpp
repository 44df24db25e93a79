#include "command.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

namespace classifier::cli {
namespace {

namespace fs = std::filesystem;
using test::runCommand;

const std::string kSheet = "p200,p4,ll,pi\n60,90,30,7.3\n";
const std::string kClassified = "p200,p4,ll,pi,symbol,group_name,other_rules,error\n"
                                "60,90,30,7.3,CL,Sandy lean clay,,\n";
const std::string kOldContent = "what was there before\n";

class OutputFile : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "soil-classify-XXXXXX").string();
        directory_ = mkdtemp(pattern.data());
        target_ = (directory_ / "out.csv").string();
    }
    void TearDown() override { fs::remove_all(directory_); }

    void writeTarget(const std::string& text) const { std::ofstream(target_) << text; }
    std::string target() const {
        std::ifstream file(target_);
        return {std::istreambuf_iterator<char>(file), {}};
    }
    std::size_t files() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(directory_), {}));
    }

    fs::path directory_;
    std::string target_;
};

TEST_F(OutputFile, ReplacesTheFileOnlyWhenComplete) {
    writeTarget(kOldContent);
    const test::CommandResult result = runCommand({"unified", "-o", target_}, kSheet);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, "");
    EXPECT_EQ(target(), kClassified);
    EXPECT_EQ(files(), 1u);
}

// Every classified sample is drawn, labelled by its symbol; a refused row is not.
TEST_F(OutputFile, ChartDrawsEveryClassifiedSample) {
    const std::string chart = (directory_ / "chart.svg").string();
    const test::CommandResult result = runCommand(
        {"unified", "--chart", chart, "--lang", "fa"},
        "p200,p4,ll,pi,cc,cu\n60,90,30,7.3,,\n34,98,38,26,,\n3,60,0,0,2,8\n101,90,1,1,,\n");
    EXPECT_EQ(result.status, 1);
    std::ifstream file(chart);
    const std::string svg{std::istreambuf_iterator<char>(file), {}};
    std::size_t circles = 0;
    for (auto at = svg.find("<circle"); at != std::string::npos; at = svg.find("<circle", at + 1)) {
        ++circles;
    }
    EXPECT_EQ(circles, 2u); // the graded sand is named without LL and PI
    EXPECT_NE(svg.find(">CL</text>"), std::string::npos);
    EXPECT_NE(svg.find(">SC</text>"), std::string::npos);
    EXPECT_NE(svg.find("direction=\"rtl\""), std::string::npos);
    EXPECT_TRUE(svg.ends_with("</svg>\n"));
}

TEST_F(OutputFile, IsLeftAsItWasWhenTheCommandFails) {
    writeTarget(kOldContent);
    const test::CommandResult result =
        runCommand({"aashto", "--rules", "window", "-o", target_}, kSheet);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(target(), kOldContent);
    EXPECT_EQ(files(), 1u);
}

TEST_F(OutputFile, IsLeftAsItWasWhenTheCommandIsStopped) {
    writeTarget(kOldContent);
    int input[2];
    ASSERT_EQ(pipe(input), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    posix_spawn_file_actions_addclose(&actions, input[1]);
    const char* argv[] = {SOIL_CLASSIFY, "unified", "-o", target_.c_str(), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(
        posix_spawn(&pid, SOIL_CLASSIFY, &actions, nullptr, const_cast<char**>(argv), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(input[0]);
    ASSERT_EQ(write(input[1], kSheet.data(), kSheet.size()), static_cast<ssize_t>(kSheet.size()));
    for (int wait = 0; wait < 500 && files() < 2; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(files(), 2u); // the partial file beside the target
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    close(input[1]);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    EXPECT_EQ(target(), kOldContent);
    EXPECT_EQ(files(), 1u);
}

TEST_F(OutputFile, SheetFromAFileToANewFile) {
    const std::string input = (directory_ / "in.csv").string();
    std::ofstream(input) << kSheet;
    const test::CommandResult result = runCommand({"unified", input, "--output", target_}, "");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(target(), kClassified);
    EXPECT_EQ(fs::status(target_).permissions() & fs::perms::owner_read, fs::perms::owner_read);
}

} // namespace
} // namespace classifier::cli
