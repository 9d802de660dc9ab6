#pragma once

#include "platform/Screen.h"

#include <QString>

namespace Platform {

// Message box flags and answers.
namespace MsgBoxFlags {
inline constexpr int OkCancel = 1;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int DefaultButton2 = 256;
// The bits that choose the buttons and the icon.
inline constexpr int ButtonsMask = 0x0F;
inline constexpr int IconMask = 0x70;
} // namespace MsgBoxFlags

inline constexpr int MsgBoxOk = 1;
inline constexpr int MsgBoxCancel = 2;

// The services of the desktop that a handler may wait on or that end the
// program. The program uses the real Qt dialogs; tests put a scripted
// stand-in in their place.
class Desktop
{
public:
    virtual ~Desktop() = default;

    // Modal box; returns MsgBoxOk or MsgBoxCancel (also for Escape and the
    // close box).
    virtual int MsgBox(const QString& prompt, int flags, const QString& title) = 0;

    // Modal text question with its top-left corner at (x, y) in twips;
    // returns the text, or an empty text on Cancel.
    virtual QString InputBox(const QString& prompt, const QString& title,
                             const QString& defaultText, double xTwips, double yTwips) = 0;

    virtual void Beep() = 0;

    virtual ScreenMetrics Screen() const = 0;

    // The folder that holds the program, as App::Path gives it.
    virtual QString AppPath() const = 0;

    // Ends the program; the form has already stopped its work.
    virtual void End() = 0;
};

} // namespace Platform
