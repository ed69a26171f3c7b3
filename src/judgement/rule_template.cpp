// Parsing and filling the placeholders of a rule's words.
#include "judgement/rule_template.hpp"

namespace qimen::judgement {

Expected<RuleTemplate> RuleTemplate::parse(std::string_view text, SlotSet allowed) {
    RuleTemplate result;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t open = text.find('{', at);
        if (open != at) {
            std::size_t end = open == std::string_view::npos ? text.size() : open;
            result.pieces_.push_back({std::string(text.substr(at, end - at)), std::nullopt});
            at = end;
            continue;
        }
        std::size_t close = text.find('}', open);
        if (close == std::string_view::npos) return fail("占位符缺少“}”");
        std::string_view name = text.substr(open + 1, close - open - 1);
        std::optional<Slot> slot;
        for (int s = 0; s < kSlotCount; ++s)
            if (kSlotNames[static_cast<std::size_t>(s)] == name) slot = static_cast<Slot>(s);
        if (!slot) return fail("未知的占位符{" + std::string(name) + "}");
        if ((allowed & slotBit(*slot)) == 0) return fail("此处不能用占位符{" + std::string(name) + "}");
        result.pieces_.push_back({std::string(), slot});
        at = close + 1;
    }
    return result;
}

void RuleTemplate::appendTo(std::string& out, const SlotValues& values) const {
    for (const Piece& piece : pieces_) {
        if (piece.slot)
            out += values[static_cast<std::size_t>(*piece.slot)];
        else
            out += piece.literal;
    }
}

}  // namespace qimen::judgement
