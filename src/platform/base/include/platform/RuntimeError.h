#pragma once

#include <QString>
#include <stdexcept>

namespace Platform {

// What went wrong in a run-time error; each handler's error policy decides
// whether it is shown, skipped or turned into a message.
enum class ErrorKind
{
    Overflow,
    DivisionByZero,
    InvalidArgument,
    FileNotFound,
    PathNotWritable,
    InvalidPropertyValue,
};

class RuntimeError : public std::runtime_error
{
public:
    // reason: the system's own words for why a file operation failed
    // ("Permission denied"), when there are any.
    explicit RuntimeError(ErrorKind kind, const QString& detail = {}, const QString& reason = {});
    ErrorKind kind() const { return m_kind; }
    const QString& reason() const { return m_reason; }

private:
    ErrorKind m_kind;
    QString m_reason;
};

// The system's words for an errno value, e.g. "No space left on device".
QString SystemReason(int error);

} // namespace Platform
