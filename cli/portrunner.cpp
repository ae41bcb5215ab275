#include "portrunner.h"

#include "clioptions.h"
#include "console.h"
#include "exitcodes.h"
#include "portscan.h"
#include "qserialportcomponent.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QThread>

#include <algorithm>
#include <memory>

namespace orvesc::cli {

std::vector<int> listedPorts(const PortMap &map)
{
    QSerialPortComponent component(map);
    return scanPorts(component);
}

PortRunner::PortRunner(const CliRequest &request, const CliSetup &setup, Console &console)
    : m_request(request), m_setup(setup), m_console(console)
{
}

int PortRunner::run(const PortJob &job)
{
    PortMap map = m_setup.portMap();
    std::vector<std::vector<int>> workLists;
    if (!m_request.ports.isEmpty()) {
        ResolvedPorts resolved = resolvePorts(m_setup, m_request.ports);
        if (!resolved.error.isEmpty()) {
            m_console.note(QStringLiteral("orvesc-cli: %1").arg(resolved.error));
            return UsageError;
        }
        map = resolved.map;
        for (const PortTarget &target : resolved.targets)
            workLists.push_back({target.number});
    } else if (m_request.all) {
        for (const int number : listedPorts(map))
            workLists.push_back({number});
        if (workLists.empty()) {
            m_console.note(QStringLiteral("orvesc-cli: no serial port is listed: plug in the PC "
                                          "interface cable."));
            return NoEscFound;
        }
    } else {
        workLists.push_back(listedPorts(map));
    }

    std::vector<PortResult> results(workLists.size());
    std::vector<std::unique_ptr<QThread>> threads;
    for (std::size_t i = 0; i < workLists.size(); ++i) {
        threads.emplace_back(QThread::create([&, i] {
            PortSession session(map, m_wrapper);
            PortResult result = job(session, workLists[i]);
            if (result.port.label.isEmpty())
                result.port = session.target().label.isEmpty()
                        ? portTarget(map, workLists[i].empty() ? 0 : workLists[i].front())
                        : session.target();
            result.noEsc = m_request.all && result.exitCode == NoEscFound;
            if (!result.noEsc) {
                if (!m_request.json && !result.data.isEmpty())
                    m_console.data(result.data);
                const QString name = result.port.number > 0 ? result.port.label
                                                            : QStringLiteral("orvesc-cli");
                m_console.note(result.exitCode == Done
                                       ? QStringLiteral("%1: %2").arg(name, result.summary)
                                       : QStringLiteral("%1: error %2: %3")
                                                 .arg(name)
                                                 .arg(result.exitCode)
                                                 .arg(result.summary));
            }
            results[i] = result;
        }));
        threads.back()->start();
    }
    for (const auto &thread : threads)
        thread->wait();

    int worst = Done;
    int answered = 0;
    QJsonArray array;
    for (const PortResult &result : results) {
        if (result.noEsc)
            continue;
        ++answered;
        worst = std::max(worst, result.exitCode);
        QJsonObject object = result.json;
        object.insert(QStringLiteral("port"), result.port.number > 0 ? QJsonValue(result.port.label)
                                                                     : QJsonValue());
        object.insert(QStringLiteral("device"), result.port.device);
        object.insert(QStringLiteral("exit_code"), result.exitCode);
        object.insert(QStringLiteral("message"), result.summary);
        array.append(object);
    }
    if (m_request.all && answered == 0) {
        m_console.note(QStringLiteral("orvesc-cli: no ESC answered on any of the %1 listed ports.")
                               .arg(workLists.size()));
        worst = NoEscFound;
    }
    if (m_request.json && m_singleDocument && results.size() == 1) {
        m_console.data(QString::fromUtf8(results.front().document));
    } else if (m_request.json) {
        m_console.data(QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)));
    }
    return worst;
}

} // namespace orvesc::cli
