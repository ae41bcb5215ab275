#include "form1.h"

#include "backupkeeper.h"
#include "failuretext.h"
#include "lamp.h"
#include "messenger.h"
#include "verification.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

// The runs behind CONNECT, PROGRAM and DEFAULT: each one operation of the session, its progress
// shown as it comes and its outcome shown when it ends.

namespace orvesc {

namespace {


} // namespace

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
            //: %1 lists the captions of the settings without a choice.
            tr("Nothing was sent: no choice is selected for %1.")
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
    //: Quorl is the maker's name and stays.
    m_messenger.beepAndShow(tr("Quorl ESC programmed").toStdString());
}

} // namespace orvesc
