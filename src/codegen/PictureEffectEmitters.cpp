// Magnifier and two-sided image: picture blocks whose values live in the record.
#include "CodeGenerator.h"

#include "CodeTemplates.h"

#include "ComponentRecord.h"
#include "Lenient.h"

#include <string>

namespace morvane {

namespace {
constexpr int kMagnifierClassLow = 718;
constexpr int kMagnifierClassHigh = 9999;
constexpr double kPopupNarrowing = 10;
} // namespace

void CodeGenerator::EmitMagnifier()
{
    if (!BeginEmit(Cell(ComponentRecord::Left), StatusUnsavedPicture))
        return;
    // One number for all three places, so the pop-up finds its trigger.
    const std::string classNumber = std::to_string(random_.Between(kMagnifierClassLow, kMagnifierClassHigh));
    const std::string& zoomWidth = Cell(ComponentRecord::Extra1);
    const std::string popupWidth = Lenient::NumberText(Lenient::ToReal(zoomWidth) - kPopupNarrowing);
    static const CompiledTemplate block(CodeTemplates::Magnifier);
    EndEmit(block, {
                       {"宽度", Cell(ComponentRecord::Width), 4},
                       {"#边框色", Cell(ComponentRecord::Extra2), 1},
                       {"序号", classNumber, 3},
                       {"放大2", zoomWidth, 1},
                       {"放大宽", popupWidth, 2},
                       {"底图", Cell(ComponentRecord::Picture), 1},
                       {"放大图", Cell(ComponentRecord::Link), 2},
                       {"#链接", Cell(ComponentRecord::Tip), 2},
                       {"距左", Cell(ComponentRecord::Left), 1},
                       {"距顶", Cell(ComponentRecord::Top), 1},
                   });
}

void CodeGenerator::EmitTwoSided()
{
    if (!BeginEmit(Cell(ComponentRecord::Left), StatusUnsavedPicture))
        return;
    static const CompiledTemplate block(CodeTemplates::TwoSided);
    EndEmit(block, {
                       {"距左", Cell(ComponentRecord::Left), 1},
                       {"距顶", Cell(ComponentRecord::Top), 1},
                       {"宽度", Cell(ComponentRecord::Width), 5},
                       {"高度", Cell(ComponentRecord::Height), 5},
                       {"打开方式", Cell(ComponentRecord::Open), 2},
                       {"底图", Cell(ComponentRecord::Picture), 1},
                       {"变图", Cell(ComponentRecord::Tip), 1},
                       {"#链接", Cell(ComponentRecord::Link), 2},
                   });
}

} // namespace morvane
