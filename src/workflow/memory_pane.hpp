// MemoryPane: the output pane held as the rich-text model, for the
// command-line tool and the tests. A chart shown in it is resolved over the
// pane's font size exactly as a commentary file stores it.
#pragma once

#include "workflow/pane.hpp"

namespace qimen::workflow {

class MemoryPane : public Pane {
public:
    explicit MemoryPane(PaneFont font = {}) : font_(std::move(font)) {}

    PaneFont font() const override { return font_; }
    void setFont(PaneFont font) { font_ = std::move(font); }

    void showChart(const render::StyledText& chart) override;
    cases::RichText content() const override { return content_; }
    void setContent(const cases::RichText& text) override;
    std::string plainText() const override { return content_.text; }
    void clear() override;
    void append(const std::string& text) override;
    bool modified() const override { return modified_; }
    void setModified(bool modified) override { modified_ = modified; }

    // The styled text of the last chart shown (the command line prints it).
    const render::StyledText& lastChart() const { return lastChart_; }

private:
    PaneFont font_;
    cases::RichText content_;
    render::StyledText lastChart_;
    bool modified_ = false;
};

}  // namespace qimen::workflow
