#include "portlisting.h"

#include "clilanguage.h"
#include "adapterlatency.h"
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

// Nothing up to a few milliseconds; above, how long each reply waits and how to lower it.
QString latencyNote(int ms, const QString &device)
{
    if (ms <= 4)
        return QString();
#ifdef Q_OS_WIN
    Q_UNUSED(device)
    const QString lower = CommandLine::tr("set it to 1 in Device Manager: the port's Properties, Port Settings, "
                                          "Advanced, Latency Timer (msec)");
#else
    //: %1 is the adapter's device name in sysfs.
    const QString lower = CommandLine::tr("the package's udev rule sets it to 1 when the adapter is plugged in, or: "
                                          "echo 1 | sudo tee /sys/bus/usb-serial/devices/%1/latency_timer")
                                  .arg(QFileInfo(QFileInfo(device).canonicalFilePath()).fileName());
#endif
    //: %1 the adapter's latency timer in milliseconds, %2 how to lower it.
    return CommandLine::tr("latency timer %1 ms: each reply waits up to %1 ms in the adapter; %2").arg(ms).arg(lower);
}

} // namespace

UsbIds usbIds(const QString &device)
{
    const std::optional<SystemPortInfo> info = systemPortInfoOf(device);
    if (!info || !info->vendorId || !info->productId)
        return {};
    return {hex4(*info->vendorId), hex4(*info->productId), info->description, info->manufacturer, adapterName(*info)};
}

int listPorts(const PortMap &map, bool json, Console &console)
{
    const std::unique_ptr<SerialPort> port = createSystemSerialPort(map);
    SerialPort &component = *port;
    QJsonArray array;
    QString text;
    for (const auto &[number, device] : listedPorts(map)) {
        // --json keeps its texts in English; only one of the two is printed, so the port opens once.
        QString problem;
        if (json) {
            const EnglishScope english;
            problem = openProblem(component, number);
        } else {
            problem = openProblem(component, number);
        }
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
            object.insert(QStringLiteral("manufacturer"), ids.manufacturer);
            object.insert(QStringLiteral("product"), ids.description);
            if (!ids.name.isEmpty())
                usb += QLatin1Char(' ') + ids.name;
        }
        const std::optional<int> latency = adapterLatencyMs(device);
        if (latency)
            object.insert(QStringLiteral("latency_timer_ms"), *latency);
        if (!problem.isEmpty())
            object.insert(QStringLiteral("problem"), problem);
        array.append(object);
        QStringList columns{QStringLiteral("COM%1").arg(number), device};
        if (!map.link(number).isEmpty()) {
            //: %1 is the file the port is linked as.
            columns << CommandLine::tr("(linked as %1)").arg(map.link(number));
        }
        if (!usb.isEmpty())
            columns << usb;
        if (const QString note = latency ? latencyNote(*latency, device) : QString(); !note.isEmpty())
            columns << QStringLiteral("[%1]").arg(note);
        if (!problem.isEmpty())
            columns << QStringLiteral("[%1]").arg(problem);
        text += columns.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    if (json)
        console.data(QString::fromUtf8(QJsonDocument(array).toJson()));
    else if (array.isEmpty())
        console.note(CommandLine::tr("No serial port is listed: plug in the PC interface cable."));
    else
        console.data(text);
    return Done;
}

} // namespace orvesc::cli
