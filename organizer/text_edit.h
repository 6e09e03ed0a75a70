#pragma once

#include <string>

namespace quillbox {

// Replaces, in `s` itself, the first occurrence of `toReplace` by
// `replaceWith` and returns a copy of the result; with no occurrence `s`
// stays as it is.
std::string replaceFirstOccurrence(std::string& s, const std::string& toReplace,
                                   const std::string& replaceWith);

}  // namespace quillbox
