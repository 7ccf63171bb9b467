#pragma once

#include "swf/script/Value.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace swf::script {

class Vm;

// VersionHidden: a built-in the movie's version does not see (the flash
// package before SWF 8) until ASSetPropFlags clears its version bits.
enum PropertyFlag : uint8_t { DontEnum = 1, DontDelete = 2, ReadOnly = 4, VersionHidden = 8 };

struct Property {
    std::string Name;
    Value Data;
    ObjectPtr Getter, Setter; // addProperty's accessors, when set
    uint8_t Flags = 0;
    // ASSetPropFlags's bits above the first three: which versions see it.
    uint16_t VersionBits = 0;
    uint64_t Order = 0;
};

// A script object: named properties (case-insensitive before SWF 7), a
// prototype in its __proto__ property, and hooks for the built-in kinds
// (arrays, movie clips, functions) that compute some properties.
class Object : public std::enable_shared_from_this<Object> {
public:
    explicit Object(bool caseSensitive) : caseSensitive_(caseSensitive) {}
    virtual ~Object();
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    Property* FindOwn(const std::string& name);
    const Property* FindOwn(const std::string& name) const;
    // Also finds the properties hidden from the movie's version.
    Property* FindOwnAnyVersion(const std::string& name);
    // Creates or overwrites an own property, flags included.
    void Put(const std::string& name, Value value, uint8_t flags = 0);
    // False when the property is there and may not be deleted.
    bool Remove(const std::string& name);
    // Own properties, most recently created first, as for..in lists them.
    std::vector<const Property*> OwnProperties() const;
    ObjectPtr Proto() const;
    bool CaseSensitive() const { return caseSensitive_; }

    // Properties the kind computes: checked before the own ones.
    virtual std::optional<Value> GetComputed(Vm&, const std::string&) { return std::nullopt; }
    virtual bool SetComputed(Vm&, const std::string&, const Value&) { return false; }
    // Looked up after the own properties, before the prototype.
    virtual std::optional<Value> GetFallback(Vm&, const std::string&) { return std::nullopt; }
    virtual void ComputedKeys(std::vector<std::string>&) const {}

    virtual bool Callable() const { return false; }
    virtual Value Call(Vm&, const Value& thisValue, std::span<const Value> args);
    virtual const char* TypeOf() const { return "object"; }

    // The wrapped value of Boolean, Number, String and Date objects.
    std::optional<Value> Primitive;

    // Lets go of every value the object holds. Scripts build reference
    // cycles (a prototype and its constructor, closures over their own
    // scope), so the machine calls this on all its objects when it goes.
    virtual void DropReferences();

private:
    std::string Key(const std::string& name) const;

    bool caseSensitive_;
    uint64_t nextOrder_ = 0;
    std::unordered_map<std::string, Property> properties_;
};

// Arrays keep their elements in order; "length" and the indices are
// computed properties.
class ArrayObject : public Object {
public:
    // Larger indices are refused, so that one assignment cannot allocate
    // without bound.
    static constexpr size_t MaxLength = size_t(1) << 22;

    using Object::Object;
    std::vector<Value> Elements;

    std::optional<Value> GetComputed(Vm&, const std::string& name) override;
    bool SetComputed(Vm&, const std::string& name, const Value& v) override;
    void ComputedKeys(std::vector<std::string>& keys) const override;
    void DropReferences() override;
    void Resize(size_t length);
};

// The index a property name stands for, if it is a plain array index.
std::optional<size_t> ArrayIndex(const std::string& name);

} // namespace swf::script
