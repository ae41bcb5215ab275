#pragma once

// Which Win32 errors on an open COM port mean that its adapter has gone. Plain numbers (winerror.h's
// values), so that the reading is checked on Linux as well; the Windows component checks them against
// winerror.h when it is built. A driver's NTSTATUS reaches the caller as the Win32 error the system maps
// it to, which is why several codes below look unrelated to a device at first sight.
namespace orvesc::winerror {

// STATUS_NO_SUCH_DEVICE: what the USB stack answers for a device that has gone.
constexpr unsigned long FileNotFound = 2;
// STATUS_DELETE_PENDING: every call on a handle whose device is being removed, the error most often
// seen after an unplug (usbser.sys, WCH's and FTDI's drivers). The handle was opened for reading and
// writing, so on an open port it never means a refused right.
constexpr unsigned long AccessDenied = 5;
// A driver that tears its device down before the handle closes; our own handle is never stale, since
// every call on it first checks that the port is open.
constexpr unsigned long InvalidHandle = 6;
// STATUS_DEVICE_NOT_READY and STATUS_DEVICE_POWER_FAILURE: the adapter lost its USB power. A present
// serial line has no medium that could be "not ready".
constexpr unsigned long NotReady = 21;
// STATUS_INVALID_DEVICE_STATE: what framework-based (KMDF) drivers answer once surprise removal has
// purged their queues.
constexpr unsigned long BadCommand = 22;
// STATUS_UNSUCCESSFUL: the catch-all a vendor driver completes with once its USB transfers fail.
constexpr unsigned long GenFailure = 31;
// STATUS_DEVICE_DOES_NOT_EXIST.
constexpr unsigned long DevNotExist = 55;
// The USB stack's and WinUSB's word for a device gone (libusb reads it so too).
constexpr unsigned long NoSuchDevice = 433;
// STATUS_CANCELLED: a driver cancels the reads, writes and waits still pending when its device goes.
// fAbortOnError is off, so line errors abort nothing; the only cancel of ours (the watcher's wait, on
// close) is never read as a loss. Wine ends a WaitCommEvent so at once on a line without modem lines,
// though, so the watcher asks the line before it believes an aborted wait.
constexpr unsigned long OperationAborted = 995;
// STATUS_DEVICE_NOT_CONNECTED.
constexpr unsigned long DeviceNotConnected = 1167;
// STATUS_DEVICE_REMOVED.
constexpr unsigned long DeviceRemoved = 1617;

// Whether an error from a call on an open port means that its adapter was unplugged. Time-outs
// (ERROR_SEM_TIMEOUT, ERROR_COUNTER_TIMEOUT) and refused settings come from a line that is there.
constexpr bool meansDeviceGone(unsigned long error)
{
    switch (error) {
    case FileNotFound:
    case AccessDenied:
    case InvalidHandle:
    case NotReady:
    case BadCommand:
    case GenFailure:
    case DevNotExist:
    case NoSuchDevice:
    case OperationAborted:
    case DeviceNotConnected:
    case DeviceRemoved:
        return true;
    default:
        return false;
    }
}

// What the watcher makes of a WaitCommEvent that failed.
enum class FailedWait {
    Stopped,    // close() ended it (an empty mask, CancelIoEx, the handle closed): never a loss
    Gone,       // the adapter has gone
    AskTheLine, // ClearCommError decides: a loss if it fails so, else the line cannot wait and is polled
};

constexpr FailedWait failedWait(unsigned long error, bool stopping)
{
    if (stopping)
        return FailedWait::Stopped;
    if (error == OperationAborted || !meansDeviceGone(error))
        return FailedWait::AskTheLine;
    return FailedWait::Gone;
}

} // namespace orvesc::winerror
