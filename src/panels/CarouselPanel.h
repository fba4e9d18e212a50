#pragma once

#include "PropertyPanel.h"

#include <array>

class QCheckBox;
class QPushButton;
class QTabWidget;

namespace morvane {

// The panel of a carousel: two to eight linked pictures, the animation and
// the two arrows, all kept in the carousel's settings file. The arrows open
// it too, in a mode of their own that only shows where they stand.
class CarouselPanel : public PropertyPanel {
    Q_OBJECT
public:
    static const QString DefaultPictureAddress;
    static const QString DefaultLeftArrowAddress;
    static const QString DefaultRightArrowAddress;
    static constexpr int MaxRows = 8;

    explicit CarouselPanel(const PanelHost& host);

    void Present(Kind kind, ElementId id) override;

private:
    void OnMode(const QString& mode);
    void OnCount(const QString& text);
    // "+" (1) or "-" (-1).
    void StepRows(int step);
    void PlaceStrip(int stripTop);
    void OnShowArrows(bool shown);
    // The box follows the arrows of the loaded carousel, without its rule:
    // "移除" on an arrow hides them both, and an undo shows them again.
    void FollowArrows(ElementId id);
    // Fields, rows and layout from the settings file, as "载入保存数据".
    void RestoreSaved();
    // The number of picture rows when it is one the carousel can have.
    std::optional<int> RowCount() const;

    QTabWidget* tabs_ = nullptr;
    QWidget* strip_ = nullptr;
    QPushButton* plus_ = nullptr;
    QPushButton* minus_ = nullptr;
    QPushButton* load_ = nullptr;
    QPushButton* save_ = nullptr;
    QCheckBox* showArrows_ = nullptr;
    PanelField* count_ = nullptr;
    PanelField* mode_ = nullptr;
    PanelField* arrowSwitch_ = nullptr;
    std::array<PanelField*, MaxRows> rowPictures_{};
    std::array<PanelField*, MaxRows> rowLinks_{};
    // One arrow's fields: its picture, where it stands as shown, and where it
    // stands relative to the carousel, as stored.
    struct ArrowFields {
        PanelField* picture;
        PanelField* left;
        PanelField* top;
        PanelField* relativeLeft;
        PanelField* relativeTop;
    };
    // The left arrow, then the right one.
    std::array<ArrowFields, 2> arrows_{};
    std::vector<PanelField*> restored_;
    int stripTop_ = 200;
};

} // namespace morvane
