#include "ProgramPictures.h"

namespace genpictures {

Picture Draw(SketchFunction sketch, double design, int size) {
    Sketch drawing(design);
    sketch(drawing);
    return RenderPicture(drawing.Movie(), size);
}

std::vector<Picture> DrawAll(const std::vector<SketchFunction>& sketches, double design, int size) {
    std::vector<Picture> pictures;
    for (SketchFunction sketch : sketches)
        pictures.push_back(Draw(sketch, design, size));
    return pictures;
}

std::vector<Picture> DrawIcon(SketchFunction sketch) {
    std::vector<Picture> pictures;
    for (int size : IconSizes)
        pictures.push_back(Draw(sketch, 32, size));
    return pictures;
}

} // namespace genpictures
