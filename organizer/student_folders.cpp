#include "student_folders.h"

#include "code_ownership.h"
#include "info_file.h"
#include "paths.h"

#include <limits>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace quillbox {

namespace {

bool isControlByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

// A listing that failed shows in the final message as a step of its own.
void recordListingFailure(RunFailures& failures, const std::string& directory,
                          const std::string& reason) {
    failures.addFailedStep("list \"" + directory + "\"", reason);
}

int progressMaximumFor(std::size_t studentCount) {
    constexpr auto largest = static_cast<std::size_t>(std::numeric_limits<int>::max());
    return static_cast<int>(studentCount > largest / 5 ? largest : 5 * studentCount);
}

class StudentSorting {
public:
    StudentSorting(const SortingInputs& inputs, PathTables tables, CommandRunner& runner,
                   RunUi& ui, RunFailures& failures)
        : inputs_(inputs),
          tables_(std::move(tables)),
          runner_(runner),
          ui_(ui),
          failures_(failures),
          ownership_(tables_.userCodes),
          folders_(assignStudentFolders(tables_.studentNames, tables_.userCodes)),
          folderReady_(tables_.studentCount(), false) {}

    // Phase 4: each student's folder, information file and rubric copy.
    void sortInformationFiles() {
        const std::string rubricExtension(extensionOf(fileNameOf(inputs_.rubric)));
        // Two attempts of one student share a folder and one rubric copy.
        std::unordered_set<std::string> foldersWithRubric;

        ui_.setProgressMaximum(progressMaximumFor(tables_.studentCount()));
        for (std::size_t i = 0; i < tables_.studentCount(); ++i) {
            const std::string& folder = folders_[i].name;
            if (folder.empty()) {
                failures_.addUnsortedInfoFile(tables_.txtFiles[i], folders_[i].whyUnsorted);
            } else if (runStep(Command::makeFolder(inputs_.outputDir, folder))) {
                folderReady_[i] = true;
                moveStep(Command::copyInfoFile(tables_.txtFiles[i], inputs_.outputDir, folder),
                         Command::remove(tables_.txtFiles[i]));
                ui_.incrementProgress();
                ui_.incrementProgress();
                if (!inputs_.rubric.empty()) {
                    if (foldersWithRubric.insert(folder).second) {
                        runStep(Command::copyRubric(inputs_.rubric, inputs_.outputDir, folder,
                                                    rubricExtension));
                    }
                    ui_.incrementProgress();
                }
            }
            ui_.reportStage(stageInformationFiles, static_cast<int>(i + 1), studentTotal());
        }
        ui_.writeConsoleLine("Finished finding all user Codes", true);
    }

    // Phase 5: the first archive each student's code claims, unpacked into
    // the student's folder and then deleted.
    void unpackArchives() {
        const ClaimedTable archives(tables_.zipFiles, ownership_);
        std::vector<bool> handled(tables_.zipCount(), false);
        for (std::size_t k = 0; k < tables_.studentCount(); ++k) {
            const std::ptrdiff_t j =
                folderReady_[k] ? findIndex(archives, tables_.userCodes[k]) : -1;
            if (j >= 0 && !handled[static_cast<std::size_t>(j)]) {
                handled[static_cast<std::size_t>(j)] = true;
                const std::string& archive = tables_.zipFiles[static_cast<std::size_t>(j)];
                const bool unpacked = runStep(Command::extractStudentArchive(
                    inputs_.sevenZip, archive, inputs_.outputDir, folders_[k].name));
                ui_.incrementProgress();
                // Only what was safely unpacked may go.
                if (unpacked) runStep(Command::remove(archive));
                ui_.incrementProgress();
            }
            ui_.reportStage(stageArchives, static_cast<int>(k + 1), studentTotal());
        }
    }

    // Phase 6: every remaining file a student's code claims, moved into the
    // student's folder after its copy command has been shown. One listing
    // serves all students; each entry goes to its owner, and the moves run
    // student by student, entries in byte order, as a listing per student
    // would have them.
    void moveRemainingFiles() {
        const DirectoryListing listing = listDirectory(inputs_.outputDir);
        if (!listing.error.empty())
            recordListingFailure(failures_, inputs_.outputDir, listing.error);

        std::vector<std::vector<const DirectoryEntry*>> filesOfStudent(tables_.studentCount());
        for (const DirectoryEntry& entry : listing.entries) {
            // The code that claims an entry is the one isRemainingFile would
            // accept for it; asking once is enough.
            if (!canBeRemainingFile(entry)) continue;
            const auto owner = ownership_.ownerCode(entry.name);
            if (!owner) continue;
            for (const std::size_t student : ownership_.studentsWithCode(*owner)) {
                if (folderReady_[student]) {
                    filesOfStudent[student].push_back(&entry);
                    break;
                }
            }
        }

        for (std::size_t m = 0; m < tables_.studentCount(); ++m) {
            const std::string& folder = folders_[m].name;
            for (const DirectoryEntry* entry : filesOfStudent[m]) {
                if (!runStep(Command::makeFolder(inputs_.outputDir, folder))) continue;
                const Command copy =
                    Command::copyRemainingFile(entry->fullPath, inputs_.outputDir, folder);
                ui_.showMessage(copy.text(), MessageKind::CopyCommand);
                moveStep(copy, Command::remove(entry->fullPath));
            }
            ui_.reportStage(stageRemainingFiles, static_cast<int>(m + 1), studentTotal());
        }
    }

private:
    int studentTotal() const { return static_cast<int>(tables_.studentCount()); }

