#pragma once

#include "platform/Desktop.h"

class QWidget;

namespace Platform {

// The real desktop: Qt's message box, an input dialog of our own, the
// system beep and the primary screen.
class QtDesktop : public Desktop
{
public:
    int MsgBox(const QString& prompt, int flags, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title, const QString& defaultText,
                     double xTwips, double yTwips) override;
    void Beep() override;
    ScreenMetrics Screen() const override;
    QString AppPath() const override;
    void End() override;
};

} // namespace Platform
