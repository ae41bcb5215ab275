#include "portcandidates.h"

#include "portlist.h"
#include "serialerrortext.h"
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
        problem = serialErrorText(error);
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
    PortScan scan = scanPorts(*port, map);
    PortCandidates candidates;
    candidates.usable = std::move(scan.usable);
    for (const SerialError &error : scan.refused)
        candidates.refused.push_back({serialErrorText(error)});
    return candidates;
}

} // namespace orvesc::cli
