// soil-classify fed arbitrary bytes as the sheet, by either rule set: it ends with status 0, 1 or
// 2, and unless it cannot run at all, writes one row for each row of the input, with the input's
// fields in their places and an error exactly where the status says there is one.
#include "cli/csv_reader.h"
#include "cli/run.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {

using Rows = std::vector<std::vector<std::string>>;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

Rows rowsOf(std::string_view csv) {
    Rows rows;
    classifier::cli::CsvReader reader(
        [&rows](classifier::cli::Row row) { rows.emplace_back(row.begin(), row.end()); });
    reader.feed(csv);
    reader.finish();
    return rows;
}

// A file in memory, emptied for each input.
int emptyFile(int& fd, const char* name) {
    if (fd < 0) {
        fd = memfd_create(name, 0);
    }
    check(fd >= 0 && ftruncate(fd, 0) == 0 && lseek(fd, 0, SEEK_SET) == 0);
    return fd;
}

std::string contents(int fd) {
    std::string text;
    lseek(fd, 0, SEEK_SET);
    char block[4096];
    for (ssize_t n; (n = read(fd, block, sizeof block)) > 0;) {
        text.append(block, static_cast<std::size_t>(n));
    }
    return text;
}

void checkCsv(const Rows& input, const Rows& output, int status) {
    check(output.size() == input.size());
    const std::size_t width = input[0].size();
    bool errors = false;
    for (std::size_t r = 0; r < input.size(); ++r) {
        const std::vector<std::string>& in = input[r];
        const std::vector<std::string>& out = output[r];
        check(out.size() > width && out.size() >= in.size());
        const std::size_t results = out.size() - std::max(in.size(), width);
        for (std::size_t i = 0; i < in.size(); ++i) {
            check(out[i < width ? i : i + results] == in[i]);
        }
        errors = errors || (r > 0 && !out[width + results - 1].empty());
    }
    check(errors == (status == 1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    static int inputFd = -1;
    static int outputFd = -1;
    const std::uint8_t choice = data[0];
    const std::string_view sheet(reinterpret_cast<const char*>(data + 1), size - 1);
    const int in = emptyFile(inputFd, "sheet");
    const int out = emptyFile(outputFd, "classified");
    check(write(in, sheet.data(), sheet.size()) == static_cast<ssize_t>(sheet.size()));
    lseek(in, 0, SEEK_SET);

    const bool json = choice & 4;
    std::vector<const char*> arguments{"soil-classify", choice & 1 ? "aashto" : "unified", "--lang",
                                       choice & 2 ? "fa" : "en"};
    if (json) {
        arguments.insert(arguments.end(), {"--format", "json"});
    }
    if (choice & 8) {
        arguments.push_back("--explain");
    }
    if (choice & 16) {
        arguments.insert(arguments.end(), {"--rules", "window"});
    }
    std::ostringstream errors;
    const int status = classifier::cli::run(arguments, {}, in, out, errors);
    check(status >= 0 && status <= 2);
    check((status == 2) == !errors.str().empty());
    if (status == 2) {
        return 0;
    }
    const Rows input = rowsOf(sheet);
    const std::string written = contents(out);
    if (!json) {
        checkCsv(input, rowsOf(written), status);
        return 0;
    }
    std::istringstream lines(written);
    std::size_t count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        check(nlohmann::json::parse(line).is_object());
    }
    check(count + 1 == input.size());
    return 0;
}
