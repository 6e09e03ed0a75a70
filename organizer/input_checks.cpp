#include "input_checks.h"

#include "paths.h"

namespace quillbox {

std::optional<std::string> firstFailedInputCheck(const RunInputs& inputs) {
    if (!pathExists(inputs.sevenZipCommand))
        return "you need to have 7-zip installed to the location selected: " +
               inputs.sevenZipCommand;
    if (!inputs.rubric.empty() && !pathExists(inputs.rubric))
        return "rubric file specified not found... :" + inputs.rubric;
    if (!pathExists(inputs.outputDir))
        return "output directory specified not found... :" + inputs.outputDir;
    if (!pathExists(inputs.gradebook))
        return "gradebook file specified not found...: " + inputs.gradebook;
    return std::nullopt;
}

}  // namespace quillbox
