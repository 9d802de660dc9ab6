#include "platform/QtDesktop.h"

#include "platform/App.h"
#include "platform/InputBoxDialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace Platform {

int QtDesktop::MsgBox(const QString& prompt, int flags, const QString& title)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(prompt);
    const int icon = flags & 0x70;
    if (icon == MsgBoxFlags::Question)
        box.setIcon(QMessageBox::Question);
    else if (icon == MsgBoxFlags::Exclamation)
        box.setIcon(QMessageBox::Warning);
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    QPushButton* cancel = nullptr;
    if ((flags & 0x0F) == MsgBoxFlags::OkCancel) {
        cancel = box.addButton(QMessageBox::Cancel);
        box.setEscapeButton(cancel);
    } else {
        box.setEscapeButton(ok);
    }
    box.setDefaultButton(cancel != nullptr && (flags & MsgBoxFlags::DefaultButton2) ? cancel : ok);
    box.exec();
    // Escape and the close box count as Cancel when there is one.
    return box.clickedButton() == ok ? MsgBoxOk : (cancel != nullptr ? MsgBoxCancel : MsgBoxOk);
}

QString QtDesktop::InputBox(const QString& prompt, const QString& title, const QString& defaultText,
                            double xTwips, double yTwips)
{
    const ScreenMetrics screen = Screen();
    InputBoxDialog dialog(prompt, title, defaultText, QApplication::activeWindow());
    dialog.placeFrameAt(
        QPoint(qRound(xTwips / screen.TwipsPerPixelX), qRound(yTwips / screen.TwipsPerPixelY)));
    return dialog.exec() == QDialog::Accepted ? dialog.text() : QString();
}

void QtDesktop::Beep()
{
    QApplication::beep();
}

ScreenMetrics QtDesktop::Screen() const
{
    return CurrentScreen();
}

QString QtDesktop::AppPath() const
{
    return App::Path();
}

void QtDesktop::End()
{
    QCoreApplication::exit(0);
}

} // namespace Platform
