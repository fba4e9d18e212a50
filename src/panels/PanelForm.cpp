#include "PanelForm.h"

#include "ColourText.h"
#include "DesignDocument.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

namespace morvane {

namespace {
constexpr int kLabelGap = 4;
constexpr int kRowHeight = 22;
} // namespace

PanelForm::PanelForm(const PanelHost& host, const QString& title, QSize outerSize)
    : QWidget(host.owner, Qt::Window), document_(host.document), pictures_(host.pictures),
      elementPictures_(host.elementPictures), canvasOrigin_(host.canvasOrigin), owner_(host.owner),
      outerSize_(outerSize)
{
    setWindowTitle(title);
    resize(outerSize);
}

void PanelForm::Place()
{
    move((owner_ ? owner_->width() : 1200) - outerSize_.width() - 5, 95);
}

void PanelForm::SetOuterSize(QSize size)
{
    outerSize_ = size;
    ApplyOuterSize();
}

void PanelForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ApplyOuterSize();
    // The window manager may add its frame only after the window is mapped.
    QTimer::singleShot(0, this, &PanelForm::ApplyOuterSize);
}

void PanelForm::ApplyOuterSize()
{
    const QSize frame = isVisible() ? frameGeometry().size() - geometry().size() : QSize();
    const QSize inner = outerSize_ - frame;
    if (inner != size())
        resize(inner);
}

PanelField* PanelForm::Field(const QString& unitName) const
{
    // findChild takes an empty name as "any child".
    return unitName.isEmpty() ? nullptr : findChild<PanelField*>(unitName);
}

void PanelForm::WriteField(const QString& unitName, const QString& text)
{
    if (auto* field = Field(unitName))
        field->Write(text);
}

std::vector<PanelForm::Choice> PanelForm::Choices(const QStringList& items)
{
    std::vector<Choice> choices;
    for (const QString& item : items)
        choices.push_back({item, item});
    return choices;
}

QTabWidget* PanelForm::AddTabs(const QString& unitName, const QRect& geometry)
{
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(unitName);
    tabs_->setGeometry(geometry);
    return tabs_;
}

QWidget* PanelForm::AddPage(const QString& title)
{
    auto* page = new QWidget;
    tabs_->addTab(page, title);
    return page;
}

QLabel* PanelForm::AddLabel(QWidget* page, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, page);
    label->setGeometry(geometry);
    return label;
}

PanelField* PanelForm::AddField(QWidget* page, const QString& unitName, const QRect& geometry, const QString& text)
{
    auto* field = new PanelField(unitName, page, text);
    field->setGeometry(geometry);
    return field;
}

PanelField* PanelForm::AddRow(QWidget* page, const QString& label, const QString& unitName, QPoint at, int fieldWidth,
                              const QString& text, int labelWidth)
{
    AddLabel(page, label, {at.x(), at.y(), labelWidth, 20});
    return AddField(page, unitName, {at.x() + labelWidth + kLabelGap, at.y(), fieldWidth, kRowHeight}, text);
}

PanelField* PanelForm::AddHiddenField(const QString& unitName, const QString& text)
{
    auto* field = new PanelField(unitName, this, text);
    field->hide();
    return field;
}

PanelField* PanelForm::WithEmptyDefault(PanelField* field, const QString& text)
{
    field->SetEmptyDefault(text);
    return field;
}

void PanelForm::OnChange(PanelField* field, std::function<void(const QString&)> rule)
{
    connect(field, &PanelField::Changed, this, std::move(rule));
}

QPushButton* PanelForm::AddButton(QWidget* page, const QString& unitName, const QString& caption, const QRect& geometry)
{
    auto* button = new QPushButton(caption, page);
    button->setObjectName(unitName);
    button->setGeometry(geometry);
    return button;
}

