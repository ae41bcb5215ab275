#include "systemportinfo.h"

#include <QFileInfo>

namespace orvesc {

std::optional<SystemPortInfo> systemPortInfoOf(const QString &deviceOrLink)
{
#ifdef Q_OS_WIN
    return systemPortInfo(deviceOrLink);
#else
    const QString device = QFileInfo(deviceOrLink).canonicalFilePath();
    return device.isEmpty() ? std::nullopt : systemPortInfo(device);
#endif
}

QString adapterName(const SystemPortInfo &info)
{
    const auto named = [](const QString &text, const std::optional<quint16> &id) {
        const QString trimmed = text.trimmed();
        const bool repeatsId = id && trimmed.compare(QString::number(*id, 16).rightJustified(4, QLatin1Char('0')),
                                                     Qt::CaseInsensitive) == 0;
        return repeatsId ? QString() : trimmed;
    };
    const QString manufacturer = named(info.manufacturer, info.vendorId);
    QString product = named(info.description, info.productId);
    if (manufacturer.isEmpty() || product.startsWith(manufacturer, Qt::CaseInsensitive))
        return product;
    return product.isEmpty() ? manufacturer : manufacturer + QLatin1Char(' ') + product;
}

QString withAdapterName(const QString &line, const QString &deviceOrLink)
{
    const std::optional<SystemPortInfo> info = systemPortInfoOf(deviceOrLink);
    const QString name = info ? adapterName(*info) : QString();
    return name.isEmpty() ? line : name + QLatin1Char('\n') + line;
}

} // namespace orvesc
