#include "command_runner.h"

#include "file_operations.h"
#include "paths.h"
#include "seven_zip_process.h"

#include <utility>

namespace quillbox {

namespace {

// C1 and C3 copy into their folder under the file's own name.
std::string targetInFolder(const Command& copy) {
    std::string folder = copy.target();
    if (!folder.empty() && folder.back() == pathSeparator) folder.pop_back();
    return folder + pathSeparator + std::string(fileNameOf(copy.source()));
}

std::string folderOf(const Command& copy) {
    std::string folder = copy.target();
    if (!folder.empty() && folder.back() == pathSeparator) folder.pop_back();
    return folder;
}

CommandResult copyIntoFolder(const Command& copy) {
    if (!fileops::isRealFolder(folderOf(copy)))
        return CommandResult::failure("the folder " + folderOf(copy) + " does not exist");
    return fileops::copyFileNoReplace(copy.source(), targetInFolder(copy), false);
}

}  // namespace

DirectCommandRunner::DirectCommandRunner(std::filesystem::path logFile)
    : logFile_(std::move(logFile)) {}

void DirectCommandRunner::setWhileWaiting(std::function<void()> whileWaiting) {
    whileWaiting_ = std::move(whileWaiting);
}

std::string DirectCommandRunner::extractionLogPath() const {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(logFile_, error);
    return (error ? logFile_ : absolute).string();
}

CommandResult DirectCommandRunner::run(const Command& command) {
    switch (command.kind()) {
        case CommandKind::ExtractGradebook:
        case CommandKind::ExtractStudentArchive: return extract(command);
        case CommandKind::Delete: return fileops::removeFile(command.source());
        case CommandKind::MakeFolder: return fileops::makeFolder(command.target());
        case CommandKind::CopyInfoFile:
        case CommandKind::CopyRemainingFile: return copyIntoFolder(command);
        case CommandKind::CopyRubric:
            return fileops::copyFileNoReplace(command.source(), command.target(), true);
    }
    return CommandResult::failure("unknown command");
}

MoveResult DirectCommandRunner::move(const Command& copy, const Command& removal) {
    const bool isMove = (copy.kind() == CommandKind::CopyInfoFile ||
                         copy.kind() == CommandKind::CopyRemainingFile) &&
                        removal.kind() == CommandKind::Delete && removal.source() == copy.source();
    if (!isMove) return {CommandResult::failure("not a copy and delete of one file"), std::nullopt};
    if (!fileops::isRealFolder(folderOf(copy)))
        return {CommandResult::failure("the folder " + folderOf(copy) + " does not exist"),
                std::nullopt};
    return fileops::moveFileNoReplace(copy.source(), targetInFolder(copy));
}

CommandResult DirectCommandRunner::extract(const Command& command) {
    // 7-Zip reads these as wildcards even without a shell: an archive
    // a*b.zip would also unpack ab.zip, an output folder Y*/ becomes Yab/.
    if (command.source().find_first_of("*?") != std::string::npos)
        return CommandResult::failure(
            "not run: 7-Zip would take the \"*\" or \"?\" in the archive's name as a wildcard");
    if (command.target().find('*') != std::string::npos)
        return CommandResult::failure(
            "not run: 7-Zip would take the \"*\" in the output folder's name as a wildcard");

    // -aou: a member whose name is taken comes in as "name_1.ext" beside
    // the file already there. With -y alone 7-Zip would replace it: the
    // information file just moved in, the rubric copy, or, on a second run
    // into the same folder, the files a teacher has marked up.
    return runProgram({command.program(), "x", "-o" + command.target(), "-y", "-aou", "--",
                       command.source()},
                      logFile_.string(), whileWaiting_);
}

}  // namespace quillbox
