#pragma once

#include <string>

namespace quillbox {

// The 7-Zip program as the commands use it: `program` is what is started,
// `shownText` what the command texts show (the path after the quoting fix).
struct SevenZip {
    std::string program;
    std::string shownText;

    // Applies the quoting fix to the shown text: its first
    // "Program Files (x86)" goes between double quotes.
    static SevenZip fromProgramPath(std::string program);
};

enum class CommandKind {
    ExtractGradebook,       // E1
    ExtractStudentArchive,  // E2
    Delete,                 // D
    MakeFolder,             // M
    CopyInfoFile,           // C1
    CopyRubric,             // C2
    CopyRemainingFile,      // C3
};

// One change to the file system, as a value: what it does and its operands.
// Nothing is ever handed to a shell; text() is what the user is shown.
class Command {
public:
    static Command extractGradebook(const SevenZip& sevenZip, std::string gradebook,
                                    std::string outputDir);
    static Command extractStudentArchive(const SevenZip& sevenZip, std::string archive,
                                         std::string outputDir, std::string name);
    static Command remove(std::string path);
    static Command makeFolder(std::string outputDir, std::string name);
    static Command copyInfoFile(std::string infoFile, std::string outputDir, std::string name);
    static Command copyRubric(std::string rubric, std::string outputDir, std::string name,
                              std::string extension);
    static Command copyRemainingFile(std::string file, std::string outputDir, std::string name);

    CommandKind kind() const { return kind_; }

    // The command line exactly as the user is shown it.
    std::string text() const;

    // The file the command reads or removes: the archive, the file copied,
    // the path deleted. Empty for MakeFolder.
    const std::string& source() const { return source_; }

    // Where the command writes: the output folder of an extraction as its
    // text has it (E1 ends it with the separator, E2 does not), the folder
    // made, the folder copied into (C1, C3), or the exact target of C2.
    // Empty for Delete.
    std::string target() const;

    // The 7-Zip program to start (extractions only).
    const std::string& program() const { return sevenZip_.program; }

private:
    Command(CommandKind kind, std::string source, std::string outputDir, std::string name);

    CommandKind kind_;
    SevenZip sevenZip_;
    std::string source_;
    std::string outputDir_;
    std::string name_;
    std::string extension_;
};

}  // namespace quillbox
