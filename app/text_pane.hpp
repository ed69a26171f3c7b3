// TextPane: the output pane RedtQiMen as the workflows see it — a QTextEdit
// holding the chart or commentary, converted to and from the rich-text
// model. It also keeps the pane's own font name (the stored name, e.g. 宋体,
// which the font substitution serves) and its background colour.
#pragma once

#include <QColor>
#include <QTextEdit>

#include "workflow/pane.hpp"

namespace qimen::app {

// The face that serves the stored name 宋体 on Linux: its box-drawing and
// CJK glyphs share one advance, so the chart grids line up.
inline constexpr const char* kSongTiName = "宋体";
inline constexpr const char* kSongTiFace = "AR PL UMing CN";

// Registers the substitution 宋体 → AR PL UMing CN (once per application).
void installFontSubstitutions();

// A Windows colour value (blue × 65536 + green × 256 + red) and back.
QColor colourOfWindowsValue(long value);
long windowsValueOfColour(const QColor& colour);

class TextPane : public workflow::Pane {
public:
    explicit TextPane(QTextEdit& edit);

    workflow::PaneFont font() const override { return font_; }
    // The pane's font: name as stored and size in points; the document's
    // default font follows (text in explicit sizes keeps them).
    void setFont(const workflow::PaneFont& font);
    QColor background() const;
    void setBackground(const QColor& colour);

    void showChart(const render::StyledText& chart) override;
    cases::RichText content() const override;
    void setContent(const cases::RichText& text) override;
    std::string plainText() const override;
    void clear() override;
    void append(const std::string& text) override;
    bool modified() const override;
    void setModified(bool modified) override;

    QTextEdit& edit() { return edit_; }

private:
    QTextEdit& edit_;
    workflow::PaneFont font_;
};

}  // namespace qimen::app
