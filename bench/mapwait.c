/* Starts a command and prints, in microseconds, the time from its launch until the first window of
 * the given size is mapped on the X display: a launch-to-first-page timer with no polling. */
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/time.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

static long long now_us(void) {
    struct timeval tv;
    gettimeofday(&tv, NULL);
    return (long long)tv.tv_sec * 1000000 + tv.tv_usec;
}

int main(int argc, char **argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: mapwait WIDTH HEIGHT COMMAND [ARGS...]\n");
        return 2;
    }
    int want_w = atoi(argv[1]), want_h = atoi(argv[2]);
    Display *dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "mapwait: no display\n");
        return 2;
    }
    Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);
    long long start = now_us();
    pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    for (;;) {
        XEvent ev;
        XNextEvent(dpy, &ev);
        if (ev.type != MapNotify) continue;
        XWindowAttributes attrs;
        if (!XGetWindowAttributes(dpy, ev.xmap.window, &attrs)) continue;
        if (attrs.width == want_w && attrs.height == want_h) {
            long long elapsed = now_us() - start;
            printf("%lld\n", elapsed);
            fflush(stdout);
            /* Only the time matters: end the program we started. */
            kill(pid, SIGKILL);
            int status;
            waitpid(pid, &status, 0);
            return 0;
        }
    }
}
