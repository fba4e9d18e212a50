#pragma once

#include "PropertyPanel.h"

#include <QSize>
#include <QString>

#include <optional>
#include <vector>

namespace morvane {

// The one shape of the platform's small widgets (Wangwang group, add-to-cart,
// QR code, video, share, favourite, like, follow): the position and size
// fields on top, a field or two of the kind below them, and everything kept
// in the component's record. What sets the kinds apart is data, a Member.
class SmallWidgetPanel : public PropertyPanel {
    Q_OBJECT
public:
    // Which of width and height the panel has, and whether it stores them
    // in columns 3 and 4 or only sizes the element with them.
    enum class Sizing { Stored, ElementOnly, None };

    // One choice of a list or radio button over a hidden field: choosing it
    // writes its word, and its linked text into the chooser's linked field.
    struct Option {
        QString caption;
        QString word;
        QString unitName;        // radio buttons only
        QString linkedText = {}; // lists only
    };

    // A list or a radio group that shows and sets a hidden field.
    struct Chooser {
        enum class Shape { List, Radios };
        Shape shape;
        QString unitName; // the list; radio buttons name themselves
        std::vector<Option> options;
        QString initialWord; // shown in a newly opened window
        QString linkedField = {};
    };

    struct KindField {
        QString label; // empty: a hidden field without a row
        QString unitName;
        int column;
        QString initial = {};      // in a newly opened window
        QString emptyDefault = {}; // an emptied field refills with it; empty: no rule
        // With a chooser the field itself is hidden and the row shows the chooser.
        std::optional<Chooser> chooser = {};
        bool fetched = false; // its picture is fetched for the element after a save
    };

    struct Member {
        Kind kind;
        QString title;
        QSize size; // outer size
        Sizing sizing;
        // In load order, which is their column order too.
        std::vector<KindField> fields;
        QString savedText = {}; // the status after a save; empty: none
    };

    SmallWidgetPanel(const PanelHost& host, const Member& member);

private:
    PanelField* AddKindField(const KindField& field, int y);
    void AddChooser(const Chooser& chooser, PanelField* field, int y);
    int FieldWidth() const;
};

} // namespace morvane
