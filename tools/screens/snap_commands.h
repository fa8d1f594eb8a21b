#pragma once

#include <QString>
#include <string>

#include "replay/replay.h"

namespace tvqt {
class Renderer;
}

namespace tvscreens {

// The script commands the screens tool adds to the replay driver:
// - `start`: runs the program's start-up (Main); the tool puts it before every shot script.
// - `snap NAME [FORM]`: saves the topmost visible form (or FORM) as it is drawn now to OUT_DIR/NAME.png.
// - `snapchart NAME [CHART]`: saves the last chart window shown (screens/snap_chart.h).
// - `snappdf NAME [PAGES]`: writes the table screen's PDF (what Save as PDF writes) to OUT_DIR/NAME.pdf and its
//   first PAGES pages (1 unless given) to OUT_DIR/NAME-1.png, NAME-2.png, ... through pdftoppm.
// - `snapscreen NAME`: saves every shown window at its place on the desktop, the topmost above the others.
// - `palette dark|light`: the desktop's palette from now on (a common dark one, or the style's own).
// - `resize FORM WIDTH HEIGHT`: the user drags FORM's window to WIDTH x HEIGHT pixels.
tv::ReplayOptions snapOptions(tvqt::Renderer& renderer, const QString& outDir, int& snapsTaken);

// The window of `form` as drawn now, after pending grid updates and layouts are applied.
bool saveFormImage(tvqt::Renderer& renderer, const tv::Form& form, const QString& file, std::string& error);

}  // namespace tvscreens
