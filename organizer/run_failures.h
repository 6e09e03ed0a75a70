#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quillbox {

struct FailedStep {
    std::string commandText;
    std::string reason;
};

struct UnsortedInfoFile {
    std::string path;
    std::string reason;
};

// Everything that went wrong in one run, so the run can end with one
// message that says so instead of reporting success.
class RunFailures {
public:
    void addFailedStep(std::string commandText, std::string reason);
    void addUnsortedInfoFile(std::string path, std::string reason);

    bool empty() const { return steps_.empty() && unsorted_.empty(); }
    const std::vector<FailedStep>& failedSteps() const { return steps_; }
    const std::vector<UnsortedInfoFile>& unsortedInfoFiles() const { return unsorted_; }

    // Counts, then the first `listed` failures of both kinds, then
    // "and N more".
    std::string summary(std::size_t listed = 10) const;

private:
    std::vector<FailedStep> steps_;
    std::vector<UnsortedInfoFile> unsorted_;
};

}  // namespace quillbox
