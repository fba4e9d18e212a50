// The whole generator on fuzzed designs: every design is generated twice,
// once replaying the compiled template plans and once applying every step
// in order, and both runs must give the same code, preview page and status.
#include "CodeGenerator.h"
#include "CompiledTemplate.h"
#include "DesignMaker.h"

#include <cstdint>

using namespace morvane;
using namespace morvane::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    Design design;
    DesignMaker(provider, false).Make(design);

    RandomSource replayRandom(design.seed);
    CompiledTemplate::SetReplay(true);
    const GenerationResult replayed =
        CodeGenerator::GenerateCode(design.components, design.background, design.settings, design.texts, replayRandom);
    RandomSource inOrderRandom(design.seed);
    CompiledTemplate::SetReplay(false);
    const GenerationResult inOrder =
        CodeGenerator::GenerateCode(design.components, design.background, design.settings, design.texts, inOrderRandom);
    CompiledTemplate::SetReplay(true);

    Require(replayed.finished == inOrder.finished, "finished");
    Require(replayed.code == inOrder.code, "code");
    Require(replayed.previewPage == inOrder.previewPage, "preview page");
    Require(replayed.statusTexts == inOrder.statusTexts, "status texts");
    return 0;
}
