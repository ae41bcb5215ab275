#pragma once

#include "forwardingport.h"

#include <memory>

namespace orvesc {

// The station's one port, held open for the whole run: the exchanges still open and close it as
// they always do, but only the first open reaches the system. Each open would otherwise take Qt's
// lock file and toggle DTR, twice a probe, once a second, for as long as the station waits (most
// of its CPU). A lost connection really closes it, so the next open finds the device anew.
class HeldPort : public ForwardingPort
{
public:
    // `inner` is what the session would use; `owned`, when given, is kept alive with this port.
    explicit HeldPort(SerialPort &inner, std::unique_ptr<SerialPort> owned = {});
    ~HeldPort() override;

    // Closes the port for real, so that the next open finds the device anew.
    void release();

    void setCommPort(int number) override;
    void setPortOpen(bool open) override;
    bool portOpen() const override;
    void output(const QByteArray &bytes) override;
    QByteArray input() override;
    int inBufferCount() const override;

private:
    void requireOpen() const;

    std::unique_ptr<SerialPort> m_owned;
    bool m_open = false;  // as the exchanges see it
};

} // namespace orvesc
