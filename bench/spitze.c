/* Runs a program and prints its peak resident memory in kB. A small parent
   of its own, since a child's peak counts what it inherited at fork. */
#include <stdio.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc < 2)
        return 2;
    pid_t kind = fork();
    if (kind == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    int status;
    struct rusage nutzung;
    if (wait4(kind, &status, 0, &nutzung) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return 1;
    printf("%ld\n", nutzung.ru_maxrss);
    return 0;
}
