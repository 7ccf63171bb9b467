#include "swf/filters/FilterChain.h"

#include <cmath>

#include <type_traits>

namespace swf {
namespace {

// More filters than this on one object are not drawn: each may blur the
// whole view many times over.
constexpr size_t MaxFilters = 16;

template <class F> FilterMargin MarginOfOne(const F& f, const FilterScale& scale) {
    if constexpr (std::is_same_v<F, BlurFilter>)
        return MarginOf(f, scale);
    else if constexpr (std::is_same_v<F, ConvolutionFilter>)
        return MarginOf(f);
    else if constexpr (std::is_same_v<F, ColorMatrixFilter>)
        return {};
    else
        return MarginOf(EffectOf(f, scale));
}

template <class F> void ApplyOne(const F& f, FilterImage& image, const FilterScale& scale) {
    if constexpr (std::is_same_v<F, BlurFilter>)
        Apply(f, image, scale);
    else if constexpr (std::is_same_v<F, ConvolutionFilter> || std::is_same_v<F, ColorMatrixFilter>)
        Apply(f, image);
    else
        Apply(EffectOf(f, scale), image);
}

} // namespace

FilterScale ScaleOf(const Matrix& view) {
    return {std::hypot(view.A, view.B) * 20, std::hypot(view.C, view.D) * 20};
}

FilterMargin MarginOf(const FilterList& filters, const FilterScale& scale) {
    FilterMargin total;
    for (size_t i = 0; i < filters.size() && i < MaxFilters; ++i)
        total += std::visit([&](const auto& f) { return MarginOfOne(f, scale); }, filters[i]);
    return total;
}

void ApplyFilters(const FilterList& filters, FilterImage& image, const FilterScale& scale) {
    for (size_t i = 0; i < filters.size() && i < MaxFilters; ++i)
        std::visit([&](const auto& f) { ApplyOne(f, image, scale); }, filters[i]);
}

} // namespace swf
