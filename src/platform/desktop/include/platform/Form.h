#pragma once

#include "platform/Desktop.h"

#include <QElapsedTimer>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <span>

#include <QPushButton>

namespace Platform {

// Key codes Form_KeyPress is given for ENTER and SPACE.
inline constexpr int KeyEnter = 13;
inline constexpr int KeySpace = 32;

// Why a window is asked to close.
namespace UnloadOrigin {
inline constexpr int FormControlMenu = 0; // the close box or the window manager
inline constexpr int FormCode = 1;        // the program's own Unload
inline constexpr int AppWindows = 2;      // the desktop session ends
inline constexpr int TaskManager = 3;     // SIGTERM, SIGINT or SIGHUP
} // namespace UnloadOrigin

// A fixed-border window measured in twips, with a persistent drawing image
// that survives covering and is what a finished picture is saved from, a
// background picture, close requests that the form may refuse, and the
// default and cancel buttons that ENTER and ESC click.
class Form : public QWidget
{
    Q_OBJECT

public:
    explicit Form(Desktop& desktop, QWidget* parent = nullptr);

    Desktop& desktop() const { return m_desktop; }

    // Raises Load, then shows the window centred with the focus on the first
    // control of the focus order.
    void Show();

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }

    // Outer geometry in twips: the client area plus the window manager's
    // border, or the classic fixed border when no window manager draws one.
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);

    // Client area in twips.
    double ScaleWidth() const;
    double ScaleHeight() const;

    // Sets the pixels of one column of the persistent image, top row first,
    // from packed colours (red + 256 * green + 65536 * blue).
    void PutColumn(int x, std::span<const std::int32_t> colors);

    // Shows at once what was drawn since the last repaint.
    void Refresh();

    // The persistent image of the client area.
    QImage Image() const;

    // Shows a picture unscaled at the top-left of the client area; it
    // replaces everything drawn. An empty picture clears the window.
    void setPicture(const QImage& picture);

    // Asks the window to close as the program itself (origin FormCode).
    void Unload();

    // Asks the window to close for the given origin, as a close request of
    // that kind does.
    void RequestClose(int unloadMode);

    // Ends the program at once: no further handler runs and nothing more is
    // drawn.
    void End();
    bool HasEnded() const { return m_ended; }

    // Runs a handler; a run-time error it does not handle itself is reported
    // in a message box instead of ending the program.
    void RunHandler(const std::function<void()>& handler);

signals:
    void Ended();

protected:
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(int& Cancel, int UnloadMode) = 0;
    virtual void Form_KeyPress(int& KeyAscii) { Q_UNUSED(KeyAscii); }

    // The default button is drawn as such, unless another button has the
    // focus: ENTER clicks that one, and it is drawn as the default meanwhile.
    void setDefaultButton(QPushButton* button);
    void setCancelButton(QPushButton* button) { m_cancelButton = button; }
    // TAB and the first focus follow this order, skipping hidden controls.
    void setFocusOrder(QList<QWidget*> order) { m_focusOrder = std::move(order); }

    float twipsPerPixelX() const { return m_screen.TwipsPerPixelX; }
    float twipsPerPixelY() const { return m_screen.TwipsPerPixelY; }
    // Twips as whole pixels of this screen, rounded to the nearest.
    int pixelsX(double twips) const;
    int pixelsY(double twips) const;
    // The left and top edges (twips) that centre the window on the screen.
    double centredLeft() const;
    double centredTop() const;

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void centreOnScreen();
    void showDefaultButton();
    double borderTwipsX() const;
    double borderTwipsY() const;
    void growImage();
    void requestRepaint(const QRect& rect);

    Desktop& m_desktop;
    ScreenMetrics m_screen;
    QImage m_image;
    QRect m_dirty;
    QElapsedTimer m_sinceRepaint;
    QPointer<QPushButton> m_defaultButton;
    QPointer<QPushButton> m_cancelButton;
    QList<QWidget*> m_focusOrder;
    int m_unloadMode = UnloadOrigin::FormControlMenu;
    bool m_ended = false;
};

} // namespace Platform
