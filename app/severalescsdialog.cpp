#include "severalescsdialog.h"

#include "backupkeeper.h"
#include "cataloguetext.h"
#include "documentfile.h"
#include "eventloopwaiter.h"
#include "portlist.h"
#include "runrecord.h"
#include "stationrun.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTime>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace orvesc {

namespace {

// PASS and FAIL must be told apart without looking: the system's OK and error sounds on Windows,
// elsewhere one beep and three.
void sound(bool pass)
{
#ifdef Q_OS_WIN
    MessageBeep(pass ? MB_OK : MB_ICONHAND);
#else
    QApplication::beep();
    if (!pass) {
        QTimer::singleShot(200, qApp, [] { QApplication::beep(); });
        QTimer::singleShot(400, qApp, [] { QApplication::beep(); });
    }
#endif
}

} // namespace

SeveralEscsDialog::SeveralEscsDialog(const Setup &setup, QWidget *parent)
    : QDialog(parent),
      m_setup(setup)
{
    setObjectName(QStringLiteral("frmSeveral"));
    setWindowTitle(tr("Program several ESCs"));
    const auto named = [](auto *widget, const char *name) {
        widget->setObjectName(QLatin1String(name));
        return widget;
    };
    m_fromLists = named(new QRadioButton(tr("The settings the lists show")), "fromLists");
    m_fromFile = named(new QRadioButton(tr("A settings file:")), "fromFile");
    m_fromFactory = named(new QRadioButton(tr("The model's factory settings")), "fromFactory");
    m_file = named(new QLineEdit, "settingsFile");
    m_browse = named(new QPushButton(tr("Browse...")), "browseFile");
    m_chosen = named(new QLabel, "chosen");
    m_port = named(new QComboBox, "cmbPort");
    m_record = named(new QLineEdit(QDir::toNativeSeparators(RunRecord::defaultFile(setup.backupFolder))), "recordFile");
    auto *openFolder = named(new QPushButton(tr("Open Folder")), "openFolder");
    m_start = named(new QPushButton(tr("Start")), "Start");
    m_stop = named(new QPushButton(tr("Stop")), "Stop");
    m_instruction = named(new QLabel, "instruction");
    m_counts = named(new QLabel, "counts");
    m_log = named(new QListWidget, "runLog");

    const bool lists = setup.listsModel > 0;
    m_fromLists->setEnabled(lists);
    m_fromFactory->setEnabled(lists);
    (lists ? m_fromLists : m_fromFile)->setChecked(true);
    for (const ListedPort &listed : listedPorts(*setup.map)) {
        m_port->addItem(QStringLiteral("COM%1 (%2)").arg(listed.number).arg(listed.device), listed.number);
        if (listed.number == setup.selectedPort)
            m_port->setCurrentIndex(m_port->count() - 1);
    }

    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(m_fromFile);
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(m_browse);
    auto *recordRow = new QHBoxLayout;
    recordRow->addWidget(m_record, 1);
    recordRow->addWidget(openFolder);
    auto *form = new QFormLayout;
    form->addRow(tr("Port:"), m_port);
    form->addRow(tr("Record:"), recordRow);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_start);
    buttons->addWidget(m_stop);
    buttons->addStretch();
    buttons->addWidget(m_counts);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fromLists);
    layout->addLayout(fileRow);
    layout->addWidget(m_fromFactory);
    layout->addWidget(m_chosen);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(m_instruction);
    layout->addWidget(m_log, 1);
    m_instruction->setWordWrap(true);
    m_chosen->setWordWrap(true);

    for (QRadioButton *choice : {m_fromLists, m_fromFile, m_fromFactory})
        connect(choice, &QRadioButton::toggled, this, &SeveralEscsDialog::showChosen);
    connect(m_file, &QLineEdit::textChanged, this, &SeveralEscsDialog::showChosen);
    connect(m_browse, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, tr("Settings file"), m_file->text(),
                                                          tr("Settings (*.orvesc.json *.json)"));
        if (!path.isEmpty()) {
            m_file->setText(QDir::toNativeSeparators(path));
            m_fromFile->setChecked(true);
        }
    });
    connect(openFolder, &QPushButton::clicked, this, [this] {
        const QString folder = QFileInfo(QDir::fromNativeSeparators(m_record->text())).absolutePath();
        QDir().mkpath(folder);
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
    });
    connect(m_start, &QPushButton::clicked, this, &SeveralEscsDialog::Start_Click);
    connect(m_stop, &QPushButton::clicked, this, &SeveralEscsDialog::Stop_Click);
    setRunning(false);
    showChosen();
    say(tr("Choose the settings and the port, then press Start."));
    resize(560, 420);
}

SeveralEscsDialog::~SeveralEscsDialog() = default;

void SeveralEscsDialog::say(const QString &text)
{
    m_instruction->setText(text);
}

void SeveralEscsDialog::setRunning(bool running)
{
    for (QWidget *widget : std::initializer_list<QWidget *>{m_fromFile, m_file, m_browse, m_port, m_record, m_start})
        widget->setEnabled(!running);
    m_fromLists->setEnabled(!running && m_setup.listsModel > 0);
    m_fromFactory->setEnabled(!running && m_setup.listsModel > 0);
    m_stop->setEnabled(running);
    showCounts();
}

void SeveralEscsDialog::showCounts()
{
    m_counts->setText(tr("Passed: %1  Failed: %2").arg(m_passed).arg(m_failed));
}

