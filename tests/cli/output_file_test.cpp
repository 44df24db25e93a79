// Where soil-classify writes: every output replaces what its path names only once complete,
// follows symbolic links, never replaces what is not a regular file, keeps a file's names, mode
// and owner, and is checked against the input and the other output before anything is read.
#include "spawn.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace classifier::cli {
namespace {

namespace fs = std::filesystem;

const std::string kSheet = "p200,p4,ll,pi\n60,90,30,7.3\n";
const std::string kClassified = "p200,p4,ll,pi,symbol,group_name,other_rules,error,extra_fields\n"
                                "60,90,30,7.3,CL,Sandy lean clay,,,\n";
const std::string kOld = "what was there before\n";

// A folder of its own for each case, holding the sheet in.csv.
class Folder {
public:
    Folder() {
        std::string pattern = (fs::temp_directory_path() / "soil-classify-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
        write("in.csv", kSheet);
    }
    ~Folder() {
        if (fifo_ >= 0) {
            close(fifo_);
        }
        fs::remove_all(path_);
    }

    std::string at(const std::string& name) const { return (path_ / name).string(); }
    void write(const std::string& name, const std::string& text) const {
        std::ofstream(at(name)) << text;
    }
    std::string read(const std::string& name) const {
        std::ifstream file(at(name));
        return {std::istreambuf_iterator<char>(file), {}};
    }
    std::set<std::string> names() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(path_)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }
    struct stat status(const std::string& name) const {
        struct stat status {};
        lstat(at(name).c_str(), &status);
        return status;
    }
    const fs::path& path() const { return path_; }

