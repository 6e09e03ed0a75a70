#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace quillbox::testing {

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "quillbox-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code error;
    // Tests may leave read-only folders behind; make them writable first.
    for (auto it = fs::recursive_directory_iterator(path_, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (it->is_directory(error) && !it->is_symlink(error))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
    }
    fs::remove_all(path_, error);
}

std::string TempDir::operator/(const std::string& relative) const {
    return (path_ / relative).string();
}

void writeFile(const fs::path& path, const std::string& contents) {
    std::ofstream out(path, std::ios::binary);
    out << contents;
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

int runTool(const std::vector<std::string>& arguments, const fs::path& workingDir) {
    const pid_t child = ::fork();
    if (child < 0) return -1;
    if (child == 0) {
        if (::chdir(workingDir.c_str()) != 0) ::_exit(127);
        const int devNull = ::open("/dev/null", O_RDWR);
        ::dup2(devNull, STDIN_FILENO);
        ::dup2(devNull, STDOUT_FILENO);
        ::dup2(devNull, STDERR_FILENO);
        std::vector<char*> argv;
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void makeArchive(const fs::path& archive, const fs::path& workingDir,
                 const std::vector<std::string>& members, const std::vector<std::string>& switches) {
    std::vector<std::string> arguments{sevenZipProgram, "a", "-bd"};
    arguments.insert(arguments.end(), switches.begin(), switches.end());
    arguments.push_back(archive.string());
    arguments.push_back("--");
    arguments.insert(arguments.end(), members.begin(), members.end());
    ASSERT_EQ(runTool(arguments, workingDir), 0) << "7z a " << archive;
}

std::vector<std::pair<std::string, std::string>> filesUnder(const fs::path& root) {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file() && !entry.is_symlink())
            files.emplace_back(fs::relative(entry.path(), root).string(), readFile(entry.path()));
    }
    std::sort(files.begin(), files.end());
    return files;
}

CurrentDirectory::CurrentDirectory(const fs::path& path) : previous_(fs::current_path()) {
    fs::current_path(path);
}

CurrentDirectory::~CurrentDirectory() {
    std::error_code error;
    fs::current_path(previous_, error);
}

void RecordingUi::showMessage(const std::string& text, MessageKind kind) {
    messages.push_back({text, kind});
}

void RecordingUi::setProgressMaximum(int newMaximum) { maximum = newMaximum; }

void RecordingUi::incrementProgress() {
    value = std::min(value + 1, maximum);
    highestValue = std::max(highestValue, value);
}

void RecordingUi::setProgressValue(int newValue) { value = newValue; }

void RecordingUi::writeConsoleLine(const std::string& line, bool) { consoleLines.push_back(line); }

}  // namespace quillbox::testing
