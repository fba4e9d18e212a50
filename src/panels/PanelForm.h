#pragma once

#include "PanelField.h"
#include "PanelHost.h"

#include <QColor>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace morvane {

// The form part of every settings window: builders for its pages and
// controls, each control carrying its unit name, and the rules that tie
// lists, boxes and radio buttons to the hidden fields holding their stored
// words. Choosing, clicking or picking (user actions) runs a control's
// rule; a written field selects its item or sets its box without running
// the control's rule.
class PanelForm : public QWidget {
    Q_OBJECT
public:
    // outerSize is the whole window, frame included.
    PanelForm(const PanelHost& host, const QString& title, QSize outerSize);

    // Moves the window to its place beside the designer.
    virtual void Place();

    PanelField* Field(const QString& unitName) const;
    // Writes a field and runs its rules, even when the text stays the same.
    void WriteField(const QString& unitName, const QString& text);
    // Chooses a colour as if picked in the named picker (the dialog's result).
    void ChooseColour(const QString& pickerName, const QColor& colour);
    // "选择颜色：" and the caption beside the field, for its colour dialog.
    static QString ColourDialogTitle(const QWidget* field);

    QSize OuterSize() const { return outerSize_; }
    // The designer window's size.
    QSize ViewSize() const { return owner_ ? owner_->size() : QSize(1200, 650); }

    // An item shown in a list and the word its hidden field stores.
    struct Choice {
        QString item;
        QString word;
    };
    // Lists whose items are their own stored words.
    static std::vector<Choice> Choices(const QStringList& items);

    struct RadioOption {
        QString unitName;
        QString caption;
        QString word;
        QRect geometry;
    };

protected:
    void SetOuterSize(QSize size);
    void showEvent(QShowEvent* event) override;

    // The tab control; each AddPage adds a page to it and returns the page.
    QTabWidget* AddTabs(const QString& unitName, const QRect& geometry);
    QWidget* AddPage(const QString& title);

    QLabel* AddLabel(QWidget* page, const QString& text, const QRect& geometry);
    PanelField* AddField(QWidget* page, const QString& unitName, const QRect& geometry, const QString& text = {});
    // A label at `at` and its field just right of it.
    PanelField* AddRow(QWidget* page, const QString& label, const QString& unitName, QPoint at, int fieldWidth,
                       const QString& text = {}, int labelWidth = 64);
    PanelField* AddHiddenField(const QString& unitName, const QString& text = {});
    // Emptied, the field refills with the text at once.
    static PanelField* WithEmptyDefault(PanelField* field, const QString& text);
    // A rule of the field: runs on every write of it.
    void OnChange(PanelField* field, std::function<void(const QString&)> rule);

    QPushButton* AddButton(QWidget* page, const QString& unitName, const QString& caption, const QRect& geometry);

    // A drop-down list over a field. Choosing an item writes its word into
    // the field, then runs onChosen. A written word selects its item;
    // itemFor, when given, decides which item a text selects (-1: none).
    // The list first shows initialItem, whatever the field holds. A list
    // that stores no word (field nullptr) only runs onChosen.
    QComboBox* AddChoiceList(QWidget* page, const QString& unitName, PanelField* field,
                             const std::vector<Choice>& choices, const QString& initialItem, const QRect& geometry,
                             std::function<void(int)> onChosen = {}, std::function<int(const QString&)> itemFor = {});
    // An exclusive group of radio buttons over a field, in the same way.
    void AddRadioGroup(QWidget* page, PanelField* field, const std::vector<RadioOption>& options);
    QCheckBox* AddCheckBox(QWidget* page, const QString& unitName, const QString& caption, const QRect& geometry,
                           bool checked);
    // Clicking the box writes tickedWord or clearedWord into the field; a
    // written field sets the box as follows() says (nullopt: unchanged).
    void TieCheckBox(QCheckBox* box, PanelField* field, const QString& tickedWord, const QString& clearedWord,
                     std::function<std::optional<bool>(const QString&)> follows);
    // A picked colour goes to the field as a colour text, then to onChosen.
    QPushButton* AddColourPicker(QWidget* page, const QString& unitName, PanelField* field, const QRect& geometry,
                                 std::function<void(const QColor&)> onChosen = {});

    DesignDocument& document_;
    PictureFetcher& pictures_;
    ElementPictures& elementPictures_;
    // Where the designer's canvas lies in its window.
    const QPoint& canvasOrigin_;
    // The designer window, whose size places the panels.
    QPointer<QWidget> owner_;

private:
    // Makes the outer size (frame included) the declared one.
    void ApplyOuterSize();

    QSize outerSize_;
    QTabWidget* tabs_ = nullptr;
    std::map<QString, std::function<void(const QColor&)>> colourChosen_;
};

} // namespace morvane
