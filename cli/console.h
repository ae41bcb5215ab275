#pragma once

#include <QMutex>
#include <QString>

class QIODevice;

namespace orvesc::cli {

// Where the command line's text goes: data on one stream (stdout), messages and progress on the
// other (stderr), each call written whole, so that the threads of several ports never interleave
// inside a line.
class Console
{
public:
    Console(QIODevice &out, QIODevice &err);

    // Data for scripts; written as given.
    void data(const QString &text);
    // One line for the person at the terminal.
    void note(const QString &line);
    // The terminal bell, on the message stream.
    void bell();

private:
    QMutex m_mutex;
    QIODevice &m_out;
    QIODevice &m_err;
};

} // namespace orvesc::cli
