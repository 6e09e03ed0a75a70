// Feeds arbitrary bytes to the information file reader, as a student's
// .txt may hold anything, and checks what it promises about its result;
// the sanitizers watch the memory accesses on the way. The name also goes
// through the folder-name rule, since that is where a hostile first line
// could do harm.
#include "info_file.h"
#include "student_folders.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view contents(reinterpret_cast<const char*>(data), size);
    const quillbox::InfoFirstLine line = quillbox::readInfoFirstLine(contents);

    require(line.name.find('"') == std::string::npos, "a name keeps no double quote");
    require(line.name.find('\n') == std::string::npos, "a name ends at the line end");
    require(line.code.find('\n') == std::string::npos, "a code ends at the line end");
    require(!line.codeClosed || line.code.find(')') == std::string::npos,
            "a closed code ends at its first \")\"");
    require(line.name.size() + line.code.size() <= size, "nothing is made up");

    if (const auto folder = quillbox::folderNameFor(line.name)) {
        require(!folder->empty() && *folder != "." && *folder != "..",
                "a folder name is never empty, \".\" or \"..\"");
        require(folder->find_first_of("/\\") == std::string::npos,
                "a folder name holds no separator");
        for (const char c : *folder) {
            const auto byte = static_cast<unsigned char>(c);
            require(byte >= 0x20 && byte != 0x7F, "a folder name holds no control byte");
        }
    }
    return 0;
}
