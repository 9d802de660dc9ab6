#include "platform/Form.h"

#include "FrameExtents.h"
#include "FramePlacement.h"

#include <cmath>

namespace Platform {

namespace {

// The classic fixed single border: 45 twips left, right and bottom, 330 twips
// of border and title bar at the top.
constexpr double ClassicBorderTwipsX = 90;
constexpr double ClassicBorderTwipsY = 375;

} // namespace

int Form::pixelsX(double twips) const
{
    return int(std::lround(twips / m_screen.TwipsPerPixelX));
}

int Form::pixelsY(double twips) const
{
    return int(std::lround(twips / m_screen.TwipsPerPixelY));
}

double Form::centredLeft() const
{
    return (m_desktop.Screen().Width - Width()) / 2;
}

double Form::centredTop() const
{
    return (m_desktop.Screen().Height - Height()) / 2;
}

void Form::centreOnScreen()
{
    setLeft(centredLeft());
    setTop(centredTop());
}

double Form::borderTwipsX() const
{
    const QMargins frame = FrameExtents(*this);
    const int pixels = frame.left() + frame.right();
    return pixels > 0 ? pixels * double(m_screen.TwipsPerPixelX) : ClassicBorderTwipsX;
}

double Form::borderTwipsY() const
{
    const QMargins frame = FrameExtents(*this);
    const int pixels = frame.top() + frame.bottom();
    return pixels > 0 ? pixels * double(m_screen.TwipsPerPixelY) : ClassicBorderTwipsY;
}

double Form::Left() const
{
    return x() * double(m_screen.TwipsPerPixelX);
}

double Form::Top() const
{
    return y() * double(m_screen.TwipsPerPixelY);
}

double Form::Width() const
{
    return ScaleWidth() + borderTwipsX();
}

double Form::Height() const
{
    return ScaleHeight() + borderTwipsY();
}

void Form::setLeft(double twips)
{
    PlaceFrameAt(*this, QPoint(pixelsX(twips), y()));
}

void Form::setTop(double twips)
{
    PlaceFrameAt(*this, QPoint(x(), pixelsY(twips)));
}

void Form::setWidth(double twips)
{
    setFixedWidth(std::max(1, pixelsX(twips - borderTwipsX())));
    growImage();
}

void Form::setHeight(double twips)
{
    setFixedHeight(std::max(1, pixelsY(twips - borderTwipsY())));
    growImage();
}

double Form::ScaleWidth() const
{
    return width() * double(m_screen.TwipsPerPixelX);
}

double Form::ScaleHeight() const
{
    return height() * double(m_screen.TwipsPerPixelY);
}

} // namespace Platform
