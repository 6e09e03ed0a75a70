#pragma once

#include <optional>
#include <string>

namespace quillbox {

// The run's four inputs, as byte strings. `sevenZipCommand` is the 7-Zip
// folder with the program's name already appended.
struct RunInputs {
    std::string sevenZipCommand;
    std::string gradebook;
    std::string rubric;  // empty: no rubric
    std::string outputDir;
};

// Checks, in this order, that the 7-Zip program, the rubric (when one is
// given), the output directory and the gradebook exist, and returns the
// message of the first that does not. Only existence is tested.
std::optional<std::string> firstFailedInputCheck(const RunInputs& inputs);

}  // namespace quillbox
