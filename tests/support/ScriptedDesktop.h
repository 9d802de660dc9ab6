#pragma once

#include "platform/Desktop.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

// Answers the program's dialogs from a script and records what was asked,
// so that handlers can be tested without a person at the screen.
class ScriptedDesktop : public Platform::Desktop
{
public:
    struct MsgBoxCall
    {
        QString prompt;
        int flags = 0;
        QString title;
    };
    struct InputBoxCall
    {
        QString prompt;
        QString title;
        QString defaultText;
        double x = 0;
        double y = 0;
    };

    // Answers given in turn; when they run out a box answers OK and an
    // input box gives its default text.
    QList<int> msgBoxAnswers;
    QStringList inputBoxAnswers;
    // Runs while a message box is open, before it answers.
    std::function<void(const MsgBoxCall&)> whileMsgBoxOpen;

    QList<MsgBoxCall> msgBoxes;
    QList<InputBoxCall> inputBoxes;
    int beeps = 0;
    int ends = 0;

    Platform::ScreenMetrics screen{1024 * 15.0, 768 * 15.0, 15, 15};
    // A fresh program folder of each desktop's own, kept while a copy lives.
    std::shared_ptr<QTemporaryDir> programFolder = std::make_shared<QTemporaryDir>();
    QString appPath = programFolder->path();

    int MsgBox(const QString& prompt, int flags, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title, const QString& defaultText,
                     double xTwips, double yTwips) override;
    void Beep() override { ++beeps; }
    Platform::ScreenMetrics Screen() const override { return screen; }
    QString AppPath() const override { return appPath; }
    void End() override { ++ends; }
};
