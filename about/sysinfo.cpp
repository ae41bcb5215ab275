#include "sysinfo.h"

#include <QStandardPaths>
#include <QStringList>

#include <algorithm>
#include <iterator>

namespace orvesc {

QString registryValueText(const QByteArray &buffer, std::uint32_t size, std::uint32_t type,
                          const QString &previous)
{
    // The registry never reports more than the buffer held; clamping keeps a lying size harmless.
    int kept = static_cast<int>(std::min<std::uint32_t>(size, static_cast<std::uint32_t>(buffer.size())));
    if (kept > 0 && buffer.at(kept - 1) == '\0')
        --kept;

    switch (type) {
    case RegistryTextType: {
        // Windows' local 8-bit decoder stops at a zero byte; the text keeps every byte the value held.
        const QList<QByteArray> pieces = buffer.left(kept).split('\0');
        QString text = QString::fromLocal8Bit(pieces.front());
        for (auto piece = std::next(pieces.begin()); piece != pieces.end(); ++piece)
            text += QChar(u'\0') + QString::fromLocal8Bit(*piece);
        return text;
    }
    case RegistryNumberType: {
        // Little-endian, as the registry stores it; bytes the value did not fill count as zero.
        std::uint32_t number = 0;
        const int bytes = std::min(4, static_cast<int>(std::min<std::uint32_t>(size, buffer.size())));
        for (int i = bytes - 1; i >= 0; --i)
            number = (number << 8) | static_cast<unsigned char>(buffer.at(i));
        return QString::number(number);
    }
    default:
        return previous;
    }
}

QString registrySysInfoPath(const RegistryReader &readValue, const FileExistsTest &fileExists)
{
    QString text;
    // A recorded full path is trusted as it is: starting it is the test.
    if (readValue(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("PATH"), text))
        return text;

    QString folder;
    if (!readValue(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), QStringLiteral("MSINFO"),
                   folder))
        return {};
    const QString path = folder + QStringLiteral("\\MSINFO32.EXE");
    return fileExists(path) ? path : QString();
}

QString pathSysInfoProgram()
{
    static const QStringList programs = {
        QStringLiteral("hardinfo2"),
        QStringLiteral("hardinfo"),
        QStringLiteral("kinfocenter"),
        QStringLiteral("gnome-system-monitor"),
        QStringLiteral("mate-system-monitor"),
    };
    for (const QString &program : programs) {
        QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

} // namespace orvesc
