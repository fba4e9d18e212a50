#pragma once

#include "DesignDocument.h"
#include "PanelForm.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QComboBox;
class QLabel;

namespace morvane {

// The settings window of a component kind, declared rather than programmed:
// a concrete panel names its title and size, builds its pages and fields,
// binds each field once to the record column or settings key it loads from
// and saves to, and lists its load and save as ordered steps. The framework
// does the rest: placement, badge, save flag, load trigger, geometry, link
// target, picture fields and picture downloads.
class PropertyPanel : public PanelForm {
    Q_OBJECT
public:
    struct Declaration {
        QString title;
        QSize size;          // outer size
        QString unsavedText; // shown when the save flag reads unsaved
        // Which record the panel edits: a row of the component layer, or a
        // text row of the background layer (numbered after the components).
        Sort sort = Sort::Component;
    };

    PropertyPanel(const PanelHost& host, const Declaration& declaration);

    // The designer selected an element of this panel's kind: by default the
    // panel loads through its load trigger. A panel with another way of
    // presenting itself (the carousel's arrow mode) overrides this.
    virtual void Present(Kind kind, ElementId id);
    // The same after an undo or redo, changing nothing.
    void PresentQuietly(Kind kind, ElementId id);

    // The element the panel acts on: the current element of its record's
    // sort, 0 for none.
    ElementId Element() const;
    // The element it loaded last.
    ElementId LoadedElement() const { return loadedElement_; }

    // A step of loading or saving; false ends the list there.
    using Step = std::function<bool()>;

    static const QString LoadTrigger; // "编辑框_读数据"
    static const QString SaveFlag;    // "编辑框_保存"

protected:
    enum class Geometry { Left, Top, Width, Height };
    // Live fields move or resize the element as they change; inert ones only
    // hold text; a panel with a rule of its own passes Inert and hangs its
    // rule on the field.
    enum class GeometryRule { Live, Inert };

    // The serial badge and its circle, in the top right corner of the page.
    void AddBadge(QWidget* page, const QString& circleName = QStringLiteral("透明标签13"));
    PanelField* AddGeometryField(QWidget* page, Geometry which, const QString& label, QPoint at,
                                 GeometryRule rule = GeometryRule::Live, int labelWidth = 64, int fieldWidth = 110);
    struct GeometryFields {
        PanelField* left;
        PanelField* top;
        PanelField* width;
        PanelField* height;
    };
    // The usual four rows from `at` down, "图片距左" to "图片高度", 30 pixels
    // apart; the width's rule as given, the others live.
    GeometryFields AddGeometryFields(QWidget* page, QPoint at, GeometryRule widthRule = GeometryRule::Live);
    // Binds the four to the record's geometry columns 1 to 4.
    void BindToRecord(const GeometryFields& geometry);
    // The link-target list "组合框1" and its hidden field "编辑框_打开".
    PanelField* AddLinkTarget(QWidget* page, QPoint at);
    // A picture address field: emptied, it refills with its own default.
    PanelField* AddPictureField(QWidget* page, const QString& label, const QString& unitName, QPoint at, int width,
                                const QString& defaultAddress);
    // The save button.
    QPushButton* AddSaveButton(QWidget* page, const QString& unitName, const QRect& geometry);

    // Bindings: every field once, with where it loads from and saves to.
    // Saving writes them in the order they were bound.
    PanelField* Bind(PanelField* field, int column);
    // A settings-file key; `when`, if given, decides at each save whether
    // the key is written.
    PanelField* Bind(PanelField* field, std::string_view key, std::function<bool()> when = {});

    void SetLoadSteps(std::vector<Step> steps) { loadSteps_ = std::move(steps); }
    void SetSaveSteps(std::vector<Step> steps) { saveSteps_ = std::move(steps); }

    // Load steps.
    Step LoadBadge();
    // Each field from its binding, in the order given; settings-file keys
    // from the component's file (missing keys read as empty).
    Step LoadFields(std::vector<PanelField*> fields);
    // The same, but a settings-file key the file lacks (no file at all
    // included) loads the field's initial text: a component never saved
    // shows the window's defaults, not what the previous one left there.
    Step LoadFieldsOrInitial(std::vector<PanelField*> fields);
    Step LoadSaveFlag();
    // The geometry fields that exist, from the element: width, height, left, top.
    Step LoadGeometry();

    // Save steps.
    Step ShowStatus(const QString& text);
    // Stops the save, writing nothing, unless the field holds a web picture
    // address.
    Step CheckPicture(PanelField* field);
    // Every binding, in the order bound.
    Step WriteBindings();
    // Column 9 and "编辑框_保存" become "1".
    Step MarkSaved();
    // Fetches the field's picture for the element when it holds a web
    // address; the save goes on at once.
    Step Download(PanelField* field);
    // Anything else a panel needs at its place in the list.
    static Step Do(std::function<void()> action);

    // The kind of the loaded element; nullopt before a load.
    std::optional<Kind> LoadedKind() const;
    QString RecordCell(int column) const;
    void SetRecordCell(int column, const QString& text);

    void Load();
    void Save();
    // True while the panel shows an element as an undo or redo left it:
    // the rules of its fields then change nothing of the design, so the
    // undo history stays as it is.
    bool Quiet() const { return quiet_; }
    // The steps typed into this panel for one element share it, until the
    // panel saves or loads again.
    DesignDocument::MergeKey EditKey() const { return editKey_; }

private:
    struct Binding {
        PanelField* field;
        int column; // -1 for a settings key
        std::string key;
        std::function<bool()> when;
    };

    enum class MissingKey { Empty, Initial };
    Step LoadFields(std::vector<PanelField*> fields, MissingKey missing);
    void OnSaveFlag(const QString& text);
    void OnGeometry(Geometry which, const QString& text);
    // The geometry fields follow the loaded element when something else
    // moves or resizes it (a key, the mouse, an undo).
    void FollowPlacement(ElementId id);
    const Binding* BindingOf(const PanelField* field) const;

    Declaration declaration_;
    QLabel* badge_ = nullptr;
    std::vector<Binding> bindings_;
    std::vector<std::pair<Geometry, PanelField*>> geometry_;
    std::vector<Step> loadSteps_;
    std::vector<Step> saveSteps_;
    ElementId loadedElement_ = 0;
    bool quiet_ = false;
    // Set while a typed geometry field moves the element.
    bool placing_ = false;
    DesignDocument::MergeKey editKey_ = DesignDocument::NewMergeKey();
};

} // namespace morvane
