#include "run.h"

#include "csv_reader.h"
#include "output.h"
#include "row_writer.h"
#include "sheet.h"

#include "core/chart/svg.h"

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
                   int standardInput, Output& output, std::vector<ChartSample>& samples) {
    const std::unique_ptr<SheetClassifier> sheet =
        SheetClassifier::create(options.method, options.rules, language, options.explain);
    if (options.chart) {
        sheet->keepChartSamples();
    }
    const std::unique_ptr<RowWriter> writer = RowWriter::create(options.format, output);
    bool headerRead = false;
    bool allClassified = true;
    std::optional<CsvReader> reader;
    reader.emplace([&](Row row) {
        if (!headerRead) {
            headerRead = true;
            sheet->setDelimiter(reader->delimiter());
            sheet->readHeader(row);
            writer->header(row, sheet->resultNames());
            return;
        }
        allClassified = sheet->classify(row) && allClassified;
        writer->row(row, sheet->texts());
        if (sheet->chartSample()) {
            samples.push_back(*sheet->chartSample());
        }
    });
    try {
        input.readInto(*reader, standardInput);
    } catch (const RowTooLong& tooLong) {
        throw CommandError(std::string(tooLong.what()) +
                           " is longer than 16 MiB; is a quote left open?");
    }
    if (!headerRead) {
        throw CommandError("the input is empty: it has no header row");
    }
    output.flush();
    return allClassified;
}

// The chart of every classified sample, written whole or not at all.
void writeChart(AtomicFile& file, const std::string& path, Method method, Rules rules,
                std::vector<ChartSample> samples, Language language) {
    const Chart chart = method == Method::Unified
                            ? unifiedChart(std::move(samples), ChartLayer::FineSoil, rules)
                            : aashtoChart(std::move(samples), ChartLayer::AashtoFine, rules);
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
    std::vector<ChartSample> samples;
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
        writeChart(*chart, *options.chart, options.method, options.rules, std::move(samples),
                   language);
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
