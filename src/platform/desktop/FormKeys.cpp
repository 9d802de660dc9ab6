#include "platform/Form.h"

#include <QKeyEvent>
#include <QPushButton>

namespace Platform {

void Form::setDefaultButton(QPushButton* button)
{
    m_defaultButton = button;
    showDefaultButton();
}

void Form::showDefaultButton()
{
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    QPushButton* shown =
        focused != nullptr && isAncestorOf(focused) ? focused : m_defaultButton.data();
    // Only the form's own buttons: a dialog on the form keeps its default.
    for (QPushButton* button : findChildren<QPushButton*>())
        if (button->window() == this)
            button->setDefault(button == shown);
}

bool Form::focusNextPrevChild(bool next)
{
    const qsizetype count = m_focusOrder.size();
    if (count == 0)
        return QWidget::focusNextPrevChild(next);
    qsizetype current = m_focusOrder.indexOf(focusWidget());
    // From outside the order (the form itself) TAB starts at either end.
    if (current < 0)
        current = next ? count - 1 : 0;
    for (qsizetype step = 1; step <= count; ++step) {
        QWidget* candidate = m_focusOrder[(current + (next ? step : count - step)) % count];
        if (candidate->isVisibleTo(this) && candidate->isEnabled()) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void Form::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QWidget* focus = focusWidget();
    const bool controlFocused =
        focus != nullptr && focus != this && focus->isVisible() && isAncestorOf(focus);
    // ENTER clicks the focused button or else the default button, ESC the
    // cancel button, while they are shown.
    auto* focusedButton = controlFocused ? qobject_cast<QPushButton*>(focus) : nullptr;
    QPushButton* target = nullptr;
    if (enter)
        target = focusedButton != nullptr ? focusedButton : m_defaultButton.data();
    else if (event->key() == Qt::Key_Escape)
        target = m_cancelButton.data();
    if (target != nullptr && target->isVisible() && target->isEnabled()) {
        target->click();
        return;
    }
    if (controlFocused) {
        QWidget::keyPressEvent(event);
        return;
    }
    int keyAscii = 0;
    if (enter)
        keyAscii = KeyEnter;
    else if (!event->text().isEmpty())
        keyAscii = event->text().at(0).unicode();
    if (keyAscii == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    RunHandler([&] { Form_KeyPress(keyAscii); });
}

} // namespace Platform
