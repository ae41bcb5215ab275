#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace orvesc {

// A line setting such as "19200,N,8,1", as both serial components take it.
struct LineSettings
{
    int baudRate = 9600;
    char parity = 'N';
    int dataBits = 8;
    double stopBits = 1;

    // Back to "19200,N,8,1".
    QString text() const
    {
        return QStringLiteral("%1,%2,%3,%4").arg(baudRate).arg(QLatin1Char(parity)).arg(dataBits).arg(stopBits);
    }

    // Empty when the text is not a line setting a serial port can take.
    static std::optional<LineSettings> parse(const QString &settings)
    {
        const QStringList parts = settings.split(QLatin1Char(','));
        if (parts.size() != 4)
            return std::nullopt;
        LineSettings parsed;
        bool numeric = false;
        parsed.baudRate = parts.at(0).trimmed().toInt(&numeric);
        bool valid = numeric && parsed.baudRate > 0;
        const QString parity = parts.at(1).trimmed().toUpper();
        valid = valid && parity.size() == 1 && QStringLiteral("NEOMS").contains(parity);
        parsed.parity = valid ? parity.at(0).toLatin1() : 'N';
        parsed.dataBits = parts.at(2).trimmed().toInt(&numeric);
        valid = valid && numeric && parsed.dataBits >= 5 && parsed.dataBits <= 8;
        const QString stop = parts.at(3).trimmed();
        valid = valid && (stop == QLatin1String("1") || stop == QLatin1String("1.5") || stop == QLatin1String("2"));
        parsed.stopBits = stop.toDouble();
        if (!valid)
            return std::nullopt;
        return parsed;
    }
};

} // namespace orvesc
