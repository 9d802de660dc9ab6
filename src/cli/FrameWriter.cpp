#include "cli/FrameWriter.h"

#include "platform/Numbers.h"
#include "platform/Pictures.h"
#include "platform/RuntimeError.h"

#include <system_error>

namespace Cli {

using namespace Terminal;

FrameWriter::FrameWriter(RenderObserver& observer, Platform::PictureFormat format)
    : m_observer(observer), m_format(format)
{
    Platform::LoadPictureFormats();
}

FrameWriter::~FrameWriter()
{
    if (m_pending.valid())
        m_pending.wait();
}

void FrameWriter::write(QImage image, const FrameOfRender& frame)
{
    report(true);
    m_frame = frame;
    auto save = [image = std::move(image), path = frame.path, format = m_format]() -> QString {
        try {
            Platform::SavePicture(image, path, format);
            return {};
        } catch (const Platform::RuntimeError& error) {
            // Never empty: an empty text means saved.
            return error.reason().isEmpty() ? QStringLiteral("failed") : error.reason();
        }
    };
    try {
        m_pending = std::async(std::launch::async, save);
    } catch (const std::system_error&) {
        // No thread to spare: written here, before the next frame renders.
        std::promise<QString> done;
        done.set_value(save());
        m_pending = done.get_future();
    }
}

void FrameWriter::report(bool wait)
{
    if (!m_pending.valid() ||
        (!wait && m_pending.wait_for(std::chrono::seconds(0)) != std::future_status::ready))
        return;
    const QString failure = m_pending.get();
    if (failure.isEmpty()) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - m_frame.started)
                .count();
        m_observer.frameSaved(m_frame.k, m_frame.e, m_frame.path, seconds);
    } else {
        ++m_failures;
        m_observer.problem(
            WithReason(QString("Frame %1 (e=%2) could not be written to \"%3\"")
                           .arg(m_frame.k)
                           .arg(Platform::Format(m_frame.e, u"0.000", Platform::DecimalSeparator()),
                                m_frame.path),
                       failure));
    }
}

} // namespace Cli
