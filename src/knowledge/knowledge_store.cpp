#include "knowledge/knowledge_store.hpp"

#include <algorithm>
#include <charconv>

namespace qimen::knowledge {

namespace {

constexpr std::string_view kPlaceholderWord = "placeholder";

std::string_view trimRight(std::string_view line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r'))
        line.remove_suffix(1);
    return line;
}

bool isPlaceholderLabel(std::string_view label) {
    if (!label.starts_with(kPlaceholderWord)) return false;
    return label.size() == kPlaceholderWord.size() || label[kPlaceholderWord.size()] == ' ';
}

}  // namespace

KnowledgeStore::KnowledgeStore(std::span<const KnowledgeSource> sources) {
    for (const KnowledgeSource& source : sources) parseSource(source);
    std::sort(ids_.begin(), ids_.end());
}

void KnowledgeStore::parseSource(const KnowledgeSource& source) {
    auto fail = [&](int line, std::string message) {
        errors_.push_back({std::string(source.name), line, std::move(message)});
    };

    // The entry being read: its id and header line, and its text lines.
    bool inEntry = false;
    bool entryValid = false;
    bool placeholder = false;
    TextId id = 0;
    int headerLine = 0;
    std::vector<std::string_view> lines;

    auto finishEntry = [&] {
        if (!inEntry || !entryValid) return;
        while (!lines.empty() && lines.back().empty()) lines.pop_back();
        auto first = std::find_if(lines.begin(), lines.end(),
                                  [](std::string_view l) { return !l.empty(); });
        lines.erase(lines.begin(), first);
        if (placeholder && !lines.empty()) {
            fail(headerLine, "placeholder @" + std::to_string(id) + " has text lines");
            return;
        }
        if (!placeholder && lines.empty()) {
            fail(headerLine, "entry @" + std::to_string(id) + " has no text");
            return;
        }
        Slot slot;
        slot.offset = static_cast<std::uint32_t>(arena_.size());
        if (placeholder) {
            arena_ += ' ';
        } else {
            for (std::size_t i = 0; i < lines.size(); ++i) {
                if (i > 0) arena_ += "\r\n";
                arena_ += lines[i];
            }
        }
        slot.length = static_cast<std::uint32_t>(arena_.size() - slot.offset);
        slots_[id] = slot;
        ids_.push_back(id);
    };

    std::string_view rest = source.content;
    int lineNumber = 0;
    while (!rest.empty()) {
        std::size_t end = rest.find('\n');
        std::string_view line = trimRight(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        ++lineNumber;

        if (line.starts_with('#')) continue;
        if (line.starts_with('@')) {
            finishEntry();
            inEntry = true;
            entryValid = false;
            lines.clear();
            headerLine = lineNumber;
            std::string_view header = line.substr(1);
            std::size_t space = header.find(' ');
            std::string_view digits = header.substr(0, space);
            std::string_view label =
                space == std::string_view::npos ? std::string_view{} : header.substr(space + 1);
            unsigned value = 0;
            auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
            if (digits.empty() || ec != std::errc{} || ptr != digits.data() + digits.size() ||
                value >= kIdLimit) {
                fail(lineNumber, "bad id in header '" + std::string(line) + "'");
                continue;
            }
            id = static_cast<TextId>(value);
            if (slots_[id].length != 0) {
                fail(lineNumber, "id " + std::to_string(id) + " given twice");
                continue;
            }
            placeholder = isPlaceholderLabel(label);
            entryValid = true;
            continue;
        }
        if (!inEntry) {
            if (!line.empty()) fail(lineNumber, "text before the first entry header");
            continue;
        }
        lines.push_back(line);
    }
    finishEntry();
}

const KnowledgeStore& builtInKnowledge() {
    static const KnowledgeStore store(builtInKnowledgeSources());
    return store;
}

}  // namespace qimen::knowledge
