#include "swf/script/XmlNode.h"

#include "swf/script/Text.h"
#include "swf/script/Vm.h"

#include <algorithm>

namespace swf::script {
namespace {

std::string NamePart(const Value& name, bool prefix) {
    const std::string& s = name.String();
    size_t colon = s.find(':');
    if (colon == std::string::npos)
        return prefix ? "" : s;
    return prefix ? s.substr(0, colon) : s.substr(colon + 1);
}

// An xmlns attribute declares the prefix after its colon, or the default
// namespace without one.
std::optional<std::string> DeclaredPrefix(const std::string& attribute) {
    if (attribute.compare(0, 5, "xmlns") != 0)
        return std::nullopt;
    size_t colon = attribute.find(':');
    return colon == std::string::npos ? std::string() : attribute.substr(colon + 1);
}

// The attributes in the order they were set, as a document declares them.
std::vector<const Property*> InOrder(const ObjectPtr& attributes) {
    std::vector<const Property*> list;
    if (attributes)
        for (const Property* p : attributes->OwnProperties())
            if (!(p->Flags & DontEnum))
                list.push_back(p);
    std::reverse(list.begin(), list.end());
    return list;
}

} // namespace

std::string EscapeXml(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

XmlNodePtr NewXmlNode(Vm& vm, int type) {
    auto node = vm.Make<XmlNode>();
    node->Type = type;
    node->Attributes = vm.NewObject();
    node->Put("__proto__", Value(vm.Protos.XmlNode), DontEnum);
    return node;
}

XmlNodePtr AdoptInstance(Vm& vm, const Value& self, int type) {
    XmlNodePtr node = NewXmlNode(vm, type);
    if (self.IsObject()) {
        auto own = self.Object()->OwnProperties();
        for (auto it = own.rbegin(); it != own.rend(); ++it)
            node->Put((*it)->Name, (*it)->Data, (*it)->Flags);
    }
    return node;
}

bool XmlNode::IsAncestorOf(const XmlNode* node) const {
    // InsertChild keeps the links free of cycles, so the walk ends.
    for (; node; node = node->Parent())
        if (node == this)
            return true;
    return false;
}

bool XmlNode::InsertChild(const XmlNodePtr& child, size_t index) {
    if (!child || child->IsAncestorOf(this))
        return false;
    XmlNodePtr keep = child;
    if (child->parent_.get() == this) {
        auto at = std::find(children_.begin(), children_.end(), child);
        if (size_t(at - children_.begin()) < index)
            --index;
    }
    child->Detach();
    index = std::min(index, children_.size());
    children_.insert(children_.begin() + static_cast<std::ptrdiff_t>(index), child);
    child->parent_ = std::static_pointer_cast<XmlNode>(shared_from_this());
    return true;
}

void XmlNode::Detach() {
    if (!parent_)
        return;
    std::erase(parent_->children_, std::static_pointer_cast<XmlNode>(shared_from_this()));
    parent_.reset();
}

void XmlNode::RemoveAllChildren() {
    for (const XmlNodePtr& child : children_)
        child->parent_.reset();
    children_.clear();
}

std::optional<std::string> XmlNode::NamespaceFor(Vm& vm, const std::string& prefix) const {
    const XmlNode* node = this;
    for (; node; node = node->Parent())
        for (const Property* p : InOrder(node->Attributes))
            if (DeclaredPrefix(p->Name) == prefix)
                return vm.ToString(p->Data);
    return std::nullopt;
}

std::optional<std::string> XmlNode::PrefixFor(Vm& vm, const std::string& uri) const {
    const XmlNode* node = this;
    for (; node; node = node->Parent())
        for (const Property* p : InOrder(node->Attributes))
            if (auto prefix = DeclaredPrefix(p->Name); prefix && vm.ToString(p->Data) == uri)
                return prefix;
    return std::nullopt;
}

std::string XmlNode::Markup(Vm& vm) const {
    std::string out;
    AppendMarkup(vm, out, 0);
    return out;
}

void XmlNode::AppendMarkup(Vm& vm, std::string& out, size_t depth) const {
    if (depth > MaxDepth)
        return;
    if (Type != Element) {
        out += EscapeXml(vm.ToString(NodeValue));
        return;
    }
    bool named = !Name.IsNullish();
    // A document starts with its declarations.
    if (!named && depth == 0)
        for (const char* declaration : {"xmlDecl", "docTypeDecl"})
            if (const Property* p = FindOwn(declaration); p && !p->Data.IsUndefined())
                out += vm.ToString(p->Data);
    if (named) {
        out += '<' + vm.ToString(Name);
        // Attributes come out newest first, as for..in lists them.
        if (Attributes)
            for (const Property* p : Attributes->OwnProperties())
                if (!(p->Flags & DontEnum))
                    out += ' ' + p->Name + "=\"" + EscapeXml(vm.ToString(p->Data)) + '"';
        if (children_.empty()) {
            out += " />";
            return;
        }
        out += '>';
    }
    for (const XmlNodePtr& child : children_)
        child->AppendMarkup(vm, out, depth + 1);
    if (named)
        out += "</" + vm.ToString(Name) + '>';
}

Value XmlNode::Sibling(int step) const {
    if (!parent_)
        return Value::Null();
    const auto& list = parent_->children_;
    auto at = std::find_if(list.begin(), list.end(), [this](const XmlNodePtr& n) { return n.get() == this; });
    if (at == list.end())
        return Value::Null();
    auto index = (at - list.begin()) + step;
    if (index < 0 || index >= std::ptrdiff_t(list.size()))
        return Value::Null();
    return Value(ObjectPtr(list[size_t(index)]));
}

Value XmlNode::ChildArray(Vm& vm) {
    if (!childArray_)
        childArray_ = vm.NewArray();
    auto& elements = static_cast<ArrayObject&>(*childArray_).Elements;
    elements.clear();
    for (const XmlNodePtr& child : children_)
        elements.push_back(Value(ObjectPtr(child)));
    return Value(childArray_);
}

bool XmlNode::Names(const std::string& name, const char* property) const {
    return CaseSensitive() ? name == property : ToLowerAscii(name) == ToLowerAscii(property);
}

std::optional<Value> XmlNode::GetComputed(Vm& vm, const std::string& name) {
    auto nodeOrNull = [](const XmlNodePtr& n) { return n ? Value(ObjectPtr(n)) : Value::Null(); };
    bool named = Type == Element && Name.IsString();
    if (Names(name, "nodeType"))
        return double(Type);
    if (Names(name, "nodeName"))
        return Type == Element ? Name : Value::Null();
    if (Names(name, "nodeValue"))
        return Type == Element ? Value::Null() : NodeValue;
    if (Names(name, "attributes"))
        return Attributes ? Value(Attributes) : Value();
    if (Names(name, "childNodes"))
        return ChildArray(vm);
    if (Names(name, "firstChild"))
        return nodeOrNull(children_.empty() ? nullptr : children_.front());
    if (Names(name, "lastChild"))
        return nodeOrNull(children_.empty() ? nullptr : children_.back());
    if (Names(name, "nextSibling"))
        return Sibling(1);
    if (Names(name, "previousSibling"))
        return Sibling(-1);
    if (Names(name, "parentNode"))
        return nodeOrNull(parent_);
    if (Names(name, "prefix") || Names(name, "localName"))
        return named ? Value(NamePart(Name, Names(name, "prefix"))) : Value::Null();
    if (Names(name, "namespaceURI")) {
        auto uri = named ? NamespaceFor(vm, NamePart(Name, true)) : std::nullopt;
        return uri ? Value(*uri) : Value::Null();
    }
    return std::nullopt;
}

bool XmlNode::SetComputed(Vm&, const std::string& name, const Value& v) {
    if (Names(name, "nodeName")) {
        if (Type == Element)
            Name = v;
        return true;
    }
    if (Names(name, "nodeValue")) {
        if (Type != Element)
            NodeValue = v;
        return true;
    }
    if (Names(name, "attributes")) {
        if (v.IsObject())
            Attributes = v.Object();
        return true;
    }
    // The tree links are read-only.
    for (const char* readOnly : {"nodeType", "childNodes", "firstChild", "lastChild", "nextSibling",
                                 "previousSibling", "parentNode", "prefix", "localName", "namespaceURI"})
        if (Names(name, readOnly))
            return true;
    return false;
}

void XmlNode::DropReferences() {
    Object::DropReferences();
    children_.clear();
    parent_.reset();
    Attributes.reset();
    childArray_.reset();
    Name = Value();
    NodeValue = Value();
}

} // namespace swf::script
