#include "SavedPictureReading.h"

#include "platform/PictureFormat.h"

#include <csetjmp>
#include <png.h>
#include <vector>

namespace Platform {

namespace {

// libpng reports through these instead of its own, which print to stderr:
// an error ends the reading, a warning changes nothing.
[[noreturn]] void Fail(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void Ignore(png_structp, png_const_charp) {}

void ReadBytes(png_structp png, png_bytep data, std::size_t length)
{
    auto* file = static_cast<QFile*>(png_get_io_ptr(png));
    if (file->read(reinterpret_cast<char*>(data), qint64(length)) != qint64(length))
        png_error(png, "truncated");
}

// Owns libpng's structures.
class PngReader
{
public:
    explicit PngReader(QFile& file)
        : m_png(png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Ignore)),
          m_info(m_png != nullptr ? png_create_info_struct(m_png) : nullptr)
    {
        if (m_info == nullptr)
            return;
        png_set_read_fn(m_png, &file, ReadBytes);
        // A bad checksum in any chunk, and what libpng would otherwise let
        // pass with a warning (surplus image data, a malformed closing
        // chunk), refuse the file.
        png_set_crc_action(m_png, PNG_CRC_ERROR_QUIT, PNG_CRC_ERROR_QUIT);
        png_set_benign_errors(m_png, 0);
        png_set_user_limits(m_png, LargestPictureSide, LargestPictureSide);
    }
    ~PngReader() { png_destroy_read_struct(&m_png, &m_info, nullptr); }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;

    // Decodes every row through row, into image when given. Between the
    // jump's setting and an error's jump back, no object of this frame needs
    // its destructor: all that outlives the jump is the caller's.
    bool decode(QSize size, std::vector<png_byte>& row, QImage* image)
    {
        if (m_info == nullptr || setjmp(png_jmpbuf(m_png)) != 0)
            return false;
        png_read_info(m_png, m_info);
        png_uint_32 width = 0;
        png_uint_32 height = 0;
        int depth = 0;
        int colours = 0;
        int interlace = 0;
        png_get_IHDR(m_png, m_info, &width, &height, &depth, &colours, &interlace, nullptr,
                     nullptr);
        if (depth != 8 || colours != PNG_COLOR_TYPE_RGB || interlace != PNG_INTERLACE_NONE ||
            (!size.isEmpty() && QSize(int(width), int(height)) != size))
            return false;
        row.resize(std::size_t(width) * 3);
        if (image != nullptr) {
            *image = QImage(int(width), int(height), QImage::Format_RGB32);
            if (image->isNull())
                return false;
        }
        for (png_uint_32 y = 0; y < height; ++y) {
            png_read_row(m_png, row.data(), nullptr);
            if (image == nullptr)
                continue;
            auto* line = reinterpret_cast<QRgb*>(image->scanLine(int(y)));
            for (png_uint_32 x = 0; x < width; ++x)
                line[x] = qRgb(row[3 * x], row[3 * x + 1], row[3 * x + 2]);
        }
        png_read_end(m_png, m_info);
        return true;
    }

private:
    png_structp m_png;
    png_infop m_info;
};

} // namespace

bool ReadSavedPng(QFile& file, QSize size, QImage* into)
{
    if (!file.seek(0))
        return false;
    std::vector<png_byte> row;
    QImage image;
    PngReader reader(file);
    if (!reader.decode(size, row, into != nullptr ? &image : nullptr) || !file.atEnd())
        return false;
    if (into != nullptr)
        *into = std::move(image);
    return true;
}

} // namespace Platform
