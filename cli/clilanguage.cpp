#include "clilanguage.h"

#include <QCoreApplication>

namespace orvesc::cli {

QString counted(qsizetype count, const char *one, const char *many)
{
    return CommandLine::tr(count == 1 ? one : many, nullptr, int(count));
}

} // namespace orvesc::cli
