#pragma once

#include <QLineEdit>

namespace Platform {

// A one-line text box that tells when it gains the keyboard focus, after
// its own focus handling, so that a handler's selection is the one that
// stays.
class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

    void setSelStart(int start) { setCursorPosition(start); }
    void setSelLength(int length) { setSelection(cursorPosition(), length); }

signals:
    void GotFocus();

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        QLineEdit::focusInEvent(event);
        emit GotFocus();
    }
};

} // namespace Platform
