#pragma once

#include "portsession.h"

#include <QMutex>
#include <QString>

#include <chrono>
#include <memory>

class QFile;

namespace orvesc::cli {

class Console;

// Where --trace writes every byte sent and received, time-stamped and with its meaning: a file,
// or stderr for "-". Each port's component gets a traffic recorder that streams into it; lines
// from the ports' threads are written whole.
class TraceSink
{
public:
    TraceSink();
    ~TraceSink();

    // An error text when the file cannot be written.
    QString open(const QString &target, Console &console);
    bool isOpen() const { return m_console != nullptr; }
    // The recorder to put around a port's component.
    PortSession::PortWrapper portWrapper();

private:
    void write(const QStringList &lines);

    QMutex m_mutex;
    Console *m_console = nullptr;
    std::unique_ptr<QFile> m_file;
    std::chrono::steady_clock::time_point m_origin;
};

} // namespace orvesc::cli
