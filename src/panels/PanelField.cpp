#include "PanelField.h"

namespace morvane {

PanelField::PanelField(const QString& unitName, QWidget* parent, const QString& text) : QLineEdit(text, parent)
{
    setObjectName(unitName);
    connect(this, &QLineEdit::textChanged, this, &PanelField::Changed);
}

void PanelField::Write(const QString& text)
{
    if (this->text() == text)
        emit Changed(text);
    else
        setText(text);
    // A long address written by the program reads best from its start.
    if (!hasFocus())
        setCursorPosition(0);
}

} // namespace morvane
