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

QString FrameFolderPath(const QString& basePath, double eMin, double eMax, std::int32_t steps,
                        std::int32_t pixels, const QString& paletteName)
{
    return basePath + "eMin=" + Format(eMin) + " eMax=" + Format(eMax) + " Steps=" + Format(steps) +
           " Pixels=" + Format(pixels) + " " + paletteName;
}

QString FrameFilePath(const QString& folderPath, double e)
{
    return folderPath + "/PowerReels-" + Format(e, u"000.000") + ".bmp";
}

QString FrameCaption(double e, const QString& state)
{
    return "PowerReels - e=" + Format(e, u"0.000") + state;
}

} // namespace Film
