#pragma once

#include "run_ui.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quillbox::testing {

inline const std::string sevenZipProgram = "/usr/bin/7z";

// A fresh folder under the system's temporary folder, removed with all its
// contents when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // path() / relative, as a string.
    std::string operator/(const std::string& relative) const;

private:
    std::filesystem::path path_;
};

void writeFile(const std::filesystem::path& path, const std::string& contents);
std::string readFile(const std::filesystem::path& path);

// Runs a program with an argument vector in `workingDir`, its output
// discarded; returns its exit status (-1 when it could not start).
int runTool(const std::vector<std::string>& arguments, const std::filesystem::path& workingDir);

// `7z a [switches] archive -- members...` run in `workingDir`; fails the
// test on error.
void makeArchive(const std::filesystem::path& archive, const std::filesystem::path& workingDir,
                 const std::vector<std::string>& members,
                 const std::vector<std::string>& switches = {});

// Every regular file under `root`, as relative path -> contents.
std::vector<std::pair<std::string, std::string>> filesUnder(const std::filesystem::path& root);

// Changes the current directory for its lifetime.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::filesystem::path& path);
    ~CurrentDirectory();

private:
    std::filesystem::path previous_;
};

// A RunUi that records everything the run tells the user.
class RecordingUi : public RunUi {
public:
    struct Message {
        std::string text;
        MessageKind kind;
    };

    void showMessage(const std::string& text, MessageKind kind) override;
    void setProgressMaximum(int maximum) override;
    void incrementProgress() override;
    void setProgressValue(int value) override;
    void writeConsoleLine(const std::string& line, bool flush) override;

    std::vector<Message> messages;
    std::vector<std::string> consoleLines;
    int maximum = 100;
    int value = 0;
    int highestValue = 0;  // the value the bar reached before any reset
};

}  // namespace quillbox::testing
