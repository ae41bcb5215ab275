#include "form1.h"

#include "diagnostics.h"
#include "frmabout.h"
#include "lamp.h"
#include "messagebox.h"
#include "settingsdialogs.h"
#include "settingsfiles.h"
#include "verification.h"
#include "portfollower.h"

#include "backupkeeper.h"
#include "escsession.h"
#include "failuretext.h"
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

#include <QDir>

namespace orvesc {

namespace {

const char *const ProgrammedMessage = "Quorl ESC programmed";

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
    if (m_busy)
        return;
    {
        const RunGuard guard(*this);
        connectRun();
    }
    openPendingFile();
}

void Form1::connectRun()
{
    m_records.EscType = 0;
    clear_Checks();
    Program->setEnabled(false);
    CmdReset->setEnabled(false);

    // Every list position is searched in order, each shown in the list as it is probed; only
    // the first ten have a port number.
    std::vector<int> candidates;
    candidates.reserve(std::size_t(cmbCOM->count()));
    for (int position = 0; position < cmbCOM->count(); ++position)
        candidates.push_back(position < int(ComPorts.size()) ? ComPorts[std::size_t(position)] : 0);
    EscSession::ConnectOptions options;
    options.backUp = true;
    options.probing = [this](std::size_t position) { Chk_ESC(static_cast<std::int16_t>(position)); };
    options.unopened = m_refusedPorts;
    const EscSession::Connection found = m_session->connect(candidates, options);
    if (runCancelled())
        return;
    m_records.EscType = ini_COM(found);
    LESCType->setText(QString());
    if (m_records.EscType <= 0)
        return;

    m_settings.fillModelLists();
    m_records.EscConfig = found.report;
    showFailure(found.failure);

    if (m_records.EscConfig[0] > 0) {
        Frame3->setEnabled(true);
        Frame4->setEnabled(true);
        LblDetected->setEnabled(true);
        chkDetected->show();
        unlock_Lists();
        m_settings.show_Config();
        Program->setEnabled(true);
        CmdReset->setEnabled(true);
    } else {
        chkDetected->hide();
        LblDetected->setEnabled(false);
        Frame3->setEnabled(false);
        clear_Checks();
        lock_Lists();
        Program->setEnabled(false);
        CmdReset->setEnabled(false);
    }
    m_settings.show_Type();
    if (!found.backup.error.isEmpty())
        m_messenger.beepAndShow(backupsOffText(m_backups->folder(), found.backup.error, FrontEnd::Window).toStdString());
}

void Form1::showFailure(const EscFailure &failure)
{
    if (const QString text = failureText(failure, FrontEnd::Window); !text.isEmpty())
        m_messenger.beepAndShow(text.toStdString());
}

void Form1::Program_Click()
{
    if (m_busy)
        return;
    const RunGuard guard(*this);
    programRun();
}

void Form1::CmdReset_Click()
{
    if (m_busy)
        return;
    const RunGuard guard(*this);
    m_settings.show_Type();
    m_settings.show_Config();
    programRun();
}

void Form1::programRun()
{
    clear_Checks();
    unlock_Checks();

    const CollectResult collected = m_settings.get_Config();
    if (!collected.complete()) {
        // A list without a choice would turn into the code of a neighbouring setting.
        QStringList captions;
        for (SettingList which : collected.unselected)
            captions << QString::fromStdString(listCaption(which));
        m_messenger.beepAndShow(
            QStringLiteral("Nothing was sent: no choice is selected for %1.")
                .arg(captions.join(QStringLiteral(", ")))
                .toStdString());
        return;
    }

    // One box ticked at a time, for the command the ESC has just accepted.
    EscSession::ProgramOptions options;
    options.accepted = [this](int element) {
        if (element >= static_cast<int>(m_checks.size()))
            return;
        if (element > 0)
            checkBox(element - 1)->setChecked(false);
        checkBox(element)->setChecked(true);
    };
    options.stored = [this] { clear_Checks(); };
    options.readBack = m_verification->verifyAfterProgram();
    const EscSession::Programming run = m_session->program(m_records.NewConfig, options);
    if (run.failure.is(EscFailure::Kind::Cancelled))
        return;
    if (!run.programmed) {
        showFailure(run.failure);
        // The first command the ESC does not accept ends the run; only a new CONNECT enables
        // the buttons again.
        if (run.failure.element >= 0) {
            Program->setEnabled(false);
            CmdReset->setEnabled(false);
        }
        return;
    }
    if (options.readBack && !m_verification->tellReadBack(run))
        return;
    m_messenger.beepAndShow(ProgrammedMessage);
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
