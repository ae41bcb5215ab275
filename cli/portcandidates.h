#pragma once

#include "portmap.h"

#include <QString>

#include <vector>

namespace orvesc {
class SerialPort;
}

namespace orvesc::cli {

// Why COMn cannot be opened now, in the serial component's words (busy and by whom, no permission
// and the group to join); empty when it opens. Opens and closes the port; sends nothing.
QString openProblem(SerialPort &component, int number);

// A listed port that would not open.
struct RefusedPort
{
    QString problem;
};

// The ports a search without --port may probe: every listed port that opens, in order (the window
// searches only the first ten of them: its list records ten numbers); and those that would not
// open, so that a search that finds nothing can say why instead of leaving them out unseen.
struct PortCandidates
{
    std::vector<int> usable;
    std::vector<RefusedPort> refused;

    // The refused ports' problems, one sentence each; empty when none was refused.
    QString refusals() const;
};
PortCandidates portCandidates(const PortMap &map);

} // namespace orvesc::cli
