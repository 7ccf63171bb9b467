#pragma once

#include "swf/Matrix.h"
#include "swf/filters/Filter.h"

namespace swf {

// Filter sizes are stage pixels of the object: they scale with everything
// that scales the object, the view included (twips are 1/20 pixel).
FilterScale ScaleOf(const Matrix& toDevice);

// How far the whole list may paint beyond the object.
FilterMargin MarginOf(const FilterList& filters, const FilterScale& scale);

// Runs the filters in order over the image, which must already hold the
// margin around the object.
void ApplyFilters(const FilterList& filters, FilterImage& image, const FilterScale& scale);

} // namespace swf
