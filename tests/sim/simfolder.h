#pragma once

#include "escsimulator.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtGlobal>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace orvesc::test {

inline sim::Faults faults(const std::function<void(sim::Faults &)> &set)
{
    sim::Faults f;
    set(f);
    return f;
}

// The bytes an ESC received, in order.
inline QList<int> received(const sim::EscSimulator &esc)
{
    QList<int> values;
    for (const sim::ReceivedByte &byte : esc.receivedBytes())
        values << byte.value;
    return values;
}

// Simulated ESCs linked as comN in a folder of their own; port maps on it list no system port, no real device.
class SimFolder
{
public:
    QString path() const { return m_folder.path(); }
    QString comLink(int number) const { return path() + QStringLiteral("/com%1").arg(number); }

    sim::EscSimulator &addEsc(int com, sim::SimOptions options)
    {
        m_escs.push_back(std::make_unique<sim::EscSimulator>(std::move(options)));
        std::string error;
        if (!m_escs.back()->start(path().toStdString(), com, &error))
            qFatal("no simulator on com%d: %s", com, error.c_str());
        return *m_escs.back();
    }
    sim::EscSimulator &addEsc(int com, int model = 38, const sim::Faults &escFaults = {},
                              std::optional<sim::EscSettings> settings = std::nullopt)
    {
        sim::SimOptions options;
        options.modelCode = model;
        options.faults = escFaults;
        options.settings = settings;
        return addEsc(com, std::move(options));
    }
    const std::vector<std::unique_ptr<sim::EscSimulator>> &escs() const { return m_escs; }

    // The ports plugged in now, as a system's port list would name them: the running ESCs' links.
    QStringList plugged() const
    {
        QStringList links;
        for (const auto &esc : m_escs) {
            if (esc->isRunning())
                links << QString::fromStdString(esc->linkPath());
        }
        return links;
    }
    // The system's own port list as the tests give it to port maps: empty beside the links here;
    // on Windows, where a port is its number, the running simulators' COM names.
    QStringList systemList() const
    {
        QStringList names;
#ifdef _WIN32
        for (const QString &link : plugged())
            names << link.section(QLatin1Char('/'), -1).toUpper();
#endif
        return names;
    }
    // Pulls the cable of the ESC on COMn: its port vanishes.
    void unplug(int com)
    {
        const QString name = QStringLiteral("/com%1").arg(com);
        for (const auto &esc : m_escs) {
            if (esc->isRunning() && QString::fromStdString(esc->linkPath()).endsWith(name))
                esc->stop();
        }
    }

private:
    // Declared first so that it ends last, after the simulators have removed their links.
    QTemporaryDir m_folder;
    std::vector<std::unique_ptr<sim::EscSimulator>> m_escs;
};

} // namespace orvesc::test
