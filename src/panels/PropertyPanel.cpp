#include "PropertyPanel.h"

#include "ComponentRecord.h"
#include "DesignDocument.h"
#include "ElementPictures.h"
#include "KindWords.h"
#include "Lenient.h"
#include "PictureFetcher.h"
#include "SerialNumber.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace morvane {

const QString PropertyPanel::LoadTrigger = QStringLiteral("编辑框_读数据");
const QString PropertyPanel::SaveFlag = QStringLiteral("编辑框_保存");

namespace {

const QString kPictureAddressWrong = QStringLiteral("图片地址不正确，请填写以http开头的网络图片地址....");

void SetTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

PropertyPanel::PropertyPanel(const PanelHost& host, const Declaration& declaration)
    : PanelForm(host, declaration.title, declaration.size), declaration_(declaration)
{
    OnChange(AddHiddenField(SaveFlag, QStringLiteral("0")), [this](const QString& text) { OnSaveFlag(text); });
    OnChange(AddHiddenField(LoadTrigger), [this](const QString& text) {
        if (text == QLatin1String("1"))
            Load();
    });
    connect(&document_, &DesignDocument::PlacementChanged, this, &PropertyPanel::FollowPlacement);
}

void PropertyPanel::FollowPlacement(ElementId id)
{
    if (placing_ || id != loadedElement_ || id != Element())
        return;
    const Placement& place = document_.PlacementOf(id);
    const int values[] = {place.left, place.top, place.width, place.height};
    quiet_ = true;
    for (const auto& [which, field] : geometry_) {
        const QString shown = QString::number(values[static_cast<int>(which)]);
        // A field that already says the same number keeps its text ("15px").
        if (Lenient::ToInt(field->text().toStdString()) != values[static_cast<int>(which)])
            field->Write(shown);
    }
    quiet_ = false;
}

void PropertyPanel::Present(Kind, ElementId)
{
    WriteField(LoadTrigger, QStringLiteral("1"));
}

void PropertyPanel::PresentQuietly(Kind kind, ElementId id)
{
    quiet_ = true;
    Present(kind, id);
    quiet_ = false;
}

ElementId PropertyPanel::Element() const
{
    return document_.Selection().CurrentOf(declaration_.sort);
}

void PropertyPanel::AddBadge(QWidget* page, const QString& circleName)
{
    const int right = OuterSize().width();
    auto* circle = new QLabel(QStringLiteral("○"), page);
    circle->setObjectName(circleName);
    QFont circleFont = circle->font();
    circleFont.setPixelSize(56);
    circle->setFont(circleFont);
    circle->setAlignment(Qt::AlignCenter);
    SetTextColour(circle, QColor(192, 192, 192));
    circle->setGeometry(right - 74, 4, 60, 60);

    badge_ = new QLabel(QStringLiteral("1"), page);
    badge_->setObjectName(QStringLiteral("透明标签_序号"));
    QFont badgeFont = badge_->font();
    badgeFont.setBold(true);
    badge_->setFont(badgeFont);
    badge_->setAlignment(Qt::AlignCenter);
    SetTextColour(badge_, QColor(255, 128, 0));
    badge_->setGeometry(right - 56, 22, 24, 24);
}

PanelField* PropertyPanel::AddGeometryField(QWidget* page, Geometry which, const QString& label, QPoint at,
                                            GeometryRule rule, int labelWidth, int fieldWidth)
{
    static const QString names[] = {QStringLiteral("编辑框_距左"), QStringLiteral("编辑框_距顶"),
                                    QStringLiteral("编辑框_宽度"), QStringLiteral("编辑框_高度")};
    PanelField* field = AddRow(page, label, names[static_cast<int>(which)], at, fieldWidth, {}, labelWidth);
    AddLabel(page, QStringLiteral("PX"), {at.x() + labelWidth + fieldWidth + 10, at.y(), 24, 20});
    geometry_.emplace_back(which, field);
    if (rule == GeometryRule::Live)
        OnChange(field, [this, which](const QString& text) { OnGeometry(which, text); });
    return field;
}

PropertyPanel::GeometryFields PropertyPanel::AddGeometryFields(QWidget* page, QPoint at, GeometryRule widthRule)
{
    GeometryFields fields{};
    fields.left = AddGeometryField(page, Geometry::Left, QStringLiteral("图片距左"), at);
    fields.top = AddGeometryField(page, Geometry::Top, QStringLiteral("图片距顶"), at + QPoint(0, 30));
    fields.width = AddGeometryField(page, Geometry::Width, QStringLiteral("图片宽度"), at + QPoint(0, 60), widthRule);
    fields.height = AddGeometryField(page, Geometry::Height, QStringLiteral("图片高度"), at + QPoint(0, 90));
    return fields;
}

void PropertyPanel::BindToRecord(const GeometryFields& geometry)
{
    Bind(geometry.left, ComponentRecord::Left);
    Bind(geometry.top, ComponentRecord::Top);
    Bind(geometry.width, ComponentRecord::Width);
    Bind(geometry.height, ComponentRecord::Height);
}

PanelField* PropertyPanel::AddLinkTarget(QWidget* page, QPoint at)
{
    PanelField* open = WithEmptyDefault(AddHiddenField(QStringLiteral("编辑框_打开"), QStringLiteral("_blank")),
                                        QStringLiteral("_blank"));
    AddLabel(page, QStringLiteral("打开方式"), {at.x(), at.y(), 64, 20});
    AddChoiceList(
        page, QStringLiteral("组合框1"), open,
        {{QStringLiteral("新窗口"), QStringLiteral("_blank")}, {QStringLiteral("当前窗口"), QStringLiteral("_self")}},
        QStringLiteral("新窗口"), {at.x() + 68, at.y(), 110, 24});
    return open;
}

PanelField* PropertyPanel::AddPictureField(QWidget* page, const QString& label, const QString& unitName, QPoint at,
                                           int width, const QString& defaultAddress)
{
    return WithEmptyDefault(AddRow(page, label, unitName, at, width, defaultAddress), defaultAddress);
}

QPushButton* PropertyPanel::AddSaveButton(QWidget* page, const QString& unitName, const QRect& geometry)
{
    QPushButton* button = AddButton(page, unitName, QStringLiteral("保存设置"), geometry);
    connect(button, &QPushButton::clicked, this, &PropertyPanel::Save);
    return button;
}

PanelField* PropertyPanel::Bind(PanelField* field, int column)
{
    bindings_.push_back({field, column, {}, {}});
    return field;
}

PanelField* PropertyPanel::Bind(PanelField* field, std::string_view key, std::function<bool()> when)
{
    bindings_.push_back({field, -1, std::string(key), std::move(when)});
    return field;
}

const PropertyPanel::Binding* PropertyPanel::BindingOf(const PanelField* field) const
{
    const auto found =
        std::find_if(bindings_.begin(), bindings_.end(), [field](const Binding& b) { return b.field == field; });
    return found == bindings_.end() ? nullptr : &*found;
}

std::optional<Kind> PropertyPanel::LoadedKind() const
{
    return document_.KindOf(loadedElement_);
}

QString PropertyPanel::RecordCell(int column) const
{
    return document_.Cell(loadedElement_, column);
}

void PropertyPanel::SetRecordCell(int column, const QString& text)
{
    document_.SetCells(loadedElement_, {{column, text}});
}

PropertyPanel::Step PropertyPanel::LoadBadge()
{
    return [this] {
        if (badge_) {
            const int number = document_.NumberOf(loadedElement_);
            const int serial = declaration_.sort == Sort::Text
                                   ? SerialNumber::ForText(number, document_.Count(Sort::Component))
                                   : SerialNumber::ForComponent(number);
            badge_->setText(QString::number(serial));
        }
        return true;
    };
}

PropertyPanel::Step PropertyPanel::LoadFields(std::vector<PanelField*> fields)
{
    return LoadFields(std::move(fields), MissingKey::Empty);
}

PropertyPanel::Step PropertyPanel::LoadFieldsOrInitial(std::vector<PanelField*> fields)
{
    return LoadFields(std::move(fields), MissingKey::Initial);
}

PropertyPanel::Step PropertyPanel::LoadFields(std::vector<PanelField*> fields, MissingKey missing)
{
    return [this, fields, missing] {
        for (PanelField* field : fields) {
            const Binding* binding = BindingOf(field);
            if (!binding)
                continue;
            if (binding->column >= 0) {
                field->Write(RecordCell(binding->column));
                continue;
            }
            // Asked for each field: what it gives holds only until the
            // design changes, which a field's rule may do.
            const SettingsFile& file = document_.SettingsOf(loadedElement_);
            if (missing == MissingKey::Initial && !file.Has(binding->key))
                field->Write(field->InitialText());
            else
                field->Write(QString::fromStdString(file.Value(binding->key)));
        }
        return true;
    };
}

PropertyPanel::Step PropertyPanel::LoadSaveFlag()
{
    return [this] {
        WriteField(SaveFlag, RecordCell(ComponentRecord::Saved));
        return true;
    };
}

PropertyPanel::Step PropertyPanel::LoadGeometry()
{
    return [this] {
        if (!document_.Find(loadedElement_))
            return false;
        const Placement& place = document_.PlacementOf(loadedElement_);
        const int values[] = {place.left, place.top, place.width, place.height};
        for (const Geometry which : {Geometry::Width, Geometry::Height, Geometry::Left, Geometry::Top}) {
            for (const auto& [kind, field] : geometry_) {
                if (kind == which)
                    field->Write(QString::number(values[static_cast<int>(which)]));
            }
        }
        return true;
    };
}

PropertyPanel::Step PropertyPanel::ShowStatus(const QString& text)
{
    return [this, text] {
        document_.ShowStatus(text);
        return true;
    };
}

PropertyPanel::Step PropertyPanel::CheckPicture(PanelField* field)
{
    return [this, field] {
        if (ElementPictures::IsWebPicture(field->text()))
            return true;
        document_.ShowStatus(kPictureAddressWrong);
        return false;
    };
}

PropertyPanel::Step PropertyPanel::WriteBindings()
{
    return [this] {
        std::vector<std::pair<std::string, std::string>> keys;
        for (const Binding& binding : bindings_) {
            if (binding.column < 0 && (!binding.when || binding.when()))
                keys.emplace_back(binding.key, binding.field->text().toStdString());
        }
        if (!keys.empty())
            document_.WriteSettings(loadedElement_, keys);
        std::vector<std::pair<int, QString>> cells;
        for (const Binding& binding : bindings_) {
            if (binding.column >= 0)
                cells.emplace_back(binding.column, binding.field->text());
        }
        document_.SetCells(loadedElement_, cells);
        return true;
    };
}

PropertyPanel::Step PropertyPanel::MarkSaved()
{
    return [this] {
        SetRecordCell(ComponentRecord::Saved, QStringLiteral("1"));
        WriteField(SaveFlag, QStringLiteral("1"));
        return true;
    };
}

PropertyPanel::Step PropertyPanel::Download(PanelField* field)
{
    return [this, field] {
        elementPictures_.Show(loadedElement_, field->text());
        return true;
    };
}

PropertyPanel::Step PropertyPanel::Do(std::function<void()> action)
{
    return [action = std::move(action)] {
        action();
        return true;
    };
}

void PropertyPanel::Load()
{
    const ElementId element = Element();
    if (!element)
        return;
    loadedElement_ = element;
    editKey_ = DesignDocument::NewMergeKey();
    for (const Step& step : loadSteps_) {
        if (!step())
            break;
    }
}

void PropertyPanel::Save()
{
    // Never write into a record this panel did not load: after a selection of
    // another component the fields belong to the old one.
    if (!loadedElement_ || Element() != loadedElement_)
        return;
    const std::optional<Kind> kind = LoadedKind();
    document_.BeginEdit(QStringLiteral("保存%1设置").arg(kind ? KindWords::Of(*kind) : QString()));
    for (const Step& step : saveSteps_) {
        if (!step())
            break;
    }
    document_.EndEdit();
    editKey_ = DesignDocument::NewMergeKey();
}

void PropertyPanel::OnSaveFlag(const QString& text)
{
    if (!badge_)
        return;
    if (text == QLatin1String("1")) {
        SetTextColour(badge_, QColor(0, 255, 0));
    } else if (text.isEmpty() || text == QLatin1String("0")) {
        SetTextColour(badge_, QColor(255, 128, 0));
        document_.ShowStatus(declaration_.unsavedText);
    }
}

void PropertyPanel::OnGeometry(Geometry which, const QString& text)
{
    // Only the element the fields were loaded for moves: the carousel's
    // panel shows an arrow without loading it, and must not resize the
    // arrow with the carousel's fields.
    const ElementId element = Element();
    if (!element || quiet_ || element != loadedElement_)
        return;
    const int value = Lenient::ToInt(text.toStdString());
    Placement place = document_.PlacementOf(element);
    switch (which) {
    case Geometry::Left:
        place.left = value;
        break;
    case Geometry::Top:
        place.top = value;
        break;
    case Geometry::Width:
        place.width = value;
        break;
    case Geometry::Height:
        place.height = value;
        break;
    }
    placing_ = true;
    document_.SetPlacement(element, place, editKey_);
    placing_ = false;
}

} // namespace morvane
