#pragma once

#include <QStringList>

namespace orvesc {
class PortMap;
}

namespace orvesc::cli {

// What the shell completion scripts ask for: `orvesc-cli __complete WORD...`, the words after the
// program's name up to the one being typed (possibly empty), each whole (KEY=ENTRY in one word).
// The candidates for that last word, one a line, or a single line ":files PATTERN" when the shell
// is to offer file names itself. The ports are the COM numbers `ports` lists; none is opened.
QStringList completionCandidates(const QStringList &words, const PortMap &map);

} // namespace orvesc::cli
