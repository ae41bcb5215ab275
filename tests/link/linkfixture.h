#pragma once

#include "escexchanges.h"
#include "eventloopwaiter.h"
#include "memorysettingsview.h"
#include "portmap.h"
#include "serialerrortext.h"
#include "systemserialcomponent.h"
#include "simfolder.h"

#include <QFile>
#include <QProcess>
#include <QTest>

#include <string>
#include <vector>

Q_DECLARE_METATYPE(orvesc::sim::Faults)

// Rows whose premise Windows (or Wine's serial layer) lacks: a named holder, a lost pseudo-terminal, port links.
#ifdef _WIN32
#define SKIP_ON_WINDOWS_IF(condition, why) do { if (condition) QSKIP(why); } while (false)
#else
#define SKIP_ON_WINDOWS_IF(condition, why) do { } while (false)
#endif

namespace orvesc::test {

// The folder's links and no system port: nothing outside the folder is ever opened.
inline PortMap portMap(const SimFolder &folder) { return PortMap(folder.path(), {}); }

// One simulated ESC on COM1 and the window's exchanges over the real serial component.
struct Rig
{
    explicit Rig(const sim::Faults &escFaults = {}, int model = 38,
                 std::optional<sim::EscSettings> settings = std::nullopt)
        : esc(folder.addEsc(1, model, escFaults, settings))
    {
        // What an identification and the programming run leave in the component.
        port.setCommPort(1);
        port.setSettings(QStringLiteral("19200,N,8,1"));
        port.setInputLen(1);
        port.setInputMode(1);
    }
    QString device() const { return QString::fromStdString(esc.devicePath()); }

    SimFolder folder;
    sim::EscSimulator &esc;
    SystemSerialComponent port{portMap(folder)};
    EventLoopWaiter waiter;
    EscExchanges exchanges{port, waiter};
};

// Another program holding a device open, as a terminal program would.
class PortHolder
{
public:
    explicit PortHolder(const QString &device)
    {
        m_process.start(QStringLiteral(ORVESC_PORTHOLDER), {device});
        m_held = m_process.waitForReadyRead(5000) && m_process.readAllStandardOutput().startsWith("held");
    }
    ~PortHolder()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }
    bool held() const { return m_held; }
    qint64 pid() const { return m_process.processId(); }

private:
    QProcess m_process;
    bool m_held = false;
};

} // namespace orvesc::test
