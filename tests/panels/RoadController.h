#pragma once

#include "GenerationController.h"
#include "PictureFetcher.h"
#include "TempDir.h"
#include "TextCodec.h"

#include <QTest>

#include <filesystem>
#include <fstream>

namespace morvane {

// A generation controller with outer texts of the least kind (without a
// frame nothing is handed out), once all four have arrived (the last one
// comes last); null if not.
inline GenerationController* StartRoadController(DesignDocument& document, const TempDir& dir, QObject* parent)
{
    std::filesystem::create_directories(dir.File("t"));
    for (const char* name : {"tyb.txt", "jcb.txt", "tmb.txt", "jsb.txt"})
        std::ofstream(dir.File("t/") + name, std::ios::binary)
            << TextCodec::Utf8ToGb18030(std::string(name) == "tyb.txt" ? "<div><div><div>" : "Morvane软件527304816");
    const std::string base = "file://" + dir.File("t") + "/";
    auto* controller = new GenerationController(document, {base, base}, PictureFetcher::DefaultLimits(), parent);
    const TemplateTexts& texts = controller->Templates();
    return QTest::qWaitFor([&texts] { return !texts.marketPreview.empty() && !texts.pageFrame.empty(); }) ? controller
                                                                                                          : nullptr;
}

} // namespace morvane
