#pragma once
// Things other than a plain file put in a file's place: a FIFO (watched, so
// that a reader that opens it is seen and let go, and a test fails instead of
// hanging), a folder, a socket, a link to a device, and huge sparse files.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <atomic>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace testsupport {

// A FIFO at `path`. A writer is tried again and again: it gets in only while
// someone has the FIFO open to read, which is then told, and that reader gets
// an end of file instead of waiting for ever.
class FifoWatch {
public:
    explicit FifoWatch(const QString& path) : m_path(QFile::encodeName(path))
    {
        m_made = ::mkfifo(m_path.constData(), 0644) == 0;
        if (m_made)
            m_thread = std::thread([this] { watch(); });
    }
    ~FifoWatch()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    FifoWatch(const FifoWatch&) = delete;
    FifoWatch& operator=(const FifoWatch&) = delete;

    bool made() const { return m_made; }
    // Whether anyone opened it to read.
    bool openedToRead() const { return m_opened; }

private:
    void watch()
    {
        while (!m_stop) {
            const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                struct stat st {};
                const bool fifo = ::fstat(fd, &st) == 0 && S_ISFIFO(st.st_mode);
                ::close(fd);
                if (!fifo)
                    return;   // something else took its place
                m_opened = true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }

    QByteArray m_path;
    bool m_made = false;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_opened{false};
    std::thread m_thread;
};

// A listening-less socket file at `path`.
inline bool makeSocket(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un a{};
    if (size_t(name.size()) >= sizeof(a.sun_path))
        return false;
    a.sun_family = AF_UNIX;
    std::memcpy(a.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool ok = fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&a), sizeof(a)) == 0;
    if (fd >= 0)
        ::close(fd);
    return ok;
}

// A sparse file of `size` bytes that starts with `start`.
inline bool makeSparse(const QString& path, const QByteArray& start, qint64 size)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(start) == start.size() && f.resize(size);
}

// Appends zeros up to `size` bytes, sparse.
inline bool growSparse(const QString& path, qint64 size)
{
    return QFile::resize(path, size);
}

// The most memory this process has held so far, in bytes.
inline qint64 peakMemory()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return qint64(u.ru_maxrss) * 1024;
}

}  // namespace testsupport
