// Pane: the output pane as the workflows see it. The window implements it
// over its text editor, converting to and from the rich-text model; the
// in-memory pane (memory_pane.hpp) serves the command-line tool and tests.
// Loading and saving files go through pane_files.hpp over this interface.
#pragma once

#include <filesystem>
#include <string>

#include "base/expected.hpp"
#include "cases/rich_text.hpp"
#include "render/styled_text.hpp"

namespace qimen::workflow {

// The pane's own font (options 字体设置 / 默认): the font of plain text and
// of rich text that names none.
struct PaneFont {
    std::string name = "宋体";
    int points = 12;
};

class Pane {
public:
    virtual ~Pane() = default;

    virtual PaneFont font() const = 0;

    // Replaces the content with a freshly drawn chart (pane font size in
    // points for the chart's relative sizes); clears the modified flag.
    virtual void showChart(const render::StyledText& chart) = 0;

    // The content as rich text (what a save writes) and plain UTF-8 text.
    virtual cases::RichText content() const = 0;
    virtual void setContent(const cases::RichText& text) = 0;
    virtual std::string plainText() const = 0;

    virtual void clear() = 0;
    // Appends UTF-8 text at the end in the pane's default attributes.
    virtual void append(const std::string& text) = 0;

    virtual bool modified() const = 0;
    virtual void setModified(bool modified) = 0;
};

}  // namespace qimen::workflow
