#include "portmap.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <map>

namespace orvesc {

namespace {

#ifndef Q_OS_WIN // Windows names its ports COMn itself: no links, no device names to order
// Compares runs of digits by value, so that ttyUSB2 comes before ttyUSB10.
bool naturalLess(const QString &a, const QString &b)
{
    int i = 0;
    int j = 0;
    while (i < a.size() && j < b.size()) {
        if (a.at(i).isDigit() && b.at(j).isDigit()) {
            int endA = i;
            int endB = j;
            while (endA < a.size() && a.at(endA).isDigit())
                ++endA;
            while (endB < b.size() && b.at(endB).isDigit())
                ++endB;
            QStringView runA = QStringView(a).mid(i, endA - i);
            QStringView runB = QStringView(b).mid(j, endB - j);
            while (runA.size() > 1 && runA.front() == u'0')
                runA = runA.mid(1);
            while (runB.size() > 1 && runB.front() == u'0')
                runB = runB.mid(1);
            if (runA.size() != runB.size())
                return runA.size() < runB.size();
            if (const int c = runA.compare(runB); c != 0)
                return c < 0;
            i = endA;
            j = endB;
            continue;
        }
        if (a.at(i) != b.at(j))
            return a.at(i) < b.at(j);
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

bool isUsbAdapter(const QString &device)
{
    const QString name = QFileInfo(device).fileName();
    return name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM"));
}

// A device as the links and the system name it, with links followed where they lead somewhere.
QString identity(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
}

// cppcheck sees no use of the members through the map's iterator and reports them unused.
struct Link
{
    QString path;   // cppcheck-suppress unusedStructMember
    QString target; // cppcheck-suppress unusedStructMember
};

std::map<int, Link> readLinks(const QString &folder)
{
    static const QRegularExpression linkName(QStringLiteral("^com([1-9][0-9]{0,2})$"));
    std::map<int, Link> links;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::AllEntries | QDir::System
                                                             | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const QRegularExpressionMatch match = linkName.match(entry.fileName());
        if (!match.hasMatch())
            continue;
        const int number = match.captured(1).toInt();
        if (number < PortMap::FirstNumber || number > PortMap::LastNumber)
            continue;
        const QString target = entry.isSymLink() ? entry.symLinkTarget() : entry.absoluteFilePath();
        links[number] = Link{entry.absoluteFilePath(), target};
    }
    return links;
}
#endif

} // namespace

PortMap::PortMap()
    : PortMap(defaultFolder())
{
}

PortMap::PortMap(const QString &folder)
    : PortMap(folder, reportedSystemPorts())
{
}

PortMap::PortMap(const QString &folder, const QStringList &systemPorts)
    : m_folder(folder), m_systemPorts([systemPorts] { return systemPorts; })
{
}

PortMap PortMap::following(const QString &folder, std::function<QStringList()> systemPorts)
{
    PortMap map(folder, QStringList());
    map.m_systemPorts = std::move(systemPorts);
    return map;
}

QString PortMap::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
            + QStringLiteral("/orvesc/ports");
}

QString PortMap::folder() const
{
    return m_folder;
}

QStringList PortMap::systemPorts() const
{
    return m_systemPorts();
}

bool PortMap::present(int number) const
{
    const QString name = device(number);
    if (name.isEmpty())
        return false;
#ifdef Q_OS_WIN
    return systemPorts().contains(name, Qt::CaseInsensitive);
#else
    return QFileInfo::exists(name);
#endif
}

PortMap::Entry PortMap::resolve(int number) const
{
    if (number < FirstNumber || number > LastNumber)
        return {};
#ifdef Q_OS_WIN
    return Entry{QStringLiteral("COM%1").arg(number), QString()};
#else
    // The folder is read on every call: a simulator or a link made after start-up counts.
    const std::map<int, Link> links = readLinks(m_folder);
    if (const auto it = links.find(number); it != links.end())
        return Entry{it->second.target, it->second.path};

    QStringList linked;
    for (const auto &entry : links)
        linked << identity(entry.second.target);

    QStringList usb;
    QStringList others;
    const QStringList reported = m_systemPorts();
    for (const QString &port : reported) {
        if (linked.contains(identity(port)) || usb.contains(port) || others.contains(port))
            continue;
        (isUsbAdapter(port) ? usb : others) << port;
    }
    const auto byName = [](const QString &a, const QString &b) {
        return naturalLess(QFileInfo(a).fileName(), QFileInfo(b).fileName());
    };
    std::stable_sort(usb.begin(), usb.end(), byName);
    std::stable_sort(others.begin(), others.end(), byName);
    const QStringList ordered = usb + others;

    // Numbers taken by links are skipped; the n-th free number gets the n-th system port.
    int free = 0;
    for (int candidate = FirstNumber; candidate < number; ++candidate) {
        if (links.count(candidate) == 0)
            ++free;
    }
    if (free < ordered.size())
        return Entry{ordered.at(free), QString()};
    return {};
#endif
}

QString PortMap::device(int number) const
{
    return resolve(number).device;
}

QString PortMap::link(int number) const
{
    return resolve(number).link;
}

} // namespace orvesc
