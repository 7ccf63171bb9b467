#pragma once

#include "swf/filters/Filter.h"

namespace swf {

// How far the whole list may paint beyond the object.
FilterMargin MarginOf(const FilterList& filters, const FilterScale& scale);

// Runs the filters in order over the image, which must already hold the
// margin around the object.
void ApplyFilters(const FilterList& filters, FilterImage& image, const FilterScale& scale);

} // namespace swf
