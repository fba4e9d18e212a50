// The magnifier: a picture block whose values live in the record, with a
// random class number and a pop-up width worked out from them.
#include "CodeGenerator.h"

#include "CodeTemplates.h"

#include "KindColumns.h"
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
    if (!Saved(Cell(MagnifierColumn::Left), StatusUnsavedPicture))
        return;
    // One number for all three places, so the pop-up finds its trigger.
    const std::string classNumber = std::to_string(random_.Between(kMagnifierClassLow, kMagnifierClassHigh));
    const std::string& zoomWidth = Cell(MagnifierColumn::ZoomWidth);
    const std::string popupWidth = Lenient::NumberText(Lenient::ToReal(zoomWidth) - kPopupNarrowing);
    static const CompiledTemplate block(CodeTemplates::Magnifier);
    Append(block, {
                      {"宽度", Cell(MagnifierColumn::Side), 4},
                      {"#边框色", Cell(MagnifierColumn::BorderColour), 1},
                      {"序号", classNumber, 3},
                      {"放大2", zoomWidth, 1},
                      {"放大宽", popupWidth, 2},
                      {"底图", Cell(MagnifierColumn::BasePicture), 1},
                      {"放大图", Cell(MagnifierColumn::ZoomPicture), 2},
                      {"#链接", Cell(MagnifierColumn::Link), 2},
                      {"距左", Cell(MagnifierColumn::Left), 1},
                      {"距顶", Cell(MagnifierColumn::Top), 1},
                  });
}

} // namespace morvane
