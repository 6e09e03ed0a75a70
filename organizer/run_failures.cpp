#include "run_failures.h"

#include <utility>

namespace quillbox {

namespace {

std::string counted(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

void RunFailures::addFailedStep(std::string commandText, std::string reason) {
    steps_.push_back({std::move(commandText), std::move(reason)});
}

void RunFailures::addUnsortedInfoFile(std::string path, std::string reason) {
    unsorted_.push_back({std::move(path), std::move(reason)});
}

std::string RunFailures::summary(std::size_t listed) const {
    std::string text = "The gradebook was unpacked, but " +
                       counted(steps_.size(), "step failed", "steps failed") + " and " +
                       counted(unsorted_.size(), "information file was not sorted",
                               "information files were not sorted") +
                       ". Their files were left where they were.\n";
    std::size_t shown = 0;
    for (const FailedStep& step : steps_) {
        if (shown == listed) break;
        text += "\n" + step.commandText + "\n    failed: " + step.reason;
        ++shown;
    }
    for (const UnsortedInfoFile& file : unsorted_) {
        if (shown == listed) break;
        text += "\n" + file.path + "\n    not sorted: " + file.reason;
        ++shown;
    }
    const std::size_t total = steps_.size() + unsorted_.size();
    if (total > shown) text += "\nand " + std::to_string(total - shown) + " more";
    return text;
}

}  // namespace quillbox
