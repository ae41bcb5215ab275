#include "qserialportcomponent.h"

#include "adapterlatency.h"
#include "portchecks.h"
#include "portholders.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSerialPort>
#include <QStandardPaths>

#include <algorithm>
#include <limits>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvesc {

namespace {

int systemAccess(const QString &device)
{
#ifdef Q_OS_UNIX
    if (::faccessat(AT_FDCWD, QFile::encodeName(device).constData(), R_OK | W_OK, AT_EACCESS) == 0)
        return 0;
    return errno;
#else
    Q_UNUSED(device);
    return 0;
#endif
}

#ifdef Q_OS_UNIX
// Where Qt Serial Port keeps the lock file of a device (it follows the UUCP convention): the
// first readable lock folder that already holds the file or may be written, and the device's
// name below /dev with slashes turned into underscores.
QString qtLockFilePath(const QString &device)
{
    static const QStringList folders = {
        QStringLiteral("/var/lock"),        QStringLiteral("/etc/locks"),
        QStringLiteral("/var/spool/locks"), QStringLiteral("/var/spool/uucp"),
        QStringLiteral("/tmp"),             QStringLiteral("/var/tmp"),
        QStringLiteral("/var/lock/lockdev"), QStringLiteral("/run/lock"),
        QStandardPaths::writableLocation(QStandardPaths::TempLocation),
    };
    QString name = device.startsWith(QLatin1String("/dev/")) ? device.mid(5) : device;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    name.prepend(QLatin1String("/LCK.."));
    for (const QString &folder : folders) {
        const QFileInfo info(folder);
        if (info.isReadable() && (QFile::exists(folder + name) || info.isWritable()))
            return folder + name;
    }
    return QString();
}

// The program holding the device's lock file and its process number; empty when nobody alive does.
QStringList lockHolder(const QString &device)
{
    const QString path = qtLockFilePath(device);
    if (path.isEmpty())
        return {};
    QLockFile lock(path);
    qint64 pid = 0;
    QString host;
    QString application;
    if (!lock.getLockInfo(&pid, &host, &application) || pid <= 0)
        return {};
    if (::kill(pid_t(pid), 0) != 0 && errno != EPERM)
        return {};
    return {application, QString::number(pid)};
}

QString deviceGroup(const QString &device, bool *grantsNothing)
{
    struct stat status {};
    *grantsNothing = true;
    if (::stat(QFile::encodeName(device).constData(), &status) != 0)
        return QString();
    *grantsNothing = status.st_gid == 0;
    if (const struct group *entry = ::getgrgid(status.st_gid))
        return QString::fromLocal8Bit(entry->gr_name);
    return QString::number(status.st_gid);
}
#endif

bool isUnhelpful(const QString &systemText)
{
    return systemText.trimmed().isEmpty()
            || systemText.compare(QLatin1String("Unknown error"), Qt::CaseInsensitive) == 0;
}

} // namespace

QSerialPortComponent::QSerialPortComponent(PortMap portMap, QObject *parent)
    : QObject(parent),
      m_portMap(std::move(portMap)),
      m_port(std::make_unique<QSerialPort>()),
      m_accessCheck(systemAccess)
{
    connect(m_port.get(), &QSerialPort::readyRead, this, &QSerialPortComponent::readyRead);
    connect(m_port.get(), &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError error) { onPortError(error); });
}

QSerialPortComponent::~QSerialPortComponent()
{
    close();
}

void QSerialPortComponent::setAccessCheck(AccessCheck check)
{
    m_accessCheck = check ? std::move(check) : AccessCheck(systemAccess);
}

QString QSerialPortComponent::portLabel() const
{
    const QString device = m_port->isOpen() ? m_device : m_portMap.device(m_commPort);
    if (device.isEmpty())
        return QStringLiteral("COM%1").arg(m_commPort);
    return QStringLiteral("COM%1 (%2)").arg(m_commPort).arg(device);
}

