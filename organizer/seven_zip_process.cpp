#include "seven_zip_process.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
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

// Reads what the child writes to standard error until it closes it,
// keeping the window alive in between.
std::string collectErrorOutput(int fd, const std::function<void()>& whileWaiting) {
    std::string text;
    char buffer[4096];
    for (;;) {
        pollfd request{fd, POLLIN, 0};
        const int ready = ::poll(&request, 1, pollMilliseconds);
        if (whileWaiting) whileWaiting();
        if (ready < 0 && errno != EINTR) break;
        if (ready <= 0) continue;
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        if (text.size() < maxKeptErrorText)
            text.append(buffer, std::min<std::size_t>(static_cast<std::size_t>(got),
                                                       maxKeptErrorText - text.size()));
    }
    return text;
}

int waitForExit(pid_t child, const std::function<void()>& whileWaiting) {
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child) return status;
        if (done < 0 && errno != EINTR) return -1;
        if (whileWaiting) whileWaiting();
        ::usleep(pollMilliseconds * 1000);
    }
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

    const std::string errors = withoutBlankLines(collectErrorOutput(errorPipe[0], whileWaiting));
    ::close(errorPipe[0]);
    const int status = waitForExit(child, whileWaiting);

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
