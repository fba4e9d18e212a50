#include "PropertyPanel.h"

#include "CanvasElement.h"
#include "ColourText.h"
#include "ComponentRecord.h"
#include "DesignDocument.h"
#include "Lenient.h"
#include "PictureDownload.h"
#include "SerialNumber.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>

namespace morvane {

namespace {

const QString kSaveFlag = QStringLiteral("编辑框_保存");
const QString kLoadTrigger = QStringLiteral("编辑框_读数据");
const QString kLeft = QStringLiteral("编辑框_距左");
const QString kTop = QStringLiteral("编辑框_距顶");
const QString kWidth = QStringLiteral("编辑框_宽度");
const QString kHeight = QStringLiteral("编辑框_高度");
const QString kOpen = QStringLiteral("编辑框_打开");

int ToInt(const QString& text)
{
    return Lenient::ToInt(text.toStdString());
}

void SetTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

PropertyPanel::PropertyPanel(DesignDocument& document, QWidget* owner, const QString& title, int width, int height)
    : QWidget(owner, Qt::Window), document_(document), outerSize_(width, height)
{
    setWindowTitle(title);
    resize(width, height);
}

void PropertyPanel::Place()
{
    move(document_.ViewSize().width() - outerSize_.width() - 5, 95);
}

void PropertyPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ApplyOuterSize();
    // The window manager may add its frame only after the window is mapped.
    QTimer::singleShot(0, this, &PropertyPanel::ApplyOuterSize);
}

void PropertyPanel::ApplyOuterSize()
{
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize inner = outerSize_ - frame;
    if (inner != size())
        resize(inner);
}

PanelField* PropertyPanel::Field(const QString& unitName) const
{
    // findChild takes an empty name as "any child".
    return unitName.isEmpty() ? nullptr : findChild<PanelField*>(unitName);
}

void PropertyPanel::WriteField(const QString& unitName, const QString& text)
{
    if (auto* field = Field(unitName))
        field->Write(text);
}

CanvasElement* PropertyPanel::Element() const
{
    return document_.State().currentComponent.data();
}

QLabel* PropertyPanel::AddLabel(const QString& text, int x, int y, int width, int height)
{
    auto* label = new QLabel(text, this);
    label->setGeometry(x, y, width, height);
    return label;
}

PanelField* PropertyPanel::AddField(const QString& unitName, int x, int y, int width, const QString& text)
{
    auto* field = new PanelField(unitName, this, text);
    field->setGeometry(x, y, width, 22);
    return field;
}

PanelField* PropertyPanel::AddHiddenField(const QString& unitName, const QString& text)
{
    auto* field = new PanelField(unitName, this, text);
    field->hide();
    return field;
}

QComboBox* PropertyPanel::AddList(const QString& unitName, const QStringList& items, int x, int y, int width)
{
    auto* list = new QComboBox(this);
    list->setObjectName(unitName);
    list->addItems(items);
    list->setGeometry(x, y, width, 24);
    return list;
}

QPushButton* PropertyPanel::AddButton(const QString& unitName, const QString& caption, int x, int y, int width)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(unitName);
    button->setGeometry(x, y, width, 28);
    return button;
}

QPushButton* PropertyPanel::AddColourPicker(const QString& unitName, const QString& colourField, int x, int y,
                                            std::function<void(const QColor&)> onChosen)
{
    auto* picker = AddButton(unitName, QStringLiteral("…"), x, y, 30);
    picker->setProperty("colourField", colourField);
    chosenHandlers_[unitName] = std::move(onChosen);
    connect(picker, &QPushButton::clicked, this, [this, unitName, colourField] {
        // The dialog starts from the field's colour when it holds one.
        const PanelField* field = Field(colourField);
        const QColor current(field ? field->text() : QString());
        const QColor colour = QColorDialog::getColor(current.isValid() ? current : QColor(Qt::white), this);
        if (colour.isValid())
            ChooseColour(unitName, colour);
    });
    return picker;
}

