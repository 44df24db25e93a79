#pragma once

#include "core/language.h"
#include "core/method.h"
#include "core/rules.h"
#include "sheet/columns.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace classifier::cli {

enum class Format { Csv, JsonLines };

struct Options {
    Method method = Method::Unified;
    // A report needs the standard's answer; the window's rules are there to compare with.
    Rules rules = Rules::Standard;
    std::string input = "-"; // "-": standard input
    std::optional<std::string> output;
    Format format = Format::Csv;
    bool explain = false;
    std::optional<Language> language; // unset: from the environment
    std::optional<std::string> chart;
    std::vector<sheet::ColumnChoice> columns; // the user's --column choices
    std::optional<std::string> label;         // the column that labels the chart's points
    std::optional<char> delimiter;            // of the output; unset: the input's
    std::optional<std::string> decimalSign;   // of the numbers written; unset: the input's
    bool quiet = false;                       // no summary on standard error
};

// What the command line asks for: a run, the usage, the version, or nothing it can do.
struct CommandLine {
    enum class Request { Run, Help, Version, Invalid };
    Request request = Request::Invalid;
    Options options;
    std::string problem; // one line, for Invalid
};

CommandLine parseCommandLine(std::span<const char* const> arguments);

std::string_view usageText();

// The locale variables that choose the language when --lang does not.
struct Environment {
    std::optional<std::string> lcAll;
    std::optional<std::string> lcMessages;
    std::optional<std::string> lang;
};

// Persian when the first of LC_ALL, LC_MESSAGES and LANG that is set starts with "fa".
Language languageOf(const Environment& environment);

} // namespace classifier::cli
