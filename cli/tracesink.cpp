#include "tracesink.h"

#include "clilanguage.h"
#include "clisetup.h"
#include "console.h"
#include "trafficformatter.h"
#include "trafficrecorder.h"

#include <QFile>
#include <QMutexLocker>
#include <QRegularExpression>

namespace orvesc::cli {

TraceSink::TraceSink() = default;
TraceSink::~TraceSink() = default;

QString TraceSink::open(const QString &target, Console &console)
{
    m_origin = std::chrono::steady_clock::now();
    if (target != QLatin1String("-")) {
        m_file = std::make_unique<QFile>(target);
        if (!m_file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
            //: %1 is the file, %2 the system's reason.
            return CommandLine::tr("The trace file %1 cannot be written: %2.").arg(target, m_file->errorString());
    }
    m_console = &console;
    return QString();
}

void TraceSink::write(const QStringList &lines)
{
    const QMutexLocker lock(&m_mutex);
    for (const QString &line : lines) {
        if (m_file) {
            m_file->write(line.toUtf8() + '\n');
            m_file->flush();
        } else {
            m_console->note(line);
        }
    }
}

PortSession::PortWrapper TraceSink::portWrapper()
{
    if (!isOpen())
        return {};
    return [this](SerialPort &inner) -> std::unique_ptr<SerialPort> {
        auto recorder = std::make_unique<TrafficRecorder>(inner);
        // Each port reads its own replies against its own requests.
        auto formatter = std::make_shared<TrafficFormatter>(m_origin);
        recorder->setSink([this, formatter](const TrafficEvent &event) {
            QStringList lines = formatter->format(event);
            // A device given by path is named so, not by the number the tool lent it.
            const QString name = portName(event.port);
            const QString number = QStringLiteral("COM%1").arg(event.port);
            for (QString &line : lines) {
                if (name != number) {
                    line.replace(QStringLiteral("%1 (%2)").arg(number, name), name);
                    line.replace(QRegularExpression(QStringLiteral("\\b%1\\b").arg(number)), name);
                }
                line = QStringLiteral("%1 %2").arg(name, line);
            }
            write(lines);
        });
        return recorder;
    };
}

} // namespace orvesc::cli
