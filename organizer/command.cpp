#include "command.h"

#include "paths.h"
#include "text_edit.h"

#include <utility>

namespace quillbox {

namespace {

std::string quoted(const std::string& text) { return '"' + text + '"'; }

}  // namespace

SevenZip SevenZip::fromProgramPath(std::string program) {
    std::string shown = program;
    replaceFirstOccurrence(shown, "Program Files (x86)", "\"Program Files (x86)\"");
    return SevenZip{std::move(program), std::move(shown)};
}

Command::Command(CommandKind kind, std::string source, std::string outputDir, std::string name)
    : kind_(kind),
      source_(std::move(source)),
      outputDir_(std::move(outputDir)),
      name_(std::move(name)) {}

Command Command::extractGradebook(const SevenZip& sevenZip, std::string gradebook,
                                  std::string outputDir) {
    Command command(CommandKind::ExtractGradebook, std::move(gradebook), std::move(outputDir), {});
    command.sevenZip_ = sevenZip;
    return command;
}

Command Command::extractStudentArchive(const SevenZip& sevenZip, std::string archive,
                                       std::string outputDir, std::string name) {
    Command command(CommandKind::ExtractStudentArchive, std::move(archive), std::move(outputDir),
                    std::move(name));
    command.sevenZip_ = sevenZip;
    return command;
}

Command Command::remove(std::string path) {
    return Command(CommandKind::Delete, std::move(path), {}, {});
}

Command Command::makeFolder(std::string outputDir, std::string name) {
    return Command(CommandKind::MakeFolder, {}, std::move(outputDir), std::move(name));
}

Command Command::copyInfoFile(std::string infoFile, std::string outputDir, std::string name) {
    return Command(CommandKind::CopyInfoFile, std::move(infoFile), std::move(outputDir),
                   std::move(name));
}

Command Command::copyRubric(std::string rubric, std::string outputDir, std::string name,
                            std::string extension) {
    Command command(CommandKind::CopyRubric, std::move(rubric), std::move(outputDir),
                    std::move(name));
    command.extension_ = std::move(extension);
    return command;
}

Command Command::copyRemainingFile(std::string file, std::string outputDir, std::string name) {
    return Command(CommandKind::CopyRemainingFile, std::move(file), std::move(outputDir),
                   std::move(name));
}

std::string Command::target() const {
    const std::string studentFolder = outputDir_ + pathSeparator + name_;
    switch (kind_) {
        case CommandKind::ExtractGradebook: return outputDir_ + pathSeparator;
        case CommandKind::ExtractStudentArchive:
        case CommandKind::MakeFolder:
        case CommandKind::CopyInfoFile: return studentFolder;
        case CommandKind::CopyRubric:
            return studentFolder + pathSeparator + name_ + "_rubric" + extension_;
        case CommandKind::CopyRemainingFile: return studentFolder + pathSeparator;
        case CommandKind::Delete: break;
    }
    return {};
}

std::string Command::text() const {
    switch (kind_) {
        case CommandKind::ExtractGradebook:
        case CommandKind::ExtractStudentArchive:
            return sevenZip_.shownText + " x " + quoted(source_) + " -o" + quoted(target()) +
                   " -y > extraction1.log";
        case CommandKind::Delete: return "del " + quoted(source_);
        case CommandKind::MakeFolder: return "mkdir " + quoted(target());
        case CommandKind::CopyInfoFile:
        case CommandKind::CopyRubric:
        case CommandKind::CopyRemainingFile:
            return "copy " + quoted(source_) + " " + quoted(target());
    }
    return {};
}

}  // namespace quillbox