void PropertyPanel::ChooseColour(const QString& pickerName, const QColor& colour)
{
    auto* picker = findChild<QPushButton*>(pickerName);
    if (!picker)
        return;
    WriteField(picker->property("colourField").toString(),
               QString::fromStdString(ColourText::FromRgb(colour.red(), colour.green(), colour.blue())));
    const auto handler = chosenHandlers_.find(pickerName);
    if (handler != chosenHandlers_.end() && handler->second)
        handler->second(colour);
}

QComboBox* PropertyPanel::AddWordList(const QString& unitName, const QString& hiddenField, const QStringList& items,
                                      const QStringList& words, const QString& initialWord, int x, int y, int width)
{
    auto* list = AddList(unitName, items, x, y, width);
    auto* field = AddHiddenField(hiddenField);
    connect(list, &QComboBox::activated, this,
            [this, hiddenField, words](int index) { WriteField(hiddenField, words.value(index)); });
    connect(field, &PanelField::Changed, this, [list, words](const QString& text) {
        const int index = static_cast<int>(words.indexOf(text));
        if (index >= 0)
            list->setCurrentIndex(index);
    });
    field->Write(initialWord);
    return list;
}

void PropertyPanel::AddRadioGroup(QWidget* parent, const QString& hiddenField, const QString& initialWord,
                                  const std::vector<RadioOption>& options)
{
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    auto* field = AddHiddenField(hiddenField);
    std::vector<std::pair<QString, QRadioButton*>> buttons;
    for (const RadioOption& option : options) {
        auto* radio = new QRadioButton(option.caption, parent);
        radio->setObjectName(option.unitName);
        radio->setGeometry(option.geometry);
        group->addButton(radio);
        buttons.emplace_back(option.word, radio);
        connect(radio, &QRadioButton::clicked, this,
                [this, hiddenField, word = option.word] { WriteField(hiddenField, word); });
    }
    connect(field, &PanelField::Changed, this, [buttons](const QString& text) {
        for (const auto& [word, radio] : buttons) {
            if (word == text)
                radio->setChecked(true);
        }
    });
    field->Write(initialWord);
}

void PropertyPanel::BuildComponentControls(const QString& circleName, const QStringList& geometryLabels, int top,
                                           bool withLinkTarget)
{
    auto* circle = new QLabel(QStringLiteral("○"), this);
    circle->setObjectName(circleName);
    QFont circleFont = circle->font();
    circleFont.setPixelSize(56);
    circle->setFont(circleFont);
    circle->setAlignment(Qt::AlignCenter);
    SetTextColour(circle, QColor(192, 192, 192));
    circle->setGeometry(width() - 70, 4, 60, 60);

    badge_ = new QLabel(QStringLiteral("1"), this);
    badge_->setObjectName(QStringLiteral("透明标签_序号"));
    QFont badgeFont = badge_->font();
    badgeFont.setBold(true);
    badge_->setFont(badgeFont);
    badge_->setAlignment(Qt::AlignCenter);
    SetTextColour(badge_, QColor(255, 128, 0));
    badge_->setGeometry(width() - 52, 22, 24, 24);

    const QStringList names{kLeft, kTop, kWidth, kHeight};
    for (int i = 0; i < 4; ++i) {
        const int y = top + i * 30;
        AddLabel(geometryLabels.value(i), 16, y, 64);
        AddField(names[i], 84, y, 110);
        AddLabel(QStringLiteral("PX"), 200, y, 24);
        connect(Field(names[i]), &PanelField::Changed, this,
                [this, name = names[i]](const QString& text) { OnGeometry(name, text); });
    }

    connect(AddHiddenField(kSaveFlag, QStringLiteral("0")), &PanelField::Changed, this, &PropertyPanel::OnSaveFlag);
    connect(AddHiddenField(kLoadTrigger), &PanelField::Changed, this, [this](const QString& text) {
        if (text == QLatin1String("1"))
            Load();
    });

    if (withLinkTarget) {
        const int y = top + 4 * 30;
        AddLabel(QStringLiteral("打开方式"), 16, y, 64);
        linkList_ =
            AddList(QStringLiteral("组合框1"), {QStringLiteral("新窗口"), QStringLiteral("当前窗口")}, 84, y, 110);
        connect(linkList_, &QComboBox::activated, this, [this](int index) {
            WriteField(kOpen, index == 1 ? QStringLiteral("_self") : QStringLiteral("_blank"));
        });
        connect(AddHiddenField(kOpen, QStringLiteral("_blank")), &PanelField::Changed, this,
                &PropertyPanel::OnLinkTarget);
    }
}