void QSerialPortComponent::setCommPort(int number)
{
    portchecks::numberChangesOnlyWhileClosed(m_port->isOpen(), m_commPort);
    m_commPort = number;
    m_lost = false;
    portchecks::numberInRange(number);
    if (m_portMap.device(number).isEmpty()) {
        throw SerialError(serialerror::NoSuchPort, SerialCause::NoNumber, QStringLiteral("COM%1").arg(number));
    }
}

int QSerialPortComponent::commPort() const
{
    return m_commPort;
}

void QSerialPortComponent::setSettings(const QString &settings)
{
    m_settings = portchecks::lineSettings(settings);
    if (m_port->isOpen())
        applySettings();
}

void QSerialPortComponent::applySettings()
{
    const auto parity = [](char p) {
        switch (p) {
        case 'E':
            return QSerialPort::EvenParity;
        case 'O':
            return QSerialPort::OddParity;
        case 'M':
            return QSerialPort::MarkParity;
        case 'S':
            return QSerialPort::SpaceParity;
        default:
            return QSerialPort::NoParity;
        }
    };
    const auto stopBits = m_settings.stopBits == 2 ? QSerialPort::TwoStop
            : m_settings.stopBits == 1.5           ? QSerialPort::OneAndHalfStop
                                                   : QSerialPort::OneStop;
    const bool applied = m_port->setBaudRate(m_settings.baudRate)
            && m_port->setParity(parity(m_settings.parity))
            && m_port->setDataBits(QSerialPort::DataBits(m_settings.dataBits))
            && m_port->setStopBits(stopBits)
            && m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (!applied) {
        const QString reason = m_port->errorString();
        throw SerialError(serialerror::SetupFailed, SerialCause::SettingsRefused, portLabel(),
                          {m_settings.text(), isUnhelpful(reason) ? QString() : reason});
    }
}

void QSerialPortComponent::setInputLen(int length)
{
    portchecks::inputLength(length);
    m_inputLen = length;
}

void QSerialPortComponent::setInputMode(int mode)
{
    portchecks::inputMode(mode);
    m_inputMode = mode;
}

void QSerialPortComponent::setPortOpen(bool open)
{
    if (open)
        this->open();
    else
        close();
}

bool QSerialPortComponent::portOpen() const
{
    return m_port->isOpen();
}

void QSerialPortComponent::open()
{
    if (m_port->isOpen()) {
        throw SerialError(serialerror::PortAlreadyOpen,
                          SerialCause::AlreadyOpen, QStringLiteral("COM%1").arg(m_commPort));
    }
    m_lost = false;
    // Whatever setCommPort said about the number, the open says again.
    setCommPort(m_commPort);

    const QString named = m_portMap.device(m_commPort);
#ifdef Q_OS_WIN
    const QString device = named;
#else
    // Opening the canonical device lets two names of one device share Qt's one lock file.
    const QString device = QFileInfo(named).canonicalFilePath();
    if (device.isEmpty())
        throwOpenFailure(named, QSerialPort::DeviceNotFoundError, QString());
    if (const int refusal = m_accessCheck(device); refusal == EACCES || refusal == EPERM)
        throwOpenFailure(device, QSerialPort::PermissionError, QString());
    else if (refusal == ENOENT)
        throwOpenFailure(device, QSerialPort::DeviceNotFoundError, QString());
#endif
    m_port->setPortName(device);
    m_device = device;
    if (!m_port->open(QIODevice::ReadWrite))
        throwOpenFailure(device, m_port->error(), m_port->errorString());
    try {
        applySettings();
    } catch (...) {
        m_port->close();
        throw;
    }
#ifdef Q_OS_UNIX
    // Every reply is a byte or a few: an adapter holding them for its latency timer would slow
    // each exchange several times over.
    requestLowLatency(int(m_port->handle()));
#endif
    // Bytes that reached the line before this open belong to no exchange of ours.
    m_port->clear(QSerialPort::AllDirections);
}

void QSerialPortComponent::close()
{
    m_lost = false;
    if (!m_port->isOpen())
        return;
    m_port->clear(QSerialPort::Input);
    m_port->close();
}

