#include "platform/RuntimeError.h"

#include <string>
#include <system_error>

namespace Platform {

namespace {

// The wording follows the classic run-time messages, so that a report reads
// like the one the program was designed against.
const char* messageFor(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::Overflow:
        return "Overflow";
    case ErrorKind::DivisionByZero:
        return "Division by zero";
    case ErrorKind::InvalidArgument:
        return "Invalid procedure call or argument";
    case ErrorKind::FileNotFound:
        return "File not found";
    case ErrorKind::PathNotWritable:
        return "Path not found or not writable";
    case ErrorKind::InvalidPropertyValue:
        return "Invalid property value";
    }
    return "Run-time error";
}

std::string describe(ErrorKind kind, const QString& detail)
{
    std::string text = messageFor(kind);
    if (!detail.isEmpty()) {
        text += ": ";
        text += detail.toStdString();
    }
    return text;
}

} // namespace

RuntimeError::RuntimeError(ErrorKind kind, const QString& detail, const QString& reason)
    : std::runtime_error(describe(kind, detail)), m_kind(kind), m_reason(reason)
{
}

QString SystemReason(int error)
{
    // Unlike strerror, safe on any thread.
    return QString::fromStdString(std::generic_category().message(error));
}

} // namespace Platform
