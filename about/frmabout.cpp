#include "frmabout.h"

#include "aboutnotice.h"
#include "sysinfo.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStyle>
#include <QVersionNumber>

#ifdef _WIN32
#include <QDir>
#include <QFileInfo>
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace orvesc {

namespace {

const char *const UnavailableText = "System Information Is Unavailable At This Time";

// An etched separator: a grey line with a white one a pixel (15 twips) below it.
class EtchedLine : public QWidget
{
public:
    explicit EtchedLine(QWidget *parent)
        : QWidget(parent)
    {
        setFixedHeight(2);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(0, 0, width() - 1, 0);
        painter.setPen(Qt::white);
        painter.drawLine(0, 1, width() - 1, 1);
    }
};

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    auto *picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    QIcon icon = parent ? parent->window()->windowIcon() : windowIcon();
    if (icon.isNull())
        icon = style()->standardIcon(QStyle::SP_ComputerIcon);
    picIcon->setPixmap(icon.pixmap(32, 32));
    picIcon->setFixedSize(32, 32);

    auto *lblTitle = makeLabel(this, "lblTitle", QStringLiteral("Orvantis ESC PC interface"));
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    lblTitle->setFont(titleFont);

    m_lblVersion = makeLabel(this, "lblVersion", QString());

    auto *lblDescription = makeLabel(
        this, "lblDescription",
        QStringLiteral("This software will enable programming of a Orvantis ESC when used in conjunction "
                       "with a Orvantis PC Interface Cable and a PC.\n"
                       "For news and updates visit www.orvantis.example"));
    lblDescription->setWordWrap(true);

    auto *lblDisclaimer = makeLabel(
        this, "lblDisclaimer",
        QStringLiteral("Warning: this software is provided as is, without warranty of any kind. Orvantis "
                       "accepts no liability for any damage, injury or loss arising from its use, "
                       "including from settings written to a speed controller. Remove the propeller "
                       "before programming."));
    lblDisclaimer->setWordWrap(true);

    auto *line1 = new EtchedLine(this);
    line1->setObjectName(QStringLiteral("Line1"));

    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    m_cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    m_cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));

    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);
    grid->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop | Qt::AlignHCenter);
    grid->addWidget(lblTitle, 0, 1, 1, 2);
    grid->addWidget(m_lblVersion, 1, 1, 1, 2);
    grid->addWidget(lblDescription, 2, 1, 1, 2);
    grid->addWidget(line1, 3, 0, 1, 3);
    grid->addWidget(lblDisclaimer, 4, 0, 3, 2);
    grid->addWidget(m_cmdOK, 4, 2);
    grid->addWidget(m_cmdSysInfo, 5, 2);
    grid->setRowStretch(6, 1);
    grid->setColumnStretch(1, 1);
    lblDescription->setMinimumWidth(300);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(m_cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    Form_Load();
}

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + QCoreApplication::applicationName());
    // Parsing drops leading zeros, so a version written 1.03.0001 still reads 1.3.1.
    const QVersionNumber version = QVersionNumber::fromString(QCoreApplication::applicationVersion());
    m_lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                              .arg(version.majorVersion())
                              .arg(version.minorVersion())
                              .arg(version.microVersion()));
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
#ifdef _WIN32
    const QString program = registrySysInfoPath(
        [](const QString &keyName, const QString &valueName, QString &text) {
            return GetKeyValue(0x80000002u, keyName, valueName, text);
        },
        [](const QString &path) { return QFileInfo::exists(QDir::fromNativeSeparators(path)); });
#else
    const QString program = pathSysInfoProgram();
#endif
    if (program.isEmpty() || !QProcess::startDetached(program, {}))
        AboutNotice::show(this, QString::fromLatin1(UnavailableText));
}

#ifdef _WIN32
bool frmAbout::GetKeyValue(std::uint32_t keyRoot, const QString &keyName, const QString &subKeyRef,
                           QString &keyVal)
{
    // Predefined roots are negative 32-bit numbers; widen with the sign as the system headers do.
    const HKEY root = reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(keyRoot)));
    HKEY key = nullptr;
    // Read access only: asking for more is refused on machine-wide keys to users without elevation.
    if (RegOpenKeyExA(root, keyName.toLocal8Bit().constData(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        keyVal.clear();
        return false;
    }

    QByteArray buffer(RegistryBufferSize, '\0');
    DWORD type = 0;
    DWORD size = RegistryBufferSize;
    const LONG status = RegQueryValueExA(key, subKeyRef.toLocal8Bit().constData(), nullptr, &type,
                                         reinterpret_cast<LPBYTE>(buffer.data()), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        keyVal.clear();
        return false;
    }
    keyVal = registryValueText(buffer, size, type, keyVal);
    return true;
}
#endif

} // namespace orvesc
