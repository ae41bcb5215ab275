#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>

namespace orvesc {

// Registry value types that GetKeyValue turns into text.
constexpr std::uint32_t RegistryTextType = 1;
constexpr std::uint32_t RegistryNumberType = 4;

// The room GetKeyValue gives a registry value, in bytes.
constexpr int RegistryBufferSize = 1024;

// The text a registry value read into buffer becomes. size is the byte count the registry reported;
// a zero at its last position is the terminator and is dropped. Text values become that text, 32-bit
// numbers their unsigned decimal form, and any other type leaves previous as it was.
QString registryValueText(const QByteArray &buffer, std::uint32_t size, std::uint32_t type,
                          const QString &previous);

// Reads value valueName of a key under HKEY_LOCAL_MACHINE into text; false when it cannot be read.
using RegistryReader = std::function<bool(const QString &keyName, const QString &valueName, QString &text)>;
using FileExistsTest = std::function<bool(const QString &path)>;

// Where the Windows registry places the system information program: the full path it records, else
// MSINFO32.EXE in the folder it records when that file exists. Empty when neither leads anywhere.
QString registrySysInfoPath(const RegistryReader &readValue, const FileExistsTest &fileExists);

// The first well-known system information program found on the PATH; empty when there is none.
QString pathSysInfoProgram();

} // namespace orvesc
