#include "SmallWidgetPanel.h"

#include "ComponentRecord.h"
#include "PicturePanel.h"

#include <QRadioButton>

#include <algorithm>

namespace morvane {

namespace {

constexpr int kLeftMargin = 12;
constexpr int kLabelWidth = 64;
constexpr int kFieldLeft = kLeftMargin + kLabelWidth + 4; // where AddRow puts a field
constexpr int kGeometryFieldWidth = 66;                   // leaves room for the badge
constexpr int kRowPitch = 30;

} // namespace

SmallWidgetPanel::SmallWidgetPanel(const PanelHost& host, const Member& member)
    : PropertyPanel(host, {member.title, member.size, PicturePanel::UnsavedText})
{
    AddBadge(this);
    int y = 20;
    const auto geometry = [this, &y](Geometry which, const QString& label) {
        PanelField* field = AddGeometryField(this, which, label, {kLeftMargin, y}, GeometryRule::Live, kLabelWidth,
                                             kGeometryFieldWidth);
        y += kRowPitch;
        return field;
    };
    Bind(geometry(Geometry::Left, QStringLiteral("图片距左")), ComponentRecord::Left);
    Bind(geometry(Geometry::Top, QStringLiteral("图片距顶")), ComponentRecord::Top);
    if (member.sizing != Sizing::None) {
        PanelField* width = geometry(Geometry::Width, QStringLiteral("图片宽度"));
        PanelField* height = geometry(Geometry::Height, QStringLiteral("图片高度"));
        if (member.sizing == Sizing::Stored) {
            Bind(width, ComponentRecord::Width);
            Bind(height, ComponentRecord::Height);
        }
    }

    std::vector<PanelField*> loaded;
    std::vector<PanelField*> fetched;
    for (const KindField& field : member.fields) {
        loaded.push_back(Bind(AddKindField(field, y), field.column));
        if (field.fetched)
            fetched.push_back(loaded.back());
        if (!field.label.isEmpty())
            y += kRowPitch;
    }
    // Centred near the bottom, and never onto the last row.
    const int width = member.size.width();
    AddSaveButton(this, QStringLiteral("按钮1"),
                  {(width - 90) / 2, std::max(y + 6, member.size.height() - 80), 90, 28});

    SetLoadSteps({LoadBadge(), LoadSaveFlag(), LoadFields(loaded), LoadGeometry()});
    std::vector<Step> save{WriteBindings(), MarkSaved()};
    for (PanelField* field : fetched)
        save.push_back(Download(field));
    if (!member.savedText.isEmpty())
        save.push_back(ShowStatus(member.savedText));
    SetSaveSteps(std::move(save));
}

int SmallWidgetPanel::FieldWidth() const
{
    // From the field's left edge to a margin before the window's right edge.
    return OuterSize().width() - kFieldLeft - 24;
}

PanelField* SmallWidgetPanel::AddKindField(const KindField& field, int y)
{
    PanelField* added = field.label.isEmpty() || field.chooser
                            ? AddHiddenField(field.unitName, field.initial)
                            : AddRow(this, field.label, field.unitName, {kLeftMargin, y}, FieldWidth(), field.initial);
    if (!field.emptyDefault.isEmpty())
        WithEmptyDefault(added, field.emptyDefault);
    if (field.chooser) {
        AddLabel(this, field.label, {kLeftMargin, y, kLabelWidth, 20});
        AddChooser(*field.chooser, added, y);
    }
    return added;
}

void SmallWidgetPanel::AddChooser(const Chooser& chooser, PanelField* field, int y)
{
    const std::vector<Option>& options = chooser.options;
    if (chooser.shape == Chooser::Shape::Radios) {
        std::vector<RadioOption> radios;
        int x = kFieldLeft;
        for (const Option& option : options) {
            radios.push_back({option.unitName, option.caption, option.word, {x, y, 60, 20}});
            x += 64;
        }
        AddRadioGroup(this, field, radios);
        // A new window shows its initial button whatever the field holds.
        for (const Option& option : options) {
            if (option.word == chooser.initialWord)
                findChild<QRadioButton*>(option.unitName)->setChecked(true);
        }
        return;
    }
    std::vector<Choice> choices;
    QString initialItem;
    for (const Option& option : options) {
        choices.push_back({option.caption, option.word});
        if (option.word == chooser.initialWord)
            initialItem = option.caption;
    }
    AddChoiceList(this, chooser.unitName, field, choices, initialItem, {kFieldLeft, y, FieldWidth(), 24},
                  [this, options, linked = chooser.linkedField](int index) {
                      if (!linked.isEmpty())
                          WriteField(linked, options[static_cast<size_t>(index)].linkedText);
                  });
}

} // namespace morvane