    int fifo_ = -1; // a FIFO held open for reading and writing, where one is made

private:
    fs::path path_;
};

struct PathCase {
    std::string name;
    // Makes what the case needs; false when the system does not allow it.
    std::function<bool(Folder&)> setUp;
    std::vector<std::string> arguments;
    test::Streams streams;
    int status;
    std::string errors;
    std::function<void(Folder&, const test::Finished&)> check;
};

void PrintTo(const PathCase& c, std::ostream* os) {
    *os << c.name;
}

class OutputPath : public testing::TestWithParam<PathCase> {};

TEST_P(OutputPath, IsWrittenAsTheUserMeantOrRefusedBeforeAnythingChanges) {
    const PathCase& c = GetParam();
    Folder folder;
    if (c.setUp && !c.setUp(folder)) {
        GTEST_SKIP() << "the system does not allow this case here";
    }
    const test::Finished finished = test::runIn(folder.path(), c.arguments, c.streams);
    ASSERT_TRUE(WIFEXITED(finished.status));
    EXPECT_EQ(WEXITSTATUS(finished.status), c.status);
    EXPECT_EQ(finished.errors, c.errors.empty() ? "" : "soil-classify: " + c.errors + "\n");
    c.check(folder, finished);
}

const auto kOnly = [](std::set<std::string> names) {
    return [names](Folder& folder, const test::Finished&) { EXPECT_EQ(folder.names(), names); };
};

const auto kWrite = [](std::string name, std::string text) {
    return [name, text](Folder& folder) {
        folder.write(name, text);
        return true;
    };
};

test::Streams outputTo(const std::string& file, bool append = false) {
    test::Streams streams;
    streams.outputFile = file;
    streams.appendOutput = append;
    return streams;
}

test::Streams inputWithOutputClosed(const std::string& input) {
    test::Streams streams;
    streams.input = input;
    streams.outputClosed = true;
    return streams;
}

const std::string kLongName = std::string(251, 'n') + ".csv";

INSTANTIATE_TEST_SUITE_P(
    Cases, OutputPath,
    testing::Values(
        PathCase{"a character device is written straight, not replaced",
                 [](Folder& folder) {
                     return mknod(folder.at("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
                 },
                 {"unified", "-o", "null", "in.csv"},
                 {},
                 0,
                 "",
                 [](Folder& folder, const test::Finished&) {
                     EXPECT_TRUE(S_ISCHR(folder.status("null").st_mode));
                 }},
        PathCase{"a FIFO is written straight to its reader",
                 [](Folder& folder) {
                     mkfifo(folder.at("fifo").c_str(), 0644);
                     folder.fifo_ = open(folder.at("fifo").c_str(), O_RDWR | O_NONBLOCK);
                     return folder.fifo_ >= 0;
                 },
                 {"unified", "-o", "fifo", "in.csv"},
                 {},
                 0,
                 "",
                 [](Folder& folder, const test::Finished&) {
                     EXPECT_TRUE(S_ISFIFO(folder.status("fifo").st_mode));
                     char text[4096];
                     const ssize_t n = read(folder.fifo_, text, sizeof text);
                     EXPECT_EQ(std::string(text, static_cast<std::size_t>(std::max<ssize_t>(n, 0))),
                               kClassified);
                 }},
        PathCase{"the chart over the input sheet",
                 kWrite("in.svg", kSheet),
                 {"unified", "--chart", "in.svg", "in.svg"},
                 outputTo("out.csv"),
                 2,
                 "cannot write in.svg: it is the input sheet",
                 [](Folder& folder, const test::Finished&) {
                     EXPECT_EQ(folder.read("in.svg"), kSheet);
                 }},
        PathCase{
            "the chart over the classified sheet",
            kWrite("r.svg", kOld),
            {"unified", "-o", "r.svg", "--chart", "r.svg", "in.csv"},
            {},
            2,
            "cannot write r.svg: the classified sheet and the chart would both go to it",
            [](Folder& folder, const test::Finished&) { EXPECT_EQ(folder.read("r.svg"), kOld); }},
        PathCase{"the chart over the classified sheet named otherwise, neither there yet",
                 nullptr,
                 {"unified", "-o", "r.svg", "--chart", "./r.svg", "in.csv"},
                 {},
                 2,
                 "cannot write ./r.svg: the classified sheet and the chart would both go to it",
                 kOnly({"in.csv"})},
        PathCase{"a chart not named as SVG",
                 nullptr,
                 {"unified", "--chart", "chart.png", "in.csv"},
                 {},
                 2,
                 "--chart: the chart is written as SVG; give it a name ending in .svg (see "
                 "soil-classify --help)",
                 kOnly({"in.csv"})},
        PathCase{"standard output closed, with a chart",
                 nullptr,
                 {"unified", "--chart", "c.svg"},
                 inputWithOutputClosed(kSheet),
                 2,
                 "cannot write standard output: Bad file descriptor",
                 kOnly({"in.csv"})},
        PathCase{"standard output appended to the input sheet",
                 nullptr,
                 {"unified", "in.csv"},
                 outputTo("in.csv", true),
                 2,
                 "cannot write standard output: it is the input sheet (in.csv)",
                 [](Folder& folder, const test::Finished&) {
                     EXPECT_EQ(folder.read("in.csv"), kSheet);
                 }},
        PathCase{"a symbolic link: its target is written",
                 [](Folder& folder) {
                     folder.write("target.csv", kOld);
                     return symlink("target.csv", folder.at("link.csv").c_str()) == 0;
                 },
                 {"unified", "-o", "link.csv", "in.csv"},
                 {},
                 0,
                 "",
                 [](Folder& folder, const test::Finished&) {
                     EXPECT_TRUE(S_ISLNK(folder.status("link.csv").st_mode));
                     EXPECT_EQ(folder.read("target.csv"), kClassified);
                 }},
        PathCase{
            "a symbolic link to nothing: its target is made",
            [](Folder& folder) { return symlink("made.csv", folder.at("link.csv").c_str()) == 0; },
            {"unified", "-o", "link.csv", "in.csv"},
            {},
            0,
            "",
            [](Folder& folder, const test::Finished&) {
                EXPECT_TRUE(S_ISLNK(folder.status("link.csv").st_mode));
                EXPECT_EQ(folder.read("made.csv"), kClassified);
            }},
        PathCase{"a file with two names keeps both",
                 [](Folder& folder) {
                     folder.write("a.csv", kOld);
                     return link(folder.at("a.csv").c_str(), folder.at("b.csv").c_str()) == 0;
                 },
                 {"unified", "-o", "b.csv", "in.csv"},
                 {},
                 0,
                 "",
                 [](Folder& folder, const test::Finished&) {
                     EXPECT_EQ(folder.status("a.csv").st_ino, folder.status("b.csv").st_ino);
                     EXPECT_EQ(folder.read("a.csv"), kClassified);
                     EXPECT_EQ(folder.names(), (std::set<std::string>{"a.csv", "b.csv", "in.csv"}));
                 }},
        PathCase{"a file keeps its mode, and its owner where the user may give it",
                 [](Folder& folder) {
                     folder.write("kept.csv", kOld);
                     chmod(folder.at("kept.csv").c_str(), 0640);
                     if (geteuid() == 0) {
                         chown(folder.at("kept.csv").c_str(), 65534, 65534);
                     }
                     return true;
                 },
                 {"unified", "-o", "kept.csv", "in.csv"},
                 {},
                 0,
                 "",
                 [](Folder& folder, const test::Finished&) {
                     const struct stat status = folder.status("kept.csv");
                     EXPECT_EQ(status.st_mode & 07777, 0640u);
                     EXPECT_EQ(status.st_uid, geteuid() == 0 ? 65534u : geteuid());
                     EXPECT_EQ(folder.read("kept.csv"), kClassified);
                 }},
        PathCase{
            "a folder as the chart, before the sheet is replaced",
            [](Folder& folder) {
                folder.write("k.csv", kOld);
                return mkdir(folder.at("folder.svg").c_str(), 0755) == 0;
            },
            {"unified", "-o", "k.csv", "--chart", "folder.svg", "in.csv"},
            {},
            2,
            "cannot write folder.svg: Is a directory",
            [](Folder& folder, const test::Finished&) { EXPECT_EQ(folder.read("k.csv"), kOld); }},
        PathCase{
            "a full disk under the chart, after the sheet is written",
            [](Folder& folder) {
                folder.write("k.csv", kOld);
                return symlink("/dev/full", folder.at("full.svg").c_str()) == 0;
            },
            {"unified", "-o", "k.csv", "--chart", "full.svg", "in.csv"},
            {},
            2,
            "cannot write full.svg: No space left on device",
            [](Folder& folder, const test::Finished&) {
                EXPECT_EQ(folder.read("k.csv"), kOld);
                EXPECT_EQ(folder.names(), (std::set<std::string>{"in.csv", "k.csv", "full.svg"}));
            }},
        PathCase{"the current folder",
                 nullptr,
                 {"unified", "-o", ".", "in.csv"},
                 {},
                 2,
                 "cannot write .: Is a directory",
                 kOnly({"in.csv"})},
        PathCase{"a folder named with a slash",
                 [](Folder& folder) { return mkdir(folder.at("folder").c_str(), 0755) == 0; },
                 {"unified", "-o", "folder/", "in.csv"},
                 {},
                 2,
                 "cannot write folder/: Is a directory",
                 kOnly({"in.csv", "folder"})},
        PathCase{"a name of 255 bytes",
                 nullptr,
                 {"unified", "-o", kLongName, "in.csv"},
                 {},
                 0,
                 "",
                 [](Folder& folder, const test::Finished&) {
                     EXPECT_EQ(folder.read(kLongName), kClassified);
                     EXPECT_EQ(folder.names(), (std::set<std::string>{"in.csv", kLongName}));
                 }},
        PathCase{"the chart to standard output",
                 nullptr,
                 {"unified", "-o", "out.csv", "--chart", "-", "in.csv"},
                 {},
                 0,
                 "",
                 [](Folder& folder, const test::Finished& finished) {
                     EXPECT_TRUE(finished.output.starts_with("<?xml"));
                     EXPECT_TRUE(finished.output.ends_with("</svg>\n"));
                     EXPECT_EQ(folder.read("out.csv"), kClassified);
                     EXPECT_EQ(folder.names(), (std::set<std::string>{"in.csv", "out.csv"}));
                 }},
        PathCase{"the chart and the sheet both to standard output",
                 nullptr,
                 {"unified", "--chart", "-", "in.csv"},
                 {},
                 2,
                 "cannot write standard output: the classified sheet and the chart would both "
                 "go to standard output",
                 kOnly({"in.csv"})}));

TEST(OutputFile, ChartDrawsEveryClassifiedSample) {
    Folder folder;
    folder.write(
        "in.csv",
        "p200,p4,ll,pi,cc,cu\n60,90,30,7.3,,\n34,98,38,26,,\n3,60,0,0,2,8\n101,90,1,1,,\n");
    const test::Finished finished =
        test::runIn(folder.path(), {"unified", "--chart", "chart.svg", "--lang", "fa", "in.csv"});
    EXPECT_EQ(WEXITSTATUS(finished.status), 1);
    const std::string svg = folder.read("chart.svg");
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

TEST(OutputFile, IsLeftAsItWasWhenTheCommandFails) {
    Folder folder;
    folder.write("out.csv", kOld);
    const test::Finished finished =
        test::runIn(folder.path(), {"aashto", "--rules", "window", "-o", "out.csv", "in.csv"});
    EXPECT_EQ(WEXITSTATUS(finished.status), 2);
    EXPECT_EQ(folder.read("out.csv"), kOld);
    EXPECT_EQ(folder.names(), (std::set<std::string>{"in.csv", "out.csv"}));
}

TEST(OutputFile, NewFileTakesTheUsualMode) {
    Folder folder;
    const mode_t mask = umask(022);
    const test::Finished finished =
        test::runIn(folder.path(), {"unified", "--output", "new.csv", "in.csv"});
    umask(mask);
    EXPECT_EQ(WEXITSTATUS(finished.status), 0);
    EXPECT_EQ(folder.read("new.csv"), kClassified);
    EXPECT_EQ(folder.status("new.csv").st_mode & 07777, 0644u);
}

} // namespace
} // namespace classifier::cli
