"""Types into an interactive bash on a pseudo-terminal as a user would: a line with TAB (or
M-*, which puts every offer into the line), then Enter. The shell's `xptable` is a function
printing the words it gets, so what completion made of the line is read back word by word.
    python3 completion_pty.py WORK RCFILE < CASES
WORK is the test's own folder (HOME and working folder). A case is `keys|word|word...`,
keys with \\t for TAB and \\e for Escape; exit 1 when any differs."""
import os
import pty
import select
import sys
import time


def read_until(fd, marker, timeout):
    """What the terminal shows up to `marker`, or until the timeout when it does not come."""
    seen, deadline = b"", time.monotonic() + timeout
    while marker not in seen:
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
    return seen.decode("utf-8", "replace").replace("\r", "")


def main():
    work, rcfile = sys.argv[1], sys.argv[2]
    with open(os.path.join(work, "inputrc"), "w") as f:
        f.write("set enable-bracketed-paste off\nset bell-style none\n")
    env = {"HOME": work, "PATH": os.environ.get("PATH", "/usr/bin:/bin"), "TERM": "dumb", "LC_ALL": "C.UTF-8",
           "INPUTRC": os.path.join(work, "inputrc")}
    pid, fd = pty.fork()
    if pid == 0:
        os.chdir(work)
        os.execve("/bin/bash", ["bash", "--noprofile", "--rcfile", rcfile, "-i"], env)
    ready = b"echo READY-$((6*7))\n"
    failures = 0
    try:
        os.write(fd, ready)
        if "READY-42" not in read_until(fd, b"READY-42", 20):
            print("completion test: the shell did not start", file=sys.stderr)
            return 1
        for line in sys.stdin:
            keys, _, want = line.rstrip("\n").partition("|")
            # Readline takes the keys one by one, completing before it reads on.
            os.write(fd, (keys.replace("\\t", "\t").replace("\\e", "\x1b") + "\n").encode())
            shown = read_until(fd, b"XPTABLE-DONE", 10)
            got = [part[4:-1] for part in shown.split("\n") if part.startswith("ARG<") and part.endswith(">")]
            if got != want.split("|"):
                failures += 1
                print(f"completion test: {keys!r} gives {got!r}, not {want.split('|')!r}; the terminal "
                      f"showed {shown[-300:]!r}", file=sys.stderr)
                os.write(fd, b"\x03" + ready)  # drops a line left open (a quote) before the next
                read_until(fd, b"READY-42", 10)
    finally:
        os.close(fd)
        os.kill(pid, 9)
        os.waitpid(pid, 0)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
