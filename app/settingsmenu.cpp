// The main window's Settings menu: settings files, backups and the read-back of the settings.
#include "form1.h"

#include "backupkeeper.h"
#include "diagnostics.h"
#include "messenger.h"

#include "settingsdialogs.h"
#include "settingsfiles.h"
#include "severalescsdialog.h"
#include "verification.h"
#include "windowtexts.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace orvesc {

namespace {

void tellNotConnected(Messenger &messenger, const QAction *action)
{
    //: %1 is the menu entry chosen, CONNECT the window's button.
    messenger.beepAndShow(Form1::tr("%1 works once CONNECT has read an ESC's settings: connect the ESC first.")
                              .arg(action->text())
                              .toStdString());
}

} // namespace

void Form1::buildSettingsMenu()
{
    mnuSettings = menuBar()->addMenu(QString());
    setSourceText(mnuSettings->menuAction(), QT_TRANSLATE_NOOP("Window", "Settings"));
    mnuSettings->setObjectName(QStringLiteral("mnuSettings"));
    mnuSettings->menuAction()->setObjectName(QStringLiteral("mnuSettings"));
    const auto add = [this](QAction *&action, const char *name, const char *text,
                            const QKeySequence &shortcut) {
        action = mnuSettings->addAction(QString());
        setSourceText(action, text);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
    };
    add(mnuOpenSettings, "mnuOpenSettings", QT_TRANSLATE_NOOP("Window", "Open Settings..."), QKeySequence::Open);
    add(mnuSaveSettings, "mnuSaveSettings", QT_TRANSLATE_NOOP("Window", "Save Settings As..."),
        QKeySequence(Qt::CTRL | Qt::Key_S));
    add(mnuRestoreBackup, "mnuRestoreBackup", QT_TRANSLATE_NOOP("Window", "Restore Backup..."), {});
    mnuSettings->addSeparator();
    add(mnuCompare, "mnuCompare", QT_TRANSLATE_NOOP("Window", "Compare with ESC"), {});
    add(mnuVerify, "mnuVerify", QT_TRANSLATE_NOOP("Window", "Verify after PROGRAM"), {});
    mnuVerify->setCheckable(true);
    mnuVerify->setChecked(m_verification->verifyAfterProgram());
    add(mnuSeveral, "mnuSeveral", QT_TRANSLATE_NOOP("Window", "Program several ESCs..."), {});

    connect(mnuOpenSettings, &QAction::triggered, this, &Form1::mnuOpenSettings_Click);
    connect(mnuSaveSettings, &QAction::triggered, this, &Form1::mnuSaveSettings_Click);
    connect(mnuRestoreBackup, &QAction::triggered, this, &Form1::mnuRestoreBackup_Click);
    connect(mnuCompare, &QAction::triggered, this, &Form1::mnuCompare_Click);
    connect(mnuVerify, &QAction::toggled, this, &Form1::mnuVerify_Toggled);
    connect(mnuSeveral, &QAction::triggered, this, &Form1::mnuSeveral_Click);
    connect(mnuSettings, &QMenu::aboutToShow, this, &Form1::updateSettingsMenu);
}

bool Form1::settingsShown() const
{
    // The lists are enabled exactly when a CONNECT read the settings of the model it identified.
    return m_records.EscType > 0 && m_combos[0]->isEnabled();
}

void Form1::updateSettingsMenu()
{
    const bool files = settingsShown() && !m_busy;
    mnuOpenSettings->setEnabled(files);
    mnuSaveSettings->setEnabled(files);
    mnuRestoreBackup->setEnabled(files);
    mnuCompare->setEnabled(Program->isEnabled() && !m_busy && !m_several);
    mnuSeveral->setEnabled(!m_busy && !m_several);
    // A modal dialog would stall the run's wait until it ran out.
    if (QAction *save = m_diagnostics->action())
        save->setEnabled(!m_busy);
}

void Form1::setSettingsDialogs(SettingsDialogs &dialogs)
{
    m_files->setDialogs(dialogs);
}

void Form1::openAfterConnect(const QString &path)
{
    m_files->setPendingFile(path);
    showTitle();
}

void Form1::openPendingFile()
{
    // As if the user chose Open Settings... right after the run; not when a close is waiting.
    if (m_busy || m_closePending || !settingsShown() || m_files->pendingFile().isEmpty())
        return;
    m_files->openPendingFile(m_records.EscType);
    showTitle();
}

void Form1::showTitle()
{
    //: The window's title; Orvantis is the maker's name and stays.
    const QString title = tr("Orvantis ESC PC Interface");
    const QString pending = m_files->pendingFile();
    setWindowTitle(pending.isEmpty() ? title
                                     : tr("%1 - \"%2\" will be opened after CONNECT")
                                           .arg(title, QFileInfo(pending).fileName()));
}

void Form1::mnuOpenSettings_Click()
{
    if (m_busy)
        return;
    if (!settingsShown()) {
        tellNotConnected(m_messenger, mnuOpenSettings);
        return;
    }
    m_files->open(m_records.EscType);
}

void Form1::mnuSaveSettings_Click()
{
    if (m_busy)
        return;
    if (!settingsShown()) {
        tellNotConnected(m_messenger, mnuSaveSettings);
        return;
    }
    m_files->save(m_records.EscType);
}

void Form1::mnuRestoreBackup_Click()
{
    if (m_busy)
        return;
    if (!settingsShown()) {
        tellNotConnected(m_messenger, mnuRestoreBackup);
        return;
    }
    m_files->restoreBackup(m_records.EscType);
}

void Form1::mnuVerify_Toggled(bool on)
{
    m_verification->setVerifyAfterProgram(on);
}

void Form1::mnuSeveral_Click()
{
    if (m_busy || m_several)
        return;
    SeveralEscsDialog::Setup setup;
    setup.port = &m_port;
    setup.map = &m_portMap;
    setup.backups = m_backups.get();
    setup.backupFolder = m_backups->folder();
    setup.selectedPort = cmbCOM->currentIndex() >= 0 && cmbCOM->currentIndex() < int(ComPorts.size())
            ? ComPorts[std::size_t(cmbCOM->currentIndex())]
            : 0;
    if (settingsShown()) {
        if (const DocumentResult shown = documentFromView(*this, m_records.EscType); shown.document) {
            setup.listsModel = m_records.EscType;
            setup.listsRequests = requestsOf(*shown.document);
        }
    }
    m_several = new SeveralEscsDialog(setup, this);
    m_several->setAttribute(Qt::WA_DeleteOnClose);
    // The run talks to the port itself: the window's own runs wait until the dialog is closed.
    const bool couldConnect = Connect->isEnabled();
    for (QPushButton *button : {Connect, Program, CmdReset})
        button->setEnabled(false);
    // PROGRAM and DEFAULT stay off afterwards: the ESC on the cable is most likely not the one the
    // lists were read from, so only a new CONNECT may write to it.
    connect(m_several, &QObject::destroyed, this, [this, couldConnect] {
        // The dialog is half destroyed by now: let go of it before anything looks at it.
        m_several = nullptr;
        Connect->setEnabled(couldConnect);
        updateSettingsMenu();
        emit runEnded();
        if (m_closePending)
            QTimer::singleShot(0, this, [this] { close(); });
    });
    updateSettingsMenu();
    m_several->show();
}

} // namespace orvesc
