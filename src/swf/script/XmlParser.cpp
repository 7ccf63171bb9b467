#include "swf/script/XmlParser.h"

#include "swf/CharacterEntity.h"

#include "swf/script/Text.h"
#include "swf/script/Vm.h"

#include <cctype>
#include <cstdlib>

namespace swf::script {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool AllSpace(const std::string& s) {
    for (char c : s)
        if (!IsSpace(c))
            return false;
    return true;
}

// One pass over the markup, building below the root.
class Parser {
public:
    Parser(Vm& vm, XmlNode& root, const std::string& text, bool ignoreWhite)
        : vm_(vm), text_(text), ignoreWhite_(ignoreWhite), current_(&root), root_(&root) {}

    XmlParseResult Run() {
        while (pos_ < text_.size() && result_.Status == xmlstatus::Ok) {
            if (text_[pos_] != '<')
                ReadText();
            else if (At("<?"))
                result_.Declaration = Section("?>", xmlstatus::DeclarationNotTerminated);
            else if (At("<!--"))
                Section("-->", xmlstatus::CommentNotTerminated);
            else if (At("<![CDATA["))
                ReadCdata();
            else if (At("<!"))
                result_.Doctype = Section(">", xmlstatus::DoctypeNotTerminated);
            else if (At("</"))
                ReadEndTag();
            else
                ReadElement();
        }
        if (result_.Status == xmlstatus::Ok && current_ != root_)
            result_.Status = xmlstatus::StartWithoutEnd;
        return result_;
    }

private:
    bool At(const char* s) const { return text_.compare(pos_, std::char_traits<char>::length(s), s) == 0; }

    void Append(const XmlNodePtr& node) { current_->InsertChild(node, current_->Children().size()); }

    void AppendText(std::string value) {
        if (ignoreWhite_ && AllSpace(value))
            return;
        XmlNodePtr node = NewXmlNode(vm_, XmlNode::Text);
        node->NodeValue = Value(std::move(value));
        Append(node);
    }

    void ReadText() {
        size_t end = text_.find('<', pos_);
        if (end == std::string::npos)
            end = text_.size();
        AppendText(DecodeXmlEntities(text_.substr(pos_, end - pos_)));
        pos_ = end;
    }

    // A section up to and including its terminator; none, with the status
    // set, when it is not terminated.
    std::optional<std::string> Section(const char* terminator, int status) {
        size_t end = text_.find(terminator, pos_ + 1);
        if (end == std::string::npos) {
            result_.Status = status;
            return std::nullopt;
        }
        end += std::char_traits<char>::length(terminator);
        std::string section = text_.substr(pos_, end - pos_);
        pos_ = end;
        return section;
    }

    void ReadCdata() {
        size_t start = pos_ + 9;
        if (auto section = Section("]]>", xmlstatus::CdataNotTerminated))
            AppendText(text_.substr(start, pos_ - 3 - start));
    }

    std::string ReadName() {
        size_t start = pos_;
        while (pos_ < text_.size() && !IsSpace(text_[pos_]) && text_[pos_] != '>' && text_[pos_] != '/' &&
               text_[pos_] != '=')
            ++pos_;
        return text_.substr(start, pos_ - start);
    }

    void SkipSpace() {
        while (pos_ < text_.size() && IsSpace(text_[pos_]))
            ++pos_;
    }

    void ReadEndTag() {
        pos_ += 2;
        size_t end = text_.find('>', pos_);
        if (end == std::string::npos) {
            result_.Status = xmlstatus::MalformedElement;
            return;
        }
        std::string name = text_.substr(pos_, end - pos_);
        while (!name.empty() && IsSpace(name.back()))
            name.pop_back();
        pos_ = end + 1;
        if (current_ == root_ || !current_->Name.IsString() || current_->Name.String() != name) {
            result_.Status = xmlstatus::EndWithoutStart;
            return;
        }
        current_ = current_->Parent();
        --depth_;
    }

    void ReadElement() {
        ++pos_;
        std::string name = ReadName();
        if (name.empty()) {
            result_.Status = xmlstatus::MalformedElement;
            return;
        }
        XmlNodePtr element = NewXmlNode(vm_, XmlNode::Element);
        element->Name = Value(name);
        for (;;) {
            SkipSpace();
            if (pos_ >= text_.size()) {
                result_.Status = xmlstatus::MalformedElement;
                return;
            }
            if (text_[pos_] == '>' || At("/>"))
                break;
            if (!ReadAttribute(*element))
                return;
        }
        Append(element);
        if (text_[pos_] == '/') {
            pos_ += 2;
            return;
        }
        ++pos_;
        if (++depth_ > XmlNode::MaxDepth) {
            result_.Status = xmlstatus::MalformedElement;
            return;
        }
        current_ = element.get();
    }

    bool ReadAttribute(XmlNode& element) {
        std::string name = ReadName();
        SkipSpace();
        if (name.empty() || pos_ >= text_.size() || text_[pos_] != '=') {
            result_.Status = xmlstatus::MalformedElement;
            return false;
        }
        ++pos_;
        SkipSpace();
        if (pos_ >= text_.size() || (text_[pos_] != '"' && text_[pos_] != '\'')) {
            result_.Status = xmlstatus::MalformedElement;
            return false;
        }
        size_t end = text_.find(text_[pos_], pos_ + 1);
        if (end == std::string::npos) {
            result_.Status = xmlstatus::AttributeNotTerminated;
            return false;
        }
        element.Attributes->Put(name, Value(DecodeXmlEntities(text_.substr(pos_ + 1, end - pos_ - 1))));
        pos_ = end + 1;
        return true;
    }

    Vm& vm_;
    const std::string& text_;
    bool ignoreWhite_;
    XmlNode* current_;
    XmlNode* root_;
    size_t pos_ = 0;
    size_t depth_ = 0;
    XmlParseResult result_;
};

} // namespace

std::string DecodeXmlEntities(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        size_t semicolon = text[i] == '&' ? text.find(';', i + 1) : std::string::npos;
        // Entity names are short; a lone ampersand stays as it is.
        std::optional<char32_t> decoded;
        if (semicolon != std::string::npos && semicolon - i <= 10)
            decoded = DecodeCharacterEntity(std::string_view(text).substr(i + 1, semicolon - i - 1),
                                            EntityNames::Xml);
        if (decoded) {
            out += Utf8Encode(*decoded);
            i = semicolon;
        } else {
            out += text[i];
        }
    }
    return out;
}

XmlParseResult ParseXml(Vm& vm, XmlNode& root, const std::string& text, bool ignoreWhite) {
    return Parser(vm, root, text, ignoreWhite).Run();
}

} // namespace swf::script
