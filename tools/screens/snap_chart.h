#pragma once

#include <QString>

#include "replay/replay.h"

namespace tvscreens {

// Adds `snapchart NAME [CHART]`: saves the chart window of the last chart the program showed (or the last
// one named CHART: "table", "schedule", "fund"), drawn as the desktop program draws it, to OUT_DIR/NAME.png.
void addChartSnap(tv::ReplayOptions& options, const QString& outDir, int& snapsTaken);

}  // namespace tvscreens
