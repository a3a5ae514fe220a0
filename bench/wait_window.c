// SPDX-License-Identifier: GPL-3.0-or-later
/* Starts a program and prints, in milliseconds, how long it takes until a
 * viewable window with the given title exists on the display, its process id,
 * and the CPU time all its threads had used by then (less sensitive to other
 * load on the machine than the wall-clock time).
 * Usage: wait-window TITLE PROGRAM [ARGS...]   (the program keeps running) */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dirent.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static int find(Display *display, Window window, const char *title)
{
    char *name = NULL;
    XWindowAttributes attributes;
    if (XFetchName(display, window, &name) && name) {
        int match = strcmp(name, title) == 0;
        XFree(name);
        if (match && XGetWindowAttributes(display, window, &attributes)
            && attributes.map_state == IsViewable)
            return 1;
    }
    Window root, parent, *children = NULL;
    unsigned count = 0;
    int found = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && !found; ++i)
            found = find(display, children[i], title);
        if (children)
            XFree(children);
    }
    return found;
}

/* CPU time of every thread of a process so far, in milliseconds. */
static double cpu_ms(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
    DIR *tasks = opendir(path);
    if (!tasks)
        return -1;
    double total_ns = 0;
    struct dirent *task;
    while ((task = readdir(tasks))) {
        if (task->d_name[0] == '.')
            continue;
        char stat_path[sizeof path + sizeof task->d_name + sizeof "//schedstat"];
        snprintf(stat_path, sizeof stat_path, "%s/%s/schedstat", path, task->d_name);
        FILE *stat = fopen(stat_path, "r");
        double on_cpu_ns = 0;
        if (stat && fscanf(stat, "%lf", &on_cpu_ns) == 1)
            total_ns += on_cpu_ns;
        if (stat)
            fclose(stat);
    }
    closedir(tasks);
    return total_ns / 1e6;
}

/* Windows come and go while the tree is walked; a vanished one is no error. */
static int ignore_errors(Display *display, XErrorEvent *error)
{
    (void)display;
    (void)error;
    return 0;
}

int main(int argc, char **argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: wait-window TITLE PROGRAM [ARGS...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "wait-window: no display\n");
        return 2;
    }
    XSetErrorHandler(ignore_errors);
    double started = now_ms();
    pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    while (now_ms() - started < 30000) {
        if (find(display, DefaultRootWindow(display), argv[1])) {
            double elapsed = now_ms() - started;
            printf("%.1f %d %.1f\n", elapsed, (int)child, cpu_ms(child));
            return 0;
        }
        usleep(1000);
    }
    fprintf(stderr, "wait-window: no window titled %s\n", argv[1]);
    return 1;
}
