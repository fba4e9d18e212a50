#pragma once

#include "CanvasElement.h"
#include "PanelField.h"

#include <QColor>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace morvane {

class DesignDocument;

// The settings window of one kind. A concrete panel builds its controls and
// fills in the data below (load and save orders, picture field, texts); the
// framework does the rest: placement, badge, save flag, load trigger,
// geometry, link target, colour pickers and picture downloads.
class PropertyPanel : public QWidget {
    Q_OBJECT
public:
    // A window of the owner (the designer), so the window manager keeps it
    // above the designer; width and height are its outer size.
    PropertyPanel(DesignDocument& document, QWidget* owner, const QString& title, int width, int height);

    // A record column and the field it is loaded into or saved from.
    struct Binding {
        int column;
        QString field;
    };

    // Moves the window to its place beside the designer.
    virtual void Place();

    PanelField* Field(const QString& unitName) const;
    // Writes a field and runs its rule, even when the text stays the same.
    void WriteField(const QString& unitName, const QString& text);

    // The element the panel acts on (the designer's current one).
    virtual CanvasElement* Element() const;

    // Chooses a colour as if picked in the named picker (the dialog's result).
    void ChooseColour(const QString& pickerName, const QColor& colour);

protected:
    // Control builders: every control carries its unit name.
    QLabel* AddLabel(const QString& text, int x, int y, int width = 60, int height = 20);
    PanelField* AddField(const QString& unitName, int x, int y, int width, const QString& text = {});
    PanelField* AddHiddenField(const QString& unitName, const QString& text = {});
    QComboBox* AddList(const QString& unitName, const QStringList& items, int x, int y, int width);
    QPushButton* AddButton(const QString& unitName, const QString& caption, int x, int y, int width = 90);
    // A colour picker button: a chosen colour goes to its colour field as a
    // colour text, then to onChosen (if any).
    QPushButton* AddColourPicker(const QString& unitName, const QString& colourField, int x, int y,
                                 std::function<void(const QColor&)> onChosen = {});
    // A drop-down list backed by a hidden field holding the stored word of
    // the chosen item: choosing writes the word, a written word selects its
    // item, other text changes nothing.
    QComboBox* AddWordList(const QString& unitName, const QString& hiddenField, const QStringList& items,
                           const QStringList& words, const QString& initialWord, int x, int y, int width);
    // An exclusive radio group backed by a hidden field in the same way.
    struct RadioOption {
        QString unitName;
        QString caption;
        QString word;
        QRect geometry;
    };
    void AddRadioGroup(QWidget* parent, const QString& hiddenField, const QString& initialWord,
                       const std::vector<RadioOption>& options);

    // The framework's component controls: badge and circle, save flag, load
    // trigger, the four geometry fields (labels given), optional link target.
    void BuildComponentControls(const QString& circleName, const QStringList& geometryLabels, int top,
                                bool withLinkTarget);

    // The field holding the kind's picture address: emptied, it refills with
    // the default; saving downloads it onto the element.
    void SetPictureField(const QString& unitName, const QString& defaultAddress);

    // Load and save in the order given by the concrete panel.
    virtual void Load();
    virtual void Save();

    std::vector<Binding> loadOrder_;
    std::vector<Binding> saveOrder_;
    QString unsavedText_;
    QString savedText_;

    void showEvent(QShowEvent* event) override;

    DesignDocument& document_;

private:
    // Makes the outer size (frame included) the declared one.
    void ApplyOuterSize();
    void OnSaveFlag(const QString& text);
    void OnGeometry(const QString& field, const QString& text);
    void OnLinkTarget(const QString& text);
    void OnPicture(const QString& text);

    QString pictureField_;
    QString defaultPicture_;
    QLabel* badge_ = nullptr;
    QComboBox* linkList_ = nullptr;
    QPointer<CanvasElement> loadedElement_;
    QSize outerSize_;
    std::map<QString, std::function<void(const QColor&)>> chosenHandlers_;
};

} // namespace morvane
