#pragma once

#include "swf/script/Activation.h"

#include <optional>
#include <string>

namespace swf::script {

class Vm;

// Names as scripts use them: plain variables searched along the scope
// chain, and paths to clips in slash ("/a/b:x", "../c") and dot
// ("_root.a.x") syntax.
class Scope {
public:
    Scope(Vm& vm, Activation& activation) : vm_(vm), a_(activation) {}

    Value Get(const std::string& name);
    // A function called by name, and the `this` it runs with: the object
    // of the scope chain (or of the path) it was found in.
    Value GetFunction(const std::string& name, Value& thisValue);
    void Set(const std::string& name, const Value& value);
    // `var`: a function's local (its name taken as it is), or at frame
    // level the variable the name or path gives.
    void DefineLocal(const std::string& name, const Value& value);
    // `var` without a value: undefined, unless the variable is there.
    void Declare(const std::string& name);
    bool Delete(const std::string& name);
    // The object a target path names, relative to the current target; null
    // when there is none.
    ObjectPtr ResolvePath(const std::string& path);
    // The clip a target string or clip value names ("" is the current one).
    ObjectPtr ResolveTarget(const Value& target);
    // The clip timeline actions and plain names address: the target, or
    // in its place the clip the code belongs to once the target is gone.
    ObjectPtr Base() const;

private:
    bool IsPath(const std::string& name) const;
    // The object a frame's `var` sets its variable on, and the variable.
    ObjectPtr FrameHolder(const std::string& name, std::string& variable);
    // Follows the path from `current`; `first`: its first name may also be
    // a special name or a variable of the scope chain.
    ObjectPtr Walk(ObjectPtr current, const std::string& path, bool first);
    // Splits "path:var" or "a.b.var" into the object and the name in it.
    bool SplitPath(const std::string& name, ObjectPtr& object, std::string& variable);
    std::optional<Value> Special(const std::string& name);
    Value Lookup(const std::string& name, Value* holder = nullptr);

    Vm& vm_;
    Activation& a_;
};

} // namespace swf::script
