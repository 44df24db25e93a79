#include "command_line.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>

namespace classifier::cli {
namespace {

constexpr std::string_view kUsage =
    R"usage(Usage: soil-classify unified|aashto [options] [FILE]
Classify every sample of a lab sheet (CSV) by the Unified or the AASHTO system.

  FILE                CSV input; "-" or none: standard input
  --rules standard|window
                      standard (default): ASTM D2487 and AASHTO M 145; window: the
                      Soil Classifier window's own rules. The column "other_rules" gives
                      the other rule set's answer where it differs
  -o, --output F      write to F, once complete, instead of standard output
  --format csv|json   csv (default) or JSON Lines, one object per input row
  --explain           add the column "explanation": the decision path of the chosen rules,
                      steps joined by " | "
  --lang fa|en        language of names, materials, notes and explanations;
                      default fa when LC_ALL, LC_MESSAGES or LANG (first set) starts with "fa",
                      else en
  --column ROLE=HEADER
                      the column that holds ROLE (p200, p4, p40, p10, ll, pl, pi, cc, cu,
                      d10, d30, d60, id, ...); repeatable. Otherwise columns are found by
                      their headers as labs write them: "F200", "LL (%)", «حد روانی»
  --chart F.svg       also draw every classified sample on the chart, as SVG; "-": standard
                      output
  --label COLUMN      label the chart's points by this column (default: the sheet's id
                      column, such as "id", "sample" or «نمونه»; else their symbol or group)
  --delimiter D       write with D: "," ";" or "tab" (default: the input's own)
  --decimal S         write the numbers the command writes with "." or "," (default: the
                      sign the input's numbers use)
  -q, --quiet         no summary of the run on standard error
  -h, --help          this usage
  --version           the program's version

Columns read: unified p200, p4, ll, pi, pl, cc, cu, d10, d30, d60, ll_oven_dried, organic;
aashto p200, p40, p10, ll, pi, pl. "NP" in ll, pi or pl: non-plastic.
Exit status: 0 every row classified, 1 a row has an error, 2 the command could not run.
)usage";

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
            if (path.empty()) {
                return std::string("needs a file name");
            }
            std::string suffix = path.size() >= 4 ? path.substr(path.size() - 4) : "";
            std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                           [](unsigned char c) { return char(std::tolower(c)); });
            return path == "-" || suffix == ".svg"
                       ? std::string()
                       : "the chart is written as SVG; give it a name ending in .svg";
        });
    app.add_option("--label", o.label, "the column that labels the chart's points");
    std::string delimiter;
    app.add_option("--delimiter", delimiter, "the output's delimiter")
        ->check(CLI::IsMember({",", ";", "tab"}));
    std::string decimal;
    app.add_option("--decimal", decimal, "the output's decimal sign")
        ->check(CLI::IsMember({".", ","}));
    app.add_flag("-q,--quiet", o.quiet, "no summary on standard error");
    std::vector<std::string> columns;
    app.add_option("--column", columns, "ROLE=HEADER: the column that holds a role")
        ->check([](const std::string& choice) {
            const auto equals = choice.find('=');
            if (equals == std::string::npos || equals + 1 == choice.size()) {
                return std::string("takes ROLE=HEADER, such as p200=\"Fines %\"");
            }
            return sheet::roleNamed(choice.substr(0, equals))
                       ? std::string()
                       : "no role \"" + choice.substr(0, equals) +
                             "\"; the roles are id, p200, p4, p40, p10, ll, pl, pi, cc, cu, d10, "
                             "d30, d60, ll_oven_dried, organic";
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
    for (const std::string& choice : columns) {
        const auto equals = choice.find('=');
        o.columns.push_back(
            {*sheet::roleNamed(choice.substr(0, equals)), choice.substr(equals + 1)});
    }
    o.format = format == "json" ? Format::JsonLines : Format::Csv;
    if (!delimiter.empty()) {
        o.delimiter = delimiter == "tab" ? '\t' : delimiter.front();
    }
    if (!decimal.empty()) {
        o.decimalSign = decimal;
    }
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
