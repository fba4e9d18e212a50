// Code back to design on fuzzed designs: a design is generated, its code
// (and now and then its preview page) imported, the import generated again
// with the same random numbers, and both codes must be the same. A design
// whose values hold no placeholder word must import without a part left
// unread; any other may have blocks reported, but what is imported without
// a report must generate the same code.
#include "CodeGenerator.h"
#include "CodeImporter.h"
#include "DesignMaker.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>

using namespace morvane;
using namespace morvane::fuzz;

namespace {

std::string ShippedText(const std::string& name)
{
    std::ifstream in(std::string(MORVANE_TEMPLATES_DIR) + "/" + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string out = text.str();
    if (!out.empty() && out.back() == '\n')
        out.pop_back();
    Require(!out.empty(), "the shipped template texts");
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    static const std::string frame = ShippedText("tyb.txt.in");
    static const std::string wrapper = ShippedText("jcb.txt.in");

    const bool plain = provider.ConsumeBool();
    const bool fuzzedTemplates = provider.ConsumeIntegralInRange<int>(0, 7) == 0;
    const bool preview = provider.ConsumeBool();
    Design design;
    DesignMaker(provider, plain).Make(design);
    if (!fuzzedTemplates) {
        design.texts.pageFrame = frame;
        design.texts.basicWrapper = wrapper;
        design.texts.tmallPreview = "<html class=\"tmall\">527304816</html>";
        design.texts.marketPreview = "<html>527304816</html>";
    }

    RandomSource random(design.seed);
    const GenerationResult generated =
        CodeGenerator::GenerateCode(design.components, design.background, design.settings, design.texts, random);
    if (!generated.finished)
        return 0;
    // Any edition but the three has an empty preview page.
    const std::string& code = preview && !generated.previewPage.empty() ? generated.previewPage : generated.code;
    const ImportedDesign imported = CodeImporter::ImportCode(code, design.texts);
    if (!imported.unread.empty()) {
        if (plain && !fuzzedTemplates) {
            const UnreadPart& part = imported.unread.front();
            std::fprintf(stderr, "code: %s\nunread at %zu: %s\n", generated.code.c_str(), part.offset,
                         part.excerpt.c_str());
        }
        Require(!plain || fuzzedTemplates, "a design without placeholder words reads whole");
        return 0;
    }

    ComponentLayer components;
    BackgroundLayer background;
    DesignSettings again;
    imported.ApplyTo(components, background, again);
    RandomSource randomAgain(design.seed);
    const GenerationResult regenerated =
        CodeGenerator::GenerateCode(components, background, again, design.texts, randomAgain);
    if (regenerated.code != generated.code) {
        const auto differ = std::mismatch(generated.code.begin(), generated.code.end(), regenerated.code.begin(),
                                          regenerated.code.end());
        const auto at = static_cast<size_t>(differ.first - generated.code.begin());
        const size_t from = at > 200 ? at - 200 : 0;
        std::fprintf(stderr, "code: %s\nagain: %s\n", generated.code.substr(from).c_str(),
                     regenerated.code.substr(from, 400).c_str());
    }
    Require(regenerated.code == generated.code, "the same code again");
    return 0;
}
