// The fonts the windows are drawn in. The windows name the families they were
// designed with; where a machine lacks them we fall back on look-alikes, and
// the Comic Sans stand-in travels inside the program so that every machine
// draws the same letters.
#pragma once

namespace quarn::ui {

// Registers the bundled fonts and the family substitutions. Call once, after
// the QApplication exists and before any window is built.
void load_fonts();

} // namespace quarn::ui
