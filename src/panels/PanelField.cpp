#include "PanelField.h"

namespace morvane {

PanelField::PanelField(const QString& unitName, QWidget* parent, const QString& text)
    : QLineEdit(text, parent), initialText_(text)
{
    setObjectName(unitName);
    // A long default address reads best from its start.
    setCursorPosition(0);
    connect(this, &QLineEdit::textChanged, this, &PanelField::OnTextChanged);
}

void PanelField::SetEmptyDefault(const QString& text)
{
    emptyDefault_ = text;
}

void PanelField::Write(const QString& text)
{
    if (this->text() == text)
        OnTextChanged(text);
    else
        setText(text);
    // A long address written by the program reads best from its start.
    if (!hasFocus())
        setCursorPosition(0);
}

void PanelField::OnTextChanged(const QString& text)
{
    if (text.isEmpty() && emptyDefault_ && !emptyDefault_->isEmpty()) {
        setText(*emptyDefault_);
        return;
    }
    emit Changed(text);
}

} // namespace morvane
