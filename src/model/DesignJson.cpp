#include "DesignJson.h"

#include "ComponentRecord.h"
#include "TextCodec.h"

#include <nlohmann/json.hpp>

namespace morvane {

using nlohmann::json;

namespace {

// Far above anything the program writes: a settings file of the largest
// carousel is a few kilobytes, a design a few thousand elements.
constexpr size_t kMaxSettingsBytes = 16 * 1024 * 1024;
constexpr size_t kMaxElements = 100000;
constexpr size_t kMaxCellBytes = 1024 * 1024;

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string ToBase64(std::string_view bytes)
{
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t n = std::min<size_t>(3, bytes.size() - i);
        std::uint32_t v = 0;
        for (size_t k = 0; k < 3; ++k)
            v = (v << 8) | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        for (size_t k = 0; k < 4; ++k)
            out += k <= n ? kBase64[(v >> (18 - 6 * k)) & 63] : '=';
    }
    return out;
}

std::optional<std::string> FromBase64(std::string_view text)
{
    if (text.size() % 4 != 0)
        return std::nullopt;
    std::string out;
    out.reserve(text.size() / 4 * 3);
    for (size_t i = 0; i < text.size(); i += 4) {
        std::uint32_t v = 0;
        int padding = 0;
        for (size_t k = 0; k < 4; ++k) {
            const char c = text[i + k];
            int value = 0;
            if (c == '=' && i + 4 == text.size() && k >= 2) {
                ++padding;
            } else {
                const char* at = std::char_traits<char>::find(kBase64, 64, c);
                if (!at || padding > 0)
                    return std::nullopt;
                value = static_cast<int>(at - kBase64);
            }
            v = (v << 6) | static_cast<std::uint32_t>(value);
        }
        for (int k = 0; k < 3 - padding; ++k)
            out += static_cast<char>((v >> (16 - 8 * k)) & 0xFF);
    }
    return out;
}

json PlacementJson(const Placement& p)
{
    return {{"left", p.left}, {"top", p.top}, {"width", p.width}, {"height", p.height}, {"visible", p.visible}};
}

const char* AlignmentWord(TextLook::Alignment alignment)
{
    switch (alignment) {
    case TextLook::Alignment::Centre:
        return "center";
    case TextLook::Alignment::Right:
        return "right";
    case TextLook::Alignment::Left:
        break;
    }
    return "left";
}

json ElementJson(const DesignElement& element)
{
    json out = {{"cells", element.cells}, {"placement", PlacementJson(element.placement)}};
    const TextLook& look = element.look;
    if (!(look == TextLook{}))
        out["look"] = {{"caption", look.caption},
                       {"family", look.family},
                       {"pixelSize", look.pixelSize},
                       {"bold", look.bold},
                       {"alignment", AlignmentWord(look.alignment)},
                       {"colour", look.colour}};
    if (element.settings) {
        const std::string text = TextCodec::Gb18030ToUtf8(*element.settings);
        if (TextCodec::Utf8ToGb18030(text) == *element.settings)
            out["settings"] = text;
        else
            out["settingsBase64"] = ToBase64(*element.settings);
    }
    return out;
}

// Reading throws on anything out of shape; the caller turns that into
// nullopt.
struct Invalid {};

void Require(bool ok)
{
    if (!ok)
        throw Invalid{};
}

int Int(const json& object, const char* name)
{
    const json& value = object.at(name);
    Require(value.is_number_integer());
    const auto n = value.get<long long>();
    Require(n >= -(1LL << 30) && n <= (1LL << 30));
    return static_cast<int>(n);
}

std::string Text(const json& object, const char* name, size_t maxBytes = kMaxCellBytes)
{
    const json& value = object.at(name);
    Require(value.is_string());
    std::string text = value.get<std::string>();
    Require(text.size() <= maxBytes);
    return text;
}

DesignElement ElementFrom(const json& in)
{
    Require(in.is_object());
    DesignElement element;
    const json& cells = in.at("cells");
    Require(cells.is_array() && !cells.empty() && cells.size() <= ComponentRecord::ColumnCount);
    for (const json& cell : cells) {
        Require(cell.is_string() && cell.get_ref<const std::string&>().size() <= kMaxCellBytes);
        element.cells.push_back(cell.get<std::string>());
    }
    const json& p = in.at("placement");
    Require(p.is_object());
    element.placement = {Int(p, "left"), Int(p, "top"), Int(p, "width"), Int(p, "height"), true};
    Require(p.at("visible").is_boolean());
    element.placement.visible = p.at("visible").get<bool>();
    if (const auto look = in.find("look"); look != in.end()) {
        Require(look->is_object());
        TextLook& l = element.look;
        l.caption = Text(*look, "caption");
        l.family = Text(*look, "family");
        l.pixelSize = Int(*look, "pixelSize");
        Require(look->at("bold").is_boolean());
        l.bold = look->at("bold").get<bool>();
        const std::string alignment = Text(*look, "alignment");
        l.alignment = alignment == "center"  ? TextLook::Alignment::Centre
                      : alignment == "right" ? TextLook::Alignment::Right
                                             : TextLook::Alignment::Left;
        l.colour = Text(*look, "colour");
    }
    if (in.contains("settings")) {
        element.settings = TextCodec::Utf8ToGb18030(Text(in, "settings", kMaxSettingsBytes));
    } else if (in.contains("settingsBase64")) {
        element.settings = FromBase64(Text(in, "settingsBase64", kMaxSettingsBytes / 3 * 4 + 4));
        Require(element.settings.has_value());
    }
    return element;
}

} // namespace

std::string DesignJson::ElementsToText(const std::vector<DesignElement>& elements)
{
    json list = json::array();
    for (const DesignElement& element : elements)
        list.push_back(ElementJson(element));
    const json document = {{"program", ProgramName}, {"format", ElementsFormat}, {"elements", list}};
    return document.dump(-1, ' ', false, json::error_handler_t::replace);
}

std::optional<std::vector<DesignElement>> DesignJson::ElementsFromText(std::string_view text)
{
    const json document = json::parse(text, nullptr, false);
    if (document.is_discarded() || !document.is_object())
        return std::nullopt;
    try {
        Require(document.at("program") == ProgramName && document.at("format") == ElementsFormat);
        const json& list = document.at("elements");
        Require(list.is_array() && list.size() <= kMaxElements);
        std::vector<DesignElement> elements;
        for (const json& element : list)
            elements.push_back(ElementFrom(element));
        return elements;
    } catch (const Invalid&) {
        return std::nullopt;
    } catch (const json::exception&) {
        return std::nullopt;
    }
}

} // namespace morvane
