/* Preloaded into Wine for the tests only: a pseudo-terminal has no modem lines, so Wine's serial
 * code gets ENOTTY for them and WaitCommEvent ends at once with ERROR_OPERATION_ABORTED. On a
 * terminal that refuses, the line calls answer as an idle line with DSR and CTS up, so that
 * WaitCommEvent reports received bytes as it does on a real port. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <linux/serial.h>
#include <stdarg.h>
#include <string.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

int ioctl(int fd, unsigned long request, ...)
{
    static int (*real)(int, unsigned long, ...);
    va_list args;
    void *argument;
    int result;
    int saved;

    va_start(args, request);
    argument = va_arg(args, void *);
    va_end(args);
    if (!real)
        real = (int (*)(int, unsigned long, ...))dlsym(RTLD_NEXT, "ioctl");
    result = real(fd, request, argument);
    if (result == 0 || (errno != ENOTTY && errno != EINVAL))
        return result;
    saved = errno;
    if (!isatty(fd)) {
        errno = saved;
        return result;
    }
    switch (request) {
    case TIOCMGET:
        *(int *)argument = TIOCM_DTR | TIOCM_RTS | TIOCM_DSR | TIOCM_CTS;
        return 0;
    case TIOCMSET:
    case TIOCMBIS:
    case TIOCMBIC:
        return 0;
    case TIOCGICOUNT:
        memset(argument, 0, sizeof(struct serial_icounter_struct));
        return 0;
    case TIOCSERGETLSR:
        *(unsigned int *)argument = TIOCSER_TEMT;
        return 0;
    default:
        errno = saved;
        return result;
    }
}
