#pragma once

#include "escexchanges.h"
#include "escsimulator.h"
#include "eventloopwaiter.h"
#include "messenger.h"
#include "portmap.h"
#include "qserialportcomponent.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

Q_DECLARE_METATYPE(orvesc::sim::Faults)

namespace orvesc::test {

// Notes every message instead of showing it: each beepAndShow is one beep and one text.
struct MessageRecorder : Messenger
{
    void beepAndShow(const std::string &text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

using Texts = std::vector<std::string>;

// The texts shown: none for an empty text, else that one.
inline Texts shown(const QString &text) { return text.isEmpty() ? Texts{} : Texts{text.toStdString()}; }

inline sim::Faults faults(const std::function<void(sim::Faults &)> &set)
{
    sim::Faults f;
    set(f);
    return f;
}

inline sim::SimOptions escOptions(const sim::Faults &escFaults, int model = 38,
                                   std::optional<sim::EscSettings> settings = std::nullopt)
{
    sim::SimOptions options;
    options.modelCode = model;
    options.settings = settings;
    options.faults = escFaults;
    return options;
}

inline bool link(const QString &target, const QString &path)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()) == 0;
}

// Simulated ESCs linked as comN in a port-link folder of their own; the map built on it knows
// no system port, so nothing outside the folder is ever opened.
class SimBench
{
public:
    QString folder() const { return m_folder.path(); }
    QString comLink(int number) const { return folder() + QStringLiteral("/com%1").arg(number); }
    PortMap portMap() const { return PortMap(folder(), {}); }

    sim::EscSimulator &start(int comNumber, sim::SimOptions options = {})
    {
        m_sims.push_back(std::make_unique<sim::EscSimulator>(std::move(options)));
        std::string error;
        if (!m_sims.back()->start(folder().toStdString(), comNumber, &error))
            qFatal("simulator on com%d did not start: %s", comNumber, error.c_str());
        return *m_sims.back();
    }

private:
    QTemporaryDir m_folder;
    std::vector<std::unique_ptr<sim::EscSimulator>> m_sims;
};

// One simulated ESC on COM1 and the window's exchanges over the real serial component.
struct Rig
{
    explicit Rig(sim::SimOptions options = {}) : esc(bench.start(1, std::move(options))) {}
    explicit Rig(const sim::Faults &escFaults) : Rig(escOptions(escFaults)) {}

    // What an identification and the programming run leave in the component.
    void prepare()
    {
        port.setCommPort(1);
        port.setSettings(QStringLiteral("19200,N,8,1"));
        port.setInputLen(1);
        port.setInputMode(1);
    }
    QString device() const { return QString::fromStdString(esc.devicePath()); }
    // The bytes the ESC received, in order.
    std::vector<int> received() const
    {
        const auto log = esc.receivedBytes();
        std::vector<int> values(log.size());
        std::transform(log.begin(), log.end(), values.begin(), [](const sim::ReceivedByte &b) { return b.value; });
        return values;
    }

    SimBench bench;
    sim::EscSimulator &esc;
    QSerialPortComponent port{bench.portMap()};
    EventLoopWaiter waiter;
    MessageRecorder messages;
    EscExchanges exchanges{port, waiter, messages};
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
