#pragma once

#include "files/output_file.h"

#include <optional>
#include <string>
#include <string_view>

namespace classifier::cli {

// Where one output of the command goes: standard output ("-", or no path) or a file.
class Destination {
public:
    // `what` names the output in messages ("the classified sheet", "the chart");
    // `standardOutput` is -1 when it was closed.
    Destination(std::string what, const std::optional<std::string>& path, int standardOutput);

    const std::string& what() const { return what_; }
    // "standard output" or the path.
    const std::string& name() const { return name_; }
    int fd() const { return file_ ? file_->fd() : standardOutput_; }
    // The regular file it writes (or will make), if it writes one.
    const std::optional<files::Identity>& regularFile() const { return regularFile_; }
    // Writes to standard output, named by "-" or by a path.
    bool toStandardOutput() const { return toStandardOutput_; }

    void finish();
    void commit();

private:
    std::string what_;
    std::string name_;
    int standardOutput_;
    std::optional<files::OutputFile> file_;
    std::optional<files::Identity> regularFile_;
    bool toStandardOutput_ = false;
};

// The outputs of one run, opened and checked before anything is read: none of them may be the
// input sheet or another of them (the same file by device and inode), and they may not both go
// to standard output, unless it is a character device such as /dev/null or a terminal. Committed
// together once every one is complete.
class Destinations {
public:
    // `input` is the input sheet's regular file, if it is one; `inputName` names it.
    Destinations(const std::optional<files::Identity>& input, const std::string& inputName,
                 const std::optional<std::string>& sheetPath,
                 const std::optional<std::string>& chartPath, int standardOutput);

    Destination& sheet() { return sheet_; }
    // Null when no chart was asked for.
    Destination* chart() { return chart_ ? &*chart_ : nullptr; }

    // Writes every file out and then puts each in its place; a CommandError when one fails.
    void commit();

private:
    Destination sheet_;
    std::optional<Destination> chart_;
};

} // namespace classifier::cli
