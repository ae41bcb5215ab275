#include "portcandidates.h"

#include "portscan.h"
#include "systemserialport.h"

#include <QStringList>

namespace orvesc::cli {

QString openProblem(SerialPort &component, int number)
{
    QString problem;
    try {
        component.setCommPort(number);
        component.setPortOpen(true);
    } catch (const SerialError &error) {
        problem = error.description();
    }
    try {
        component.setPortOpen(false);
    } catch (const SerialError &) {
    }
    return problem;
}

QString PortCandidates::refusals() const
{
    QStringList problems;
    for (const RefusedPort &port : refused)
        problems << port.problem;
    return problems.join(QLatin1Char(' '));
}

PortCandidates portCandidates(const PortMap &map)
{
    const std::unique_ptr<SerialPort> port = createSystemSerialPort(map);
    SerialPort &component = *port;
    PortCandidates candidates;
    for (int number = FirstScannedPort; number <= LastScannedPort; ++number) {
        const QString device = map.device(number);
        if (device.isEmpty())
            continue;
        const QString problem = openProblem(component, number);
        if (problem.isEmpty())
            candidates.usable.push_back(number);
        // A link whose adapter was pulled names no port: leaving it out says nothing wrong.
        else if (map.present(number))
            candidates.refused.push_back({number, problem});
    }
    return candidates;
}

} // namespace orvesc::cli
