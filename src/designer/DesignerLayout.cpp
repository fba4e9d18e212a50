#include "DesignerLayout.h"

namespace morvane {

DesignerLayout DesignerLayout::Compute(int width, int height)
{
    DesignerLayout l;
    l.width = width;
    l.height = height;
    l.closeLeft = width - ButtonWidth - 2;
    l.minimiseLeft = l.closeLeft - ButtonWidth - 2;
    l.rulerLeft = width / 2 - (RulerWidth - 30) / 2;
    l.canvasOrigin = l.rulerLeft + 2;
    l.rightGuide = l.rulerLeft + RulerWidth - 29;
    l.centreGuide = l.canvasOrigin + 475;
    l.guideHeight = height - 90;
    l.generateLeft = width - 200;
    l.previewLeft = l.generateLeft + 60;
    l.statusTop = height - StatusHeight;
    l.statusPaneWidth = width - 50;
    l.canvasHeight = height - 110;
    l.toolbarLeft = l.canvasOrigin;
    l.globalButtonLeft = 0 + 76;
    return l;
}

} // namespace morvane
