#pragma once

#include "escsimulator.h"
#include "messenger.h"
#include "portmap.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace orvesc::test {

// Notes every message instead of showing it: each beepAndShow is one beep and one text.
class MessageRecorder : public Messenger
{
public:
    void beepAndShow(const std::string &text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

// Simulated ESCs linked as comN in a port-link folder of their own; the map built on it knows
// no system port, so nothing outside the folder is ever opened.
class SimBench
{
public:
    SimBench() { QVERIFY(m_folder.isValid()); }

    QString folder() const { return m_folder.path(); }
    PortMap portMap() const { return PortMap(folder(), {}); }

    sim::EscSimulator &start(int comNumber, sim::SimOptions options = {})
    {
        m_sims.push_back(std::make_unique<sim::EscSimulator>(std::move(options)));
        std::string error;
        const bool started = m_sims.back()->start(folder().toStdString(), comNumber, &error);
        if (!started)
            qFatal("simulator on com%d did not start: %s", comNumber, error.c_str());
        return *m_sims.back();
    }

private:
    QTemporaryDir m_folder;
    std::vector<std::unique_ptr<sim::EscSimulator>> m_sims;
};

// The bytes a simulator received, in order.
inline std::vector<int> receivedValues(const sim::EscSimulator &sim)
{
    std::vector<int> values;
    for (const sim::ReceivedByte &byte : sim.receivedBytes())
        values.push_back(byte.value);
    return values;
}

// Another program holding a device open, as a terminal program would.
class PortHolder
{
public:
    explicit PortHolder(const QString &device)
    {
        m_process.start(QStringLiteral(ORVESC_PORTHOLDER), {device});
        m_held = m_process.waitForReadyRead(5000)
                && m_process.readAllStandardOutput().startsWith("held");
    }
    ~PortHolder()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }
    bool held() const { return m_held; }

private:
    QProcess m_process;
    bool m_held = false;
};

} // namespace orvesc::test
