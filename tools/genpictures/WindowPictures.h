#pragma once

#include "JpegFile.h"
#include "ProgramPictures.h"
#include "Style.h"

namespace genpictures {

// The settings dialog's page icons (designed on 32 units).
void GeneralPageSketch(Sketch& sketch);
void ViewPageSketch(Sketch& sketch);

// The dialog's page banners, 401 x 30: a band in the page's tone with the
// emblem at its right end.
Canvas DrawBanner(const Tone& tone);

// The About box's picture, 370 x 251: the emblem on a blue sky over a pale
// field where the box's labels stand.
Canvas DrawAboutPicture();

} // namespace genpictures
