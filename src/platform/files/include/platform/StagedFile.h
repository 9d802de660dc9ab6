#pragma once

#include <QString>

namespace Platform {

// A file that appears under its final name only when it is whole, and only
// where the caller asked. It is written in a private folder that this process
// makes beside the final name (so nobody can plant a link there to redirect
// the bytes) and then renamed over the final name, which replaces whatever
// stands there, a link included, instead of writing through it.
class StagedFile
{
public:
    // Throws RuntimeError(PathNotWritable) when the final name's folder is
    // missing or not writable.
    explicit StagedFile(const QString& finalPath);
    // Discards a file that was not committed.
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Where to write the bytes; nothing is there yet.
    const QString& path() const { return m_path; }

    // Moves the file to its final name. Throws RuntimeError(PathNotWritable).
    void commit();

private:
    QString m_finalPath;
    QString m_folder;
    QString m_path;
    int m_lock = -1; // held while the staging is in use
};

// Writes and removes a staged file in folder, as every file of ours is
// written there, so that a folder that takes nothing (read-only, or on a
// read-only file system, whoever asks) is found before any work is done.
// Throws RuntimeError(PathNotWritable) with the system's reason.
void TryStaging(const QString& folder);

// Removes from folder the staging that writers which no longer run left
// behind (a kill gives them no time to clean up): only staging whose lock
// nobody holds, on this machine or any other that shares the folder.
void ClearAbandonedStaging(const QString& folder);

} // namespace Platform
