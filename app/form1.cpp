#include "form1.h"

#include "diagnostics.h"
#include "frmabout.h"
#include "lamp.h"
#include "messagebox.h"
#include "settingsdialogs.h"
#include "settingsfiles.h"
#include "severalescsdialog.h"
#include "verification.h"
#include "portfollower.h"

#include "backupkeeper.h"
#include "escsession.h"
#include "eventloopwaiter.h"
#include "portmap.h"
#include "portwatcher.h"
#include "systemserialport.h"
#include "serialport.h"
#include "trafficrecorder.h"
#include "waiter.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>


namespace orvesc {

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

} // namespace

// The machine's own serial ports, waiter and message boxes, for the window the tool shows. The
// port map takes the system's devices from the watcher, which looks for them once a second.
struct Form1::SystemLink
{
    SystemLink() { watcher.watchAlso(QStringLiteral("/dev")); }

    PortWatcher watcher{PortMap::defaultFolder(), PortWatcher::systemPortSource()};
    PortMap portMap = PortMap::following(PortMap::defaultFolder(), [this] { return watcher.systemPorts(); });
    std::unique_ptr<SerialPort> port = createSystemSerialPort(portMap);
    EventLoopWaiter waiter;
    MessageBoxMessenger messenger;
};

// Marks a run that talks to the ESC. While it lives, the window drops the user's presses of the
// three run buttons and changes of the setting lists, and a close waits until it has unwound.
class Form1::RunGuard
{
public:
    explicit RunGuard(Form1 &form)
        : m_form(form)
    {
        m_form.m_busy = true;
        m_form.updateSettingsMenu();
        for (QComboBox *combo : m_form.m_combos)
            combo->hidePopup();
        m_form.cmbCOM->hidePopup();
    }
    ~RunGuard()
    {
        m_form.m_busy = false;
        m_form.updateSettingsMenu();
        if (m_form.m_closePending) {
            Form1 *form = &m_form;
            QTimer::singleShot(0, form, [form] { form->close(); });
        }
        emit m_form.runEnded();
    }
    RunGuard(const RunGuard &) = delete;
    RunGuard &operator=(const RunGuard &) = delete;

private:
    Form1 &m_form;
};

Form1::Form1(QWidget *parent)
    : Form1(std::make_unique<SystemLink>(), parent)
{
}

Form1::Form1(std::unique_ptr<SystemLink> system, QWidget *parent)
    : Form1(*system->port, system->portMap, system->waiter, system->messenger, parent)
{
    system->messenger.setParentWidget(this);
    followPorts(system->watcher);
    m_system = std::move(system);
    setBackupFolder(BackupStore::defaultFolder());
}

Form1::Form1(SerialPort &port, const PortMap &portMap, Waiter &waiter, Messenger &messenger,
             QWidget *parent)
    : QMainWindow(parent),
      m_recorder(std::make_unique<TrafficRecorder>(port)),
      m_port(*m_recorder),
      m_portMap(portMap),
      m_waiter(waiter),
      m_messenger(messenger),
      m_backups(std::make_unique<BackupKeeper>()),
      m_session(std::make_unique<EscSession>(m_port, portMap, waiter)),
      m_qtDialogs(std::make_unique<QtSettingsDialogs>(this)),
      m_files(std::make_unique<SettingsFiles>(*this, messenger, *m_qtDialogs)),
      m_verification(std::make_unique<Verification>(*m_session, messenger, *this, m_records)),
      m_settings(*this, m_records),
      m_diagnostics(std::make_unique<Diagnostics>(*m_recorder, portMap, messenger, this))
{
    m_session->setBackupKeeper(m_backups.get());
    buildControls();
    Form_Load();
}

Form1::~Form1()
{
    if (m_several) {
        // Gone with the window: nothing of the window is left to enable again.
        disconnect(m_several, nullptr, this, nullptr);
        delete m_several;
    }
    delete m_about;
}

void Form1::setBackupFolder(const QString &folder)
{
    m_backups->setFolder(folder);
    m_files->setBackupFolder(folder);
}


void Form1::Form_Load()
{
    clear_Checks();
    lock_Lists();
    chkDetected->hide();
    LblDetected->setEnabled(false);
    Frame3->setEnabled(false);
    Program->setEnabled(false);
    CmdReset->setEnabled(false);
    cmbCOM->hide();
    LESCType->setText(QString());
    scan_COM();
    m_settings.ini_Lists();
    updateSettingsMenu();
}

QCheckBox *Form1::checkBox(int index) const
{
    return m_checks[index];
}

void Form1::clear_Checks()
{
    for (QCheckBox *check : m_checks)
        check->setChecked(false);
    for (QCheckBox *check : m_checks)
        check->setEnabled(false);
    Frame4->setEnabled(false);
}

void Form1::unlock_Checks()
{
    Frame4->setEnabled(true);
    Frame3->setEnabled(true);
    for (QCheckBox *check : m_checks)
        check->setEnabled(true);
}

void Form1::lock_Lists()
{
    for (QComboBox *combo : m_combos)
        combo->setEnabled(false);
}

void Form1::unlock_Lists()
{
    for (QComboBox *combo : m_combos)
        combo->setEnabled(true);
}

bool Form1::runCancelled() const
{
    return m_waiter.cancelled();
}

void Form1::Connect_Click()
{
    if (m_busy || m_several)
        return;
    {
        const RunGuard guard(*this);
        connectRun();
    }
    openPendingFile();
}

void Form1::Program_Click()
{
    if (m_busy || m_several)
        return;
    const RunGuard guard(*this);
    programRun();
}

void Form1::CmdReset_Click()
{
    if (m_busy || m_several)
        return;
    const RunGuard guard(*this);
    m_settings.show_Type();
    m_settings.show_Config();
    programRun();
}

void Form1::mnuCompare_Click()
{
    if (m_busy || !Program->isEnabled())
        return;
    const RunGuard guard(*this);
    m_verification->compareWithEsc();
}

void Form1::closePortQuietly()
{
    try {
        m_port.setPortOpen(false);
    } catch (const SerialError &) {
        // The line is gone already; there is nothing left to close.
    }
}

void Form1::Close_Click()
{
    close();
}

void Form1::frm_Exit_Click()
{
    // During a run the exchange under way closes the port itself once the close cancels it.
    if (!m_busy && m_port.portOpen())
        closePortQuietly();
    close();
}

void Form1::About_Click()
{
    if (!m_about) {
        // Its own top-level window: the tool ends only when both windows are closed.
        m_about = new frmAbout(nullptr);
        m_about->setObjectName(QStringLiteral("frmAbout"));
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (m_busy) {
        // The run's handler is still on the stack: end its wait now, close once it has unwound.
        m_closePending = true;
        m_waiter.cancel();
        event->ignore();
        return;
    }
    if (m_several) {
        // A run of several ESCs finishes the ESC it is programming; the window closes after it.
        m_closePending = true;
        m_several->close();
        event->ignore();
        return;
    }
    m_closePending = false;
    closePortQuietly();
    QMainWindow::closeEvent(event);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (m_busy && isUserInput(event->type()))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

} // namespace orvesc
