#include "film/FrameNaming.h"

#include "platform/Numbers.h"

namespace Film {

using Platform::Format;

double FrameExponent(double eMin, double eMax, std::int32_t steps, std::int64_t k)
{
    return ((eMax - eMin) * k) / steps + eMin;
}

double RenderedExponent(double e)
{
    return e == 1.0 ? 1.0001 : e;
}

QString FrameFileName(double e, QChar separator, Platform::PictureFormat format, int decimals)
{
    // Three decimals are the pattern "000.000"; more are the same with more
    // digits after the separator.
    return "PowerReels-" + Platform::FormatFixed(e, 3, decimals, separator) + "." +
           Platform::PictureSuffix(format);
}

QString ExponentText(double e, QChar separator, int decimals)
{
    return Platform::FormatFixed(e, 1, decimals, separator);
}

QString FrameCaption(double e, const QString& state, QChar separator)
{
    return "PowerReels - e=" + Format(e, u"0.000", separator) + state;
}

} // namespace Film
