#include "services/translate.h"

#include <atomic>

namespace ksy {
namespace {

std::atomic<TextTranslator> installed{nullptr};
std::atomic<int> generation{0};

} // namespace

void installTextTranslator(TextTranslator translator)
{
    installed.store(translator, std::memory_order_release);
    generation.fetch_add(1, std::memory_order_acq_rel);
}

int textTranslatorGeneration()
{
    return generation.load(std::memory_order_acquire);
}

std::string translate(const char* context, const char* french)
{
    if (const TextTranslator t = installed.load(std::memory_order_acquire))
        return t(context, french);
    return french;
}

std::string fillText(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string out;
    out.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < values.size()) {
                out.append(*(values.begin() + n));
                ++i;
                continue;
            }
        }
        out.push_back(c);
    }
    return out;
}

} // namespace ksy
