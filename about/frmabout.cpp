#include "frmabout.h"

#include "aboutnotice.h"
#include "sysinfo.h"

#include <QCoreApplication>
#include <QEvent>
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

QLabel *makeLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
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

    m_lblTitle = makeLabel(this, "lblTitle");
    QFont titleFont = m_lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    m_lblTitle->setFont(titleFont);

    m_lblVersion = makeLabel(this, "lblVersion");

    m_lblDescription = makeLabel(this, "lblDescription");
    m_lblDescription->setWordWrap(true);

    m_lblDisclaimer = makeLabel(this, "lblDisclaimer");
    m_lblDisclaimer->setWordWrap(true);

    auto *line1 = new EtchedLine(this);
    line1->setObjectName(QStringLiteral("Line1"));

    m_cmdOK = new QPushButton(this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    m_cmdSysInfo = new QPushButton(this);
    m_cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));

    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);
    grid->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop | Qt::AlignHCenter);
    grid->addWidget(m_lblTitle, 0, 1, 1, 2);
    grid->addWidget(m_lblVersion, 1, 1, 1, 2);
    grid->addWidget(m_lblDescription, 2, 1, 1, 2);
    grid->addWidget(line1, 3, 0, 1, 3);
    grid->addWidget(m_lblDisclaimer, 4, 0, 3, 2);
    grid->addWidget(m_cmdOK, 4, 2);
    grid->addWidget(m_cmdSysInfo, 5, 2);
    grid->setRowStretch(6, 1);
    grid->setColumnStretch(1, 1);
    m_lblDescription->setMinimumWidth(300);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(m_cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    Form_Load();
}

void frmAbout::Form_Load()
{
    retranslateUi();
}

void frmAbout::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void frmAbout::retranslateUi()
{
    //: %1 is the program's name (OrvESC).
    setWindowTitle(tr("About %1").arg(QCoreApplication::applicationName()));
    //: Orvantis is a maker's name; ESC: electronic speed controller.
    m_lblTitle->setText(tr("Orvantis ESC PC interface"));
    // Parsing drops leading zeros, so a version written 1.03.0001 still reads 1.3.1.
    const QVersionNumber version = QVersionNumber::fromString(QCoreApplication::applicationVersion());
    //: %1.%2.%3 is the version number (1.3.1): keep the three parts together as they are.
    m_lblVersion->setText(tr("Version %1.%2.%3")
                              .arg(version.majorVersion())
                              .arg(version.minorVersion())
                              .arg(version.microVersion()));
    //: Orvantis is a maker's name; the web address stays as it is.
    m_lblDescription->setText(tr("This software will enable programming of a Orvantis ESC when used in conjunction "
                                 "with a Orvantis PC Interface Cable and a PC.\n"
                                 "For news and updates visit www.orvantis.example"));
    m_lblDisclaimer->setText(tr("Warning: this software is provided as is, without warranty of any kind. Orvantis "
                                "accepts no liability for any damage, injury or loss arising from its use, "
                                "including from settings written to a speed controller. Remove the propeller "
                                "before programming."));
    m_cmdOK->setText(tr("OK"));
    //: A button that starts the system's information program; & marks its access key.
    m_cmdSysInfo->setText(tr("&System Info..."));
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
        AboutNotice::show(this, tr("System Information Is Unavailable At This Time"));
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
