#pragma once

#include <QByteArray>

#include <chrono>
#include <string>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

// The PC's end of a simulated cable: plain POSIX calls on the port link, as a terminal program
// would make them.
class Line
{
public:
    explicit Line(const std::string &path) : m_fd(::open(path.c_str(), O_RDWR | O_NOCTTY)) {}
    ~Line()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Line(const Line &) = delete;
    Line &operator=(const Line &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    bool hungUp() const { return m_hungUp; }

    void send(const QByteArray &bytes) { (void)!::write(m_fd, bytes.constData(), bytes.size()); }

    // Reads until count bytes came or the limit passed, then anything that follows within quiet,
    // so that surplus bytes show.
    QByteArray read(int count, std::chrono::milliseconds limit = std::chrono::milliseconds(2000),
                    std::chrono::milliseconds quiet = std::chrono::milliseconds(100))
    {
        QByteArray got;
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (!m_hungUp) {
            const auto now = std::chrono::steady_clock::now();
            const auto wait = got.size() < count && now < deadline
                ? std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now)
                : quiet;
            pollfd p{ m_fd, POLLIN, 0 };
            if (::poll(&p, 1, static_cast<int>(wait.count())) <= 0)
                break;
            char buffer[64];
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            if (n <= 0) {
                m_hungUp = n == 0 || errno == EIO;
                break;
            }
            got.append(buffer, n);
        }
        return got;
    }

    QByteArray exchange(const QByteArray &request, int count)
    {
        send(request);
        return read(count);
    }

private:
    int m_fd;
    bool m_hungUp = false;
};
