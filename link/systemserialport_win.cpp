#include "systemserialport.h"

#include "systemportinfo.h"
#include "winserialcomponent.h"

#include <qt_windows.h>

#include <algorithm>
#include <iterator>

namespace orvesc {

std::unique_ptr<SerialPort> createSystemSerialPort(const PortMap &map)
{
    return std::make_unique<WinSerialComponent>(map);
}

// The ports the drivers announce under HARDWARE\DEVICEMAP\SERIALCOMM: one registry read, cheap enough
// for the port follower to ask once a second.
QStringList PortMap::reportedSystemPorts()
{
    QStringList ports;
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_QUERY_VALUE, &key)
        != ERROR_SUCCESS) {
        return ports;
    }
    // Value names are driver paths such as \Device\Serial0; the data is the port's name.
    wchar_t name[256];
    wchar_t data[64];
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = DWORD(std::size(name));
        DWORD dataSize = sizeof data - sizeof(wchar_t);
        DWORD type = 0;
        const LSTATUS status = ::RegEnumValueW(key, index, name, &nameLength, nullptr, &type,
                                               reinterpret_cast<BYTE *>(data), &dataSize);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS || type != REG_SZ)
            continue;
        data[dataSize / sizeof(wchar_t)] = L'\0';
        const QString port = QString::fromWCharArray(data);
        if (port.startsWith(QLatin1String("COM"), Qt::CaseInsensitive) && !ports.contains(port))
            ports << port;
    }
    ::RegCloseKey(key);
    std::sort(ports.begin(), ports.end(),
              [](const QString &a, const QString &b) { return a.mid(3).toInt() < b.mid(3).toInt(); });
    return ports;
}

std::optional<SystemPortInfo> systemPortInfo(const QString &)
{
    // The USB identity of a port lives in SetupAPI's device tree, which Wine does not fill for a
    // mapped port; the port list says what the system gives.
    return std::nullopt;
}

} // namespace orvesc
