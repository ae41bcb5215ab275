#pragma once

#include "escrecords.h"
#include "escsession.h"
#include "settingscompare.h"

#include <QCoreApplication>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace orvesc {

class Messenger;
class SettingsView;

// Reads an ESC's settings back and compares them with what the lists show or what PROGRAM
// sent: the Settings menu's Compare with ESC, and the read that ends PROGRAM and DEFAULT while
// Verify after PROGRAM is on (remembered in QSettings, off by default).
class Verification
{
    Q_DECLARE_TR_FUNCTIONS(Verification)

public:
    Verification(EscSession &session, Messenger &messenger, SettingsView &view,
                 const EscRecords &records);

    bool verifyAfterProgram() const;
    void setVerifyAfterProgram(bool on);

    // Compare with ESC: reads the settings as CONNECT does and tells the user the outcome; no
    // list and no record of the window changes.
    void compareWithEsc();
    // The end of PROGRAM and DEFAULT while verifying: true when the ESC holds what was sent.
    // Otherwise tells the user the differences, or the read-back's failure.
    bool tellReadBack(const EscSession::Programming &run);

private:
    void tell(const EscFailure &failure);

    EscSession &m_session;
    Messenger &m_messenger;
    SettingsView &m_view;
    const EscRecords &m_records;
};

} // namespace orvesc
