#include "platform/QtDesktop.h"

#include "FramePlacement.h"
#include "InputBoxDialog.h"
#include "platform/App.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

namespace Platform {

namespace {

// A title bar holds the window's icon and up to three buttons besides the
// title, each about as wide as the bar is high.
constexpr int TitleBarButtons = 4;
constexpr int TitleBarPadding = 8;

// How wide a window must be for a window manager to show its whole title,
// which title bars draw in bold.
int TitleWidth(const QString& title, const QFont& font)
{
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int barHeight = metrics.height() + TitleBarPadding;
    return metrics.horizontalAdvance(title) + TitleBarButtons * barHeight + TitleBarPadding;
}

} // namespace

int QtDesktop::MsgBox(const QString& prompt, int flags, const QString& title)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(prompt);
    const int icon = flags & MsgBoxFlags::IconMask;
    if (icon == MsgBoxFlags::Question)
        box.setIcon(QMessageBox::Question);
    else if (icon == MsgBoxFlags::Exclamation)
        box.setIcon(QMessageBox::Warning);
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    QPushButton* cancel = nullptr;
    if ((flags & MsgBoxFlags::ButtonsMask) == MsgBoxFlags::OkCancel) {
        cancel = box.addButton(QMessageBox::Cancel);
        box.setEscapeButton(cancel);
    } else {
        box.setEscapeButton(ok);
    }
    box.setDefaultButton(cancel != nullptr && (flags & MsgBoxFlags::DefaultButton2) ? cancel : ok);
    // The box sizes itself to its layout; a row as wide as the title widens it.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(TitleWidth(title, box.font()), 0, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
    // Escape and the close box count as Cancel when there is one.
    return box.clickedButton() == ok ? MsgBoxOk : (cancel != nullptr ? MsgBoxCancel : MsgBoxOk);
}

QString QtDesktop::InputBox(const QString& prompt, const QString& title, const QString& defaultText,
                            double xTwips, double yTwips)
{
    const ScreenMetrics screen = Screen();
    InputBoxDialog dialog(prompt, title, defaultText, QApplication::activeWindow());
    // As wide as a message box with this title: the title's width inside the
    // layout's margins, which leave room for a title font a little larger
    // than the box's own.
    const QMargins margins = dialog.layout()->contentsMargins();
    dialog.setMinimumWidth(TitleWidth(title, dialog.font()) + margins.left() + margins.right());
    PlaceFrameAt(dialog, QPoint(qRound(xTwips / screen.TwipsPerPixelX),
                                qRound(yTwips / screen.TwipsPerPixelY)));
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
