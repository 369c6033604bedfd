#pragma once
// The files of the recovery folder, handled so that nothing planted there
// can be turned against the user: the folder is the user's own and private,
// new files are made with O_EXCL|O_NOFOLLOW and renamed into place, and a
// file is only read when it is a regular file of the user's own (never
// through a link, never waiting on a FIFO).

#include "model/UniqueFd.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <system_error>

namespace sorn {

class SornData;

// The folder, made when missing and kept at mode 0700. Empty when it is
// not a folder of the user's own (a link, someone else's); *problem then
// says so in Japanese.
QString RecoveryFolder(QString* problem = nullptr);

// The file at path when it is a regular file of the user's own: ELOOP for
// a link, EPERM for someone else's, EINVAL for anything else, ENOENT when
// there is none.
std::error_code CheckOwnFile(const QString& path);
// Opens such a file for reading (the check is made on what was opened).
UniqueFd OpenOwnFile(const QString& path, std::error_code& error);

// What the note beside a copy says about it.
struct CopyNote {
    QString file; // the score's own file, absolute; empty for a score never saved
    QDateTime written;
    qint64 bytes = -1; // the copy's length, -1 when the note does not say
    QByteArray sha256; // hex
};

// Writes the copy and its note: each into a new private file beside its
// name, renamed over the name once complete. The note is renamed first, so
// a copy interrupted between the two is one its note calls incomplete.
std::error_code WriteCopy(const SornData& doc, const QString& scorePath, const QString& notePath);
// Reads a note; an absent, foreign or unreadable note gives an empty one.
CopyNote ReadNote(const QString& notePath);
// The length and SHA-256 (hex) of an open file; false on a read error.
bool Fingerprint(int fd, qint64& bytes, QByteArray& sha256);

// Removes what editors that have gone left in the folder: temporaries of
// interrupted writes and locks without a copy. A temporary's name carries
// its writer's PID; it is left while that process runs and is an editor.
void RemoveLeftovers(const QString& folder);

} // namespace sorn