void PropertyPanel::OnSaveFlag(const QString& text)
{
    if (!badge_)
        return;
    if (text == QLatin1String("1")) {
        SetTextColour(badge_, QColor(0, 255, 0));
    } else if (text.isEmpty() || text == QLatin1String("0")) {
        SetTextColour(badge_, QColor(255, 128, 0));
        document_.ShowStatus(unsavedText_);
    }
}

void PropertyPanel::OnGeometry(const QString& field, const QString& text)
{
    CanvasElement* element = Element();
    if (!element)
        return;
    const int value = ToInt(text);
    // Typed offsets can be as large as an int holds; adding the origin must
    // not overflow, and no window can place a widget that far anyway.
    const auto offset = [value](int origin) {
        return static_cast<int>(std::clamp<qint64>(qint64(value) + origin, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    };
    if (field == kLeft)
        element->move(offset(document_.CanvasOriginX()), element->y());
    else if (field == kTop)
        element->move(element->x(), offset(DesignDocument::CanvasTop));
    else if (field == kWidth)
        element->resize(value, element->height());
    else
        element->resize(element->width(), value);
}

void PropertyPanel::OnLinkTarget(const QString& text)
{
    if (!linkList_)
        return;
    if (text.isEmpty())
        WriteField(kOpen, QStringLiteral("_blank"));
    else if (text == QLatin1String("_blank"))
        linkList_->setCurrentIndex(0);
    else if (text == QLatin1String("_self"))
        linkList_->setCurrentIndex(1);
}

void PropertyPanel::SetPictureField(const QString& unitName, const QString& defaultAddress)
{
    pictureField_ = unitName;
    defaultPicture_ = defaultAddress;
    connect(Field(unitName), &PanelField::Changed, this, &PropertyPanel::OnPicture);
}

void PropertyPanel::OnPicture(const QString& text)
{
    if (text.isEmpty())
        WriteField(pictureField_, defaultPicture_);
}

void PropertyPanel::Load()
{
    CanvasElement* element = Element();
    if (!element)
        return;
    loadedElement_ = element;
    const int row = element->Number();
    if (badge_)
        badge_->setText(QString::number(SerialNumber::ForComponent(row)));
    for (const Binding& binding : loadOrder_)
        WriteField(binding.field, document_.ComponentCell(row, binding.column));
    WriteField(kWidth, QString::number(element->width()));
    WriteField(kHeight, QString::number(element->height()));
    WriteField(kLeft, QString::number(element->x() - document_.CanvasOriginX()));
    WriteField(kTop, QString::number(element->y() - DesignDocument::CanvasTop));
}

void PropertyPanel::Save()
{
    CanvasElement* element = Element();
    // Never write into a record this panel did not load: after a selection of
    // another component the fields belong to the old one.
    if (!element || element != loadedElement_)
        return;
    const int row = element->Number();
    for (const Binding& binding : saveOrder_) {
        if (const PanelField* field = Field(binding.field))
            document_.SetComponentCell(row, binding.column, field->text());
    }
    document_.SetComponentCell(row, ComponentRecord::Saved, QStringLiteral("1"));
    WriteField(kSaveFlag, QStringLiteral("1"));
    if (const PanelField* picture = Field(pictureField_)) {
        const QString address = picture->text();
        if (address.contains(QLatin1String("http")))
            element->SetPicture(PictureDownload::Fetch(address));
    }
    document_.ShowStatus(savedText_);
}

} // namespace morvane
