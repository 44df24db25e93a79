// What the command line cannot show where the file system makes unnamed files: the named file
// in the making that other file systems need, and the window's FIFO that nothing reads.
#include "files/output_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace classifier::files {
namespace {

namespace fs = std::filesystem;

class NamedTemporary : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "files-XXXXXX").string();
        folder_ = mkdtemp(pattern.data());
        named_.unnamedTemporary = false;
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::set<std::string> names() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    fs::path folder_;
    OutputFile::Options named_;
};

struct SignalCase {
    const char* name;
    int signal;
    bool ignored;
};

class NamedTemporaryStopped : public NamedTemporary,
                              public testing::WithParamInterface<SignalCase> {};

// A child writes out.csv through a named file in the making and waits; it is sent the signal,
// then told to go on and commit.
TEST_P(NamedTemporaryStopped, IsRemovedOrCompletesWhenTheSignalIsIgnored) {
    const SignalCase& c = GetParam();
    int ready[2];
    int go[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(go), 0);
    const std::string path = (folder_ / "out.csv").string();
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        std::signal(c.signal, c.ignored ? SIG_IGN : SIG_DFL);
        OutputFile file(path, named_);
        file.write("new\n");
        char byte = 1;
        if (write(ready[1], &byte, 1) != 1 || read(go[0], &byte, 1) != 1) {
            _exit(3);
        }
        file.commit();
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    const std::set<std::string> making = names();
    ASSERT_EQ(making.size(), 1u);
    EXPECT_TRUE(making.begin()->starts_with(".out.csv.partial-"));
    kill(pid, c.signal);
    ASSERT_EQ(write(go[1], &byte, 1), 1);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    for (const int fd : {ready[0], ready[1], go[0], go[1]}) {
        close(fd);
    }
    if (c.ignored) {
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        EXPECT_EQ(names(), std::set<std::string>{"out.csv"});
    } else {
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.signal);
        EXPECT_EQ(names(), std::set<std::string>{});
    }
}

INSTANTIATE_TEST_SUITE_P(Signals, NamedTemporaryStopped,
                         testing::Values(SignalCase{"TERM", SIGTERM, false},
                                         SignalCase{"INT", SIGINT, false},
                                         SignalCase{"USR1", SIGUSR1, false},
                                         SignalCase{"PIPE", SIGPIPE, false},
                                         SignalCase{"HUP_ignored", SIGHUP, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(NamedTemporary, FitsBesideANameOfTheLongestLength) {
    std::string legal = std::string(120, 'n');
    for (int i = 0; i < 65; ++i) {
        legal += "\xDB\xB1"; // ۱, two bytes
    }
    legal += "a.csv";
    ASSERT_EQ(legal.size(), 255u);
    {
        OutputFile file((folder_ / legal).string(), named_);
        file.write("whole\n");
        file.commit();
    }
    std::ifstream written(folder_ / legal);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}), "whole\n");
    EXPECT_EQ(names(), std::set<std::string>{legal});
}

TEST_F(NamedTemporary, AFifoNothingReadsIsRefusedAtOnceWhenAsked) {
    const std::string fifo = (folder_ / "fifo").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    OutputFile::Options options;
    options.waitForReader = false;
    try {
        OutputFile file(fifo, options);
        ADD_FAILURE() << "opened a FIFO nothing reads";
    } catch (const Error& error) {
        EXPECT_EQ(error.code(), ENXIO);
        EXPECT_EQ(error.path(), fifo);
    }
}

} // namespace
} // namespace classifier::files
