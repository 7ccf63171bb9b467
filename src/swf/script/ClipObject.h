#pragma once

#include "swf/script/Object.h"

namespace swf {
class Timeline;
struct DisplayObject;
} // namespace swf

namespace swf::script {

// The script side of a movie clip: its timeline variables are the object's
// own properties; display properties (_x, _alpha, ...) and child clips by
// instance name are computed from the timeline it stands for. Once the clip
// is removed the object stays, detached.
class ClipObject : public Object {
public:
    ClipObject(bool caseSensitive, Timeline* timeline) : Object(caseSensitive), timeline_(timeline) {}

    Timeline* GetTimeline() const { return timeline_; }
    void Detach() { timeline_ = nullptr; }

    std::optional<Value> GetComputed(Vm& vm, const std::string& name) override;
    bool SetComputed(Vm& vm, const std::string& name, const Value& v) override;
    std::optional<Value> GetFallback(Vm& vm, const std::string& name) override;
    const char* TypeOf() const override { return timeline_ ? "movieclip" : "object"; }

    // Display properties by getProperty/setProperty index; false for an
    // index or name that is none.
    std::optional<Value> GetProperty(Vm& vm, int index);
    void SetProperty(Vm& vm, int index, const Value& v);
    static int PropertyIndex(const std::string& name);

    // The dot path of the clip: "_level0.a.b".
    std::string TargetPath() const;
    // The slash path _target gives: "/a/b", "/" for the root.
    std::string SlashPath() const;

private:
    Timeline* timeline_;
};

} // namespace swf::script
