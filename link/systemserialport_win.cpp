#include "systemserialport.h"

#include "systemportinfo.h"
#include "windowsportinfo.h"
#include "winserialcomponent.h"

#include <qt_windows.h>

#include <setupapi.h>

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

namespace orvesc {

std::unique_ptr<SerialPort> createSystemSerialPort(const PortMap &map)
{
    return std::make_unique<WinSerialComponent>(map);
}

namespace {

// HARDWARE\DEVICEMAP\SERIALCOMM, where the drivers announce their ports: each value's name is the
// driver's device path (\Device\Serial0, \Device\VCP0 of FTDI's driver...), its data the port's name.
std::vector<std::pair<QString, QString>> serialCommEntries()
{
    std::vector<std::pair<QString, QString>> entries;
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_QUERY_VALUE, &key)
        != ERROR_SUCCESS) {
        return entries;
    }
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
        entries.emplace_back(QString::fromWCharArray(name, int(nameLength)), QString::fromWCharArray(data));
    }
    ::RegCloseKey(key);
    return entries;
}

// Spelled out: mingw-w64 declares GUID_DEVCLASS_PORTS and GUID_DEVINTERFACE_COMPORT without defining them.
constexpr GUID PortsClass = {0x4d36e978, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};
constexpr GUID ComPortInterface = {0x86e0d1e0, 0x8089, 0x11d0, {0x9c, 0xe4, 0x08, 0x00, 0x3e, 0x30, 0x1f, 0x73}};

// A device's registry property as text; of a list (the hardware ids), the first entry.
QString deviceProperty(HDEVINFO set, SP_DEVINFO_DATA &device, DWORD property)
{
    wchar_t data[512] = {};
    if (!::SetupDiGetDeviceRegistryPropertyW(set, &device, property, nullptr, reinterpret_cast<BYTE *>(data),
                                             sizeof data - 2 * sizeof(wchar_t), nullptr)) {
        return QString();
    }
    return QString::fromWCharArray(data);
}

// The port name a device's own registry key gives it.
QString portNameOf(HDEVINFO set, SP_DEVINFO_DATA &device)
{
    const HKEY key = ::SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_QUERY_VALUE);
    if (key == INVALID_HANDLE_VALUE)
        return QString();
    wchar_t data[64] = {};
    DWORD size = sizeof data - sizeof(wchar_t);
    DWORD type = 0;
    const bool read = ::RegQueryValueExW(key, L"PortName", nullptr, &type, reinterpret_cast<BYTE *>(data), &size)
                    == ERROR_SUCCESS && type == REG_SZ;
    ::RegCloseKey(key);
    return read ? QString::fromWCharArray(data) : QString();
}

// The port's adapter as Device Manager knows it. The ports class is what it lists under "Ports (COM &
// LPT)"; the COM-port interface also finds modems and CDC devices filed under another class. Not tried
// on Windows: Wine, where this is tested, keeps no device entries for the ports it maps.
std::optional<SystemPortInfo> setupApiInfo(const QString &port)
{
    const std::pair<const GUID *, DWORD> sources[] = {
        {&PortsClass, DIGCF_PRESENT},
        {&ComPortInterface, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE},
    };
    for (const auto &[guid, flags] : sources) {
        const HDEVINFO set = ::SetupDiGetClassDevsW(guid, nullptr, nullptr, flags);
        if (set == INVALID_HANDLE_VALUE)
            continue;
        std::optional<SystemPortInfo> found;
        SP_DEVINFO_DATA device{};
        device.cbSize = sizeof device;
        for (DWORD index = 0; !found && ::SetupDiEnumDeviceInfo(set, index, &device); ++index) {
            if (portNameOf(set, device).compare(port, Qt::CaseInsensitive) != 0)
                continue;
            QString name = deviceProperty(set, device, SPDRP_FRIENDLYNAME);
            if (name.isEmpty())
                name = deviceProperty(set, device, SPDRP_DEVICEDESC);
            found = windowsport::fromSetupApi(port, name, deviceProperty(set, device, SPDRP_MFG),
                                              deviceProperty(set, device, SPDRP_HARDWAREID));
        }
        ::SetupDiDestroyDeviceInfoList(set);
        if (found)
            return found;
    }
    return std::nullopt;
}

} // namespace

// The ports the drivers announce: one registry read, cheap enough for the port follower to ask once a second.
QStringList PortMap::reportedSystemPorts()
{
    QStringList ports;
    for (const auto &entry : serialCommEntries()) {
        const QString &port = entry.second;
        if (port.startsWith(QLatin1String("COM"), Qt::CaseInsensitive) && !ports.contains(port))
            ports << port;
    }
    std::sort(ports.begin(), ports.end(),
              [](const QString &a, const QString &b) { return a.mid(3).toInt() < b.mid(3).toInt(); });
    return ports;
}

// SetupAPI's entry where there is one; else, for a port the system lists, the driver's device path,
// which at least tells a built-in port (\Device\Serial0) from an adapter's (\Device\VCP0, \Device\Silabser0).
std::optional<SystemPortInfo> systemPortInfo(const QString &device)
{
    const QString port = windowsport::comName(device);
    if (port.isEmpty())
        return std::nullopt;
    if (std::optional<SystemPortInfo> info = setupApiInfo(port))
        return info;
    for (const auto &[driverPath, name] : serialCommEntries()) {
        if (name.compare(port, Qt::CaseInsensitive) == 0) {
            SystemPortInfo info;
            info.description = driverPath;
            return info;
        }
    }
    return std::nullopt;
}

} // namespace orvesc
