#include "command_line.h"

#include <CLI/CLI.hpp>

#include <algorithm>

namespace classifier::cli {
namespace {

constexpr std::string_view kUsage =
    R"(Usage: soil-classify unified|aashto [options] [FILE]
Classify every sample of a lab sheet (CSV) by the Unified or the AASHTO system.

  FILE                CSV input; "-" or none: standard input
  --rules standard|window
                      standard (default): ASTM D2487 and AASHTO M 145; window: the
                      Soil Classifier window's own rules. The column "other_rules" gives
                      the other rule set's answer where it differs
  -o, --output F      write to F instead of standard output
  --format csv|json   csv (default) or JSON Lines, one object per input row
  --explain           add the column "explanation": the decision path of the chosen rules,
                      steps joined by " | "
  --lang fa|en        language of names, materials, notes and explanations;
                      default fa when LC_ALL, LC_MESSAGES or LANG (first set) starts with "fa",
                      else en
  --chart F.svg       also draw every classified sample on the chart
  -h, --help          this usage
  --version           the program's version

Columns read: unified p200, p4, ll, pi, pl, cc, cu, d10, d30, d60, ll_oven_dried, organic;
aashto p200, p40, p10, ll, pi, pl. "NP" in ll, pi or pl: non-plastic.
Exit status: 0 every row classified, 1 a row has an error, 2 the command could not run.
)";

// CLI11 may explain a problem over several lines; the command reports it in one.
std::string oneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

} // namespace

std::string_view usageText() {
    return kUsage;
}

CommandLine parseCommandLine(std::span<const char* const> arguments) {
    CommandLine line;
    Options& o = line.options;
    CLI::App app;
    std::string method;
    std::string format = "csv";
    std::string language;
    std::string rules = "standard";
    app.add_option("method", method, "unified or aashto")
        ->required()
        ->check(CLI::IsMember({"unified", "aashto"}));
    app.add_option("file", o.input, "CSV input");
    app.add_option("--rules", rules, "standard or window")
        ->check(CLI::IsMember({"standard", "window"}));
    app.add_option("-o,--output", o.output, "output file");
    app.add_option("--format", format, "csv or json")->check(CLI::IsMember({"csv", "json"}));
    app.add_flag("--explain", o.explain, "add the decision path");
    app.add_option("--lang", language, "fa or en")->check(CLI::IsMember({"fa", "en"}));
    app.add_option("--chart", o.chart, "SVG chart of the samples")
        ->check([](const std::string& path) {
            return path.empty() ? std::string("needs a file name") : std::string();
        });
    app.set_version_flag("--version", std::string(), "the program's version");
    try {
        app.parse(static_cast<int>(arguments.size()), arguments.data());
    } catch (const CLI::CallForHelp&) {
        line.request = CommandLine::Request::Help;
        return line;
    } catch (const CLI::CallForVersion&) {
        line.request = CommandLine::Request::Version;
        return line;
    } catch (const CLI::ParseError& error) {
        line.problem = oneLine(error.what());
        return line;
    }
    o.method = method == "aashto" ? Method::Aashto : Method::Unified;
    o.format = format == "json" ? Format::JsonLines : Format::Csv;
    o.rules = rules == "window" ? Rules::Window : Rules::Standard;
    if (!language.empty()) {
        o.language = language == "fa" ? Language::Persian : Language::English;
    }
    line.request = CommandLine::Request::Run;
    return line;
}

Language languageOf(const Environment& environment) {
    for (const auto& variable : {environment.lcAll, environment.lcMessages, environment.lang}) {
        if (variable && !variable->empty()) {
            return variable->starts_with("fa") ? Language::Persian : Language::English;
        }
    }
    return Language::English;
}

} // namespace classifier::cli
