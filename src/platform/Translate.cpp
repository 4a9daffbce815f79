#include "platform/Translate.h"

#include <atomic>
#include <cstddef>

namespace {
std::atomic<const Translator*> installed{ nullptr };
} // namespace

void setTranslator(const Translator* translator)
{
    installed.store(translator);
}

std::string translate(const char* context, const char* source)
{
    const Translator* t = installed.load();
    return t ? t->translate(context, source) : std::string(source);
}

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        // Only %1 … %9: an argument's own text is never scanned again.
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < args.size()) {
                out += *(args.begin() + n);
                ++i;
                continue;
            }
        }
        out.push_back(c);
    }
    return out;
}
