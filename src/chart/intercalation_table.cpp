// The committed 置闰 table compiled into the core.
#include "chart/intercalation_table.hpp"

#include <iterator>
#include <stdexcept>

namespace qimen::chart {
namespace {

constexpr std::uint32_t kTable[] = {
#include "calendar/intercalation_table.inc"
};
static_assert(std::size(kTable) == kIntercalationWords);

}  // namespace

std::uint32_t intercalationWord(int index) {
    if (index < 0 || index >= kIntercalationWords) throw std::out_of_range("intercalation table index");
    return kTable[index];
}

}  // namespace qimen::chart
