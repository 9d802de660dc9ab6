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

QString FrameFileName(double e, QChar separator, Platform::PictureFormat format)
{
    return "PowerReels-" + Format(e, u"000.000", separator) + "." + Platform::PictureSuffix(format);
}

QString FrameCaption(double e, const QString& state, QChar separator)
{
    return "PowerReels - e=" + Format(e, u"0.000", separator) + state;
}

} // namespace Film
