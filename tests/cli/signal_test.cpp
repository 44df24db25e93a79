// soil-classify stopped by a signal in the middle of a sheet: the output file stays as it was
// and nothing is left beside it, even after SIGKILL; a signal ignored when the command starts
// (nohup, trap '' INT) stays ignored and the run completes.
#include "spawn.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <sys/ioctl.h>
#include <thread>

namespace classifier::cli {
namespace {

namespace fs = std::filesystem;

const std::string kOld = "what was there before\n";
const std::string kHeader = "sample,p200,p4,ll,pi\n";
const std::string kRow = "S1,34,98,38,26\n";

struct SignalCase {
    const char* name;
    int signal;
    bool ignored; // when the command starts
};

void PrintTo(const SignalCase& c, std::ostream* os) {
    *os << c.name;
}

// Whether the file system under the folder makes unnamed files, with which nothing is left
// even after SIGKILL.
bool makesUnnamedFiles(const fs::path& folder) {
    const int fd = open(folder.c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (fd < 0) {
        return false;
    }
    close(fd);
    return true;
}

class StoppedBySignal : public testing::TestWithParam<SignalCase> {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "soil-classify-XXXXXX").string();
        folder_ = mkdtemp(pattern.data());
        std::ofstream(folder_ / "out.csv") << kOld;
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string out() const {
        std::ifstream file(folder_ / "out.csv");
        return {std::istreambuf_iterator<char>(file), {}};
    }
    std::set<std::string> names() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    fs::path folder_;
};

void writeAll(int fd, const std::string& text) {
    ASSERT_EQ(write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
}

TEST_P(StoppedBySignal, LeavesTheOutputAsItWasOrCompletes) {
    const SignalCase& c = GetParam();
    if (c.signal == SIGKILL && !makesUnnamedFiles(folder_)) {
        GTEST_SKIP() << "the file system here makes no unnamed files";
    }
    int input[2];
    ASSERT_EQ(pipe(input), 0);
    fcntl(input[1], F_SETFD, FD_CLOEXEC);
    test::Streams streams;
    streams.inputFd = input[0];
    streams.ignoredSignal = c.ignored ? c.signal : 0;
    std::FILE* errors = std::tmpfile();
    const pid_t pid =
        test::startCommand(folder_, {"unified", "-o", "out.csv"}, streams, 1, fileno(errors));
    ASSERT_GT(pid, 0);
    // Half the sheet; once the command has taken it all from the pipe, it has its output open
    // and waits in the middle of the sheet for the rest.
    std::string half = kHeader;
    for (int i = 0; i < 100; ++i) {
        half += kRow;
    }
    writeAll(input[1], half);
    int unread = 1;
    for (int wait = 0; wait < 2000 && unread > 0; ++wait) {
        ioctl(input[0], FIONREAD, &unread);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(unread, 0);
    close(input[0]);
    kill(pid, c.signal);
    if (c.ignored) {
        writeAll(input[1], kRow);
    }
    close(input[1]);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    std::fclose(errors);
    if (c.ignored) {
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
        const std::string written = out();
        EXPECT_TRUE(
            written.starts_with("sample,p200,p4,ll,pi,symbol,group_name,other_rules,error,"));
        EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 102);
    } else {
        ASSERT_TRUE(WIFSIGNALED(status));
        EXPECT_EQ(WTERMSIG(status), c.signal);
        EXPECT_EQ(out(), kOld);
    }
    EXPECT_EQ(names(), std::set<std::string>{"out.csv"});
}

INSTANTIATE_TEST_SUITE_P(
    Signals, StoppedBySignal,
    testing::Values(SignalCase{"TERM", SIGTERM, false}, SignalCase{"INT", SIGINT, false},
                    SignalCase{"HUP", SIGHUP, false}, SignalCase{"KILL", SIGKILL, false},
                    SignalCase{"USR1", SIGUSR1, false}, SignalCase{"ALRM", SIGALRM, false},
                    SignalCase{"PIPE", SIGPIPE, false},
                    SignalCase{"HUP_ignored_as_under_nohup", SIGHUP, true},
                    SignalCase{"INT_ignored", SIGINT, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace classifier::cli
