#include "paths.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace quillbox {

bool pathExists(const std::string& path) {
    if (path.empty()) return false;
    std::error_code error;
    return fs::exists(fs::path(path), error);
}

std::string_view fileNameOf(std::string_view path) {
    const auto slash = path.find_last_of(pathSeparator == '/' ? "/" : "\\/");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view extensionOf(std::string_view name) {
    if (name == "." || name == "..") return {};
    const auto dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view{} : name.substr(dot);
}

std::string listingPath(std::string_view directory, std::string_view name) {
    std::string full(directory);
#ifdef _WIN32
    for (char& c : full)
        if (c == '/') c = '\\';
    if (!full.empty() && full.back() != '\\' && full.back() != ':') full += '\\';
#else
    if (full.empty() || full.back() != '/') full += '/';
#endif
    full += name;
    return full;
}

}  // namespace quillbox
