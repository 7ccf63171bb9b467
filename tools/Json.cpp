#include "Json.h"

#include <cstdlib>
#include <stdexcept>

namespace tools {
namespace {

class Parser {
public:
    explicit Parser(const std::string& text) : s_(text) {}

    Json Document() {
        Json v = Value();
        Space();
        if (i_ != s_.size())
            Fail();
        return v;
    }

private:
    [[noreturn]] void Fail() const { throw std::runtime_error("bad JSON at offset " + std::to_string(i_)); }

    void Space() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\r' || s_[i_] == '\t'))
            ++i_;
    }

    bool Take(char c) {
        Space();
        if (i_ < s_.size() && s_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }

    bool Word(const char* w) {
        std::string word(w);
        if (s_.compare(i_, word.size(), word) != 0)
            return false;
        i_ += word.size();
        return true;
    }

    Json Value() {
        Space();
        Json v;
        if (i_ >= s_.size())
            Fail();
        char c = s_[i_];
        if (c == '{')
            return Object();
        if (c == '[')
            return Array();
        if (c == '"') {
            v.Type = Json::Kind::String;
            v.Text = String();
        } else if (Word("true") || Word("false")) {
            v.Type = Json::Kind::Bool;
            v.Flag = s_[i_ - 1] == 'e' && s_[i_ - 2] == 'u';
        } else if (Word("null")) {
        } else {
            char* end = nullptr;
            v.Type = Json::Kind::Number;
            v.Number = std::strtod(s_.c_str() + i_, &end);
            if (end == s_.c_str() + i_)
                Fail();
            i_ = static_cast<size_t>(end - s_.c_str());
        }
        return v;
    }

    std::string String() {
        std::string out;
        ++i_;
        while (i_ < s_.size() && s_[i_] != '"') {
            char c = s_[i_++];
            if (c == '\\' && i_ < s_.size()) {
                char e = s_[i_++];
                out.push_back(e == 'n' ? '\n' : e == 't' ? '\t' : e == 'u' ? '?' : e);
                if (e == 'u')
                    i_ += 4;
            } else {
                out.push_back(c);
            }
        }
        if (i_ >= s_.size())
            Fail();
        ++i_;
        return out;
    }

    Json Array() {
        Json v;
        v.Type = Json::Kind::Array;
        ++i_;
        if (Take(']'))
            return v;
        do
            v.Items.push_back(Value());
        while (Take(','));
        if (!Take(']'))
            Fail();
        return v;
    }

    Json Object() {
        Json v;
        v.Type = Json::Kind::Object;
        ++i_;
        if (Take('}'))
            return v;
        do {
            Space();
            if (i_ >= s_.size() || s_[i_] != '"')
                Fail();
            std::string name = String();
            if (!Take(':'))
                Fail();
            v.Fields[name] = Value();
        } while (Take(','));
        if (!Take('}'))
            Fail();
        return v;
    }

    const std::string& s_;
    size_t i_ = 0;
};

} // namespace

const Json& Json::operator[](const std::string& name) const {
    static const Json null;
    auto it = Fields.find(name);
    return it == Fields.end() ? null : it->second;
}

Json ParseJson(const std::string& text) { return Parser(text).Document(); }

} // namespace tools
