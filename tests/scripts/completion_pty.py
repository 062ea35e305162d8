"""Drives an interactive bash on a pseudo-terminal as a user would: types a line, presses
TAB (or M-*, which puts every offer into the line), then Enter. The shell's `xptable` is a
function printing the words it gets, so what completion made of the line is read back word
for word.
    python3 completion_pty.py WORK RCFILE < CASES
WORK is the test's own folder (the shell's HOME and working folder). Each case is a line
`keys|word|word...`, keys with \\t for TAB and \\e* for M-*; exit 1 when any differs."""
import os
import pty
import select
import sys
import time

DONE = "XPTABLE-DONE"


def read_until(fd, marker, timeout):
    """What the terminal shows up to `marker`, or up to the timeout when it does not come."""
    seen, deadline = b"", time.monotonic() + timeout
    while marker.encode() not in seen:
        left = deadline - time.monotonic()
        if left <= 0 or not select.select([fd], [], [], left)[0]:
            break
        try:
            chunk = os.read(fd, 4096)
        except OSError:
            break
        if not chunk:
            break
        seen += chunk
    return seen.decode("utf-8", "replace")


def start_shell(work, rcfile):
    env = {"HOME": work, "PATH": os.environ.get("PATH", "/usr/bin:/bin"), "TERM": "dumb",
           "LC_ALL": "C.UTF-8", "INPUTRC": os.path.join(work, "inputrc"), "PS1": "$ "}
    pid, fd = pty.fork()
    if pid == 0:
        os.chdir(work)
        os.execve("/bin/bash", ["bash", "--noprofile", "--rcfile", rcfile, "-i"], env)
    return pid, fd


def main():
    work, rcfile = sys.argv[1], sys.argv[2]
    with open(os.path.join(work, "inputrc"), "w") as f:
        f.write("set enable-bracketed-paste off\nset bell-style none\nset completion-query-items 1000\n")
    pid, fd = start_shell(work, rcfile)
    failures = 0
    try:
        os.write(fd, b"echo READY-$((6*7))\n")
        if "READY-42" not in read_until(fd, "READY-42", 20):
            print("completion test: the shell did not start", file=sys.stderr)
            return 1
        for line in sys.stdin:
            keys, _, want = line.rstrip("\n").partition("|")
            typed = keys.replace("\\t", "\t").replace("\\e", "\x1b")
            # Readline takes the keys one by one, completing before it reads on.
            os.write(fd, (typed + "\n").encode())
            shown = read_until(fd, DONE, 10)
            got = [part[4:-1] for part in shown.replace("\r", "").split("\n")
                   if part.startswith("ARG<") and part.endswith(">")]
            if got != want.split("|"):
                failures += 1
                print(f"completion test: {keys!r} gives {got!r}, not {want.split('|')!r}; the terminal showed "
                      f"{shown[-300:]!r}", file=sys.stderr)
                # A line left open (a quote) or half typed is dropped before the next case.
                os.write(fd, b"\x03echo READY-$((6*7))\n")
                read_until(fd, "READY-42", 10)
    finally:
        os.close(fd)
        os.kill(pid, 9)
        os.waitpid(pid, 0)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
