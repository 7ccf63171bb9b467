#include "swf/script/Builtins.h"
#include "swf/script/Loading.h"
#include "swf/script/Vm.h"
#include "swf/script/XmlParser.h"

namespace swf::script::builtins {
namespace {

XmlNode* AsDocument(const Value& v) {
    return v.IsObject() ? dynamic_cast<XmlNode*>(v.Object().get()) : nullptr;
}

// Replaces the document's content with the parse of `text`.
void Parse(Vm& vm, const Value& self, const std::string& text) {
    XmlNode* document = AsDocument(self);
    if (!document)
        return;
    document->RemoveAllChildren();
    XmlParseResult result = ParseXml(vm, *document, text, vm.ToBoolean(vm.GetMember(self, "ignoreWhite")));
    document->Put("status", double(result.Status));
    if (result.Declaration)
        document->Put("xmlDecl", Value(*result.Declaration));
    if (result.Doctype)
        document->Put("docTypeDecl", Value(*result.Doctype));
}

Value Construct(Vm& vm, const Value& self, std::span<const Value> args) {
    XmlNodePtr document = AdoptInstance(vm, self, XmlNode::Element);
    Value source = Arg(args, 0);
    if (!source.IsNullish())
        Parse(vm, Value(ObjectPtr(document)), vm.ToString(source));
    return Value(ObjectPtr(document));
}

// The default onData: the text becomes the document.
Value OnData(Vm& vm, const Value& self, std::span<const Value> args) {
    FinishTextLoad(vm, self, Arg(args, 0), [&vm, &self](const std::string& text) { Parse(vm, self, text); });
    return {};
}

Value NewNode(Vm& vm, std::span<const Value> args, int type) {
    XmlNodePtr node = NewXmlNode(vm, type);
    Value text = Value(vm.ToString(Arg(args, 0)));
    (type == XmlNode::Element ? node->Name : node->NodeValue) = text;
    return Value(ObjectPtr(node));
}

} // namespace

void InstallXml(Vm& vm) {
    vm.Protos.Xml = vm.NewObject(vm.Protos.XmlNode);
    const ObjectPtr& proto = vm.Protos.Xml;
    ObjectPtr ctor = vm.NewClass(proto, Construct, Construct);
    vm.Method(proto, "parseXML", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        Parse(vm, self, vm.ToString(Arg(args, 0)));
        return {};
    });
    vm.Method(proto, "createElement", [](Vm& vm, const Value&, std::span<const Value> args) -> Value {
        return NewNode(vm, args, XmlNode::Element);
    });
    vm.Method(proto, "createTextNode", [](Vm& vm, const Value&, std::span<const Value> args) -> Value {
        return NewNode(vm, args, XmlNode::Text);
    });
    vm.Method(proto, "onData", OnData);
    vm.Method(proto, "onLoad", [](Vm&, const Value&, std::span<const Value>) -> Value { return {}; });
    InstallLoadMethods(vm, proto);
    proto->Put("ignoreWhite", Value(false), DontEnum);
    proto->Put("contentType", Value("application/x-www-form-urlencoded"), DontEnum);
    vm.Global()->Put("XML", Value(ctor), DontEnum);
}

} // namespace swf::script::builtins
