#pragma once

#include <QLineEdit>

#include <optional>

namespace morvane {

// An edit field whose rule runs on every write, by the user or by the
// program, even when the text does not change: the designer writes "1" into
// a panel's load trigger at every selection and expects it to load each time.
class PanelField : public QLineEdit {
    Q_OBJECT
public:
    explicit PanelField(const QString& unitName, QWidget* parent = nullptr, const QString& text = {});

    // Emptied by the user or by the program, the field refills with this
    // text at once; its rules then see the refilled text only.
    void SetEmptyDefault(const QString& text);

    // Sets the text and runs the rules.
    void Write(const QString& text);

    // What the field held when it was made: its content in a newly opened
    // window.
    const QString& InitialText() const { return initialText_; }

signals:
    // The field's rules hang here.
    void Changed(const QString& text);

private:
    void OnTextChanged(const QString& text);

    QString initialText_;
    std::optional<QString> emptyDefault_;
};

} // namespace morvane
