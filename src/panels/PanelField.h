#pragma once

#include <QLineEdit>

namespace morvane {

// An edit field whose rule runs on every write, by the user or by the
// program, even when the text does not change: the designer writes "1" into
// a panel's load trigger at every selection and expects it to load each time.
class PanelField : public QLineEdit {
    Q_OBJECT
public:
    explicit PanelField(const QString& unitName, QWidget* parent = nullptr, const QString& text = {});

    // Sets the text and runs the rule.
    void Write(const QString& text);

signals:
    // The field's rule hangs here.
    void Changed(const QString& text);
};

} // namespace morvane
