#include "swf/script/Vm.h"
#include "swf/script/XmlNode.h"
#include "swf/script/XmlParser.h"

#include <gtest/gtest.h>

namespace {

using swf::script::Value;
using swf::script::Vm;

// A script machine of one version and shorthands for what scripts do with
// XML objects.
class XmlScripts : public ::testing::Test {
protected:
    Vm vm{8};

    Value New(const char* cls, std::vector<Value> args = {}) {
        return vm.Construct(vm.GetMember(Value(vm.Global()), cls), args);
    }
    Value Xml(const std::string& text) { return New("XML", {Value(text)}); }
    Value Call(const Value& object, const char* method, std::vector<Value> args = {}) {
        return vm.CallMethod(object, method, args);
    }
    Value Get(const Value& object, const char* name) { return vm.GetMember(object, name); }
    std::string Text(const Value& v) { return vm.ToString(v); }
    double Status(const Value& xml) { return vm.ToNumber(Get(xml, "status")); }
};

TEST_F(XmlScripts, MarkupRoundTripsAsThePluginWritesIt) {
    // Entities decode and re-encode, empty elements close with " />",
    // comments go, CDATA becomes escaped text, declarations lead.
    Value xml = Xml("<?xml version=\"1.0\"?><!DOCTYPE d><a x=\"1 &amp; 2\"><b></b>t&lt;u&#65;&#x42;"
                    "<!-- gone --><![CDATA[<raw>]]></a>");
    EXPECT_EQ(Status(xml), 0);
    EXPECT_EQ(Text(xml),
              "<?xml version=\"1.0\"?><!DOCTYPE d><a x=\"1 &amp; 2\"><b />t&lt;uAB&lt;raw&gt;</a>");
    Value a = Get(xml, "firstChild");
    EXPECT_EQ(Text(Get(Get(a, "attributes"), "x")), "1 & 2");
    EXPECT_EQ(Text(Get(Get(a, "lastChild"), "nodeValue")), "<raw>");
    EXPECT_EQ(Text(Get(xml, "xmlDecl")), "<?xml version=\"1.0\"?>");
    // An unknown entity and a lone ampersand stay as written.
    EXPECT_EQ(swf::script::DecodeXmlEntities("&nope; & &#0;"), "&nope; & &#0;");
}

TEST_F(XmlScripts, IgnoreWhiteDropsOnlyBlankText) {
    Value xml = New("XML");
    vm.SetMember(xml, "ignoreWhite", Value(true));
    Call(xml, "parseXML", {Value("<a>\n  <b> x </b>\t</a>")});
    EXPECT_EQ(Text(xml), "<a><b> x </b></a>");
    Value kept = Xml("<a> <b /></a>");
    EXPECT_EQ(vm.ToNumber(Get(Get(Get(kept, "firstChild"), "childNodes"), "length")), 2);
}

TEST_F(XmlScripts, ErrorsSetTheStatusAndKeepWhatWasRead) {
    struct Case {
        const char* Text;
        int Status;
    } cases[] = {
        {"<a><![CDATA[x</a>", -2},
        {"<?xml ", -3},
        {"<!DOCTYPE", -4},
        {"<a><!-- x", -5},
        {"<a b></a>", -6},
        {"<a b=\"1></a>", -8},
        {"<a><b></b>", -9},
        {"<a></b>", -10},
        {"</a>", -10},
        {"<>", -6},
        {"<a b=1></a>", -6},
        {"<a", -6},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Status(Xml(c.Text)), c.Status) << c.Text;
    Value partial = Xml("<a>text</a><b></c>");
    EXPECT_EQ(Text(partial), "<a>text</a><b />");
}

TEST_F(XmlScripts, TreeLinksAgreeAfterEveryChange) {
    Value xml = Xml("<a /><b /><c />");
    Value a = Get(xml, "firstChild"), b = Get(a, "nextSibling"), c = Get(xml, "lastChild");
    EXPECT_EQ(Get(b, "previousSibling"), a);
    EXPECT_EQ(Get(Get(xml, "childNodes"), "2"), c);
    // Appending a child moves it; it keeps its identity.
    Call(xml, "appendChild", {a});
    EXPECT_EQ(Text(xml), "<b /><c /><a />");
    EXPECT_EQ(Get(a, "previousSibling"), c);
    EXPECT_EQ(Get(a, "nextSibling"), Value::Null());
    Call(xml, "insertBefore", {a, b});
    EXPECT_EQ(Text(xml), "<a /><b /><c />");
    // Into another node, then removed.
    Call(b, "appendChild", {c});
    EXPECT_EQ(Text(xml), "<a /><b><c /></b>");
    EXPECT_EQ(Get(c, "parentNode"), b);
    Call(c, "removeNode");
    EXPECT_EQ(Get(c, "parentNode"), Value::Null());
    EXPECT_EQ(Call(b, "hasChildNodes"), Value(false));
    // A node never goes below itself.
    Call(b, "appendChild", {c});
    Call(c, "appendChild", {b});
    Call(b, "appendChild", {b});
    EXPECT_EQ(Text(xml), "<a /><b><c /></b>");
    // insertBefore with a node that is not a child does nothing.
    Call(xml, "insertBefore", {New("XMLNode", {Value(1), Value("d")}), c});
    EXPECT_EQ(Text(xml), "<a /><b><c /></b>");
    // Parsing again leaves the old children without a parent.
    Call(xml, "parseXML", {Value("<e />")});
    EXPECT_EQ(Get(a, "parentNode"), Value::Null());
    EXPECT_EQ(Text(xml), "<e />");
}

TEST_F(XmlScripts, ClonesCopyNodesNotScriptProperties) {
    Value xml = Xml("<a k=\"v\"><b>t</b></a>");
    Value a = Get(xml, "firstChild");
    vm.SetMember(a, "expando", Value(1));
    Value shallow = Call(a, "cloneNode", {Value(false)}), deep = Call(a, "cloneNode", {Value(true)});
    EXPECT_EQ(Text(shallow), "<a k=\"v\" />");
    EXPECT_EQ(Text(deep), "<a k=\"v\"><b>t</b></a>");
    EXPECT_TRUE(Get(deep, "expando").IsUndefined());
    EXPECT_EQ(Get(deep, "parentNode"), Value::Null());
    // The copy's attributes are its own.
    vm.SetMember(Get(deep, "attributes"), "k", Value("w"));
    EXPECT_EQ(Text(Get(Get(a, "attributes"), "k")), "v");
}

TEST_F(XmlScripts, NodesMadeByScripts) {
    Value xml = New("XML");
    Value e = Call(xml, "createElement", {Value("p")}), t = Call(xml, "createTextNode", {Value("a&b")});
    EXPECT_EQ(vm.ToNumber(Get(t, "nodeType")), 3);
    EXPECT_EQ(Get(t, "nodeName"), Value::Null());
    Call(e, "appendChild", {t});
    Call(xml, "appendChild", {e});
    EXPECT_EQ(Text(xml), "<p>a&amp;b</p>");
    vm.SetMember(e, "nodeName", Value("q"));
    vm.SetMember(e, "firstChild", Value(1)); // read-only
    EXPECT_EQ(Text(xml), "<q>a&amp;b</q>");
    Value node = New("XMLNode", {Value(3), Value("x")});
    EXPECT_EQ(Text(Get(node, "nodeValue")), "x");
}

TEST_F(XmlScripts, NamespacesComeFromTheNodeAndItsAncestors) {
    Value xml = Xml("<p:a xmlns:p=\"urn:p\" xmlns=\"urn:d\"><p:b xmlns:q=\"urn:q\"><c /></p:b></p:a>");
    Value a = Get(xml, "firstChild"), b = Get(a, "firstChild"), c = Get(b, "firstChild");
    EXPECT_EQ(Text(Get(b, "prefix")), "p");
    EXPECT_EQ(Text(Get(b, "localName")), "b");
    EXPECT_EQ(Text(Get(b, "namespaceURI")), "urn:p");
    EXPECT_EQ(Text(Get(c, "namespaceURI")), "urn:d");
    EXPECT_EQ(Text(Call(c, "getNamespaceForPrefix", {Value("q")})), "urn:q");
    EXPECT_EQ(Text(Call(c, "getPrefixForNamespace", {Value("urn:p")})), "p");
    EXPECT_EQ(Call(a, "getNamespaceForPrefix", {Value("q")}), Value::Null());
    EXPECT_EQ(Get(xml, "prefix"), Value::Null());
}

TEST_F(XmlScripts, DeepAndHostileDocumentsAreBounded) {
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "<a>";
    Value xml = Xml(deep);
    EXPECT_EQ(Status(xml), -6);
    EXPECT_LT(Text(xml).size(), 100000u);
    // Cloning and printing stop at the depth bound too.
    EXPECT_FALSE(Text(Call(xml, "cloneNode", {Value(true)})).empty());
    for (const char* junk : {"<", "<a =\"\"", "&", "<![CDATA[", "<a b='", "]]>"})
        Xml(junk);
}

} // namespace
