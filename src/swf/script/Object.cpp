#include "swf/script/Object.h"

#include <algorithm>
#include <cctype>

namespace swf::script {

Object::~Object() = default;

void Object::DropReferences() {
    properties_.clear();
    Primitive.reset();
}

std::string Object::Key(const std::string& name) const {
    if (caseSensitive_)
        return name;
    std::string key = name;
    for (char& c : key)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

Property* Object::FindOwnAnyVersion(const std::string& name) {
    auto it = properties_.find(Key(name));
    return it == properties_.end() ? nullptr : &it->second;
}

Property* Object::FindOwn(const std::string& name) {
    Property* p = FindOwnAnyVersion(name);
    return p && !(p->Flags & VersionHidden) ? p : nullptr;
}

const Property* Object::FindOwn(const std::string& name) const {
    auto it = properties_.find(Key(name));
    return it == properties_.end() || (it->second.Flags & VersionHidden) ? nullptr : &it->second;
}

void Object::Put(const std::string& name, Value value, uint8_t flags) {
    auto [it, added] = properties_.try_emplace(Key(name));
    Property& p = it->second;
    if (added) {
        p.Name = name;
        p.Order = nextOrder_++;
    }
    p.Data = std::move(value);
    p.Getter.reset();
    p.Setter.reset();
    p.Flags = flags;
    p.VersionBits = 0;
}

bool Object::Remove(const std::string& name) {
    auto it = properties_.find(Key(name));
    if (it == properties_.end())
        return false;
    if (it->second.Flags & DontDelete)
        return false;
    properties_.erase(it);
    return true;
}

std::vector<const Property*> Object::OwnProperties() const {
    std::vector<const Property*> list;
    list.reserve(properties_.size());
    for (const auto& [key, p] : properties_)
        list.push_back(&p);
    std::sort(list.begin(), list.end(),
              [](const Property* a, const Property* b) { return a->Order > b->Order; });
    return list;
}

ObjectPtr Object::Proto() const {
    const Property* p = FindOwn("__proto__");
    return p && p->Data.IsObject() ? p->Data.Object() : nullptr;
}

Value Object::Call(Vm&, const Value&, std::span<const Value>) { return {}; }

std::optional<size_t> ArrayIndex(const std::string& name) {
    if (name.empty() || name.size() > 10 || (name.size() > 1 && name[0] == '0'))
        return std::nullopt;
    size_t n = 0;
    for (char c : name) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + size_t(c - '0');
    }
    return n;
}

std::optional<Value> ArrayObject::GetComputed(Vm&, const std::string& name) {
    if (name == "length")
        return Value(double(Elements.size()));
    auto index = ArrayIndex(name);
    if (index && *index < Elements.size())
        return Elements[*index];
    return std::nullopt;
}

bool ArrayObject::SetComputed(Vm&, const std::string& name, const Value& v) {
    if (name == "length") {
        double n = v.IsNumber() ? v.Number() : -1;
        if (n >= 0 && n <= double(MaxLength))
            Resize(size_t(n));
        return true;
    }
    auto index = ArrayIndex(name);
    if (!index || *index >= MaxLength)
        return false;
    if (*index >= Elements.size())
        Resize(*index + 1);
    Elements[*index] = v;
    return true;
}

void ArrayObject::ComputedKeys(std::vector<std::string>& keys) const {
    for (size_t i = Elements.size(); i-- > 0;)
        keys.push_back(std::to_string(i));
}

void ArrayObject::Resize(size_t length) { Elements.resize(std::min(length, MaxLength)); }

void ArrayObject::DropReferences() {
    Object::DropReferences();
    Elements.clear();
}

} // namespace swf::script
