#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"
#include "swf/script/XmlNode.h"

namespace swf::script::builtins {
namespace {

XmlNode* AsNode(const Value& v) { return v.IsObject() ? dynamic_cast<XmlNode*>(v.Object().get()) : nullptr; }

XmlNodePtr NodePtr(const Value& v) {
    return AsNode(v) ? std::static_pointer_cast<XmlNode>(v.Object()) : nullptr;
}

XmlNodePtr Clone(Vm& vm, const XmlNode& source, bool deep, size_t depth) {
    XmlNodePtr copy = NewXmlNode(vm, source.Type);
    copy->Name = source.Name;
    copy->NodeValue = source.NodeValue;
    if (source.Attributes) {
        auto own = source.Attributes->OwnProperties();
        for (auto it = own.rbegin(); it != own.rend(); ++it)
            copy->Attributes->Put((*it)->Name, (*it)->Data, (*it)->Flags);
    }
    if (deep && depth < XmlNode::MaxDepth)
        for (const XmlNodePtr& child : source.Children())
            copy->InsertChild(Clone(vm, *child, true, depth + 1), copy->Children().size());
    return copy;
}

Value Construct(Vm& vm, const Value& self, std::span<const Value> args) {
    int type = static_cast<int>(vm.ToNumber(Arg(args, 0)));
    XmlNodePtr node = AdoptInstance(vm, self, type == XmlNode::Element ? XmlNode::Element : XmlNode::Text);
    Value value = Arg(args, 1).IsUndefined() ? Value::Null() : Value(vm.ToString(args[1]));
    (type == XmlNode::Element ? node->Name : node->NodeValue) = value;
    return Value(ObjectPtr(node));
}

Value InsertBefore(Vm&, const Value& self, std::span<const Value> args) {
    XmlNode* parent = AsNode(self);
    XmlNodePtr child = NodePtr(Arg(args, 0));
    XmlNode* before = AsNode(Arg(args, 1));
    if (!parent || !child || !before || before->Parent() != parent)
        return {};
    const auto& list = parent->Children();
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].get() == before) {
            parent->InsertChild(child, i);
            break;
        }
    return {};
}

std::optional<std::string> Lookup(Vm& vm, const Value& self, std::span<const Value> args, bool prefix) {
    XmlNode* node = AsNode(self);
    if (!node)
        return std::nullopt;
    std::string key = vm.ToString(Arg(args, 0));
    return prefix ? node->PrefixFor(vm, key) : node->NamespaceFor(vm, key);
}

} // namespace

void InstallXmlNode(Vm& vm) {
    vm.Protos.XmlNode = vm.NewObject();
    const ObjectPtr& proto = vm.Protos.XmlNode;
    ObjectPtr ctor = vm.NewClass(proto, Construct, Construct);
    vm.Method(proto, "appendChild", [](Vm&, const Value& self, std::span<const Value> args) -> Value {
        if (XmlNode* parent = AsNode(self))
            parent->InsertChild(NodePtr(Arg(args, 0)), parent->Children().size());
        return {};
    });
    vm.Method(proto, "insertBefore", InsertBefore);
    vm.Method(proto, "removeNode", [](Vm&, const Value& self, std::span<const Value>) -> Value {
        if (XmlNode* node = AsNode(self))
            node->Detach();
        return {};
    });
    vm.Method(proto, "cloneNode", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        XmlNode* node = AsNode(self);
        return node ? Value(ObjectPtr(Clone(vm, *node, vm.ToBoolean(Arg(args, 0)), 0))) : Value();
    });
    vm.Method(proto, "hasChildNodes", [](Vm&, const Value& self, std::span<const Value>) -> Value {
        XmlNode* node = AsNode(self);
        return node && !node->Children().empty();
    });
    vm.Method(proto, "toString", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        XmlNode* node = AsNode(self);
        return node ? Value(node->Markup(vm)) : Value();
    });
    vm.Method(proto, "getNamespaceForPrefix",
              [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
                  auto uri = Lookup(vm, self, args, false);
                  return uri ? Value(*uri) : Value::Null();
              });
    vm.Method(proto, "getPrefixForNamespace",
              [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
                  auto prefix = Lookup(vm, self, args, true);
                  return prefix ? Value(*prefix) : Value::Null();
              });
    vm.Global()->Put("XMLNode", Value(ctor), DontEnum);
}

} // namespace swf::script::builtins
