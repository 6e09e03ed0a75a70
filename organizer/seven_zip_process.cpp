#include "seven_zip_process.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <string_view>
#include <system_error>
#include <unistd.h>

extern char** environ;

namespace quillbox {

namespace {

constexpr std::size_t maxKeptErrorText = 16 * 1024;
constexpr int pollMilliseconds = 30;

// 7-Zip spaces its messages with blank lines; a message box needs none.
std::string withoutBlankLines(const std::string& text) {
    std::string result;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + start, end - start);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
        if (!line.empty()) {
            if (!result.empty()) result += '\n';
            result += line;
        }
        start = end + 1;
    }
    return result;
}

std::string errorText(int error) { return std::system_category().message(error); }

struct Finished {
    int status = -1;  // as waitpid gives it; -1 when it could not be observed
    std::string errorOutput;
};

void keep(std::string& text, const char* data, ssize_t size) {
    if (text.size() < maxKeptErrorText)
        text.append(data, std::min<std::size_t>(static_cast<std::size_t>(size),
                                                maxKeptErrorText - text.size()));
}

// Collects the child's standard error and waits for it to exit, keeping the
// window alive in between. The exit is watched through a process file
// descriptor, so a run of thousands of short extractions loses no time to
// pauses between looks.
Finished waitForChild(pid_t child, int errorFd, const std::function<void()>& whileWaiting) {
    Finished finished;
    const int processFd = static_cast<int>(::syscall(SYS_pidfd_open, child, 0));
    char buffer[4096];
    bool errorOpen = true;
    useconds_t pause = 100;  // without a process descriptor: look again soon, then less often
    for (;;) {
        pollfd watched[2] = {{errorOpen ? errorFd : -1, POLLIN, 0}, {processFd, POLLIN, 0}};
        const bool canBlock = errorOpen || processFd >= 0;
        const int ready = ::poll(watched, 2, canBlock ? pollMilliseconds : 0);
        if (whileWaiting) whileWaiting();
        if (ready < 0 && errno != EINTR) {
            ::waitpid(child, &finished.status, 0);
            break;
        }
        if (errorOpen && watched[0].revents != 0) {
            const ssize_t got = ::read(errorFd, buffer, sizeof buffer);
            if (got > 0) keep(finished.errorOutput, buffer, got);
            else if (got == 0 || errno != EINTR) errorOpen = false;
            continue;  // everything it wrote is read before it is reaped
        }
        const bool mayHaveExited = processFd >= 0 ? watched[1].revents != 0 : !errorOpen;
        if (!mayHaveExited) continue;
        int status = 0;
        const pid_t done = ::waitpid(child, &status, processFd >= 0 ? 0 : WNOHANG);
        if (done == child) {
            finished.status = status;
            break;
        }
        if (done < 0 && errno != EINTR) break;
        if (processFd < 0) {
            ::usleep(pause);
            pause = std::min<useconds_t>(pause * 2, pollMilliseconds * 1000);
        }
    }
    if (processFd >= 0) ::close(processFd);
    return finished;
}

}  // namespace

CommandResult runProgram(const std::vector<std::string>& arguments, const std::string& logFile,
                         const std::function<void()>& whileWaiting) {
    const int log = ::open(logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (log < 0)
        return CommandResult::failure("the log " + logFile + " cannot be written: " +
                                      errorText(errno));

    int errorPipe[2];
    if (::pipe2(errorPipe, O_CLOEXEC) != 0) {
        const int error = errno;
        ::close(log);
        return CommandResult::failure("7-Zip could not be started: " + errorText(error));
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, log, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errorPipe[1], STDERR_FILENO);

    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    pid_t child = -1;
    const int spawnError = ::posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(log);
    ::close(errorPipe[1]);

    if (spawnError != 0) {
        ::close(errorPipe[0]);
        return CommandResult::failure("7-Zip could not be started (" + arguments[0] +
                                      "): " + errorText(spawnError));
    }

    const Finished finished = waitForChild(child, errorPipe[0], whileWaiting);
    ::close(errorPipe[0]);
    const std::string errors = withoutBlankLines(finished.errorOutput);
    const int status = finished.status;

    if (status >= 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0) return CommandResult::success();
    if (!errors.empty()) return CommandResult::failure(errors);
    if (status >= 0 && WIFEXITED(status))
        return CommandResult::failure("7-Zip ended with status " +
                                      std::to_string(WEXITSTATUS(status)));
    if (status >= 0 && WIFSIGNALED(status))
        return CommandResult::failure("7-Zip was stopped by signal " +
                                      std::to_string(WTERMSIG(status)));
    return CommandResult::failure("7-Zip's end could not be observed");
}

}  // namespace quillbox