    bool runStep(const Command& command) {
        const CommandResult result = runner_.run(command);
        // A rubric copy that is already there is the student's copy, perhaps
        // already filled in.
        if (result.succeeded ||
            (command.kind() == CommandKind::CopyRubric && result.targetExisted))
            return true;
        failures_.addFailedStep(command.text(), result.reason);
        return false;
    }

    void moveStep(const Command& copy, const Command& removal) {
        const MoveResult result = runner_.move(copy, removal);
        if (!result.copy.succeeded) failures_.addFailedStep(copy.text(), result.copy.reason);
        if (result.removal && !result.removal->succeeded)
            failures_.addFailedStep(removal.text(), result.removal->reason);
    }

    const SortingInputs& inputs_;
    const PathTables tables_;
    CommandRunner& runner_;
    RunUi& ui_;
    RunFailures& failures_;
    const CodeOwnership ownership_;
    const std::vector<StudentFolder> folders_;
    std::vector<bool> folderReady_;  // made in phase 4: the student takes part from then on
};

}  // namespace

PathTables scanOutputDirectory(const std::vector<DirectoryEntry>& entries, RunFailures& failures) {
    PathTables tables;
    tables.zipFiles = scanArchives(entries);

    for (std::string& candidate : scanInfoFileCandidates(entries)) {
        InfoFileRead read = readInfoFile(candidate);
        if (read.status == InfoFileStatus::CannotOpen) {
            failures.addUnsortedInfoFile(candidate, read.reason);
            continue;
        }
        InfoFirstLine& line = read.firstLine;
        const bool isInfoFile = read.status == InfoFileStatus::Read && line.codeClosed &&
                                containsCodeAsWord(fileNameOf(candidate), line.code);
        if (!isInfoFile) continue;  // a student's own .txt: not ours to move
        tables.txtFiles.push_back(std::move(candidate));
        tables.studentNames.push_back(std::move(line.name));
        tables.userCodes.push_back(std::move(line.code));
    }
    return tables;
}

std::optional<std::string> folderNameFor(std::string_view studentName) {
    std::string folder(studentName);
    for (char& c : folder)
        if (c == '/' || c == '\\' || isControlByte(c)) c = '_';
    if (folder.empty() || folder == "." || folder == "..") return std::nullopt;
    return folder;
}

std::vector<StudentFolder> assignStudentFolders(const std::vector<std::string>& studentNames,
                                                const std::vector<std::string>& userCodes) {
    std::vector<StudentFolder> folders;
    folders.reserve(studentNames.size());
    std::unordered_map<std::string, std::string> codeOfFolder;
    for (std::size_t i = 0; i < studentNames.size(); ++i) {
        const std::string& code = userCodes[i];
        const auto name = folderNameFor(studentNames[i]);
        if (!name) {
            folders.push_back({{}, "its first line gives no name that can be a folder name"});
            continue;
        }
        // NAME, else "NAME (CODE)"; either may already be this code's own.
        const std::string withCode = folderNameFor(*name + " (" + code + ")").value();
        StudentFolder folder;
        for (const std::string& choice : {*name, withCode}) {
            const auto [it, inserted] = codeOfFolder.try_emplace(choice, code);
            if (inserted || it->second == code) {
                folder.name = choice;
                break;
            }
        }
        if (folder.name.empty())
            folder.whyUnsorted = "the folders \"" + *name + "\" and \"" + withCode +
                                 "\" already belong to other students";
        folders.push_back(std::move(folder));
    }
    return folders;
}

void sortIntoStudentFolders(const SortingInputs& inputs, CommandRunner& runner, RunUi& ui,
                            RunFailures& failures) {
    const DirectoryListing listing = listDirectory(inputs.outputDir);
    if (!listing.error.empty()) recordListingFailure(failures, inputs.outputDir, listing.error);

    StudentSorting sorting(inputs, scanOutputDirectory(listing.entries, failures), runner, ui,
                           failures);
    sorting.sortInformationFiles();
    sorting.unpackArchives();
    sorting.moveRemainingFiles();
}

}  // namespace quillbox
