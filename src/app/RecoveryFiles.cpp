#include "app/RecoveryFiles.h"

#include "model/AtomicFile.h"
#include "model/SornData.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace sorn {

namespace {

constexpr qint64 kLargestNote = 64 * 1024;

std::error_code LastError() {
    return {errno, std::generic_category()};
}

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

std::error_code CheckStat(const struct stat& st) {
    if (S_ISLNK(st.st_mode)) return std::make_error_code(std::errc::too_many_symbolic_link_levels);
    if (!S_ISREG(st.st_mode)) return std::make_error_code(std::errc::invalid_argument);
    if (st.st_uid != ::geteuid()) return std::make_error_code(std::errc::operation_not_permitted);
    return {};
}

// A new private file beside target, named as the program's other
// temporaries are, so that a start after a kill finds and removes it.
class Staged {
public:
    explicit Staged(const QString& target) : target_(target) {
        const QFileInfo info(target);
        for (int attempt = 0; attempt < 100; ++attempt) {
            path_ = info.absolutePath() + u'/' + u'.' + info.fileName() +
                    QString::fromLatin1(AtomicFile::TempMarker.data(),
                                        static_cast<qsizetype>(AtomicFile::TempMarker.size())) +
                    QString::number(::getpid()) + u'-' +
                    QString::number(QRandomGenerator::global()->bounded(100000, 1000000));
            const int fd = ::open(Native(path_).constData(),
                                  O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
            if (fd >= 0) {
                fd_.emplace(fd);
                return;
            }
            if (errno != EEXIST) break;
        }
        error_ = LastError();
        path_.clear();
    }
    Staged(const Staged&) = delete;
    Staged& operator=(const Staged&) = delete;
    ~Staged() {
        if (!renamed_ && !path_.isEmpty()) ::unlink(Native(path_).constData());
    }

    std::error_code Error() const { return error_; }
    const QString& Path() const { return path_; }

    std::error_code Write(const QByteArray& bytes) {
        const char* p = bytes.constData();
        for (qsizetype left = bytes.size(); left > 0;) {
            const ssize_t n = ::write(fd_->get(), p, static_cast<std::size_t>(left));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return LastError();
            p += n;
            left -= n;
        }
        if (::fsync(fd_->get()) != 0) return LastError();
        return {};
    }
    // rename replaces whatever has the name, a link too, and follows nothing.
    std::error_code Rename() {
        if (fd_->close() != 0) return LastError();
        if (::rename(Native(path_).constData(), Native(target_).constData()) != 0)
            return LastError();
        renamed_ = true;
        return {};
    }

private:
    QString target_;
    QString path_;
    std::optional<UniqueFd> fd_;
    std::error_code error_;
    bool renamed_ = false;
};

// The absolute, canonical name, so that a copy restored from another
// folder still saves where its score is.
QString AbsoluteName(const std::string& name) {
    if (name.empty()) return {};
    const QFileInfo info(QString::fromStdString(name));
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

// The PID in a temporary's name ".NAME<marker>PID-RANDOM", or 0.
pid_t TemporaryOwner(const QString& name) {
    const QString marker = QString::fromLatin1(
        AtomicFile::TempMarker.data(), static_cast<qsizetype>(AtomicFile::TempMarker.size()));
    const qsizetype at = name.lastIndexOf(marker);
    if (!name.startsWith(u'.') || at < 0) return 0;
    const QString rest = name.mid(at + marker.size());
    const qsizetype dash = rest.indexOf(u'-');
    bool ok = false;
    const long pid = rest.left(dash).toLong(&ok);
    return dash > 0 && ok && pid > 0 ? static_cast<pid_t>(pid) : 0;
}

QString ProgramOf(pid_t pid) {
    QString exe = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid));
    exe.remove(QStringLiteral(" (deleted)")); // the program was updated while running
    return QFileInfo(exe).fileName();
}

// A writer that has gone, or a process that is not an editor (its PID
// was taken by another program since).
bool WriterHasGone(pid_t pid) {
    if (pid == ::getpid()) return false;
    if (::kill(pid, 0) != 0 && errno == ESRCH) return true;
    const QString program = ProgramOf(pid);
    return !program.isEmpty() && program != ProgramOf(::getpid());
}

} // namespace

QString RecoveryFolder(QString* problem) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                           QStringLiteral("/sorn-editor/recovery");
    const QByteArray native = Native(folder);
    // Made private from the start, not opened up and closed again.
    QDir().mkpath(QFileInfo(folder).absolutePath());
    ::mkdir(native.constData(), 0700);
    struct stat st {};
    if (::lstat(native.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid()) {
        // Copies of unsaved work are for the user's eyes only.
        if ((st.st_mode & 077) != 0) ::chmod(native.constData(), 0700);
        return folder;
    }
    if (problem)
        *problem = (::lstat(native.constData(), &st) != 0
                        ? QCoreApplication::translate("sorn::RecoveryFiles",
                                                      "復元用フォルダを作れません。\n%1\n")
                        : QCoreApplication::translate(
                              "sorn::RecoveryFiles",
                              "復元用フォルダがご自分のフォルダではないため、使いません。\n%1\n"))
                       .arg(folder) +
                   QCoreApplication::translate("sorn::RecoveryFiles",
                                               "この起動中は自動保存を行いません。");
    return {};
}

