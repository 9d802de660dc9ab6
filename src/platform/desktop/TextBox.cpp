#include "platform/TextBox.h"

#include <QFocusEvent>

namespace Platform {

void TextBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason) {
        emit GotFocus();
        return;
    }
    // The press that gave the focus comes next and would place the caret
    // over the selection; should it not come, the focus is told anyway.
    m_focusByClick = true;
    QMetaObject::invokeMethod(this, &TextBox::tellGotFocus, Qt::QueuedConnection);
}

void TextBox::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    tellGotFocus();
}

void TextBox::tellGotFocus()
{
    if (!m_focusByClick)
        return;
    m_focusByClick = false;
    if (hasFocus())
        emit GotFocus();
}

} // namespace Platform
