#pragma once

#include "stationprogramming.h"

#include <QDialog>

#include <memory>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace orvesc {

class BackupKeeper;
class EventLoopWaiter;
class PortMap;
class SerialPort;
class StationRun;

// Program several ESCs...: the settings chosen once, then ESC after ESC plugged into one port is
// found, backed up, programmed and read back, each with a line, a sound and a line in the record
// file, until Stop or the dialog is closed. The loop is the station's (StationRun).
class SeveralEscsDialog : public QDialog
{
    Q_OBJECT
public:
    // What the window offers: its serial component, port map and backups, which must outlive the
    // dialog, and the settings its lists show (model 0: none read).
    struct Setup
    {
        SerialPort *port = nullptr;
        const PortMap *map = nullptr;
        BackupKeeper *backups = nullptr;
        QString backupFolder;
        int listsModel = 0;
        SettingRequests listsRequests;
        int selectedPort = 0;
    };
    SeveralEscsDialog(const Setup &setup, QWidget *parent);
    ~SeveralEscsDialog() override;

    bool isRunning() const { return m_run != nullptr; }
    int passed() const { return m_passed; }
    int failed() const { return m_failed; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Start_Click();
    void Stop_Click();
    void showChosen();
    void showCounts();
    // The settings the choice stands for, or nullopt with the reason shown.
    std::optional<ChosenSettings> chosen();
    void handled(const QString &port, const EscSession::Connection &esc, const StationOutcome &outcome);
    void say(const QString &text);
    void setRunning(bool running);

    Setup m_setup;
    QRadioButton *m_fromLists = nullptr;
    QRadioButton *m_fromFile = nullptr;
    QRadioButton *m_fromFactory = nullptr;
    QLineEdit *m_file = nullptr;
    QPushButton *m_browse = nullptr;
    QLabel *m_chosen = nullptr;
    QComboBox *m_port = nullptr;
    QLineEdit *m_record = nullptr;
    QPushButton *m_start = nullptr;
    QPushButton *m_stop = nullptr;
    QLabel *m_instruction = nullptr;
    QLabel *m_counts = nullptr;
    QListWidget *m_log = nullptr;

    std::unique_ptr<EventLoopWaiter> m_waiter;
    std::unique_ptr<EscSession> m_engine;
    StationRun *m_run = nullptr;
    bool m_closePending = false;
    int m_passed = 0;
    int m_failed = 0;
};

} // namespace orvesc
