#include "console.h"

#include <QIODevice>
#include <QMutexLocker>

namespace orvesc::cli {

Console::Console(QIODevice &out, QIODevice &err)
    : m_out(out), m_err(err)
{
}

void Console::data(const QString &text)
{
    const QMutexLocker lock(&m_mutex);
    m_out.write(text.toUtf8());
}

void Console::note(const QString &line)
{
    const QMutexLocker lock(&m_mutex);
    m_err.write(line.toUtf8() + '\n');
}

void Console::bell()
{
    const QMutexLocker lock(&m_mutex);
    m_err.write("\a");
}

} // namespace orvesc::cli
