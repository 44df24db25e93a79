#include "destinations.h"

#include "output.h"

#include <cerrno>
#include <sys/stat.h>

namespace classifier::cli {
namespace {

constexpr std::string_view kStandardOutput = "standard output";

std::optional<files::Identity> regularFileOf(int fd) {
    struct stat status {};
    if (fd < 0 || fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    return files::Identity{status.st_dev, status.st_ino, {}};
}

bool namesStandardOutput(const std::optional<std::string>& path) {
    return !path || *path == "-";
}

bool isCharacterDevice(int fd) {
    struct stat status {};
    return fd >= 0 && fstat(fd, &status) == 0 && S_ISCHR(status.st_mode);
}

} // namespace

Destination::Destination(std::string what, const std::optional<std::string>& path,
                         int standardOutput)
    : what_(std::move(what)), name_(namesStandardOutput(path) ? kStandardOutput : *path),
      standardOutput_(standardOutput) {
    if (namesStandardOutput(path)) {
        toStandardOutput_ = true;
        if (standardOutput < 0) {
            throw CommandError(systemProblem("cannot write", name_, EBADF));
        }
        regularFile_ = regularFileOf(standardOutput);
        return;
    }
    files::OutputFile::Options options;
    options.standardOutput = standardOutput;
    try {
        file_.emplace(*path, options);
    } catch (const files::Error& error) {
        throw CommandError(error.what());
    }
    using Kind = files::OutputFile::Kind;
    switch (file_->kind()) {
    case Kind::NewFile:
    case Kind::ReplacedFile:
    case Kind::RewrittenFile:
        regularFile_ = file_->identity();
        break;
    case Kind::StandardOutput:
        regularFile_ = regularFileOf(standardOutput);
        toStandardOutput_ = true;
        break;
    case Kind::Stream:
        break;
    }
}

void Destination::finish() {
    try {
        if (file_) {
            file_->finish();
        }
    } catch (const files::Error& error) {
        throw CommandError(error.what());
    }
}

void Destination::commit() {
    try {
        if (file_) {
            file_->commit();
        }
    } catch (const files::Error& error) {
        throw CommandError(error.what());
    }
}

Destinations::Destinations(const std::optional<files::Identity>& input,
                           const std::string& inputName,
                           const std::optional<std::string>& sheetPath,
                           const std::optional<std::string>& chartPath, int standardOutput)
    : sheet_("the classified sheet", sheetPath, standardOutput) {
    if (chartPath) {
        chart_.emplace("the chart", *chartPath, standardOutput);
    }
    for (const Destination* output : {&sheet_, chart()}) {
        if (output && output->regularFile() && output->regularFile() == input) {
            throw CommandError("cannot write " + output->name() + ": it is the input sheet" +
                               (inputName == output->name() ? "" : " (" + inputName + ")"));
        }
    }
    if (!chart_) {
        return;
    }
    if (sheet_.toStandardOutput() && chart_->toStandardOutput()) {
        if (!isCharacterDevice(standardOutput)) {
            throw CommandError("cannot write " + chart_->name() +
                               ": the classified sheet and the chart would both go to standard "
                               "output");
        }
    } else if (chart_->regularFile() && chart_->regularFile() == sheet_.regularFile()) {
        throw CommandError("cannot write " + chart_->name() +
                           ": the classified sheet and the chart would both go to it");
    }
}

void Destinations::commit() {
    for (Destination* output : {&sheet_, chart()}) {
        if (output) {
            output->finish();
        }
    }
    for (Destination* output : {&sheet_, chart()}) {
        if (output) {
            output->commit();
        }
    }
}

} // namespace classifier::cli
