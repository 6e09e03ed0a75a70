#pragma once

#include <string>
#include <string_view>

namespace quillbox {

// What the first line of a submission information file gives:
// "Name: <full name> (<code>)" with any six label bytes before the name.
struct InfoFirstLine {
    std::string name;  // double quotes dropped, the byte before "(" removed
    std::string code;  // between "(" and ")", or to the line end
    bool codeClosed = false;  // the code ended at ")", not at the line end
};

// Parses the first line of `contents` (the file's bytes, or only its first
// line). A UTF-8 byte order mark is skipped, a CR before the LF is not part
// of the line, and the end of the bytes ends the line as an LF would.
InfoFirstLine readInfoFirstLine(std::string_view contents);

enum class InfoFileStatus {
    Read,        // a regular file whose first line was read
    NotAFile,    // a folder, a link or some other kind of entry
    CannotOpen,  // a regular file (or so it seemed) that could not be read
};

struct InfoFileRead {
    InfoFileStatus status = InfoFileStatus::CannotOpen;
    InfoFirstLine firstLine;
    std::string reason;  // for CannotOpen, in words for the user
};

// Opens `path` for reading only (a link is not followed) and reads its
// first line.
InfoFileRead readInfoFile(const std::string& path);

}  // namespace quillbox
