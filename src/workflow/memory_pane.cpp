// The in-memory output pane.
#include "workflow/memory_pane.hpp"

#include "cases/chart_rich_text.hpp"
#include "workflow/pane_files.hpp"

namespace qimen::workflow {

void MemoryPane::showChart(const render::StyledText& chart) {
    lastChart_ = chart;
    content_ = cases::richTextFromChartOutput(chart, font_.points);
    modified_ = false;
}

void MemoryPane::setContent(const cases::RichText& text) {
    content_ = text;
    modified_ = true;
}

void MemoryPane::clear() {
    content_ = {};
    lastChart_ = {};
    modified_ = true;
}

void MemoryPane::append(const std::string& text) {
    cases::RichText added = plainRichText(text, font_);
    std::size_t offset = content_.text.size();
    content_.text += added.text;
    for (auto run : added.runs) {
        run.begin += offset;
        content_.runs.push_back(run);
    }
    modified_ = true;
}

}  // namespace qimen::workflow
