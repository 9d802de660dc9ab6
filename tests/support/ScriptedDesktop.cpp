#include "support/ScriptedDesktop.h"

int ScriptedDesktop::MsgBox(const QString& prompt, int flags, const QString& title)
{
    msgBoxes.append({prompt, flags, title});
    if (whileMsgBoxOpen)
        whileMsgBoxOpen(msgBoxes.last());
    return msgBoxAnswers.isEmpty() ? Platform::MsgBoxOk : msgBoxAnswers.takeFirst();
}

QString ScriptedDesktop::InputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText, double xTwips, double yTwips)
{
    inputBoxes.append({prompt, title, defaultText, xTwips, yTwips});
    return inputBoxAnswers.isEmpty() ? defaultText : inputBoxAnswers.takeFirst();
}
