#include "portwatcher.h"

#include <QDir>
#include <QFileInfo>

namespace orvesc {

namespace {

bool isUsbAdapter(const QString &device)
{
    const QString name = QFileInfo(device).fileName();
    return name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM"));
}

} // namespace

PortWatcher::PortWatcher(const QString &linkFolder, SystemPortSource systemPorts, QObject *parent)
    : QObject(parent), m_linkFolder(linkFolder), m_source(std::move(systemPorts))
{
    m_systemPorts = m_source();
    m_links = readLinks();
    watchFolders();
    connect(&m_folderWatcher, &QFileSystemWatcher::directoryChanged, this, &PortWatcher::look);
    connect(&m_poll, &QTimer::timeout, this, &PortWatcher::look);
    // The poll needs no precision; a coarse timer lets the system bundle wake-ups.
    m_poll.setTimerType(Qt::VeryCoarseTimer);
    m_poll.start(PollInterval);
}

void PortWatcher::watchAlso(const QString &folder)
{
    m_extraFolders << folder;
    watchFolders();
}

void PortWatcher::watchFolders()
{
    // A folder made after start-up (the simulator makes the link folder) is watched from the
    // first look that finds it; a removed one drops out of the watcher by itself.
    const QStringList watched = m_folderWatcher.directories();
    const QStringList folders = QStringList(m_extraFolders) << m_linkFolder;
    for (const QString &folder : folders) {
        if (!watched.contains(folder) && QFileInfo(folder).isDir())
            m_folderWatcher.addPath(folder);
    }
}

QStringList PortWatcher::readLinks() const
{
    // Name and target, so that a link that now leads elsewhere counts as a change.
    QStringList links;
    const QFileInfoList entries =
            QDir(m_linkFolder).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries)
        links << entry.fileName() + QLatin1String(" -> ") + entry.symLinkTarget();
    return links;
}

void PortWatcher::look()
{
    watchFolders();
    const QStringList systemPorts = m_source();
    const QStringList links = readLinks();
    if (systemPorts == m_systemPorts && links == m_links)
        return;

    QStringList vanished;
    for (const QString &device : std::as_const(m_systemPorts)) {
        if (!systemPorts.contains(device))
            vanished << device;
    }
    for (const QString &device : systemPorts) {
        if (!m_systemPorts.contains(device))
            m_appeared[device].start();
    }
    m_systemPorts = systemPorts;
    m_links = links;
    emit portsChanged();

    for (const QString &device : std::as_const(vanished)) {
        const auto appeared = m_appeared.constFind(device);
        const bool flickered = appeared != m_appeared.cend() && appeared->isValid()
                && appeared->elapsed() < m_flickerWindow.count();
        m_appeared.remove(device);
        if (flickered && isUsbAdapter(device))
            emit adapterFlickered(device);
    }
}

} // namespace orvesc
