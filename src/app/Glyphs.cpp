#include "app/Glyphs.h"

#include "resources/ProgramPictures.h"

namespace app {

ui::IconHandle MakeGlyph(Glyph glyph) { return resources::LoadButtonGlyph(static_cast<int>(glyph)); }

} // namespace app
