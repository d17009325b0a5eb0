"""Side-by-side benchmark of the simulator against a bare QWebEngineView.

Runs baseline and simulator in turn (A B A B ...) under Xvfb and prints the
median of each measure and the ratio simulator / baseline:
  start -> window shown; start -> first page loaded (window shown, then from
  the Enter key in the address box to the page's load event);
  one link-click navigation; peak RSS summed over all the program's processes.
Usage: run.py BASELINE SIMULATOR [ROUNDS]
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from harness import RecordingServer, wait_until  # noqa: E402

PAGE = """<html><head><title>{name}</title></head><body style="margin:0">
<a href="{link}" style="display:block;width:100%;height:60px">{name}</a>
<script>addEventListener('load', function() {{ fetch('/loaded?{name}'); }});</script></body></html>"""


def start_xvfb():
    read_end, write_end = os.pipe()
    process = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-noreset", "-nolisten",
                                "tcp"], pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        number += os.read(read_end, 16)
    os.close(read_end)
    return process, ":" + number.decode().strip()


def descendants(pid):
    found, frontier = [pid], [pid]
    while frontier:
        parent = frontier.pop()
        try:
            children = open("/proc/%d/task/%d/children" % (parent, parent)).read().split()
        except OSError:
            continue
        for child in map(int, children):
            found.append(child)
            frontier.append(child)
    return found


def peak_rss_kib(pids):
    total = 0
    for pid in pids:
        try:
            for line in open("/proc/%d/status" % pid):
                if line.startswith("VmHWM:"):
                    total += int(line.split()[1])
        except OSError:
            pass
    return total


def one_run(binary, title, server, display):
    home = tempfile.mkdtemp(prefix="quorlane-bench-")
    env = dict(os.environ, DISPLAY=display, HOME=home, QTWEBENGINE_DISABLE_SANDBOX="1",
               QT_LOGGING_RULES="qt.webenginecontext.info=false", XDG_RUNTIME_DIR=home)
    env.pop("QT_QPA_PLATFORM", None)

    def xdo(*args):
        return subprocess.run(["xdotool"] + [str(a) for a in args], env=env, capture_output=True, text=True).stdout

    slug = title.split()[-1].lower()
    first, second = "/a-%s" % slug, "/b-%s" % slug
    server.page(first, PAGE.format(name=first[1:], link=second))
    server.page(second, PAGE.format(name=second[1:], link=first))
    loaded = lambda name: [r for r in server.all_requests() if r.path == "/loaded?" + name]  # noqa: E731

    started = time.monotonic()
    app = subprocess.Popen([binary], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window = wait_until(lambda: xdo("search", "--onlyvisible", "--name", "^%s$" % title).split(), 60, 0.005,
                        "the window")[0]
    shown = time.monotonic() - started

    # The same steps for both, once the window has settled: click into the
    # address box, replace its text, press Enter. The typing and the settling
    # are left out of the load time, which runs from the Enter key.
    time.sleep(1.0)
    window = wait_until(lambda: xdo("search", "--onlyvisible", "--name", "^%s$" % title).split(), 60, 0.005,
                        "the window")[0]  # the engine may have recreated it
    geometry = dict(line.split("=") for line in xdo("getwindowgeometry", "--shell", window).split())
    height = int(geometry["HEIGHT"])
    address_y = height - 10 if title == "Baseline" else height - 196 + 50
    xdo("mousemove", "--window", window, 100, address_y, "click", "1")
    xdo("key", "ctrl+a", "BackSpace")
    xdo("type", "--delay", "1", server.url(first))
    entered = time.monotonic()
    xdo("key", "Return")
    try:
        wait_until(lambda: loaded(first[1:]), 30, 0.005, "the first page")
    except AssertionError:
        print("requests", [(r.method, r.path) for r in server.all_requests()], "focus", xdo("getwindowfocus"),
              "window", window, "exit", app.poll())
        subprocess.run(["import", "-window", "root", "/tmp/bench-failure.png"], env=env)
        raise
    first_loaded = shown + (loaded(first[1:])[0].time - entered)

    xdo("mousemove", "--window", window, 60, 30)
    clicked = time.monotonic()
    xdo("click", "1")
    wait_until(lambda: loaded(second[1:]), 60, 0.005, "the linked page")
    link = loaded(second[1:])[0].time - clicked

    rss = peak_rss_kib(descendants(app.pid))
    requests = (len([r for r in server.all_requests() if r.path == first]),
                len([r for r in server.all_requests() if r.path == second]))
    app.terminate()
    try:
        app.wait(20)
    except subprocess.TimeoutExpired:
        app.kill()
    shutil.rmtree(home, ignore_errors=True)
    return {"shown": shown, "loaded": first_loaded, "link": link, "rss": rss / 1024.0, "requests": requests}


def main():
    baseline, simulator = sys.argv[1], sys.argv[2]
    rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 9
    xvfb, display = start_xvfb()
    results = {"baseline": [], "simulator": []}
    try:
        for i in range(rounds):
            for name, binary, title in (("baseline", baseline, "Baseline"),
                                        ("simulator", simulator, "Quorlane Simulator")):
                server = RecordingServer()
                try:
                    results[name].append(one_run(binary, title, server, display))
                finally:
                    server.close()
                r = results[name][-1]
                print("round %d %-9s shown %6.0f ms  loaded %6.0f ms  link %6.0f ms  rss %6.0f MiB  requests %s"
                      % (i + 1, name, r["shown"] * 1000, r["loaded"] * 1000, r["link"] * 1000, r["rss"],
                         r["requests"]), flush=True)
    finally:
        xvfb.terminate()

    print()
    print("%-34s %10s %10s %7s %7s" % ("measure (median of %d)" % rounds, "baseline", "simulator", "ratio",
                                        "target"))
    for key, label, unit, scale, target in (("shown", "start -> window shown", "ms", 1000, 1.05),
                                            ("loaded", "start -> first page loaded", "ms", 1000, 1.02),
                                            ("link", "link-click navigation", "ms", 1000, 1.05),
                                            ("rss", "peak RSS, all processes", "MiB", 1, 1.05)):
        a = statistics.median(r[key] for r in results["baseline"]) * scale
        b = statistics.median(r[key] for r in results["simulator"]) * scale
        print("%-34s %7.0f %-2s %7.0f %-2s %6.2fx %6.2fx" % (label, a, unit, b, unit, b / a, target))
    for name in ("baseline", "simulator"):
        counts = sorted(set(r["requests"] for r in results[name]))
        print("requests per navigation, %-9s (typed, link): %s" % (name, ", ".join(map(str, counts))))


if __name__ == "__main__":
    main()
