#include "file_operations.h"

#include "file_descriptor.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace quillbox::fileops {

namespace {

std::string describe(int error) {
    switch (error) {
        case EEXIST: return "a file of that name is already there";
        case ENOENT: return "no such file or folder";
        case ENOTDIR: return "a part of the path is not a folder";
        default: return std::system_category().message(error);
    }
}

CommandResult failureFromErrno(int error) {
    return CommandResult::failure(describe(error), error == EEXIST);
}

bool isRegularFile(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Copies the contents from one open file to another; 0 or an errno value.
int copyContents(int from, int to) {
    for (;;) {
        const ssize_t copied = ::copy_file_range(from, nullptr, to, nullptr, 1 << 30, 0);
        if (copied == 0) return 0;
        if (copied > 0) continue;
        if (errno == EINTR) continue;
        if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
            return errno;
        break;  // not supported between these files: copy by hand
    }
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got == 0) return 0;
        if (got < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        for (ssize_t written = 0; written < got;) {
            const ssize_t put = ::write(to, buffer + written, static_cast<size_t>(got - written));
            if (put < 0) {
                if (errno == EINTR) continue;
                return errno;
            }
            written += put;
        }
    }
}

}  // namespace

bool isRealFolder(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

CommandResult makeFolder(const std::string& folder) {
    if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) return failureFromErrno(errno);
    if (!isRealFolder(folder))
        return CommandResult::failure("something other than a folder is already there");
    return CommandResult::success();
}

CommandResult copyFileNoReplace(const std::string& source, const std::string& target,
                                bool followSourceLink) {
    const int sourceFlags = O_RDONLY | O_CLOEXEC | (followSourceLink ? 0 : O_NOFOLLOW);
    FileDescriptor from(::open(source.c_str(), sourceFlags));
    if (from.get() < 0) {
        return CommandResult::failure(errno == ELOOP ? "it is a link, not a file"
                                                     : describe(errno));
    }
    struct stat info {};
    if (::fstat(from.get(), &info) != 0) return failureFromErrno(errno);
    if (!S_ISREG(info.st_mode)) return CommandResult::failure("it is not a regular file");

    FileDescriptor to(::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                             info.st_mode & 07777));
    if (to.get() < 0) return failureFromErrno(errno);

    int error = copyContents(from.get(), to.get());
    if (error == 0) {
        const struct timespec times[2] = {info.st_atim, info.st_mtim};
        ::futimens(to.get(), times);  // nice to keep; not worth failing over
        if (!to.close()) error = errno;
    }
    if (error != 0) {
        ::unlink(target.c_str());  // ours: created above with O_EXCL
        return CommandResult::failure(describe(error));
    }
    return CommandResult::success();
}

CommandResult removeFile(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return failureFromErrno(errno);
    if (S_ISDIR(info.st_mode)) return CommandResult::failure("it is a folder, not a file");
    if (::unlink(path.c_str()) != 0) return failureFromErrno(errno);
    return CommandResult::success();
}

MoveResult moveFileNoReplace(const std::string& source, const std::string& target) {
    if (!isRegularFile(source)) {
        struct stat info {};
        const bool exists = ::lstat(source.c_str(), &info) == 0;
        return {CommandResult::failure(exists ? "it is not a regular file"
                                              : "no such file or folder"),
                std::nullopt};
    }
    if (::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return {CommandResult::success(), CommandResult::success()};

    int error = errno;
    if (error == EINVAL || error == ENOSYS || error == ENOTSUP) {
        // The file system cannot rename without replacing: a hard link is
        // the same no-replace move in two steps.
        if (::link(source.c_str(), target.c_str()) == 0) {
            if (::unlink(source.c_str()) == 0)
                return {CommandResult::success(), CommandResult::success()};
            return {CommandResult::success(), failureFromErrno(errno)};
        }
        error = errno;
        if (error == EPERM) error = EXDEV;  // no hard links here: copy instead
    }
    if (error != EXDEV) return {failureFromErrno(error), std::nullopt};

    CommandResult copied = copyFileNoReplace(source, target, false);
    if (!copied.succeeded) return {std::move(copied), std::nullopt};
    return {CommandResult::success(), removeFile(source)};
}

}  // namespace quillbox::fileops
