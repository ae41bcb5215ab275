// The Win32 component's watcher: the thread that sleeps in WaitCommEvent while the port is open.
#include "winserialcomponent.h"

#include "deviceloss.h"

namespace orvesc {

// The watcher thread. A posted call wakes the owner's event loop wherever it sleeps, nested loops
// included (a QWinEventNotifier stays silent while its own handler runs, and a readyRead handler may
// wait for the next byte).
void WinSerialComponent::watch()
{
    CommWait &wait = *m_wait;
    const HANDLE stopOrByte[] = {m_stop, wait.overlapped.hEvent};
    const HANDLE stopOrTaken[] = {m_stop, m_taken};
    bool polling = false;
    DWORD polled = 0;
    for (;;) {
        bool received = false;
        bool atOnce = false;
        if (!polling) {
            wait.mask = 0;
            ::ResetEvent(wait.overlapped.hEvent);
            BOOL ended = ::WaitCommEvent(m_handle, &wait.mask, &wait.overlapped);
            atOnce = ended;
            if (!ended && ::GetLastError() == ERROR_IO_PENDING) {
                wait.pending = true;
                if (::WaitForMultipleObjects(2, stopOrByte, FALSE, INFINITE) == WAIT_OBJECT_0)
                    break;
                DWORD ignored = 0;
                ended = ::GetOverlappedResult(m_handle, &wait.overlapped, &ignored, FALSE);
                wait.pending = false;
            }
            if (ended) {
                received = (wait.mask & EV_RXCHAR) != 0;
            } else {
                const DWORD error = ::GetLastError();
                const bool stopping = ::WaitForSingleObject(m_stop, 0) == WAIT_OBJECT_0;
                const winerror::FailedWait failure = winerror::failedWait(error, stopping);
                if (failure == winerror::FailedWait::Stopped)
                    break;
                if (failure == winerror::FailedWait::Gone)
                    m_gone = true;
                else
                    queued(); // marks the port gone if the line fails so too
                // A line that is there but cannot wait for a byte (a pseudo-terminal under Wine has no
                // modem lines): look every few milliseconds instead.
                polling = !m_gone;
                received = m_gone;
            }
        }
        if (polling) {
            if (::WaitForSingleObject(m_stop, 10) == WAIT_OBJECT_0)
                break;
            const DWORD waiting = queued();
            received = m_gone || (waiting > 0 && waiting != polled);
            polled = waiting;
        } else if (atOnce) {
            // Wine ends a wait at once while unread bytes remain: pause instead of spinning on them.
            if (::WaitForSingleObject(m_stop, 10) == WAIT_OBJECT_0)
                break;
        }
        if (!received)
            continue;
        QMetaObject::invokeMethod(this, [this] { onReceived(); }, Qt::QueuedConnection);
        if (::WaitForMultipleObjects(2, stopOrTaken, FALSE, INFINITE) == WAIT_OBJECT_0 || m_gone)
            break;
    }
    if (wait.pending) {
        // An empty mask ends a pending wait at once, as the documentation promises; CancelIoEx is for a
        // driver (or Wine) that does not keep that promise, and names this wait alone, never a transfer.
        // The end is waited for here, since Wine may hand it to the thread that began the wait; one
        // still pending after that is left to close(), which waits again once the handle is closed.
        ::SetCommMask(m_handle, 0);
        ::CancelIoEx(m_handle, &wait.overlapped);
        if (::WaitForSingleObject(wait.overlapped.hEvent, 200) == WAIT_OBJECT_0)
            wait.pending = false;
    }
}

// The wait the watcher left pending must end before its storage is used again or freed. Windows ends
// it when the watcher cancels it, Wine at the latest when the handle closes; a wait that never ends
// keeps its storage for good rather than have the system write into freed memory.
void WinSerialComponent::endWait()
{
    if (!m_wait->pending)
        return;
    if (::WaitForSingleObject(m_wait->overlapped.hEvent, 1000) == WAIT_OBJECT_0) {
        m_wait->pending = false;
        return;
    }
    [[maybe_unused]] CommWait *abandoned = m_wait.release();
    m_wait = std::make_unique<CommWait>();
    m_wait->overlapped.hEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
}

void WinSerialComponent::onReceived()
{
    ::SetEvent(m_taken);
    if (!portOpen())
        return;
    if (m_gone) {
        lose();
        return;
    }
    if (queued() > 0)
        emit readyRead();
}

} // namespace orvesc
