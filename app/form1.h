#pragma once

#include "combochoicelist.h"
#include "escsession.h"
#include "escrecords.h"
#include "settingkeys.h"
#include "settingsform.h"
#include "settingsview.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <cstdint>
#include <memory>

class QAction;
class QCheckBox;
class QMenu;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace orvesc {

class BackupKeeper;
class Diagnostics;
class EscSession;
class Lamp;
class Messenger;
class PortFollower;
class PortMap;
class PortWatcher;
class SerialPort;
class SettingsDialogs;
class SettingsFiles;
class SeveralEscsDialog;
class Verification;
class TrafficRecorder;
class Waiter;
class frmAbout;

// The language the window starts in: the one chosen in its Language menu, else the system's.
QString chosenLanguage();

// The tool's main window: every control the user sees, the window-level state, and the Connect,
// Program and Default runs that talk to the ESC.
class Form1 : public QMainWindow, public SettingsView
{
    Q_OBJECT
public:
    // Runs on the machine's serial ports, with real message boxes.
    explicit Form1(QWidget *parent = nullptr);
    // Runs on the given serial component, port map, waiter and messenger, which must outlive the
    // window (tests hand in simulators linked in a folder of their own). The window records the
    // component's traffic for its diagnostics file.
    Form1(SerialPort &port, const PortMap &portMap, Waiter &waiter, Messenger &messenger,
          QWidget *parent = nullptr);
    ~Form1() override;

    // SettingsView
    ChoiceList &list(SettingList which) override;
    void setFrequencyCaption(const std::string &caption) override;
    void setModelName(const std::string &name) override;
    std::string listCaption(SettingList which) const override;
    void clearChecks() override;
    Messenger &messenger() override;

    const EscRecords &records() const { return m_records; }
    const std::array<std::int16_t, 10> &comPorts() const { return ComPorts; }
    // True while a Connect, Program, Default or Compare run is under way, or a run of several ESCs
    // is open.
    bool isBusy() const { return m_busy || !m_several.isNull(); }
    const TrafficRecorder &recorder() const { return *m_recorder; }
    Diagnostics &diagnostics() { return *m_diagnostics; }
    // From now on the port list follows the ports the watcher sees come and go.
    PortFollower &followPorts(PortWatcher &watcher);

    // The Settings menu, for further entries.
    QMenu *settingsMenu() const { return mnuSettings; }
    SettingsFiles &settingsFiles() { return *m_files; }
    // The window that tool users see backs up into BackupStore::defaultFolder(); a window on
    // given components (tests) backs up only once given a folder here.
    void setBackupFolder(const QString &folder);
    // The port watcher saw ports come or go: a device the session is pinned to that is no longer
    // there stays gone, even if a device of that name comes back.
    void notePortsChanged();
    // Replaces Qt's file dialogs and OK/Cancel box; the object must outlive the window.
    void setSettingsDialogs(SettingsDialogs &dialogs);
    // Opens the settings file as Open Settings... does once the first CONNECT has read an ESC's
    // settings; until then the title says so.
    void openAfterConnect(const QString &path);

    void clear_Checks();
    void unlock_Checks();
    void lock_Lists();
    void unlock_Lists();

    void scan_COM();
    // scan_COM again on an emptied list; the selected port stays selected where it still exists.
    void rescan_COM();
    // CONNECT's search shows the list entry it probes, then the identification's outcome: the
    // model code, or 0 with the window showing that no ESC answered.
    void Chk_ESC(std::int16_t List);
    std::int16_t ini_COM(const EscSession::Connection &found);

    // Handlers of the buttons and the menu.
    void Connect_Click();
    void Program_Click();
    void CmdReset_Click();
    void Close_Click();
    void frm_Exit_Click();
    void About_Click();
    void mnuOpenSettings_Click();
    void mnuSaveSettings_Click();
    void mnuRestoreBackup_Click();
    void mnuCompare_Click();
    void mnuVerify_Toggled(bool on);
    void mnuSeveral_Click();

