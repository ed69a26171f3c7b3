#include "knowledge/knowledge_base.hpp"

#include "knowledge/knowledge_store.hpp"

namespace qimen::knowledge {

// The texts are compiled in rather than read from the data root: the
// analyses must print the same readings whatever the working directory, and
// a missing or edited file beside the program cannot change them.
std::string_view lookupText(TextId id) { return builtInKnowledge().text(id); }

}  // namespace qimen::knowledge
