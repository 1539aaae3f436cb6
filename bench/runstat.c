/*
 * runstat CMD [ARG...]
 *
 * Runs CMD and prints, on standard error, one line "WALL MAXRSS STATUS CPU":
 * the wall-clock seconds from fork to reaping, the child's peak resident
 * set in KiB (from wait4), its exit status (128 + signal if killed) and its
 * user plus system CPU seconds.
 * The command's own output is left alone.
 */
#define _GNU_SOURCE
#include <stdio.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: runstat CMD [ARG...]\n");
        return 2;
    }
    struct timespec t0, t1;
    clock_gettime(CLOCK_MONOTONIC, &t0);
    pid_t pid = fork();
    if (pid < 0) {
        perror("runstat: fork");
        return 2;
    }
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        perror("runstat: exec");
        _exit(127);
    }
    int st;
    struct rusage ru;
    if (wait4(pid, &st, 0, &ru) < 0) {
        perror("runstat: wait4");
        return 2;
    }
    clock_gettime(CLOCK_MONOTONIC, &t1);
    double wall = (double)(t1.tv_sec - t0.tv_sec) + (double)(t1.tv_nsec - t0.tv_nsec) / 1e9;
    int status = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
    double cpu = (double)(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
                 (double)(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
    fprintf(stderr, "%.4f %ld %d %.4f\n", wall, ru.ru_maxrss, status, cpu);
    return 0;
}
