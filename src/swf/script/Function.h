#pragma once

#include "swf/script/Object.h"

#include <functional>

namespace swf::script {

using NativeCall = std::function<Value(Vm&, const Value& thisValue, std::span<const Value> args)>;

// A function the engine provides. A class's constructor may have a second
// callback for `new`, which gets the new object as `this`.
class NativeFunction : public Object {
public:
    NativeFunction(bool caseSensitive, NativeCall call, NativeCall construct = {})
        : Object(caseSensitive), call_(std::move(call)), construct_(std::move(construct)) {}

    bool Callable() const override { return true; }
    Value Call(Vm& vm, const Value& thisValue, std::span<const Value> args) override;
    const char* TypeOf() const override { return "function"; }
    // Null when `new` does what a call does.
    const NativeCall& Constructor() const { return construct_; }
    void DropReferences() override;

private:
    NativeCall call_;
    NativeCall construct_;
};

// What DefineFunction and DefineFunction2 say about a function.
struct FunctionCode {
    std::string Name;
    struct Parameter {
        std::string Name;
        uint8_t Register = 0; // DefineFunction2: the register it goes to, 0 for none
    };
    std::vector<Parameter> Parameters;
    bool Version2 = false;
    uint8_t RegisterCount = 4;
    uint16_t Flags = 0;
    std::span<const uint8_t> Body;
    std::shared_ptr<const std::vector<std::string>> Constants;
    int Version = 0; // of the movie that defined it
};

// DefineFunction2 flags: which names are preloaded into registers, which
// are left out.
namespace fflag {
enum : uint16_t {
    PreloadThis = 0x0001,
    SuppressThis = 0x0002,
    PreloadArguments = 0x0004,
    SuppressArguments = 0x0008,
    PreloadSuper = 0x0010,
    SuppressSuper = 0x0020,
    PreloadRoot = 0x0040,
    PreloadParent = 0x0080,
    PreloadGlobal = 0x0100,
};
} // namespace fflag

// A function defined by a script: its code, and the scope chain and clip
// it was defined in (a closure).
class ScriptFunction : public Object {
public:
    ScriptFunction(bool caseSensitive, FunctionCode code, std::vector<ObjectPtr> scopes, ObjectPtr target)
        : Object(caseSensitive), Code(std::move(code)), Scopes(std::move(scopes)), Target(std::move(target)) {
    }

    bool Callable() const override { return true; }
    Value Call(Vm& vm, const Value& thisValue, std::span<const Value> args) override;
    const char* TypeOf() const override { return "function"; }
    void DropReferences() override;

    FunctionCode Code;
    std::vector<ObjectPtr> Scopes;
    ObjectPtr Target;
};

} // namespace swf::script
