#include "platform/Form.h"

#include <QCloseEvent>

namespace Platform {

void Form::Unload()
{
    RequestClose(UnloadOrigin::FormCode);
}

void Form::RequestClose(int unloadMode)
{
    m_unloadMode = unloadMode;
    close();
    m_unloadMode = UnloadOrigin::FormControlMenu;
}

void Form::closeEvent(QCloseEvent* event)
{
    if (m_ended) {
        event->accept();
        return;
    }
    int cancel = 0;
    const int mode = m_unloadMode;
    RunHandler([&] { Form_QueryUnload(cancel, mode); });
    if (cancel != 0 && !m_ended)
        event->ignore();
    else
        event->accept();
}

void Form::End()
{
    if (m_ended)
        return;
    m_ended = true;
    emit Ended();
    hide();
    m_desktop.End();
}

} // namespace Platform
