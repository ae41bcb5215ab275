#include "windowsportinfo.h"

#include <algorithm>

namespace orvesc::windowsport {

namespace {

// The four hex digits after `key` ("VID_", "PID_") in a hardware id.
std::optional<quint16> hexAfter(const QString &hardwareId, const QString &key)
{
    const qsizetype at = hardwareId.indexOf(key, 0, Qt::CaseInsensitive);
    if (at < 0)
        return std::nullopt;
    bool ok = false;
    const QString digits = hardwareId.mid(at + key.size(), 4);
    const uint value = digits.toUInt(&ok, 16);
    if (!ok || digits.size() != 4)
        return std::nullopt;
    return quint16(value);
}

} // namespace

QString comName(const QString &device)
{
    const qsizetype slash = std::max(device.lastIndexOf(QLatin1Char('\\')), device.lastIndexOf(QLatin1Char('/')));
    return device.mid(slash + 1);
}

SystemPortInfo fromSetupApi(const QString &port, const QString &friendlyName, const QString &manufacturer,
                            const QString &hardwareId)
{
    SystemPortInfo info;
    info.description = friendlyName.trimmed();
    const QString suffix = QStringLiteral(" (%1)").arg(port);
    if (info.description.endsWith(suffix, Qt::CaseInsensitive))
        info.description.chop(suffix.size());
    info.manufacturer = manufacturer.trimmed();
    info.vendorId = hexAfter(hardwareId, QStringLiteral("VID_"));
    info.productId = hexAfter(hardwareId, QStringLiteral("PID_"));
    if (!info.vendorId || !info.productId)
        info.vendorId = info.productId = std::nullopt;
    return info;
}

} // namespace orvesc::windowsport
