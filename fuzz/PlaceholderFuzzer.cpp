// Placeholder search and substitution against a plain reference that walks
// the text character by character, and compiled templates against applying
// their steps in order.
#include "CompiledTemplate.h"
#include "FuzzSupport.h"
#include "TextTemplate.h"

#include <cstdint>

using namespace morvane;
using namespace morvane::fuzz;

namespace {

const std::vector<std::string> kPlaceholders = {"宽度", "高度", "图层01", "图层02", "序号0", "#链接",      "宝贝id",
                                                "距左", "左",   "0",      "@",      "ab",    "Morvane版本"};
const std::vector<std::string> kPieces = {"宽", "度", "高", "图", "层", "序", "号", "0",    "1",    "#",    "链",
                                          "接", "<",  ">",  "a",  "B",  "Id", " ",  "\xE5", "\xFF", "\xBD", "\x80"};

char Fold(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool MatchesAt(std::string_view text, size_t at, std::string_view placeholder)
{
    if (text.size() - at < placeholder.size())
        return false;
    for (size_t i = 0; i < placeholder.size(); ++i) {
        if (Fold(text[at + i]) != Fold(placeholder[i]))
            return false;
    }
    return true;
}

// One character of UTF-8, or one byte where the sequence is broken.
size_t Step(std::string_view text, size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const size_t length = lead >= 0xF0 && lead < 0xF8   ? 4
                          : lead >= 0xE0 && lead < 0xF0 ? 3
                          : lead >= 0xC0 && lead < 0xE0 ? 2
                                                        : 1;
    if (length > text.size() - at)
        return 1;
    for (size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80)
            return 1;
    }
    return length;
}

size_t ReferenceFind(std::string_view text, std::string_view placeholder, size_t from)
{
    if (placeholder.empty())
        return std::string_view::npos;
    for (size_t at = from; at < text.size(); at += Step(text, at)) {
        if (MatchesAt(text, at, placeholder))
            return at;
    }
    return std::string_view::npos;
}

std::string ReferenceSubstitute(std::string_view text, std::string_view placeholder, std::string_view value,
                                long long maxCount)
{
    std::string result;
    size_t pos = 0;
    for (long long count = 0; count < maxCount; ++count) {
        const size_t at = ReferenceFind(text, placeholder, pos);
        if (at == std::string_view::npos)
            break;
        result.append(text.substr(pos, at - pos)).append(value);
        pos = at + placeholder.size();
    }
    return result.append(text.substr(pos));
}

std::string Piecework(FuzzedDataProvider& provider, size_t maxPieces)
{
    return fuzz::Piecework(provider, maxPieces, kPlaceholders, kPieces);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    const std::string text = Piecework(provider, 40);
    const std::string placeholder =
        provider.ConsumeBool() ? Pick(provider, kPlaceholders) : provider.ConsumeRandomLengthString(8);
    const std::string value = Piecework(provider, 3);
    const long long maxCount = provider.ConsumeIntegralInRange<long long>(-1, 6);
    const size_t from = provider.ConsumeIntegralInRange<size_t>(0, text.size() + 1);

    Require(TextTemplate::FindPlaceholder(text, placeholder, from) == ReferenceFind(text, placeholder, from),
            "FindPlaceholder");
    const std::string expected = ReferenceSubstitute(text, placeholder, value, maxCount);
    Require(TextTemplate::SubstitutePlaceholder(text, placeholder, value, maxCount) == expected,
            "SubstitutePlaceholder");
    std::string inPlace = text;
    TextTemplate::SubstituteInPlace(inPlace, placeholder, value, maxCount);
    Require(inPlace == expected, "SubstituteInPlace");

    // One template, one step list, several sets of values: each replay must
    // give what applying the steps in order gives.
    const CompiledTemplate compiled(text);
    const int stepCount = provider.ConsumeIntegralInRange<int>(1, 6);
    std::vector<std::string> placeholders;
    std::vector<long long> counts;
    std::vector<std::string> fixed;
    for (int s = 0; s < stepCount; ++s) {
        placeholders.push_back(Pick(provider, kPlaceholders));
        counts.push_back(provider.ConsumeIntegralInRange<long long>(0, 3));
        fixed.push_back(provider.ConsumeIntegralInRange<int>(0, 6) == 0 ? Piecework(provider, 3) + "x" : "");
    }
    for (int round = 0; round < 4 && provider.remaining_bytes() > 0; ++round) {
        std::vector<std::string> values;
        values.reserve(static_cast<size_t>(stepCount));
        std::vector<CompiledTemplate::Step> steps;
        for (int s = 0; s < stepCount; ++s) {
            const auto i = static_cast<size_t>(s);
            values.push_back(!fixed[i].empty() ? fixed[i] : Piecework(provider, 3));
            steps.push_back({placeholders[i], values.back(), counts[i], !fixed[i].empty()});
        }
        std::string replayed;
        compiled.AppendApplied(replayed, steps);
        Require(replayed == CompiledTemplate::ApplyInOrder(text, steps), "compiled template replay");
    }
    return 0;
}