void QSerialPortComponent::throwOpenFailure(const QString &device, int error,
                                            const QString &systemText)
{
    const QString port = QStringLiteral("COM%1 (%2)").arg(m_commPort).arg(device);
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        throw SerialError(serialerror::NoSuchPort, SerialCause::DeviceMissing, port);
    case QSerialPort::PermissionError: {
#ifdef Q_OS_UNIX
        if (const int refusal = m_accessCheck(device); refusal == EACCES || refusal == EPERM) {
            bool grantsNothing = true;
            const QString group = deviceGroup(device, &grantsNothing);
            if (grantsNothing || group.isEmpty()) {
                throw SerialError(serialerror::AccessDenied, SerialCause::NoAccess, port);
            }
            throw SerialError(serialerror::AccessDenied, SerialCause::NoAccessGroup, port, {group});
        }
        if (qtLockFilePath(device).isEmpty()) {
            throw SerialError(serialerror::AccessDenied, SerialCause::LockFileDenied, port);
        }
        if (const QStringList holder = lockHolder(device); !holder.isEmpty())
            throw SerialError(serialerror::PortInUse, SerialCause::InUse, port, holder);
#endif
        // No lock file names the holder: look for it among the processes, or name the services
        // that take serial devices.
        throw portInUse(port, device);
    }
    case QSerialPort::UnsupportedOperationError:
        throw SerialError(serialerror::NotSerialPort, SerialCause::NotSerial, port);
    default:
        throw SerialError(serialerror::OpenFailed, SerialCause::OpenFailed, port,
                          {isUnhelpful(systemText) ? QString() : systemText});
    }
}

void QSerialPortComponent::onPortError(int error)
{
    // A vanished device keeps its descriptor readable for ever: close at once, or every pass of
    // the event loop would wake for it.
    if (error == QSerialPort::ResourceError && m_port->isOpen()) {
        m_port->close();
        m_lost = true;
    }
}

void QSerialPortComponent::requireOpen() const
{
    if (m_port->isOpen())
        return;
    if (m_lost) {
        throw SerialError(serialerror::ConnectionLost, SerialCause::ConnectionLost,
                          QStringLiteral("COM%1 (%2)").arg(m_commPort).arg(m_device));
    }
    throw SerialError(serialerror::PortNotOpen, SerialCause::NotOpen, QStringLiteral("COM%1").arg(m_commPort));
}

void QSerialPortComponent::pullWaitingBytes() const
{
    // Qt fills its buffer only when the event loop reports the descriptor readable; a byte the
    // system already holds counts as waiting even where no event was processed since.
#ifdef Q_OS_UNIX
    if (m_port->bytesAvailable() > 0)
        return;
    int queued = 0;
    if (::ioctl(int(m_port->handle()), FIONREAD, &queued) == 0 && queued > 0)
        m_port->waitForReadyRead(0);
#endif
}

void QSerialPortComponent::output(const QByteArray &bytes)
{
    requireOpen();
    const qint64 written = m_port->write(bytes);
    const bool flushed = written == bytes.size() && m_port->flush();
    requireOpen();
    if (!flushed || m_port->bytesToWrite() > 0) {
        const QString reason = m_port->errorString();
        throw SerialError(serialerror::WriteFailed, SerialCause::WriteFailed, portLabel(),
                          {isUnhelpful(reason) ? QString() : reason});
    }
}

QByteArray QSerialPortComponent::input()
{
    requireOpen();
    pullWaitingBytes();
    requireOpen();
    return m_inputLen == 0 ? m_port->readAll() : m_port->read(m_inputLen);
}

int QSerialPortComponent::inBufferCount() const
{
    requireOpen();
    pullWaitingBytes();
    requireOpen();
    return int(std::min<qint64>(m_port->bytesAvailable(), std::numeric_limits<std::int16_t>::max()));
}

QString QSerialPortComponent::openDevice() const
{
    return m_port->isOpen() ? m_device : QString();
}

} // namespace orvesc
