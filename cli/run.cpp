#include "run.h"

#include "destinations.h"
#include "output.h"
#include "row_writer.h"
#include "sheet/csv_reader.h"
#include "sheet_layout.h"
#include "sheet_run.h"

#include "core/chart/density.h"
#include "core/chart/svg.h"
#include "files/descriptors.h"
#include "sheet/row_classifier.h"
#include "sheet/sheet_signs.h"

#include "core/words.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#ifndef SOIL_CLASSIFY_VERSION
#define SOIL_CLASSIFY_VERSION "unknown"
#endif

namespace classifier::cli {
namespace {

constexpr std::string_view kProgram = "soil-classify";

// The input sheet, opened for the command's whole run.
class InputFile {
public:
    // `standardInput` is -1 when it was closed.
    InputFile(const std::string& name, int standardInput)
        : name_(name == "-" ? "standard input" : name),
          owned_(name == "-" ? -1 : files::openAt(AT_FDCWD, name.c_str(), O_RDONLY)),
          fd_(name == "-" ? standardInput : owned_.get()) {
        if (fd_ < 0) {
            throw CommandError(systemProblem("cannot read", name_, name == "-" ? EBADF : errno));
        }
        struct stat status {};
        if (fstat(fd_, &status) == 0 && S_ISREG(status.st_mode)) {
            regularFile_ = files::Identity{status.st_dev, status.st_ino, {}};
        }
    }

    const std::string& name() const { return name_; }
    const std::optional<files::Identity>& regularFile() const { return regularFile_; }

    // Feeds the whole file to the reader, a block at a time. A spreadsheet workbook is refused
    // by its first bytes.
    void readInto(sheet::CsvReader& reader, Language language) const {
        std::array<char, 1 << 16> block;
        for (bool first = true;; first = false) {
            const ssize_t count = ::read(fd_, block.data(), block.size());
            if (count < 0 && errno == EINTR) {
                continue;
            }
            if (count < 0) {
                throw CommandError(systemProblem("cannot read", name_, errno));
            }
            if (count == 0) {
                break;
            }
            const std::string_view bytes(block.data(), static_cast<std::size_t>(count));
            if (first && sheet::isWorkbook(bytes)) {
                throw CommandError(name_ + ": " +
                                   std::string(say(Word::WorkbookRefused, language)));
            }
            reader.feed(bytes);
        }
        reader.finish();
    }

private:
    std::string name_;
    files::UniqueFd owned_;
    int fd_;
    std::optional<files::Identity> regularFile_;
};

// Reads, classifies and writes the sheet.
void classifySheet(const InputFile& input, Language language, sheet::CsvReader& reader,
                   SheetRun& run, Output& output) {
    try {
        input.readInto(reader, language);
    } catch (const sheet::UnreadableSheet& error) {
        throw CommandError(input.name() + ", " + error.what());
    }
    if (!run.started()) {
        throw CommandError("the input is empty: it has no header row");
    }
    run.finish();
    output.flush();
}

// The chart of every classified sample.
void writeChart(Destination& destination, Method method, Rules rules, ChartSampleSet& samples,
                Language language) {
    const Chart chart =
        method == Method::Unified
            ? unifiedChart(std::move(samples.drawn()), ChartLayer::FineSoil, rules, &samples.rest())
            : aashtoChart(std::move(samples.drawn()), ChartLayer::AashtoFine, rules,
                          &samples.rest());
    Output output(destination.fd(), destination.name());
    output.put(chartSvg(chart, language));
    output.flush();
}

int classify(const Options& options, const Environment& environment, int standardInput,
             int standardOutput, std::ostream& errors) {
    const Language language = options.language.value_or(languageOf(environment));
    const InputFile input(options.input, standardInput);
    // Every output is opened, and checked against the input and the others, before a byte of
    // the sheet is read; none takes the place of what its path names until all are complete.
    Destinations outputs(input.regularFile(), input.name(), options.output, options.chart,
                         standardOutput);
    std::optional<ChartSampleSet> samples;
    if (options.chart) {
        samples.emplace();
    }
    Output output(outputs.sheet().fd(), outputs.sheet().name());
    SheetRun run(options, language, output, samples ? &*samples : nullptr);
    std::optional<sheet::CsvReader> reader;
    reader.emplace([&](Row row) { run.take(row, *reader); });
    classifySheet(input, language, *reader, run, output);
    if (Destination* chart = outputs.chart()) {
        writeChart(*chart, options.method, options.rules, *samples, language);
    }
    outputs.commit();
    if (!options.quiet) {
        errors << run.tally().summary(language) << '\n';
    }
    return run.allClassified() ? kAllClassified : kSomeRowsRefused;
}

void writeAll(int fd, std::string_view text) {
    Output output(fd, "standard output");
    output.put(text);
    output.flush();
}

} // namespace

int run(std::span<const char* const> arguments, const Environment& environment, int input,
        int output, std::ostream& errors) {
    try {
        const CommandLine line = parseCommandLine(arguments);
        switch (line.request) {
        case CommandLine::Request::Help:
            writeAll(output, usageText());
            return kAllClassified;
        case CommandLine::Request::Version:
            writeAll(output, std::string(kProgram) + " " + SOIL_CLASSIFY_VERSION + "\n");
            return kAllClassified;
        case CommandLine::Request::Invalid:
            throw CommandError(line.problem + " (see " + std::string(kProgram) + " --help)");
        case CommandLine::Request::Run:
            return classify(line.options, environment, input, output, errors);
        }
    } catch (const std::exception& error) {
        errors << kProgram << ": " << error.what() << '\n';
    }
    return kCannotRun;
}

} // namespace classifier::cli
