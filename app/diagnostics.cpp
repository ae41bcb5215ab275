#include "diagnostics.h"

#include "windowtexts.h"

#include "adapterlatency.h"
#include "messenger.h"
#include "orvescversion.h"
#include "portmap.h"
#include "portlist.h"
#include "serialerrortext.h"
#include "systemportinfo.h"
#include "trafficformatter.h"
#include "trafficrecorder.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QMenu>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSysInfo>

namespace orvesc {

Diagnostics::Diagnostics(const TrafficRecorder &recorder, const PortMap &portMap, Messenger &messenger,
                         QWidget *window)
    : m_recorder(recorder),
      m_portMap(portMap),
      m_messenger(messenger),
      m_window(window),
      m_choosePath([this] { return choosePathInDialog(); }),
      m_describe(describeSystemDevice)
{
}

QAction *Diagnostics::addTo(QMenu *menu)
{
    m_action = menu->addAction(QString());
    setSourceText(m_action, "Diagnostics", QStringLiteral(QT_TRANSLATE_NOOP("Diagnostics", "Save Diagnostics...")));
    m_action->setObjectName(QStringLiteral("SaveDiagnostics"));
    QObject::connect(m_action, &QAction::triggered, m_action, [this] { SaveDiagnostics_Click(); });
    return m_action;
}

namespace {

// Up to a few milliseconds the timer costs little; above, every reply waits for it.
QString latencyText(int ms, const QString &device)
{
    QString text = QCoreApplication::translate("Diagnostics", "latency timer %1 ms").arg(ms);
    if (ms <= 4)
        return text;
#ifdef Q_OS_WIN
    Q_UNUSED(device)
    return text + QStringLiteral(" (each reply waits up to %1 ms in the adapter: set it to 1 in Device Manager, "
                                 "the port's Properties, Port Settings, Advanced, Latency Timer (msec))")
                          .arg(ms);
#else
    return text + QStringLiteral(" (each reply waits up to %1 ms in the adapter: the package's udev rule sets it to "
                                 "1 when the adapter is plugged in, or: echo 1 | sudo tee "
                                 "/sys/bus/usb-serial/devices/%2/latency_timer)")
                          .arg(ms)
                          .arg(QFileInfo(QFileInfo(device).canonicalFilePath()).fileName());
#endif
}

} // namespace

QString Diagnostics::describeSystemDevice(const QString &device)
{
    QStringList parts;
    if (const std::optional<SystemPortInfo> info = systemPortInfoOf(device)) {
        if (info->vendorId && info->productId) {
            parts << QStringLiteral("USB %1:%2")
                             .arg(*info->vendorId, 4, 16, QLatin1Char('0'))
                             .arg(*info->productId, 4, 16, QLatin1Char('0'));
        }
        if (const QString name = adapterName(*info); !name.isEmpty())
            parts << name;
        if (!info->serialNumber.isEmpty())
            parts << QCoreApplication::translate("Diagnostics", "serial %1").arg(info->serialNumber);
    }
    if (const std::optional<int> latency = adapterLatencyMs(device))
        parts << latencyText(*latency, device);
    return parts.join(QStringLiteral(", "));
}

QString Diagnostics::report() const
{
    QStringList lines;
    lines << QCoreApplication::translate("Diagnostics", "%1 %2 diagnostics, written %3")
                     .arg(QStringLiteral(ORVESC_APP_NAME), QStringLiteral(ORVESC_VERSION_STRING),
                          QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    lines << QCoreApplication::translate("Diagnostics", "Qt %1 (built with %2)").arg(QLatin1String(qVersion()), QStringLiteral(QT_VERSION_STR));
    lines << QCoreApplication::translate("Diagnostics", "System: %1, kernel %2 %3, %4")
                     .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion(),
                          QSysInfo::currentCpuArchitecture());
    lines << QString() << QCoreApplication::translate("Diagnostics", "Ports (COM%1 to COM%2):").arg(FirstListedPort).arg(LastListedPort);
    int listed = 0;
    for (const auto &[number, device] : listedPorts(m_portMap)) {
        ++listed;
        QString line = QStringLiteral("  COM%1  %2").arg(number).arg(portToolTip(m_portMap, number));
        if (const QString described = m_describe(device); !described.isEmpty())
            line += QStringLiteral("  ") + described;
        lines << line;
    }
    if (listed == 0)
        lines << QCoreApplication::translate("Diagnostics", "  none");

    const std::vector<TrafficEvent> events = m_recorder.events();
    lines << QString()
          << QCoreApplication::translate("Diagnostics", "Traffic (%1 events, %2 older ones dropped; seconds since start-up):")
                     .arg(events.size())
                     .arg(m_recorder.dropped());
    for (const QString &line : TrafficFormatter::formatAll(events, m_recorder.started()))
        lines << QStringLiteral("  ") + line;
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool Diagnostics::save(const QString &path)
{
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(report().toUtf8()) >= 0 && file.commit();
    if (!written) {
        //: %1 is the file, %2 the reason.
        m_messenger.beepAndShow(QCoreApplication::translate("Diagnostics", "The diagnostics could not be written to %1: %2. Choose another "
                                               "folder and save again.")
                                        .arg(QDir::toNativeSeparators(path), file.errorString())
                                        .toStdString());
    }
    return written;
}

void Diagnostics::SaveDiagnostics_Click()
{
    const QString path = m_choosePath();
    if (!path.isEmpty())
        save(path);
}

QString Diagnostics::choosePathInDialog() const
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString name = QStringLiteral("orvesc-diagnostics-%1.txt")
                                 .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    return QFileDialog::getSaveFileName(m_window, QCoreApplication::translate("Diagnostics", "Save Diagnostics"), folder + QLatin1Char('/') + name,
                                        QCoreApplication::translate("Diagnostics", "Text files (*.txt)"));
}

} // namespace orvesc
