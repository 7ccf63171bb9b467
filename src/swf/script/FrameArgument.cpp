#include "swf/script/FrameArgument.h"

#include "swf/Timeline.h"
#include "swf/script/Vm.h"

#include <cmath>

namespace swf::script {
namespace {

std::optional<uint32_t> FromNumber(double n, uint32_t bias) {
    int32_t frame = ToInt32(n);
    if (frame < 1)
        return std::nullopt;
    return uint32_t(frame - 1) + bias;
}

} // namespace

std::optional<uint32_t> FrameIndex(Vm& vm, const Timeline& t, const Value& frame, uint32_t bias) {
    if (frame.IsNumber() && std::isfinite(frame.Number()) && frame.Number() == std::trunc(frame.Number()))
        return FromNumber(frame.Number(), bias);
    std::string label = vm.ToString(frame);
    if (frame.IsString()) {
        double n = StringToNumber(label, vm.Version());
        if (std::isfinite(n))
            return FromNumber(n, bias);
    }
    auto index = t.FindLabel(label);
    return index ? std::optional<uint32_t>(*index + bias) : std::nullopt;
}

FramePath SplitFramePath(const Value& frame) {
    if (!frame.IsString())
        return {std::nullopt, frame};
    const std::string& text = frame.String();
    size_t colon = text.rfind(':');
    if (colon == std::string::npos)
        return {std::nullopt, frame};
    return {text.substr(0, colon), Value(text.substr(colon + 1))};
}

} // namespace swf::script
