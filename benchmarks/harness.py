"""Runs the trainer and the anchor (a bare Qt frame of the same shape) as whole
processes, interleaved, and prints one table of medians, ratios and goals.

Every program runs with the probe preloaded (LD_PRELOAD), which ends the run
once the first frame is painted or drives the measurement named in
THORNAX_PROBE from inside the process. Start-up figures come from the kernel's
accounting of each finished child (wait4): processor time of all its threads,
wall time from fork to exit, peak resident memory.

usage: harness.py BUILD_DIR [--runs N] [--skip-timeout]"""
import argparse
import os
import signal
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
QUIET = {"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}


class Programs:
    def __init__(self, build, trainer=None, anchor=None):
        self.trainer = trainer or os.path.join(build, "thornax-windows-trainer")
        self.anchor = anchor or os.path.join(build, "benchmarks", "anchor")
        self.probe = os.path.join(build, "benchmarks", "libthornax_probe.so")
        for path in (self.trainer, self.anchor, self.probe):
            if not os.path.exists(path):
                sys.exit(f"harness: {path} is missing; build first")


def probe_env(programs, mode, **extra):
    env = dict(os.environ, LD_PRELOAD=programs.probe, THORNAX_PROBE=mode, **extra)
    env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
    env.pop("QT_ACCESSIBILITY", None)
    return env


def run_accounted(command, env, limit=30):
    """Runs one process to its end; gives (processor s, wall s, peak MiB)."""
    started = time.monotonic()
    child = subprocess.Popen(command, env=env, start_new_session=True, **QUIET)
    deadline = started + limit
    while True:
        pid, status, usage = os.wait4(child.pid, os.WNOHANG)
        if pid:
            break
        if time.monotonic() > deadline:
            os.killpg(child.pid, signal.SIGKILL)
            pid, status, usage = os.wait4(child.pid, 0)
            break
        time.sleep(0.001)
    wall = time.monotonic() - started
    child.returncode = os.waitstatus_to_exitcode(status)
    if child.returncode != 0:
        raise RuntimeError(f"{command[0]} ended with {child.returncode}")
    return usage.ru_utime + usage.ru_stime, wall, usage.ru_maxrss / 1024


def run_probed(command, env, limit):
    """Runs one process with the probe writing to a file; gives what it reported."""
    with tempfile.NamedTemporaryFile("r", suffix=".probe") as out:
        env = dict(env, THORNAX_PROBE_OUT=out.name)
        child = subprocess.Popen(command, env=env, start_new_session=True, **QUIET)
        try:
            child.wait(limit)
        except subprocess.TimeoutExpired:
            pass
        finally:
            if child.poll() is None:
                os.killpg(child.pid, signal.SIGKILL)
                child.wait()
        figures = {}
        for line in out.read().splitlines():
            name, value = line.split()
            figures[name] = float(value)
        return figures


def startup(programs, runs):
    env = probe_env(programs, "firstframe", QT_QPA_PLATFORM="offscreen")
    samples = {"trainer": [], "anchor": []}
    pair = [("trainer", programs.trainer), ("anchor", programs.anchor)]
    for _ in range(2):  # warm the file cache; not counted
        for _, path in pair:
            run_accounted([path], env)
    for run in range(runs):
        for name, path in pair if run % 2 == 0 else pair[::-1]:
            samples[name].append(run_accounted([path], env))
    return {name: [statistics.median(s[i] for s in runs_) for i in range(3)]
            for name, runs_ in samples.items()}


class VirtualScreen:
    """An X server of its own (Xvfb) for what needs a real one."""

    def __enter__(self):
        for n in range(120, 200):
            if not os.path.exists(f"/tmp/.X11-unix/X{n}") and not os.path.exists(f"/tmp/.X{n}-lock"):
                break
        self.display = f":{n}"
        self.server = subprocess.Popen(["Xvfb", self.display, "-screen", "0", "1280x1024x24",
                                        "-nolisten", "tcp"], **QUIET)
        for _ in range(200):
            if os.path.exists(f"/tmp/.X11-unix/X{n}"):
                break
            time.sleep(0.05)
        time.sleep(0.3)
        return self

    def env(self, env):
        env = dict(env, DISPLAY=self.display)
        env.pop("QT_QPA_PLATFORM", None)
        env.pop("WAYLAND_DISPLAY", None)
        return env

    def __exit__(self, *exc):
        self.server.terminate()
        self.server.wait()
        return False


# Debian's own Python, which has the accessibility bindings.
SYSTEM_PYTHON = "/usr/bin/python3" if os.path.exists("/usr/bin/python3") else "python3"
SCREEN_READER = ("'{python}' '{listener}' > \"$1\" & listener=$!; "
                 "for i in $(seq 100); do [ -s \"$1\" ] && break; sleep 0.1; done; "
                 "[ -s \"$1\" ] || exit 97; "
                 "shift; \"$@\"; status=$?; kill $listener; exit $status")


def drills(programs, screen, bridge, timeout):
    """Idle share with all three drills running, under its own session bus."""
    extra = {"THORNAX_PROBE_TIMEOUT": "1"} if timeout else {}
    env = screen.env(probe_env(programs, "drills", **extra))
    command = ["dbus-run-session", "--"]
    if bridge:
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        ready = tempfile.NamedTemporaryFile(suffix=".ready")
        command += ["sh", "-c", SCREEN_READER.format(python=SYSTEM_PYTHON,
                                                         listener=os.path.join(HERE, "screenreader.py")),
                    "sh", ready.name]
    command.append(programs.trainer)
    return run_probed(command, env, limit=60)


def browser(programs, screen, runs):
    env = screen.env(probe_env(programs, "browser"))
    if os.geteuid() == 0:
        # The engine's sandbox cannot run as root; the browser shows a notice
        # instead of the page unless the one running it opts out, as here.
        env["QTWEBENGINE_DISABLE_SANDBOX"] = "1"
    reports = [run_probed(["dbus-run-session", "--", programs.trainer], env, limit=40)
               for _ in range(runs)]
    names = set().union(*reports)
    return {name: statistics.median(r[name] for r in reports if name in r) for name in names}


def typing(programs):
    return run_probed([programs.trainer], probe_env(programs, "typing", QT_QPA_PLATFORM="offscreen"),
                      limit=120)


def mark(met):
    return "met" if met else "NOT met"


def table(start, idle_off, idle_on, page, keys, runs, browser_runs):
    t, a = start["trainer"], start["anchor"]
    rows = []

    def row(what, trainer, anchor, ratio, goal, verdict):
        rows.append((what, trainer, anchor, ratio, goal, verdict))

    def fmt(value, pattern):
        return pattern % value if value is not None else "n/a"

    row(f"start-up processor time, ms (median of {runs})", fmt(t[0] * 1e3, "%.1f"),
        fmt(a[0] * 1e3, "%.1f"), "%.2fx" % (t[0] / a[0]), "<= 1.10x", mark(t[0] / a[0] <= 1.10))
    row(f"start-up wall time, ms (median of {runs})", fmt(t[1] * 1e3, "%.1f"), fmt(a[1] * 1e3, "%.1f"),
        "%.2fx" % (t[1] / a[1]), "<= 1.10x", mark(t[1] / a[1] <= 1.10))
    row(f"start-up peak memory, MiB (median of {runs})", fmt(t[2], "%.1f"), fmt(a[2], "%.1f"),
        "%+.1f MiB" % (t[2] - a[2]), "<= +4 MiB", mark(t[2] - a[2] <= 4))
    if idle_off is None:
        return print_rows(rows)
    off = idle_off.get("idle_share")
    on = idle_on.get("idle_share")
    row("idle, three drills running, bridge off, % of a core", fmt(off and off * 100, "%.2f"), "", "",
        "", "")
    row("idle, three drills running, bridge on, % of a core", fmt(on and on * 100, "%.2f"), "", "",
        "<= 0.30", mark(on is not None and on * 100 <= 0.30))
    shown = page.get("browser_window_s")
    painted = page.get("browser_page_s")
    row(f"browser window painted, s after the menu command (median of {browser_runs})",
        fmt(shown, "%.3f"), "", "", "", "")
    row(f"browser page first paint, s after the menu command (median of {browser_runs})",
        fmt(painted, "%.3f"), "", "", "<= 0.25", mark(painted is not None and painted <= 0.25))
    row("browser memory: program grows by / engine processes, MiB",
        "%s / %s" % (fmt(page.get("browser_main_growth_mib"), "%.0f"),
                     fmt(page.get("browser_engine_mib"), "%.0f")), "", "", "", "")
    for shape, label in (("lines", "1 MB in lines of 79"), ("paragraph", "1 MB in one paragraph")):
        p50 = keys.get(f"keystroke_{shape}_p50_ms")
        p99 = keys.get(f"keystroke_{shape}_p99_ms")
        row(f"keystroke, {label}, p50 / p99 ms", "%s / %s" % (fmt(p50, "%.2f"), fmt(p99, "%.2f")),
            "", "", "p99 < 4", mark(p99 is not None and p99 < 4))
    timeout = idle_on.get("timeout_s") or idle_off.get("timeout_s")
    row("Installer level-1 time-out, s after START", fmt(timeout, "%.3f"), "", "", "28.00 +- 0.02",
        mark(timeout is not None and abs(timeout - 28.0) <= 0.02) if timeout else "not run")

    print_rows(rows)


def print_rows(rows):
    header = ("measure", "trainer", "anchor", "ratio", "goal", "")
    widths = [max(len(str(r[i])) for r in rows + [header]) for i in range(6)]
    for r in [header] + rows:
        print("  ".join(str(c).ljust(w) for c, w in zip(r, widths)).rstrip())


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--runs", type=int, default=30)
    parser.add_argument("--browser-runs", type=int, default=5)
    parser.add_argument("--skip-timeout", action="store_true")
    parser.add_argument("--startup-only", action="store_true")
    parser.add_argument("--trainer", help="another build of the trainer, to compare")
    parser.add_argument("--anchor", help="another anchor, to compare")
    args = parser.parse_args()
    programs = Programs(os.path.abspath(args.build), args.trainer, args.anchor)

    print("start-up, offscreen ...", file=sys.stderr)
    start = startup(programs, args.runs)
    if args.startup_only:
        table(start, None, None, None, None, args.runs, args.browser_runs)
        return
    print("keystrokes, offscreen ...", file=sys.stderr)
    keys = typing(programs)
    with VirtualScreen() as screen:
        print("browser, on a virtual screen ...", file=sys.stderr)
        page = browser(programs, screen, args.browser_runs)
        print("idle with the three drills, bridge off ...", file=sys.stderr)
        idle_off = drills(programs, screen, bridge=False, timeout=False)
        print("idle with the three drills, bridge on, then the level-1 time-out ...", file=sys.stderr)
        idle_on = drills(programs, screen, bridge=True, timeout=not args.skip_timeout)
    table(start, idle_off, idle_on, page, keys, args.runs, args.browser_runs)


if __name__ == "__main__":
    main()
