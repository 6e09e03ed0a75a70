#include "code_ownership.h"

#include "paths.h"

#include <utility>

namespace quillbox {

namespace {

bool isWordByte(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isWholeWordAt(std::string_view text, std::size_t position, std::size_t length) {
    const bool startsWord = position == 0 || !isWordByte(text[position - 1]);
    const bool endsWord =
        position + length == text.size() || !isWordByte(text[position + length]);
    return startsWord && endsWord;
}

struct Word {
    std::size_t offset;
    std::string_view text;
};

// The maximal runs of letters and digits in `text`.
std::vector<Word> wordsOf(std::string_view text) {
    std::vector<Word> words;
    std::size_t i = 0;
    while (i < text.size()) {
        if (!isWordByte(text[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && isWordByte(text[i])) ++i;
        words.push_back({start, text.substr(start, i - start)});
    }
    return words;
}

const std::vector<std::size_t> noStudents;

}  // namespace

bool containsCodeAsWord(std::string_view fileName, std::string_view code) {
    if (code.empty()) return false;
    for (auto position = fileName.find(code); position != std::string_view::npos;
         position = fileName.find(code, position + 1)) {
        if (isWholeWordAt(fileName, position, code.size())) return true;
    }
    return false;
}

CodeOwnership::CodeOwnership(std::vector<std::string> userCodes) {
    std::unordered_map<std::string, std::size_t> ids;
    for (std::size_t student = 0; student < userCodes.size(); ++student) {
        std::string& code = userCodes[student];
        if (code.empty()) continue;
        auto [it, inserted] = ids.try_emplace(code, codes_.size());
        if (inserted) {
            codes_.push_back(std::move(code));
            holders_.emplace_back();
        }
        holders_[it->second].push_back(student);
    }
    // codes_ no longer grows: views into it stay valid.
    for (std::size_t id = 0; id < codes_.size(); ++id) {
        const std::string_view code = codes_[id];
        idOfCode_.emplace(code, id);
        // Every letter-or-digit word of a code that stands in a name as a
        // whole word is a whole word of that name too, so any one word of
        // the code finds it; the longest is the rarest.
        const std::vector<Word> words = wordsOf(code);
        if (words.empty()) {
            withoutWord_.push_back(id);
            continue;
        }
        const Word* key = &words.front();
        for (const Word& word : words)
            if (word.text.size() > key->text.size()) key = &word;
        byKeyWord_[key->text].push_back({id, key->offset});
    }
}

void CodeOwnership::consider(std::size_t codeId, std::optional<std::size_t>& best) const {
    if (!best) {
        best = codeId;
        return;
    }
    const std::size_t length = codes_[codeId].size();
    const std::size_t bestLength = codes_[*best].size();
    // Ids follow the table order of each code's first holder.
    if (length > bestLength || (length == bestLength && codeId < *best)) best = codeId;
}

std::optional<std::size_t> CodeOwnership::ownerId(std::string_view fileName) const {
    std::optional<std::size_t> best;
    for (const Word& word : wordsOf(fileName)) {
        const auto found = byKeyWord_.find(word.text);
        if (found == byKeyWord_.end()) continue;
        for (const Candidate& candidate : found->second) {
            if (word.offset < candidate.keyOffset) continue;
            const std::string_view code = codes_[candidate.codeId];
            const std::size_t start = word.offset - candidate.keyOffset;
            if (fileName.substr(start, code.size()) == code &&
                isWholeWordAt(fileName, start, code.size()))
                consider(candidate.codeId, best);
        }
    }
    for (const std::size_t id : withoutWord_)
        if (containsCodeAsWord(fileName, codes_[id])) consider(id, best);
    return best;
}

std::optional<std::string_view> CodeOwnership::ownerCode(std::string_view fileName) const {
    const auto id = ownerId(fileName);
    if (!id) return std::nullopt;
    return std::string_view(codes_[*id]);
}

bool CodeOwnership::claims(std::string_view code, std::string_view fileName) const {
    const auto owner = ownerCode(fileName);
    return owner && !code.empty() && *owner == code;
}

const std::vector<std::size_t>& CodeOwnership::studentsWithCode(std::string_view code) const {
    const auto found = idOfCode_.find(code);
    return found == idOfCode_.end() ? noStudents : holders_[found->second];
}

ClaimedTable::ClaimedTable(const std::vector<std::string>& table,
                           const CodeOwnership& ownership) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (const auto owner = ownership.ownerCode(fileNameOf(table[i])))
            firstIndexOfCode_.try_emplace(std::string(*owner), static_cast<std::ptrdiff_t>(i));
    }
}

std::ptrdiff_t ClaimedTable::firstClaimedBy(std::string_view code) const {
    const auto found = firstIndexOfCode_.find(std::string(code));
    return found == firstIndexOfCode_.end() ? -1 : found->second;
}

std::ptrdiff_t findIndex(const ClaimedTable& fileArray, std::string_view userCode) {
    return fileArray.firstClaimedBy(userCode);
}

bool isRemainingFile(const DirectoryEntry& entry, std::string_view userCode,
                     const CodeOwnership& ownership) {
    return canBeRemainingFile(entry) && ownership.claims(userCode, entry.name);
}

}  // namespace quillbox
