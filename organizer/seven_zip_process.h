#pragma once

#include "command_runner.h"

#include <functional>
#include <string>
#include <vector>

namespace quillbox {

// Starts `arguments[0]` with exactly these arguments (no shell), its
// standard input on /dev/null, its standard output into `logFile`
// (replaced) and its standard error kept for the failure message. Waits for
// it to end, calling `whileWaiting` every few dozen milliseconds. Succeeds
// when the program started and exited with status 0.
CommandResult runProgram(const std::vector<std::string>& arguments, const std::string& logFile,
                         const std::function<void()>& whileWaiting);

}  // namespace quillbox
