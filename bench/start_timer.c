/* Times a program's start the way a player sees it: from launch until its main window is mapped
   and its picture is final, and the resident memory of the program's processes once shown.
   Runs natively against the X display, so Windows programs under Wine and native programs are
   timed alike.
     start_timer MIN_WIDTH MIN_HEIGHT COMMAND [ARGUMENTS...]
   prints "start_ms M rss_kib K". The picture counts as final when the window's image has not
   changed for 700 ms; the time reported is when that final image first appeared. */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double nowMs(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

static uint64_t imageHash(Display* display, Window window, int* ok) {
    XWindowAttributes attributes;
    *ok = 0;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return 0;
    XImage* image =
        XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (!image)
        return 0;
    uint64_t hash = 1469598103934665603ull; /* FNV-1a over the pixels */
    const size_t size = (size_t)image->bytes_per_line * image->height;
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ (unsigned char)image->data[i]) * 1099511628211ull;
    XDestroyImage(image);
    *ok = 1;
    return hash;
}

/* Resident memory of the process and all its descendants, in KiB. */
static long treeRssKib(pid_t root) {
    long total = 0;
    pid_t members[256];
    int count = 1;
    members[0] = root;
    for (int round = 0; round < 8; ++round) { /* descendants, a generation a round */
        DIR* proc = opendir("/proc");
        struct dirent* entry;
        while (proc && (entry = readdir(proc))) {
            pid_t pid = (pid_t)atoi(entry->d_name);
            if (pid <= 0)
                continue;
            char path[64], line[512];
            snprintf(path, sizeof path, "/proc/%d/stat", pid);
            FILE* file = fopen(path, "r");
            if (!file)
                continue;
            int parent = 0;
            if (fgets(line, sizeof line, file)) {
                char* after = strrchr(line, ')');
                if (after)
                    sscanf(after + 2, "%*c %d", &parent);
            }
            fclose(file);
            int known = 0, parentKnown = 0;
            for (int i = 0; i < count; ++i) {
                known |= members[i] == pid;
                parentKnown |= members[i] == parent;
            }
            if (!known && parentKnown && count < 256)
                members[count++] = pid;
        }
        if (proc)
            closedir(proc);
    }
    for (int i = 0; i < count; ++i) {
        char path[64], line[256];
        snprintf(path, sizeof path, "/proc/%d/status", members[i]);
        FILE* file = fopen(path, "r");
        while (file && fgets(line, sizeof line, file)) {
            long kib;
            if (sscanf(line, "VmRSS: %ld", &kib) == 1)
                total += kib;
        }
        if (file)
            fclose(file);
    }
    return total;
}

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: start_timer MIN_WIDTH MIN_HEIGHT COMMAND [ARGUMENTS...]\n");
        return 2;
    }
    const int minWidth = atoi(argv[1]), minHeight = atoi(argv[2]);
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "start_timer: no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double launched = nowMs();
    pid_t child = fork();
    if (child == 0) {
        setpgid(0, 0);
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    Window shown = 0;
    double mappedAt = 0;
    while (!shown && nowMs() - launched < 30000) {
        struct pollfd wait = {ConnectionNumber(display), POLLIN, 0};
        if (!XPending(display))
            poll(&wait, 1, 100);
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || shown)
                continue;
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, event.xmap.window, &attributes) &&
                attributes.width >= minWidth && attributes.height >= minHeight) {
                shown = event.xmap.window;
                mappedAt = nowMs();
            }
        }
    }
    int status = 0;
    if (!shown) {
        fprintf(stderr, "start_timer: no window of at least %dx%d appeared\n", minWidth, minHeight);
        status = 1;
    } else {
        uint64_t lastHash = 0;
        double lastChange = mappedAt;
        while (nowMs() - lastChange < 700 && nowMs() - launched < 30000) {
            int ok;
            const uint64_t hash = imageHash(display, shown, &ok);
            if (ok && hash != lastHash) {
                lastHash = hash;
                lastChange = nowMs();
            }
            usleep(2000);
        }
        printf("start_ms %.1f map_ms %.1f rss_kib %ld\n", lastChange - launched,
               mappedAt - launched, treeRssKib(child));
    }
    kill(-child, SIGTERM);
    usleep(200000);
    kill(-child, SIGKILL);
    waitpid(child, NULL, 0);
    XCloseDisplay(display);
    return status;
}