void SeveralEscsDialog::showChosen()
{
    if (m_fromFile->isChecked()) {
        m_chosen->setText(m_file->text().isEmpty() ? tr("Name a settings file.")
                                                   : tr("Writes the settings of %1.").arg(QFileInfo(m_file->text()).fileName()));
    } else {
        m_chosen->setText((m_fromLists->isChecked() ? tr("Writes the settings the lists show, for the %1.")
                                                    : tr("Writes the factory settings of the %1."))
                                  .arg(modelText(m_setup.listsModel)));
    }
}

std::optional<ChosenSettings> SeveralEscsDialog::chosen()
{
    ChosenSettings settings;
    if (m_fromFile->isChecked()) {
        const QString path = QDir::fromNativeSeparators(m_file->text());
        if (path.isEmpty()) {
            say(tr("Name a settings file, or choose other settings."));
            return std::nullopt;
        }
        const DocumentResult read = readDocumentFile(path);
        if (!read.document) {
            say(tr("%1 cannot be used: %2").arg(QDir::toNativeSeparators(path), translated(read.reason())));
            return std::nullopt;
        }
        settings.model = read.document->modelCode;
        settings.requests = requestsOf(*read.document);
        m_chosen->setText(tr("Writes the settings of %1, for the %2.")
                                  .arg(QFileInfo(path).fileName(), modelText(settings.model)));
    } else {
        settings.model = m_setup.listsModel;
        settings.factory = m_fromFactory->isChecked();
        settings.requests = m_setup.listsRequests;
    }
    if (const QString refusal = chosenRefusal(settings); !refusal.isEmpty()) {
        say(tr("These settings cannot be written: %1.").arg(refusal));
        return std::nullopt;
    }
    return settings;
}

void SeveralEscsDialog::Start_Click()
{
    if (m_run)
        return;
    const std::optional<ChosenSettings> settings = chosen();
    if (!settings)
        return;
    const int number = m_port->currentData().toInt();
    if (number <= 0) {
        say(tr("No port is listed: plug in the PC interface cable."));
        return;
    }
    RunRecord record(QDir::fromNativeSeparators(m_record->text()));
    if (const QString problem = record.start(); !problem.isEmpty()) {
        say(problem);
        return;
    }
    const QString port = m_port->currentText().section(QLatin1Char(' '), 0, 0);
    m_waiter = std::make_unique<EventLoopWaiter>();
    m_engine = std::make_unique<EscSession>(*m_setup.port, *m_setup.map, *m_waiter, true);
    m_engine->setBackupKeeper(m_setup.backups);
    StationRun run(*m_engine, *m_waiter, number);
    m_run = &run;
    setRunning(true);
    QString ended;
    StationRun::Hooks hooks;
    hooks.handle = [&](const EscSession::Connection &esc) {
        const StationOutcome outcome = programChosen(*m_engine, *settings, esc);
        handled(port, esc, outcome);
        RecordLine line;
        line.port = port;
        line.modelCode = esc.model;
        line.modelName = modelText(esc.model);
        line.pass = outcome.pass;
        line.reason = outcome.englishReason;
        line.backup = outcome.backup;
        line.settings = writtenSettings(esc.model, outcome.sent);
        if (const QString problem = record.append(line); !problem.isEmpty()) {
            ended = problem + QLatin1Char(' ') + tr("The run stopped.");
            run.stop();
        } else if (outcome.backupsOff) {
            ended = outcome.reason + QLatin1Char(' ') + tr("The run stopped.");
            run.stop();
        }
        return outcome.holds;
    };
    hooks.step = [&](StationRun::Step step) {
        switch (step) {
        case StationRun::Step::Unplug:
            say(tr("Unplug the ESC."));
            break;
        case StationRun::Step::AnotherEsc:
            say(tr("Another ESC is on the cable."));
            break;
        case StationRun::Step::NextEsc:
            say(tr("Plug in the next ESC."));
            break;
        }
    };
    say(tr("Plug in an ESC."));
    run.run(hooks);
    m_run = nullptr;
    m_engine.reset();
    m_waiter.reset();
    setRunning(false);
    say(ended.isEmpty() ? tr("Run ended: %1 passed, %2 failed.").arg(m_passed).arg(m_failed) : ended);
    if (m_closePending)
        QTimer::singleShot(0, this, &QDialog::close);
}

void SeveralEscsDialog::handled(const QString &port, const EscSession::Connection &esc, const StationOutcome &outcome)
{
    if (outcome.pass)
        ++m_passed;
    else
        ++m_failed;
    const QString model = esc.identified() ? modelText(esc.model) : QStringLiteral("-");
    const QString line = outcome.pass ? tr("%1  %2  %3  PASS").arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")), port, model)
                                      : tr("%1  %2  %3  FAIL: %4")
                                                .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")), port, model,
                                                     outcome.reason);
    m_log->addItem(line);
    m_log->scrollToBottom();
    showCounts();
    sound(outcome.pass);
}

void SeveralEscsDialog::Stop_Click()
{
    if (!m_run)
        return;
    m_run->stop();
    say(m_run->programming() ? tr("Stopping once this ESC is done.") : tr("Stopping."));
}

void SeveralEscsDialog::closeEvent(QCloseEvent *event)
{
    if (m_run) {
        // The run's loop is still on the stack: the ESC being programmed finishes, then it closes.
        m_closePending = true;
        Stop_Click();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace orvesc
