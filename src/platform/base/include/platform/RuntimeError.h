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
    explicit RuntimeError(ErrorKind kind, const QString& detail = {});
    ErrorKind kind() const { return m_kind; }

private:
    ErrorKind m_kind;
};

} // namespace Platform
