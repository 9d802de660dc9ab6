#pragma once

#include <QString>
#include <stdexcept>

namespace Terminal {

// An error whose text is told to the user as it stands.
class MessageError : public std::runtime_error
{
public:
    explicit MessageError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    QString message() const { return m_message; }

private:
    QString m_message;
};

// A command line that cannot be used as given; the text tells what to fix.
class UsageError : public MessageError
{
public:
    using MessageError::MessageError;
};

} // namespace Terminal
