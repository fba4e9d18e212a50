#pragma once

#include "DesignDocument.h"
#include "GenerationController.h"
#include "PictureFetcher.h"
#include "TempDir.h"

#include <QTest>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

namespace morvane {

// A generation controller whose outer texts, of the least kind, come from a
// folder of the test directory, returned once all four have arrived:
// without a frame generation hands out nothing. Null when they do not come.
inline GenerationController* StartRoadController(DesignDocument& document, const TempDir& dir, QObject* parent)
{
    std::filesystem::create_directories(dir.File("t"));
    for (const auto& [name, text] : {std::pair{"tyb.txt", "<div><div><div>"},
                                     {"jcb.txt", "Morvane软件527304816"},
                                     {"tmb.txt", "527304816"},
                                     {"jsb.txt", "527304816"}})
        std::ofstream(dir.File("t/") + name, std::ios::binary) << text;
    const std::string base = "file://" + dir.File("t") + "/";
    auto* controller = new GenerationController(document, {base, base}, PictureFetcher::DefaultLimits(), parent);
    const bool arrived = QTest::qWaitFor([controller] {
        const TemplateTexts& texts = controller->Templates();
        return !texts.pageFrame.empty() && !texts.basicWrapper.empty() && !texts.tmallPreview.empty() &&
               !texts.marketPreview.empty();
    });
    return arrived ? controller : nullptr;
}

} // namespace morvane
