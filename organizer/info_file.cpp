#include "info_file.h"

#include "file_descriptor.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace quillbox {

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t labelLength = 6;  // "Name: ", not examined

std::string_view firstLineOf(std::string_view contents) {
    if (contents.starts_with(byteOrderMark)) contents.remove_prefix(byteOrderMark.size());
    const auto lineFeed = contents.find('\n');
    if (lineFeed == std::string_view::npos) return contents;
    std::string_view line = contents.substr(0, lineFeed);
    if (line.ends_with('\r')) line.remove_suffix(1);
    return line;
}

InfoFileRead cannotOpen(int error, const char* what = "opened for reading") {
    return {InfoFileStatus::CannotOpen, {},
            std::string("it could not be ") + what + ": " + std::system_category().message(error)};
}

}  // namespace

InfoFirstLine readInfoFirstLine(std::string_view contents) {
    const std::string_view line = firstLineOf(contents);
    const std::string_view rest = line.substr(std::min(labelLength, line.size()));

    InfoFirstLine result;
    std::size_t position = 0;
    bool openParenthesis = false;
    for (; position < rest.size(); ++position) {
        const char c = rest[position];
        if (c == '"') continue;
        if (c == '(') {
            openParenthesis = true;
            break;
        }
        result.name += c;
    }
    // Without "(" the line end ended the name and is all there is to drop.
    if (!openParenthesis) return result;
    if (!result.name.empty()) result.name.pop_back();  // the blank before "("

    const std::string_view afterParenthesis = rest.substr(position + 1);
    const auto close = afterParenthesis.find(')');
    result.codeClosed = close != std::string_view::npos;
    result.code = std::string(afterParenthesis.substr(0, close));
    return result;
}

InfoFileRead readInfoFile(const std::string& path) {
    // Non-blocking, so that a named pipe posing as a .txt cannot stall the run.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0) {
        if (errno == ELOOP) return {InfoFileStatus::NotAFile, {}, {}};
        return cannotOpen(errno);
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) return cannotOpen(errno);
    if (!S_ISREG(info.st_mode)) return {InfoFileStatus::NotAFile, {}, {}};

    // Only the first line matters; a long attachment is not read in full.
    std::string contents;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            return cannotOpen(errno, "read");
        }
        if (got == 0) break;
        contents.append(buffer, static_cast<std::size_t>(got));
        if (std::string_view(buffer, static_cast<std::size_t>(got)).find('\n') !=
            std::string_view::npos)
            break;
    }
    return {InfoFileStatus::Read, readInfoFirstLine(contents), {}};
}

}  // namespace quillbox
