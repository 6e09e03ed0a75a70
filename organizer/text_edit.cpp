#include "text_edit.h"

namespace quillbox {

std::string replaceFirstOccurrence(std::string& s, const std::string& toReplace,
                                   const std::string& replaceWith) {
    const auto position = s.find(toReplace);
    if (position != std::string::npos) s.replace(position, toReplace.size(), replaceWith);
    return s;
}

}  // namespace quillbox
