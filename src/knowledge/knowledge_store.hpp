// The store behind lookupText: the knowledge files parsed once into one text
// arena and a direct index by id.
//
// File format (UTF-8, one file per id range under data/knowledge/):
//   # comment            a line starting with '#' is ignored anywhere
//   @2302 癸加乙          an entry header: '@', the decimal id, a label for
//                        the reader (the key in words; not part of the text)
//   text line            the text's lines, up to the next header; blank
//   text line            lines at either end are dropped, trailing blanks of
//                        each line stripped, lines joined with CR LF
//   @2301 placeholder …  a header whose label begins with the word
//                        "placeholder" has no lines and reads as " "
// Anything wrong (text before the first header, a bad or repeated id, an
// entry without lines, a placeholder with lines) is reported with its file
// and line and the entry is left out, so one bad entry never hides the rest.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "knowledge/knowledge_base.hpp"

namespace qimen::knowledge {

// One knowledge file: its name (for messages) and its whole content.
struct KnowledgeSource {
    std::string_view name;
    std::string_view content;
};

struct KnowledgeParseError {
    std::string file;
    int line = 0;  // 1-based
    std::string message;
};

class KnowledgeStore {
public:
    // Ids at or above this limit hold no text; the ranges end at 3227.
    static constexpr std::size_t kIdLimit = 4096;

    explicit KnowledgeStore(std::span<const KnowledgeSource> sources);

    // The text of the id, or the empty text.
    std::string_view text(TextId id) const noexcept {
        if (id >= kIdLimit) return {};
        const Slot& slot = slots_[id];
        return std::string_view(arena_).substr(slot.offset, slot.length);
    }
    // Every id that holds a text (placeholders included), ascending.
    const std::vector<TextId>& ids() const noexcept { return ids_; }
    const std::vector<KnowledgeParseError>& errors() const noexcept { return errors_; }

private:
    struct Slot {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;  // 0: no text (a real text is never empty)
    };

    void parseSource(const KnowledgeSource& source);

    std::string arena_;
    std::array<Slot, kIdLimit> slots_{};
    std::vector<TextId> ids_;
    std::vector<KnowledgeParseError> errors_;
};

// The files of data/knowledge/ as compiled into the library, in file-name
// order. Defined in the generated knowledge_sources.cpp.
std::span<const KnowledgeSource> builtInKnowledgeSources();

// The store over builtInKnowledgeSources(), built on first use.
const KnowledgeStore& builtInKnowledge();

}  // namespace qimen::knowledge
