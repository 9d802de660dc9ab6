#include "platform/PackedColumns.h"

#include <algorithm>

namespace Platform {

void PutPackedColumn(QImage& image, int x, std::span<const std::int32_t> colors)
{
    if (x < 0 || x >= image.width())
        return;
    const int rows = std::min(int(colors.size()), image.height());
    for (int row = 0; row < rows; ++row)
        reinterpret_cast<QRgb*>(image.scanLine(row))[x] = ToRgb(colors[row]);
}

} // namespace Platform
