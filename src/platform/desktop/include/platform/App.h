#pragma once

#include "platform/Version.h"

#include <QString>

// The running program: where it lives and which version it is.
namespace App {

inline constexpr int Major = POWERREELS_VERSION_MAJOR;
inline constexpr int Minor = POWERREELS_VERSION_MINOR;

// The folder that holds the running program, without a trailing separator
// unless it is the root.
QString Path();

// Whether a program folder is an install's: <prefix>/bin with the program's
// desktop entry under <prefix>/share, for any prefix. Such a folder is never
// a place for films, even where the user may write (root in /usr/bin).
bool IsInstalledProgramFolder(const QString& path);

// Whether the running user may create files in a folder.
bool IsWritableFolder(const QString& path);

// The user's pictures folder plus "PowerReels/", created when missing; empty
// when the desktop names no pictures folder or it cannot be made or written
// into, with problem saying so.
QString UserFilmsFolder(QString& problem);

} // namespace App
