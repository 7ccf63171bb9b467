#pragma once

#include "swf/Matrix.h"
#include "swf/filters/Filter.h"

namespace swf {

// Filter sizes are stage pixels: they scale with the view (the stage to
// device matrix, twips being 1/20 pixel), not with the object's own matrix
// or its parents', as the plug-in draws them.
FilterScale ScaleOf(const Matrix& view);

// How far the whole list may paint beyond the object.
FilterMargin MarginOf(const FilterList& filters, const FilterScale& scale);

// Runs the filters in order over the image, which must already hold the
// margin around the object.
void ApplyFilters(const FilterList& filters, FilterImage& image, const FilterScale& scale);

} // namespace swf