    // Handlers of the setting lists; the catalogue's SettingsForm holds their rules.
    void cmbBrake_Click();
    void cmbBatt_Click();
    void cmbLVC_Click();
    void cmbLVCAction_Click();
    void cmbSoftStart_Click();
    void cmbRPM_Click();
    void cmbFrequency_Change();
    void cmbReverse_Change();
    void cmbTiming_Change();

signals:
    // A Connect, Program or Default run has ended.
    void runEnded();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct SystemLink;
    class RunGuard;
    friend class RunGuard;

    Form1(std::unique_ptr<SystemLink> system, QWidget *parent);

    void buildControls();
    void buildSettingsMenu();
    void buildLanguageMenu();
    // Every text of the window in the current language.
    void retranslate();
    // The settings' explanations as tooltips and What's This, for the model the lists show.
    void explainSettings();
    SettingKey keyShown(SettingList which) const;
    QString entryExplanation(SettingList which, const std::string &entry) const;
    // The window's title, naming the settings file that waits for CONNECT if there is one.
    void showTitle();
    void connectRun();
    // After a CONNECT: the file given to openAfterConnect(), once the lists show the settings.
    void openPendingFile();
    // Enables the Settings menu's entries for the window's state: files while the lists show a
    // connected ESC's settings, Compare with ESC while PROGRAM is enabled.
    void updateSettingsMenu();
    bool settingsShown() const;
    void Form_Load();
    void programRun();
    void showNotFoundState();
    // The failure's words in a box with the beep; nothing where the window is silent about it.
    void showFailure(const EscFailure &failure);
    void closePortQuietly();
    bool runCancelled() const;
    QCheckBox *checkBox(int index) const;

    std::unique_ptr<SystemLink> m_system;
    std::unique_ptr<TrafficRecorder> m_recorder;
    SerialPort &m_port;
    const PortMap &m_portMap;
    Waiter &m_waiter;
    Messenger &m_messenger;
    std::unique_ptr<BackupKeeper> m_backups;
    std::unique_ptr<EscSession> m_session;
    std::unique_ptr<SettingsDialogs> m_qtDialogs;
    std::unique_ptr<SettingsFiles> m_files;
    std::unique_ptr<Verification> m_verification;

    EscRecords m_records;
    // What the last port scan could not open, and why.
    std::vector<SerialError> m_refusedPorts;
    std::array<std::int16_t, 10> ComPorts{};
    SettingsForm m_settings;

    bool m_busy = false;
    bool m_closePending = false;

    QAction *frm_Exit = nullptr;
    QAction *About = nullptr;
    QMenu *mnuSettings = nullptr;
    QAction *mnuOpenSettings = nullptr;
    QAction *mnuSaveSettings = nullptr;
    QAction *mnuRestoreBackup = nullptr;
    QAction *mnuCompare = nullptr;
    QAction *mnuVerify = nullptr;
    QMenu *mnuLanguage = nullptr;
    QAction *mnuSeveral = nullptr;
    // The open run of several ESCs; CONNECT, PROGRAM and DEFAULT wait until it closes.
    QPointer<SeveralEscsDialog> m_several;
    QComboBox *cmbCOM = nullptr;
    QLabel *Picture1 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QGroupBox *Frame4 = nullptr;
    QGroupBox *Frame5 = nullptr;
    QGroupBox *Frame6 = nullptr;
    QGroupBox *Frame7 = nullptr;
    QGroupBox *frBattery = nullptr;
    QGroupBox *frACCN = nullptr;
    QPushButton *Connect = nullptr;
    QPushButton *Program = nullptr;
    QPushButton *CmdReset = nullptr;
    QPushButton *Close = nullptr;
    Lamp *chkDetected = nullptr;
    QLabel *LblDetected = nullptr;
    QLabel *LESCType = nullptr;
    QLabel *labFrequency = nullptr;
    // In the order of SettingList.
    std::array<QLabel *, SettingListCount> m_labels{};
    std::array<QComboBox *, SettingListCount> m_combos{};
    std::array<std::unique_ptr<ComboChoiceList>, SettingListCount> m_lists;
    // chkBrake to chkRPM, in the order of NewConfig.
    std::array<QCheckBox *, 9> m_checks{};

    QPointer<frmAbout> m_about;
    std::unique_ptr<Diagnostics> m_diagnostics;
    std::unique_ptr<PortFollower> m_follower;
};

} // namespace orvesc
