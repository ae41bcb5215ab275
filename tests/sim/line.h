#pragma once

#include <QByteArray>

#include <chrono>
#include <string>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

// The PC's end of a simulated cable: plain POSIX calls on the port link, as a terminal program makes.
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

    // Sends the request and reads until count bytes came or 2 s passed, then anything that follows
    // within 100 ms, so that surplus bytes show.
    QByteArray exchange(const QByteArray &request, int count)
    {
        send(request);
        QByteArray got;
        using namespace std::chrono;
        const auto deadline = steady_clock::now() + seconds(2);
        while (!m_hungUp) {
            const auto left = duration_cast<milliseconds>(deadline - steady_clock::now());
            pollfd p{m_fd, POLLIN, 0};
            if (::poll(&p, 1, got.size() < count && left.count() > 0 ? int(left.count()) : 100) <= 0)
                break;
            char buffer[64];
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            m_hungUp = n == 0 || (n < 0 && errno == EIO);
            if (n <= 0)
                break;
            got.append(buffer, n);
        }
        return got;
    }

private:
    int m_fd;
    bool m_hungUp = false;
};
