#pragma once

#include "swf/script/Object.h"

namespace swf::script {

// `super` in a method: the prototypes above the one the method was found
// on, seen from the method's own `this`. Properties are read from there
// up, accessors and methods run on `this`, and its __proto__ is the
// prototype above that.
class SuperObject : public Object {
public:
    SuperObject(bool caseSensitive, ObjectPtr base, Value self, Value constructor)
        : Object(caseSensitive), base_(std::move(base)), self_(std::move(self)),
          constructor_(std::move(constructor)) {}

    std::optional<Value> GetComputed(Vm& vm, const std::string& name) override;
    bool SetComputed(Vm& vm, const std::string& name, const Value& v) override;
    void DropReferences() override;

    // super.name(args) and super(args): the parent's method or constructor
    // run on `this`.
    Value CallMethod(Vm& vm, const std::string& name, std::span<const Value> args);

private:
    ObjectPtr base_;
    Value self_;
    Value constructor_;
};

} // namespace swf::script
