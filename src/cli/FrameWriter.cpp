#include "cli/FrameWriter.h"

#include "platform/Numbers.h"
#include "platform/Pictures.h"
#include "platform/RuntimeError.h"

namespace Cli {

using namespace Terminal;

FrameWriter::FrameWriter(RenderObserver& observer) : m_observer(observer) {}

FrameWriter::~FrameWriter()
{
    if (m_pending.valid())
        m_pending.wait();
}

void FrameWriter::write(QImage image, const FrameOfRender& frame)
{
    report(true);
    m_frame = frame;
    m_pending = std::async(std::launch::async, [image = std::move(image), path = frame.path] {
        try {
            Platform::SavePicture(image, path);
            return true;
        } catch (const Platform::RuntimeError&) {
            return false;
        }
    });
}

void FrameWriter::report(bool wait)
{
    if (!m_pending.valid() ||
        (!wait && m_pending.wait_for(std::chrono::seconds(0)) != std::future_status::ready))
        return;
    if (m_pending.get()) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - m_frame.started)
                .count();
        m_observer.frameSaved(m_frame.position, m_frame.e, m_frame.path, seconds);
    } else {
        ++m_failures;
        m_observer.problem(
            QString("Frame %1 (e=%2) could not be written to \"%3\".")
                .arg(m_frame.k)
                .arg(Platform::Format(m_frame.e, u"0.000", Platform::DecimalSeparator()),
                     m_frame.path));
    }
}

} // namespace Cli
