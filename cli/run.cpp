#include "run.h"

#include "sheet/csv_reader.h"
#include "destinations.h"
#include "output.h"
#include "row_writer.h"
#include "sheet_layout.h"

#include "core/chart/density.h"
#include "core/chart/svg.h"
#include "files/descriptors.h"
#include "sheet/row_classifier.h"

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

    // Feeds the whole file to the reader, a block at a time.
    void readInto(sheet::CsvReader& reader) const {
        std::array<char, 1 << 16> block;
        for (;;) {
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
            reader.feed({block.data(), static_cast<std::size_t>(count)});
        }
        reader.finish();
    }

private:
    std::string name_;
    files::UniqueFd owned_;
    int fd_;
    std::optional<files::Identity> regularFile_;
};

// Reads, classifies and writes the sheet; true when every row was classified. With a chart
// asked for, every classified sample is added to `samples`.
bool classifySheet(const Options& options, Language language, const InputFile& input,
                   Output& output, ChartSampleSet* samples) {
    const std::unique_ptr<sheet::RowClassifier> sheet =
        sheet::RowClassifier::create(options.method, language, options.explain);
    if (samples) {
        sheet->keepChartSamples();
    }
    const std::unique_ptr<RowWriter> writer = RowWriter::create(options.format, output);
    std::optional<SheetLayout> layout;
    bool allClassified = true;
    std::optional<sheet::CsvReader> reader;
    reader.emplace([&](Row row) {
        if (!layout) {
            layout.emplace(row, sheet->resultNames());
            sheet->setDelimiter(reader->delimiter());
            sheet->readHeader(layout->inputHeader(), options.columns);
            writer->header(*layout);
            return;
        }
        allClassified = sheet->classify(layout->inputRow(row)) && allClassified;
        writer->row(row, sheet->texts());
        if (samples && sheet->chartSample()) {
            samples->add(*sheet->chartSample());
        }
    });
    try {
        input.readInto(*reader);
    } catch (const sheet::UnreadableSheet& error) {
        throw CommandError(input.name() + ", " + error.what());
    }
    if (!layout) {
        throw CommandError("the input is empty: it has no header row");
    }
    output.flush();
    return allClassified;
}

// The chart of every classified sample.
void writeChart(Destination& destination, Method method, ChartSampleSet& samples,
                Language language) {
    const Chart chart =
        method == Method::Unified
            ? unifiedChart(std::move(samples.drawn()), ChartLayer::FineSoil, &samples.rest())
            : aashtoChart(std::move(samples.drawn()), ChartLayer::AashtoFine, &samples.rest());
    Output output(destination.fd(), destination.name());
    output.put(chartSvg(chart, language));
    output.flush();
}

int classify(const Options& options, const Environment& environment, int standardInput,
             int standardOutput) {
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
    const bool allClassified =
        classifySheet(options, language, input, output, samples ? &*samples : nullptr);
    if (Destination* chart = outputs.chart()) {
        writeChart(*chart, options.method, *samples, language);
    }
    outputs.commit();
    return allClassified ? kAllClassified : kSomeRowsRefused;
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
            return classify(line.options, environment, input, output);
        }
    } catch (const std::exception& error) {
        errors << kProgram << ": " << error.what() << '\n';
    }
    return kCannotRun;
}

} // namespace classifier::cli
