#include "portlisting.h"

#include "console.h"
#include "exitcodes.h"
#include "portcandidates.h"
#include "portlist.h"
#include "systemportinfo.h"
#include "systemserialport.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace orvesc::cli {

namespace {

QString hex4(quint16 value)
{
    return QString::number(value, 16).rightJustified(4, QLatin1Char('0'));
}

} // namespace

UsbIds usbIds(const QString &device)
{
    const std::optional<SystemPortInfo> info = systemPortInfo(QFileInfo(device).canonicalFilePath());
    if (!info || !info->vendorId || !info->productId)
        return {};
    return {hex4(*info->vendorId), hex4(*info->productId), info->description};
}

int listPorts(const PortMap &map, bool json, Console &console)
{
    const std::unique_ptr<SerialPort> port = createSystemSerialPort(map);
    SerialPort &component = *port;
    QJsonArray array;
    QString text;
    for (const auto &[number, device] : listedPorts(map)) {
        const QString problem = openProblem(component, number);
        QJsonObject object{{QStringLiteral("port"), QStringLiteral("COM%1").arg(number)},
                           {QStringLiteral("device"), device},
                           {QStringLiteral("link"), map.link(number)},
                           {QStringLiteral("usable"), problem.isEmpty()}};
        QString usb;
        if (const UsbIds ids = usbIds(device); !ids.vendor.isEmpty()) {
            usb = QStringLiteral("USB %1:%2").arg(ids.vendor, ids.product);
            object.insert(QStringLiteral("usb_vendor_id"), ids.vendor);
            object.insert(QStringLiteral("usb_product_id"), ids.product);
            object.insert(QStringLiteral("description"), ids.description);
            if (!ids.description.isEmpty())
                usb += QLatin1Char(' ') + ids.description;
        }
        if (!problem.isEmpty())
            object.insert(QStringLiteral("problem"), problem);
        array.append(object);
        QStringList columns{QStringLiteral("COM%1").arg(number), device};
        if (!map.link(number).isEmpty())
            columns << QStringLiteral("(linked as %1)").arg(map.link(number));
        if (!usb.isEmpty())
            columns << usb;
        if (!problem.isEmpty())
            columns << QStringLiteral("[%1]").arg(problem);
        text += columns.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    if (json)
        console.data(QString::fromUtf8(QJsonDocument(array).toJson()));
    else if (array.isEmpty())
        console.note(QStringLiteral("No serial port is listed: plug in the PC interface cable."));
    else
        console.data(text);
    return Done;
}

} // namespace orvesc::cli
