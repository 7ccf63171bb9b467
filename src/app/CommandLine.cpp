#include "app/CommandLine.h"

namespace app {
namespace {

bool IsBlank(wchar_t c) { return c <= L' '; }

} // namespace

std::vector<std::wstring> SplitCommandLine(std::wstring_view raw) {
    std::vector<std::wstring> args;
    size_t i = 0;
    while (true) {
        while (i < raw.size() && IsBlank(raw[i]))
            ++i;
        if (i == raw.size())
            return args;
        std::wstring arg;
        bool quoted = false;
        for (; i < raw.size() && (quoted || !IsBlank(raw[i])); ++i) {
            if (raw[i] == L'"')
                quoted = !quoted;
            else
                arg += raw[i];
        }
        args.push_back(std::move(arg));
    }
}

std::wstring CommandLinePath(std::wstring_view raw) {
    auto args = SplitCommandLine(raw);
    std::wstring path;
    for (size_t i = 1; i < args.size(); ++i) {
        if (i > 1)
            path += L' ';
        path += args[i];
    }
    return path;
}

bool HasArguments(std::wstring_view raw) { return SplitCommandLine(raw).size() > 1; }

} // namespace app
