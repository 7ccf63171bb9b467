#pragma once

#include "swf/script/Object.h"

#include <memory>
#include <string>
#include <vector>

namespace swf::script {

class XmlNode;
using XmlNodePtr = std::shared_ptr<XmlNode>;

// A node of an XML tree as scripts see it (XMLNode, and XML for the
// document): an element with a name and attributes, or a text node with a
// value. The tree properties (firstChild, parentNode, childNodes, ...) are
// computed from the links kept here, so they always agree with each other.
class XmlNode : public Object {
public:
    enum Kind : int { Element = 1, Text = 3 };
    // Trees deeper than this are not built or walked: a hostile document
    // cannot exhaust the stack.
    static constexpr size_t MaxDepth = 256;

    using Object::Object;

    int Type = Element;
    Value Name = Value::Null();      // elements; null for a document
    Value NodeValue = Value::Null(); // text nodes
    ObjectPtr Attributes;            // a plain object, names to values

    const std::vector<XmlNodePtr>& Children() const { return children_; }
    XmlNode* Parent() const { return parent_.get(); }

    // Tree changes. A node moves from wherever it was; making a node a
    // child of itself or of its own descendants is refused (false).
    bool InsertChild(const XmlNodePtr& child, size_t index);
    void Detach();
    void RemoveAllChildren();
    bool IsAncestorOf(const XmlNode* node) const;

    // The namespace a prefix stands for here ("" for the default one), from
    // the xmlns attributes of this node and its ancestors; and the prefix
    // declared for a namespace.
    std::optional<std::string> NamespaceFor(Vm& vm, const std::string& prefix) const;
    std::optional<std::string> PrefixFor(Vm& vm, const std::string& uri) const;

    // The markup of the node and everything below it.
    std::string Markup(Vm& vm) const;

    std::optional<Value> GetComputed(Vm& vm, const std::string& name) override;
    bool SetComputed(Vm& vm, const std::string& name, const Value& v) override;
    void DropReferences() override;

private:
    void AppendMarkup(Vm& vm, std::string& out, size_t depth) const;
    // Whether a property name is this one (without case before SWF 7).
    bool Names(const std::string& name, const char* property) const;
    Value Sibling(int step) const;
    Value ChildArray(Vm& vm);

    std::vector<XmlNodePtr> children_;
    XmlNodePtr parent_;
    ObjectPtr childArray_; // the childNodes array, refreshed when read
};

// Text with the five markup characters written as entities.
std::string EscapeXml(const std::string& text);

// A new node of the kind, with an empty attributes object, whose prototype
// is XMLNode's.
XmlNodePtr NewXmlNode(Vm& vm, int type);
// A constructor's new node: it takes over the prototype and constructor
// links `new` gave the plain object, so subclasses of XML keep theirs.
XmlNodePtr AdoptInstance(Vm& vm, const Value& self, int type);

} // namespace swf::script
