// soil-classify fed arbitrary bytes as the sheet, by either rule set: it ends with status 0, 1 or
// 2, and unless it cannot run at all, writes one row for each row of the input, every row as wide
// as the header, with the input's fields in their places, its extra fields joined in the last
// column, and an error exactly where the status says there is one. A quote left open stops it,
// naming a line that holds a quote; lines of only blanks change nothing.
#include "cli/run.h"
#include "cli/sheet_layout.h"
#include "sheet/csv_reader.h"
#include "sheet/row_classifier.h"

#include <nlohmann/json.hpp>

#include <algorithm>
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
    classifier::sheet::CsvReader reader(
        [&rows](classifier::sheet::Row row) { rows.emplace_back(row.begin(), row.end()); });
    reader.feed(csv);
    reader.finish();
    return rows;
}

// The line of the given number, counted from 1 as the reader counts them (LF, CR, CRLF).
std::string_view lineOf(std::string_view text, std::size_t number) {
    for (std::size_t line = 1;; ++line) {
        const std::size_t end = text.find_first_of("\r\n");
        if (line == number) {
            return text.substr(0, end);
        }
        if (end == std::string_view::npos) {
            return {};
        }
        text.remove_prefix(end + (text.substr(end, 2) == "\r\n" ? 2 : 1));
    }
}

std::string lowered(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    std::string name(first == std::string_view::npos
                         ? std::string_view()
                         : text.substr(first, text.find_last_not_of(" \t") - first + 1));
    for (char& c : name) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return name;
}

struct Run {
    int status = -1;
    std::string errors;
    std::string output;
};

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

// The results of a method, the error last: a header that holds them all is that of a sheet
// classified before, whose old result columns take the new results in their places.
const std::vector<std::string> kUnifiedResults = {"symbol", "group_name", "other_rules", "error"};
const std::vector<std::string> kAashtoResults = {
    "group",           "material",    "soil_type",   "group_index", "group_index_note",
    "subgrade_rating", "designation", "other_rules", "error"};

void checkCsv(const Rows& input, const Rows& output, int status,
              const std::vector<std::string>& results, bool explain) {
    check(output.size() == input.size());
    const std::vector<std::string>& header = input[0];
    const std::size_t width = header.size();
    bool before = true;
    for (const std::string& name : results) {
        before = before && (classifier::sheet::optionalResult(name) ||
                            std::any_of(header.begin(), header.end(),
                                        [&](const std::string& h) { return lowered(h) == name; }));
    }
    const std::size_t written = results.size() + (explain ? 1 : 0);
    if (!before) {
        check(output[0].size() == width + written + 1);
    }
    std::size_t errorColumn = width + written - 1;
    if (before) {
        const auto error = std::find_if(output[0].begin(), output[0].end(),
                                        [](const std::string& h) { return lowered(h) == "error"; });
        check(error != output[0].end());
        errorColumn = static_cast<std::size_t>(error - output[0].begin());
    }
    bool errors = false;
    std::string extras;
    for (std::size_t r = 0; r < input.size(); ++r) {
        const std::vector<std::string>& in = input[r];
        const std::vector<std::string>& out = output[r];
        check(out.size() == output[0].size());
        if (!before) {
            for (std::size_t i = 0; i < width; ++i) {
                check(out[i] == (i < in.size() ? in[i] : std::string()));
            }
            const std::vector<std::string_view> beyond(
                in.begin() + static_cast<std::ptrdiff_t>(std::min(in.size(), width)), in.end());
            classifier::cli::joinExtraFields(beyond, extras);
            check(out.back() == (r == 0 ? "extra_fields" : extras));
        }
        errors = errors || (r > 0 && !out[errorColumn].empty());
    }
    check(errors == (status == 1));
}

Run classify(std::string_view sheet, const std::vector<const char*>& arguments) {
    static int inputFd = -1;
    static int outputFd = -1;
    const int in = emptyFile(inputFd, "sheet");
    const int out = emptyFile(outputFd, "classified");
    check(write(in, sheet.data(), sheet.size()) == static_cast<ssize_t>(sheet.size()));
    lseek(in, 0, SEEK_SET);
    std::ostringstream errors;
    Run run;
    run.status = classifier::cli::run(arguments, {}, in, out, errors);
    run.errors = errors.str();
    run.output = contents(out);
    return run;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::uint8_t choice = data[0];
    const std::string_view sheet(reinterpret_cast<const char*>(data + 1), size - 1);
    const bool aashto = choice & 1;
    const bool json = choice & 4;
    const bool explain = choice & 8;
    std::vector<const char*> arguments{"soil-classify", aashto ? "aashto" : "unified", "--lang",
                                       choice & 2 ? "fa" : "en", "-q"};
    if (json) {
        arguments.insert(arguments.end(), {"--format", "json"});
    }
    if (explain) {
        arguments.push_back("--explain");
    }
    if (choice & 16) {
        arguments.insert(arguments.end(), {"--rules", "window"});
    }
    const Run run = classify(sheet, arguments);
    check(run.status >= 0 && run.status <= 2);
    check((run.status == 2) == !run.errors.empty());

    // Lines of only blanks after the sheet change nothing.
    const Run padded = classify(std::string(sheet) + "\n \t \n\t\n", arguments);
    check(padded.status == run.status && padded.errors == run.errors &&
          padded.output == run.output);

    constexpr std::string_view kOpenQuote = ": a quote opens a field here and is never closed";
    // "soil-classify: standard input, line N: a quote opens ..."; a header named in another
    // message may hold the same words.
    constexpr std::string_view kLine = "soil-classify: standard input, line ";
    if (run.errors.starts_with(kLine) && run.errors.find(kOpenQuote) != std::string::npos) {
        const std::size_t line = std::strtoul(run.errors.c_str() + kLine.size(), nullptr, 10);
        check(lineOf(sheet, line).find('"') != std::string_view::npos);
    }
    if (run.status == 2) {
        return 0;
    }
    const Rows input = rowsOf(sheet);
    if (!json) {
        checkCsv(input, rowsOf(run.output), run.status, aashto ? kAashtoResults : kUnifiedResults,
                 explain);
        return 0;
    }
    std::istringstream lines(run.output);
    std::size_t count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        check(nlohmann::json::parse(line).is_object());
    }
    check(count + 1 == input.size());
    return 0;
}
