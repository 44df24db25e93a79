#include "run.h"

#include "csv_reader.h"
#include "output.h"
#include "row_writer.h"
#include "sheet.h"
#include "sheet_layout.h"

#include "core/chart_density.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <unistd.h>
#include <vector>

#ifndef SOIL_CLASSIFY_VERSION
#define SOIL_CLASSIFY_VERSION "unknown"
#endif

namespace classifier::cli {
namespace {

constexpr std::string_view kProgram = "soil-classify";

// The input file, opened for the command's whole run.
class InputFile {
public:
    explicit InputFile(const std::string& name)
        : name_(name == "-" ? "standard input" : name),
          fd_(name == "-" ? -1 : open(name.c_str(), O_RDONLY | O_CLOEXEC)) {
        if (name != "-" && fd_ < 0) {
            throw CommandError(systemProblem("cannot read", name_, errno));
        }
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    const std::string& name() const { return name_; }
    ~InputFile() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }

    // Feeds the whole file to the reader, a block at a time.
    void readInto(CsvReader& reader, int standardInput) const {
        const int fd = fd_ >= 0 ? fd_ : standardInput;
        std::array<char, 1 << 16> block;
        for (;;) {
            const ssize_t count = ::read(fd, block.data(), block.size());
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
    int fd_;
};

// Reads, classifies and writes the sheet; true when every row was classified. With a chart
// asked for, every classified sample is added to `samples`.
bool classifySheet(const Options& options, Language language, const InputFile& input,
                   int standardInput, Output& output, ChartSampleSet& samples) {
    const std::unique_ptr<SheetClassifier> sheet =
        SheetClassifier::create(options.method, language, options.explain);
    if (options.chart) {
        sheet->keepChartSamples();
    }
    const std::unique_ptr<RowWriter> writer = RowWriter::create(options.format, output);
    std::optional<SheetLayout> layout;
    bool allClassified = true;
    std::optional<CsvReader> reader;
    reader.emplace([&](Row row) {
        if (!layout) {
            layout.emplace(row, sheet->resultNames());
            sheet->setDelimiter(reader->delimiter());
            sheet->readHeader(layout->inputHeader());
            writer->header(*layout);
            return;
        }
        allClassified = sheet->classify(layout->inputRow(row)) && allClassified;
        writer->row(row, sheet->texts());
        if (sheet->chartSample()) {
            samples.add(*sheet->chartSample());
        }
    });
    try {
        input.readInto(*reader, standardInput);
    } catch (const UnreadableSheet& error) {
        throw CommandError(input.name() + ", " + error.what());
    }
    if (!layout) {
        throw CommandError("the input is empty: it has no header row");
    }
    output.flush();
    return allClassified;
}

// The chart of every classified sample, written whole or not at all.
void writeChart(AtomicFile& file, const std::string& path, Method method,
                ChartSampleSet& samples, Language language) {
    const Chart chart =
        method == Method::Unified
            ? unifiedChart(std::move(samples.drawn()), ChartLayer::FineSoil, &samples.rest())
            : aashtoChart(std::move(samples.drawn()), ChartLayer::AashtoFine, &samples.rest());
    Output output(file.fd(), path);
    output.put(chartSvg(chart, language));
    output.flush();
    file.commit();
}

int classify(const Options& options, const Environment& environment, int standardInput,
             int standardOutput) {
    const Language language = options.language.value_or(languageOf(environment));
    const InputFile input(options.input);
    // Made before any row is read, so that a chart that cannot be written stops the command
    // before it writes anything.
    std::optional<AtomicFile> chart;
    if (options.chart) {
        chart.emplace(*options.chart);
    }
    ChartSampleSet samples;
    bool allClassified = false;
    if (!options.output || *options.output == "-") {
        Output output(standardOutput, "standard output");
        allClassified = classifySheet(options, language, input, standardInput, output, samples);
    } else {
        AtomicFile file(*options.output);
        Output output(file.fd(), *options.output);
        allClassified = classifySheet(options, language, input, standardInput, output, samples);
        file.commit();
    }
    if (chart) {
        writeChart(*chart, *options.chart, options.method, samples, language);
    }
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
