#pragma once

#include <string>
#include <string_view>

// Paths are byte strings throughout the organizer: the window hands over
// UTF-8, the command-line program hands over its arguments as they are.
namespace quillbox {

#ifdef _WIN32
inline constexpr char pathSeparator = '\\';
#else
inline constexpr char pathSeparator = '/';
#endif

// True when a file or folder stands at `path` (a link counts when its
// target exists). Never throws; an empty path names no entry.
bool pathExists(const std::string& path);

// The last element of `path` (after its last separator).
std::string_view fileNameOf(std::string_view path);

// From the last "." of `name` to its end; empty when there is none, and for
// "." and "..". ".txt" is its own extension.
std::string_view extensionOf(std::string_view name);

// The full path under which a listing of `directory` shows `name`.
std::string listingPath(std::string_view directory, std::string_view name);

}  // namespace quillbox