QComboBox* PanelForm::AddChoiceList(QWidget* page, const QString& unitName, PanelField* field,
                                    const std::vector<Choice>& choices, const QString& initialItem,
                                    const QRect& geometry, std::function<void(int)> onChosen,
                                    std::function<int(const QString&)> itemFor)
{
    auto* list = new QComboBox(page);
    list->setObjectName(unitName);
    list->setGeometry(geometry);
    for (const Choice& choice : choices)
        list->addItem(choice.item);
    list->setCurrentIndex(std::max(0, list->findText(initialItem)));
    connect(list, &QComboBox::activated, this, [field, choices, onChosen](int index) {
        if (index < 0 || index >= static_cast<int>(choices.size()))
            return;
        if (field)
            field->Write(choices[static_cast<size_t>(index)].word);
        if (onChosen)
            onChosen(index);
    });
    if (!field)
        return list;
    OnChange(field, [list, choices, itemFor](const QString& text) {
        int index = -1;
        if (itemFor) {
            index = itemFor(text);
        } else {
            for (size_t i = 0; i < choices.size() && index < 0; ++i) {
                if (choices[i].word == text)
                    index = static_cast<int>(i);
            }
        }
        if (index >= 0)
            list->setCurrentIndex(index);
    });
    return list;
}

void PanelForm::AddRadioGroup(QWidget* page, PanelField* field, const std::vector<RadioOption>& options)
{
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    std::vector<std::pair<QString, QRadioButton*>> buttons;
    for (const RadioOption& option : options) {
        auto* radio = new QRadioButton(option.caption, page);
        radio->setObjectName(option.unitName);
        radio->setGeometry(option.geometry);
        group->addButton(radio);
        buttons.emplace_back(option.word, radio);
        connect(radio, &QRadioButton::clicked, this, [field, word = option.word] { field->Write(word); });
    }
    OnChange(field, [buttons](const QString& text) {
        for (const auto& [word, radio] : buttons) {
            if (word == text)
                radio->setChecked(true);
        }
    });
    // The field's initial word shows from the start.
    for (const auto& [word, radio] : buttons) {
        if (word == field->text())
            radio->setChecked(true);
    }
}

QCheckBox* PanelForm::AddCheckBox(QWidget* page, const QString& unitName, const QString& caption, const QRect& geometry,
                                  bool checked)
{
    auto* box = new QCheckBox(caption, page);
    box->setObjectName(unitName);
    box->setGeometry(geometry);
    box->setChecked(checked);
    return box;
}

void PanelForm::TieCheckBox(QCheckBox* box, PanelField* field, const QString& tickedWord, const QString& clearedWord,
                            std::function<std::optional<bool>(const QString&)> follows)
{
    connect(box, &QCheckBox::clicked, this,
            [field, tickedWord, clearedWord](bool ticked) { field->Write(ticked ? tickedWord : clearedWord); });
    OnChange(field, [box, follows](const QString& text) {
        if (const std::optional<bool> ticked = follows(text))
            box->setChecked(*ticked);
    });
}

QPushButton* PanelForm::AddColourPicker(QWidget* page, const QString& unitName, PanelField* field,
                                        const QRect& geometry, std::function<void(const QColor&)> onChosen)
{
    auto* picker = AddButton(page, unitName, QStringLiteral("…"), geometry);
    picker->setProperty("colourField", field->objectName());
    colourChosen_[unitName] = std::move(onChosen);
    connect(picker, &QPushButton::clicked, this, [this, unitName, field] {
        // The dialog starts from the field's colour when it holds one.
        const QColor current(field->text());
        const QColor colour =
            QColorDialog::getColor(current.isValid() ? current : QColor(Qt::white), this, ColourDialogTitle(field));
        if (colour.isValid())
            ChooseColour(unitName, colour);
    });
    return picker;
}

QString PanelForm::ColourDialogTitle(const QWidget* field)
{
    // The field's caption is the label on its row nearest to its left.
    const QRect place = field->geometry();
    const QLabel* caption = nullptr;
    for (const QLabel* label : field->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QRect at = label->geometry();
        if (at.right() >= place.left() || at.bottom() < place.top() || at.top() > place.bottom() ||
            label->text().isEmpty())
            continue;
        if (!caption || at.right() > caption->geometry().right())
            caption = label;
    }
    const QString name = caption ? caption->text() : field->objectName().section(QLatin1Char('_'), 1);
    return QStringLiteral("选择颜色：") + name;
}

void PanelForm::ChooseColour(const QString& pickerName, const QColor& colour)
{
    auto* picker = findChild<QPushButton*>(pickerName);
    if (!picker)
        return;
    WriteField(picker->property("colourField").toString(),
               QString::fromStdString(ColourText::FromRgb(colour.red(), colour.green(), colour.blue())));
    const auto chosen = colourChosen_.find(pickerName);
    if (chosen != colourChosen_.end() && chosen->second)
        chosen->second(colour);
}

} // namespace morvane
