#pragma once

#include <QDialog>

#include <cstdint>

class QLabel;
class QPushButton;

namespace orvesc {

// The About dialog: title, version, description and disclaimer, with OK and a System Info launcher.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);

    // Starts the system's information program, or says it cannot; never waits for the program.
    void StartSysInfo();

#ifdef _WIN32
    // Reads one registry value as text into keyVal; on failure keyVal is emptied and false returned.
    // keyRoot is a predefined root such as HKEY_LOCAL_MACHINE (0x80000002) as a 32-bit number.
    static bool GetKeyValue(std::uint32_t keyRoot, const QString &keyName, const QString &subKeyRef,
                            QString &keyVal);
#endif

protected:
    // The dialog is modeless, so it may be open when the user picks another language.
    void changeEvent(QEvent *event) override;

private:
    void Form_Load();
    void retranslateUi();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    QLabel *m_lblTitle = nullptr;
    QLabel *m_lblVersion = nullptr;
    QLabel *m_lblDescription = nullptr;
    QLabel *m_lblDisclaimer = nullptr;
    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_cmdSysInfo = nullptr;
};

} // namespace orvesc
