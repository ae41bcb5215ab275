#include "portwatch.h"

#include "clilanguage.h"
#include "clisetup.h"
#include "console.h"
#include "exitcodes.h"
#include "interrupts.h"
#include "portlisting.h"
#include "portlist.h"
#include "portwatcher.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

namespace orvesc::cli {

namespace {

QMap<int, QString> numberedPorts(const PortMap &map)
{
    QMap<int, QString> ports;
    for (const auto &[number, device] : listedPorts(map))
        ports.insert(number, device);
    return ports;
}

QString line(bool added, int number, const QString &device, bool json)
{
    const QString port = QStringLiteral("COM%1").arg(number);
    const UsbIds usb = added ? usbIds(device) : UsbIds();
    if (json) {
        QJsonObject object{{QStringLiteral("event"), added ? QStringLiteral("added") : QStringLiteral("removed")},
                           {QStringLiteral("port"), port},
                           {QStringLiteral("device"), device}};
        if (!usb.vendor.isEmpty()) {
            object.insert(QStringLiteral("usb_vendor_id"), usb.vendor);
            object.insert(QStringLiteral("usb_product_id"), usb.product);
        }
        return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + QLatin1Char('\n');
    }
    if (!added)
        return QStringLiteral("- %1\n").arg(port);
    QString text = QStringLiteral("+ %1 %2").arg(port, device);
    if (!usb.vendor.isEmpty())
        text += QStringLiteral(" %1:%2").arg(usb.vendor, usb.product);
    return text + QLatin1Char('\n');
}

} // namespace

int watchPorts(const CliSetup &setup, bool json, Console &console)
{
    QEventLoop loop;
    // Ctrl+C and a polite kill end the watch.
    const Interrupts interrupts([&loop](int) { loop.quit(); });
    PortWatcher::SystemPortSource source = PortWatcher::systemPortSource();
    if (setup.systemPorts)
        source = [ports = *setup.systemPorts] { return ports; };
    PortWatcher watcher(setup.linkFolder, source);
    if (!setup.systemPorts)
        watcher.watchAlso(QStringLiteral("/dev"));
    const PortMap map = PortMap::following(setup.linkFolder, [&watcher] { return watcher.systemPorts(); });

    QMap<int, QString> shown;
    const auto report = [&] {
        const QMap<int, QString> now = numberedPorts(map);
        QString text;
        // A number whose device changed is one port gone and another come.
        for (auto it = shown.cbegin(); it != shown.cend(); ++it) {
            if (now.value(it.key()) != it.value())
                text += line(false, it.key(), it.value(), json);
        }
        for (auto it = now.cbegin(); it != now.cend(); ++it) {
            if (shown.value(it.key()) != it.value())
                text += line(true, it.key(), it.value(), json);
        }
        shown = now;
        if (!text.isEmpty())
            console.data(text);
    };
    report();
    if (shown.isEmpty())
        console.note(CommandLine::tr("No serial port is listed yet: plug in the PC interface cable (Ctrl+C ends)."));

    QObject::connect(&watcher, &PortWatcher::portsChanged, &loop, report);
    loop.exec();
    return Done;
}

} // namespace orvesc::cli
