#include "swf/script/Scope.h"

#include "swf/Timeline.h"
#include "swf/script/Loading.h"
#include "swf/script/Text.h"
#include "swf/script/Vm.h"

#include <cctype>

namespace swf::script {
namespace {

bool Same(const std::string& a, const char* b, bool caseSensitive) {
    return caseSensitive ? a == b : ToLowerAscii(a) == b;
}

// "_levelN": the plug-in reads the digits after "_level" and ignores the
// rest of the name ("_level0undefined" is level 0).
std::optional<int> LevelNumber(const std::string& name) {
    if (name.size() < 7 || ToLowerAscii(name.substr(0, 6)) != "_level" || !std::isdigit(uint8_t(name[6])) ||
        name.find_first_of(":/.") != std::string::npos)
        return std::nullopt;
    int level = 0;
    for (size_t i = 6; i < name.size() && std::isdigit(uint8_t(name[i])); ++i)
        if ((level = level * 10 + (name[i] - '0')) > Vm::MaxLevel)
            return std::nullopt;
    return level;
}

} // namespace

ObjectPtr Scope::Base() const {
    if (!a_.Target)
        return a_.Scopes.empty() ? nullptr : a_.Scopes.front();
    // A removed target gives way to the clip the code belongs to, and a
    // removed one of those to the root.
    for (const ObjectPtr& clip : {a_.Target, a_.Home})
        if (ObjectPtr live = clip ? vm_.Live(clip) : nullptr)
            return live;
    return vm_.Root() ? vm_.ClipObjectFor(*vm_.Root()) : nullptr;
}

std::optional<Value> Scope::Special(const std::string& name) {
    if (name.empty() || (name[0] != '_' && name[0] != 't' && name[0] != 'T'))
        return std::nullopt;
    bool cs = vm_.CaseSensitive();
    if (Same(name, "this", cs)) {
        // A variable of that name comes first (scripts may set one); a
        // function that keeps `this` out of its variables sees its clip's.
        for (auto it = a_.Scopes.rbegin(); it != a_.Scopes.rend(); ++it)
            if (const Property* p = (*it)->FindOwn("this"))
                return p->Data;
        return a_.Locals && a_.Home ? Value(a_.Home) : a_.This;
    }
    if (Same(name, "_global", cs) && vm_.Version() >= 6)
        return Value(vm_.Global());
    if (Same(name, "_root", cs))
        if (Timeline* t = vm_.TimelineOf(Value(Base())))
            return Value(ClipObject::RootOf(vm_, *t));
    if (Same(name, "_root", cs) || Same(name, "_level0", cs))
        return vm_.Root() ? Value(vm_.ClipObjectFor(*vm_.Root())) : Value();
    if (auto level = LevelNumber(name)) {
        Timeline* t = *level == 0 ? vm_.Root() : vm_.LevelAt ? vm_.LevelAt(*level) : nullptr;
        return t ? Value(vm_.ClipObjectFor(*t)) : Value();
    }
    if (Same(name, "_parent", cs)) {
        Timeline* t = vm_.TimelineOf(Value(Base()));
        return t && t->Parent() ? Value(vm_.ClipObjectFor(*t->Parent())) : Value();
    }
    return std::nullopt;
}

bool Scope::IsPath(const std::string& name) const { return name.find_first_of(":/.") != std::string::npos; }

ObjectPtr Scope::ResolvePath(const std::string& path) {
    std::string head = path.substr(0, path.find_first_of("/:."));
    if (head.empty() || vm_.Version() < 5 || Special(head))
        return Walk(Base(), path, true);
    // The first name is looked for along the scope chain, as a variable
    // is; the path goes on from the first object that has it and leads
    // somewhere.
    for (size_t i = a_.Scopes.size(); i-- > 1;)
        if (vm_.HasMember(a_.Scopes[i], head))
            if (ObjectPtr found = Walk(a_.Scopes[i], path, false))
                return found;
    for (const ObjectPtr& scope : {Base(), vm_.Global()})
        if (scope && vm_.HasMember(scope, head))
            if (ObjectPtr found = Walk(scope, path, false))
                return found;
    return nullptr;
}

ObjectPtr Scope::Walk(ObjectPtr current, const std::string& path, bool first) {
    size_t pos = 0;
    if (!path.empty() && path[0] == '/') {
        current = vm_.Root() ? vm_.ClipObjectFor(*vm_.Root()) : nullptr;
        pos = 1;
    }
    // Once a slash has come, dots belong to the names.
    bool slashes = false;
    while (current && pos < path.size()) {
        size_t end = path.find_first_of(slashes ? "/:" : "/:.", pos);
        slashes = slashes || (end != std::string::npos && path[end] == '/');
        // ".." is the parent in slash syntax.
        if (path.compare(pos, 2, "..") == 0 && (pos + 2 == path.size() || path[pos + 2] == '/')) {
            Timeline* t = vm_.TimelineOf(Value(current));
            current = t && t->Parent() ? vm_.ClipObjectFor(*t->Parent()) : nullptr;
            pos += 3;
            first = false;
            slashes = true;
            continue;
        }
        std::string segment = path.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        pos = end == std::string::npos ? path.size() : end + 1;
        if (segment.empty())
            continue;
        Value next;
        if (first)
            if (auto special = Special(segment))
                next = *special;
        if (next.IsUndefined())
            next = vm_.GetMember(Value(current), segment);
        if (next.IsUndefined() && first && vm_.Version() >= 5)
            next = Lookup(segment);
        first = false;
        current = next.IsObject() ? next.Object() : nullptr;
    }
    return current;
}

ObjectPtr Scope::ResolveTarget(const Value& target) {
    if (target.IsObject())
        return target.Object();
    std::string path = vm_.ToString(target);
    if (path.empty())
        return Base();
    return ResolvePath(path);
}

bool Scope::SplitPath(const std::string& name, ObjectPtr& object, std::string& variable) {
    size_t colon = name.rfind(':');
    size_t split = colon != std::string::npos ? colon : name.rfind('.');
    if (split == std::string::npos) {
        // A slash path without a variable names the clip itself.
        object = nullptr;
        return false;
    }
    object = ResolvePath(name.substr(0, split));
    variable = name.substr(split + 1);
    return true;
}

Value Scope::Lookup(const std::string& name, Value* holder) {
    auto from = [&](const ObjectPtr& object) {
        // A function's own variables are no `this`.
        if (holder && object != a_.Locals)
            *holder = Value(object);
        return vm_.GetMember(Value(object), name);
    };
    for (size_t i = a_.Scopes.size(); i-- > 1;)
        if (vm_.HasMember(a_.Scopes[i], name))
            return from(a_.Scopes[i]);
    if (ObjectPtr base = Base(); base && vm_.HasMember(base, name))
        return from(base);
    if (vm_.HasMember(vm_.Global(), name))
        return vm_.GetMember(Value(vm_.Global()), name);
    return {};
}

Value Scope::GetFunction(const std::string& name, Value& thisValue) {
    if (Special(name))
        return Get(name);
    if (!IsPath(name))
        return Lookup(name, &thisValue);
    ObjectPtr object;
    std::string variable;
    if (!SplitPath(name, object, variable))
        return Get(name);
    if (!object)
        return {};
    thisValue = Value(object);
    return vm_.GetMember(thisValue, variable);
}

Value Scope::Get(const std::string& name) {
    if (auto special = Special(name))
        return *special;
    if (!IsPath(name))
        return Lookup(name);
    ObjectPtr object;
    std::string variable;
    if (!SplitPath(name, object, variable)) {
        ObjectPtr clip = ResolvePath(name);
        return clip ? Value(clip) : Value();
    }
    if (!object)
        return name.find('/') == std::string::npos ? Lookup(name) : Value();
    return vm_.GetMember(Value(object), variable);
}

void Scope::Set(const std::string& name, const Value& value) {
    if (IsPath(name)) {
        ObjectPtr object;
        std::string variable;
        if (SplitPath(name, object, variable)) {
            if (object)
                vm_.SetMember(Value(object), variable, value);
            return;
        }
    }
    for (size_t i = a_.Scopes.size(); i-- > 1;)
        if (vm_.HasMember(a_.Scopes[i], name) && a_.Scopes[i] != a_.Locals) {
            vm_.SetMember(Value(a_.Scopes[i]), name, value);
            return;
        } else if (a_.Scopes[i] == a_.Locals && a_.Locals->FindOwn(name)) {
            vm_.SetMember(Value(a_.Locals), name, value);
            return;
        }
    if (ObjectPtr base = Base())
        vm_.SetMember(Value(base), name, value);
}

ObjectPtr Scope::FrameHolder(const std::string& name, std::string& variable) {
    variable = name;
    ObjectPtr object = Base();
    if (IsPath(name) && !SplitPath(name, object, variable))
        return nullptr;
    return object;
}

void Scope::DefineLocal(const std::string& name, const Value& value) {
    std::string variable;
    if (a_.Locals)
        a_.Locals->Put(name, value);
    else if (ObjectPtr object = FrameHolder(name, variable))
        vm_.SetMember(Value(object), variable, value);
}

void Scope::Declare(const std::string& name) {
    std::string variable;
    if (a_.Locals) {
        if (!a_.Locals->FindOwn(name))
            a_.Locals->Put(name, Value());
    } else if (ObjectPtr object = FrameHolder(name, variable); object && !vm_.HasMember(object, variable)) {
        vm_.SetMember(Value(object), variable, Value());
    }
}

bool Scope::Delete(const std::string& name) {
    ObjectPtr object;
    std::string variable;
    if (IsPath(name) && SplitPath(name, object, variable))
        return object && object->Remove(variable);
    for (size_t i = a_.Scopes.size(); i-- > 0;)
        if (a_.Scopes[i]->FindOwn(name))
            return a_.Scopes[i]->Remove(name);
    if (ObjectPtr base = Base(); base && base->FindOwn(name))
        return base->Remove(name);
    if (vm_.Global()->FindOwn(name))
        return vm_.Global()->Remove(name);
    return false;
}

} // namespace swf::script
