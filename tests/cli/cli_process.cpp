#include "cli_process.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <pty.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace quillbox::testing {

namespace {

// Reads both descriptors until each reports its end (a pty reports EIO
// once the child's side is closed).
void drain(int outFd, int errFd, std::string& out, std::string& err) {
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    std::string* sinks[2] = {&out, &err};
    int open = (outFd >= 0) + (errFd >= 0);
    char buffer[4096];
    while (open > 0) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) {
                fds[i].fd = -1;
                --open;
                continue;
            }
            sinks[i]->append(buffer, static_cast<std::size_t>(got));
        }
    }
}

}  // namespace

CliRun runCli(const std::vector<std::string>& arguments, const std::filesystem::path& workingDir,
              StandardError errTo, StandardOutput outTo) {
    int outPipe[2];
    int errRead = -1, errWrite = -1;
    if (::pipe2(outPipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    if (errTo == StandardError::Terminal) {
        if (::openpty(&errRead, &errWrite, nullptr, nullptr, nullptr) != 0)
            throw std::runtime_error("openpty failed");
        ::fcntl(errRead, F_SETFD, FD_CLOEXEC);
        ::fcntl(errWrite, F_SETFD, FD_CLOEXEC);
    } else {
        int errPipe[2];
        if (::pipe2(errPipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
        errRead = errPipe[0];
        errWrite = errPipe[1];
    }
    if (outTo == StandardOutput::ClosedPipe) {
        ::close(outPipe[0]);
        outPipe[0] = -1;
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, workingDir.c_str());
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errWrite, STDERR_FILENO);

    std::vector<std::string> all{QUILLBOX_CLI_PATH};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : all) argv.push_back(argument.data());
    argv.push_back(nullptr);

    pid_t child = -1;
    const int spawned = ::posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(outPipe[1]);
    ::close(errWrite);

    CliRun run;
    if (spawned == 0) drain(outPipe[0], errRead, run.out, run.err);
    if (outPipe[0] >= 0) ::close(outPipe[0]);
    ::close(errRead);
    if (spawned != 0) throw std::runtime_error("quillbox-cli could not be started");

    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status)) run.exitStatus = WEXITSTATUS(status);
    return run;
}

void makeSampleGradebook(const std::vector<std::string>& arguments) {
    std::vector<std::string> all{SAMPLE_GRADEBOOK_SCRIPT};
    all.insert(all.end(), arguments.begin(), arguments.end());
    ASSERT_EQ(runTool(all, std::filesystem::temp_directory_path()), 0)
        << "make-sample-gradebook failed";
}

std::vector<ManifestEntry> readSampleManifest(const std::filesystem::path& manifest) {
    std::vector<ManifestEntry> entries;
    std::ifstream lines(manifest);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t folderStart = line.find('\t') + 1;
        const std::size_t pathStart = line.find('\t', folderStart) + 1;
        entries.push_back({line.substr(0, folderStart - 1),
                           line.substr(folderStart, pathStart - 1 - folderStart),
                           line.substr(pathStart)});
    }
    return entries;
}

}  // namespace quillbox::testing
