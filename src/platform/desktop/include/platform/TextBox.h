#pragma once

#include <QLineEdit>

namespace Platform {

// A one-line text box that tells when it gains the keyboard focus, after
// its own focus handling, so that a handler's selection is the one that
// stays. A click that gives it the focus tells so after the click has
// placed the caret; a click in a box that has the focus places the caret
// only.
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
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void tellGotFocus();

    bool m_focusByClick = false;
};

} // namespace Platform
