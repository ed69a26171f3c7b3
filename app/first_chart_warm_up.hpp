// The warm-up after the window's first paint: what the first 排盘 would
// otherwise pay for once (the knowledge texts parsed, the CJK font engines
// opened, glyphs shaped and rasterised, the text layout's first run) is paid
// while the user is still reading the window.
#pragma once

#include <functional>

namespace qimen::app {

class TFrmMain;

// Once the output pane of `window` has painted for the first time: a worker
// thread lays the hour chart of the current moment through the Qt-free core
// (parsing the knowledge texts on the way); back on the GUI thread its text
// and memo are laid out and drawn offscreen in the fonts of the pane and the
// memo. Nothing the user sees changes. `warmed`, if given, runs on the GUI
// thread when all is done; nothing runs if the window is gone by then.
void warmUpAfterFirstPaint(TFrmMain& window, std::function<void()> warmed = {});

}  // namespace qimen::app
