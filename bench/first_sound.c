// SPDX-License-Identifier: GPL-3.0-or-later
/* Reads 16-bit stereo samples from standard input (a recording of a sink's
 * monitor) and prints the wall-clock time, in seconds, at which the first
 * sample louder than the threshold arrived. */
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

int main(int argc, char **argv)
{
    int threshold = argc > 1 ? atoi(argv[1]) : 64;
    short buffer[256];
    size_t count;
    while ((count = fread(buffer, sizeof buffer[0], 256, stdin)) > 0) {
        for (size_t i = 0; i < count; ++i) {
            if (abs(buffer[i]) > threshold) {
                struct timespec t;
                clock_gettime(CLOCK_REALTIME, &t);
                printf("%ld.%09ld\n", (long)t.tv_sec, t.tv_nsec);
                return 0;
            }
        }
    }
    return 1;
}