std::error_code CheckOwnFile(const QString& path) {
    struct stat st {};
    if (::lstat(Native(path).constData(), &st) != 0) return LastError();
    return CheckStat(st);
}

UniqueFd OpenOwnFile(const QString& path, std::error_code& error) {
    // O_NONBLOCK: a FIFO planted here must not hold the start.
    const int fd = ::open(Native(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = LastError();
        return UniqueFd();
    }
    struct stat st {};
    error = ::fstat(fd, &st) != 0 ? LastError() : CheckStat(st);
    if (error) {
        ::close(fd);
        return UniqueFd();
    }
    return UniqueFd(fd);
}

bool Fingerprint(int fd, qint64& bytes, QByteArray& sha256) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    char buffer[65536];
    bytes = 0;
    for (;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, bytes);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        hash.addData(QByteArrayView(buffer, n));
        bytes += n;
    }
    sha256 = hash.result().toHex();
    return true;
}

std::error_code WriteCopy(const SornData& doc, const QString& scorePath, const QString& notePath) {
    Staged score(scorePath);
    if (score.Error()) return score.Error();
    // The writer replaces the private file made above and keeps its mode.
    if (std::error_code error = doc.SaveCopy(score.Path().toStdString())) return error;
    std::error_code error;
    const UniqueFd written = OpenOwnFile(score.Path(), error);
    if (error) return error;
    CopyNote note;
    if (!Fingerprint(written.get(), note.bytes, note.sha256)) return LastError();
    QJsonObject json;
    json[QStringLiteral("file")] = AbsoluteName(doc.SornFileName());
    json[QStringLiteral("written")] = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    json[QStringLiteral("bytes")] = note.bytes;
    json[QStringLiteral("sha256")] = QString::fromLatin1(note.sha256);
    Staged noteFile(notePath);
    if (noteFile.Error()) return noteFile.Error();
    if ((error = noteFile.Write(QJsonDocument(json).toJson()))) return error;
    if ((error = noteFile.Rename())) return error;
    return score.Rename();
}

CopyNote ReadNote(const QString& notePath) {
    std::error_code error;
    const UniqueFd fd = OpenOwnFile(notePath, error);
    CopyNote note;
    if (!fd) return note;
    QByteArray bytes(kLargestNote, Qt::Uninitialized);
    const ssize_t n = ::pread(fd.get(), bytes.data(), static_cast<std::size_t>(bytes.size()), 0);
    if (n <= 0) return note;
    bytes.truncate(n);
    const QJsonObject json = QJsonDocument::fromJson(bytes).object();
    note.file = json.value(QStringLiteral("file")).toString();
    note.written =
        QDateTime::fromString(json.value(QStringLiteral("written")).toString(), Qt::ISODateWithMs);
    note.bytes = json.value(QStringLiteral("bytes")).toInteger(-1);
    note.sha256 = json.value(QStringLiteral("sha256")).toString().toLatin1();
    return note;
}

void RemoveLeftovers(const QString& folder) {
    const QDir dir(folder);
    const QDir::Filters all = QDir::Files | QDir::Hidden | QDir::System;
    for (const QString& name : dir.entryList(all)) {
        const QString path = dir.filePath(name);
        struct stat st {};
        if (::lstat(Native(path).constData(), &st) != 0 || st.st_uid != ::geteuid()) continue;
        if (const pid_t pid = TemporaryOwner(name)) {
            if (WriterHasGone(pid)) ::unlink(Native(path).constData());
            continue;
        }
        // A lock or note whose copy is gone: taken when its editor has
        // gone (or never was), and let go.
        const bool lock = name.endsWith(QStringLiteral(".lock"));
        if ((!lock && !name.endsWith(QStringLiteral(".json"))) || !S_ISREG(st.st_mode)) continue;
        const QString base = path.chopped(5);
        struct stat copy {};
        if (::lstat(Native(base + QStringLiteral(".sorn")).constData(), &copy) == 0) continue;
        const QString lockPath = base + QStringLiteral(".lock");
        if (const std::error_code planted = CheckOwnFile(lockPath);
            !lock && planted && planted != std::errc::no_such_file_or_directory)
            continue; // a FIFO would hang the lock's reading of it
        QLockFile owner(lockPath);
        owner.setStaleLockTime(0);
        if (!owner.tryLock(0)) continue;
        if (!lock) ::unlink(Native(path).constData());
        owner.unlock();
    }
}

} // namespace sorn
