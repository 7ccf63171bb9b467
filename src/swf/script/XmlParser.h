#pragma once

#include "swf/script/XmlNode.h"

#include <optional>
#include <string>

namespace swf::script {

// What XML.status reports about a parse, as the plug-in numbers it.
namespace xmlstatus {
enum : int {
    Ok = 0,
    CdataNotTerminated = -2,
    DeclarationNotTerminated = -3,
    DoctypeNotTerminated = -4,
    CommentNotTerminated = -5,
    MalformedElement = -6,
    AttributeNotTerminated = -8, // -7 is the plug-in's "out of memory"
    StartWithoutEnd = -9,
    EndWithoutStart = -10,
};
} // namespace xmlstatus

struct XmlParseResult {
    int Status = xmlstatus::Ok;
    std::optional<std::string> Declaration; // <?xml ...?>
    std::optional<std::string> Doctype;     // <!DOCTYPE ...>
};

// Parses markup into new children of `root`, as the plug-in's XML parser
// reads it: comments are dropped, CDATA becomes text, entities are decoded,
// white-space-only text is dropped when asked. It stops at the first error;
// what was read before it stays.
XmlParseResult ParseXml(Vm& vm, XmlNode& root, const std::string& text, bool ignoreWhite);

// Text with the predefined and numeric entities decoded; unknown ones stay.
std::string DecodeXmlEntities(const std::string& text);

} // namespace swf::script
