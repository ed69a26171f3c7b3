// The chart engine: from a request to a laid chart record.
//
// How data flows through a chart run:
//   ChartRequest (the window's inputs)
//   → validation and conversion of the moment (lunar → civil date, true
//     solar time), dates in the ChartRecord
//   → four pillars (calendar/pillars.hpp), optional flying stars
//   → dun and ju of the method (ju_rules.hpp, other_methods.hpp)
//   → layout: rotating plate, flying palace, or the month/year/yin-plate
//     variants; day and small charts are laid for display only
//   → header → grid → pattern analysis → styled text in chartText.
// This header gathers the engine's parts; the driver and the text stages
// build on them. The time search lays charts through the same functions
// with a record of its own: pillars, ju and the rotating layout allocate
// nothing.
#pragma once

#include "chart/chart_record.hpp"
#include "chart/chart_settings.hpp"
#include "chart/codes.hpp"
#include "chart/display_layouts.hpp"
#include "chart/flying_layout.hpp"
#include "chart/flying_stars.hpp"
#include "chart/hidden_stems.hpp"
#include "chart/hour_chart.hpp"
#include "chart/ju_rules.hpp"
#include "chart/other_methods.hpp"
#include "chart/rings.hpp"
#include "chart/rotating_layout.hpp"
#include "chart/vocabulary.hpp"
