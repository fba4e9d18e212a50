// Settings files: any bytes load; writing keys and reading the result back
// gives exactly the values written, leaves every other key as it was, and a
// file nobody wrote to goes back out byte for byte.
#include "FuzzSupport.h"
#include "SettingsFile.h"

#include <cstdint>
#include <map>

using namespace morvane;
using namespace morvane::fuzz;

namespace {

// Keys as panels write them: no "=", no line break, no blanks at the ends,
// no "[" in front (that line would be a section header).
std::string Key(FuzzedDataProvider& provider)
{
    static const std::vector<std::string> known = {"宽度", "高度", "图片1", "链接8", "内容", "k", "K", "a b"};
    if (provider.ConsumeBool())
        return Pick(provider, known);
    std::string key;
    for (const char c : Text(provider, 6)) {
        if (c != '=' && c != '\r' && c != '\n')
            key += c;
    }
    while (!key.empty() && (key.front() == ' ' || key.front() == '\t'))
        key.erase(0, 1);
    while (!key.empty() && (key.back() == ' ' || key.back() == '\t'))
        key.pop_back();
    if (key.empty() || key.front() == '[')
        key.insert(0, "k");
    return key;
}

std::string Folded(std::string key)
{
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return key;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    const std::string bytes = provider.ConsumeRandomLengthString(4096);
    const SettingsFile original = SettingsFile::FromBytes(bytes);
    Require(original.ToBytes() == bytes, "an unchanged file goes back out byte for byte");

    std::map<std::string, std::pair<std::string, std::string>> written; // folded key -> key, value
    std::vector<std::string> asked = {"宽度", "k", "a b"};
    SettingsFile file = original;
    const int writes = provider.ConsumeIntegralInRange<int>(0, 6);
    for (int i = 0; i < writes; ++i) {
        const std::string key = Key(provider);
        std::string value = Text(provider, 40);
        // What the value's encoding has to take care of, at either end.
        const char special = provider.PickValueInArray({'"', '\\', ' ', '\t', '\r', '\n', '='});
        switch (provider.ConsumeIntegralInRange<int>(0, 2)) {
        case 0:
            value.insert(value.begin(), special);
            break;
        case 1:
            value.push_back(special);
            break;
        default:
            break;
        }
        file.SetValue(key, value);
        written[Folded(key)] = {key, value};
        asked.push_back(key);
    }
    asked.push_back(Key(provider));

    const std::string out = file.ToBytes();
    const SettingsFile reread = SettingsFile::FromBytes(out);
    Require(reread.ToBytes() == out, "a written file reads back to the same bytes");
    for (const std::string& key : asked) {
        const auto it = written.find(Folded(key));
        if (it != written.end())
            Require(reread.Value(key) == it->second.second, "a written value reads back exactly");
        else
            Require(reread.Value(key) == original.Value(key), "a key nobody wrote keeps its value");
    }
    return 0;
}
