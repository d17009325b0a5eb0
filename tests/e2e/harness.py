"""Runs the built simulator in its own X server and drives it as a person would.

Each Session starts Xvfb, a private D-Bus session with the accessibility bus,
and the simulator with an empty HOME; input goes in through xdotool (XTEST),
results come back from a loopback HTTP server that records every request, and
the window's read-outs are read through the accessibility tree.
"""
import http.server
import json
import os
import shutil
import signal
import socketserver
import subprocess
import tempfile
import threading
import time
import unittest

SIMULATOR = os.environ.get("QUORLANE_SIMULATOR", "")
HERE = os.path.dirname(os.path.abspath(__file__))
SYSTEM_PYTHON = "/usr/bin/python3"

# Places of the controls: in the bottom panel (which keeps to the window's
# bottom edge), from its right edge, or in the pane.
PANEL_HEIGHT = 196
BACK = ("panel", 28, 20)
FORWARD = ("panel-right", 28, 20)
ADDRESS = ("panel", 100, 50)
XID_FIELD = ("panel", 60, 74)
XID_BUTTON = ("panel", 123, 75)
LANGUAGE = ("panel", 60, 98)
GO = ("panel", 96, 126)
LINK = ("pane", 60, 30)  # pages put their link across the top of the pane


def wait_until(condition, timeout=30.0, interval=0.05, message="condition"):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(interval)
    raise AssertionError("timed out waiting for " + message)


class Request:
    def __init__(self, method, path, headers, body):
        self.time = time.monotonic()
        self.method = method
        self.path = path
        self.headers = headers  # list of (name, value) as received
        self.body = body

    def all(self, name):
        return [v for (n, v) in self.headers if n.lower() == name.lower()]

    def header(self, name):
        values = self.all(name)
        return values[0] if values else None


class RecordingServer:
    """A loopback HTTP server: serves the routes it is given, records every request."""

    def __init__(self):
        self.routes = {}
        self.requests = []
        self.lock = threading.Lock()
        server = self

        class Handler(http.server.BaseHTTPRequestHandler):
            protocol_version = "HTTP/1.1"

            def log_message(self, *args):
                pass

            def handle_any(self):
                length = int(self.headers.get("Content-Length") or 0)
                body = self.rfile.read(length).decode("utf-8", "replace") if length else ""
                with server.lock:
                    server.requests.append(Request(self.command, self.path, list(self.headers.items()), body))
                    route = server.routes.get(self.path.split("?")[0])
                if route is None:
                    self.respond(404, "text/plain", "not found")
                elif callable(route):
                    route(self)
                else:
                    status, content_type, text = route
                    self.respond(status, content_type, text)

            def respond(self, status, content_type, text, extra=()):
                data = text.encode("utf-8")
                self.send_response(status)
                self.send_header("Content-Type", content_type)
                self.send_header("Content-Length", str(len(data)))
                self.send_header("Cache-Control", "no-store")
                for name, value in extra:
                    self.send_header(name, value)
                self.end_headers()
                self.wfile.write(data)

            def handle(self):
                try:
                    super().handle()
                except (BrokenPipeError, ConnectionResetError):
                    pass  # the browser went away, as it may

            def handle_request(self):
                try:
                    self.handle_any()
                except (BrokenPipeError, ConnectionResetError):
                    pass  # the browser went away, as it may

            do_GET = do_POST = do_HEAD = handle_request

        class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
            daemon_threads = True
            allow_reuse_address = True

        self.httpd = Server(("127.0.0.1", 0), Handler)
        self.port = self.httpd.server_address[1]
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def url(self, path):
        return "http://127.0.0.1:%d%s" % (self.port, path)

    def page(self, path, html):
        self.routes[path] = (200, "text/html; charset=utf-8", html)

    def resource(self, path, text, content_type):
        self.routes[path] = (200, content_type, text)

    def redirect(self, path, location):
        self.routes[path] = lambda h: h.respond(302, "text/plain", "", [("Location", location)])

    def to(self, path):
        with self.lock:
            return [r for r in self.requests if r.path.split("?")[0] == path]

    def all_requests(self):
        with self.lock:
            return list(self.requests)

    def close(self):
        self.httpd.shutdown()
        self.httpd.server_close()


def sample_page(name, link="/", extra=""):
    """A page whose top-level request carries the headers and whose frame,
    image, script and XHR never may."""
    return """<html><head><title>{name}</title><script src="/sub/{name}.js"></script></head>
<body style="margin:0">
<a id="link" href="{link}" style="display:block;width:100%;height:60px;background:#ccf">{name}</a>
<img src="/sub/{name}.png" width="8" height="8">
<iframe src="/sub/{name}-frame" width="40" height="20"></iframe>
<script>var x = new XMLHttpRequest(); x.open('GET', '/sub/{name}-xhr'); x.send();</script>
{extra}</body></html>""".format(name=name, link=link, extra=extra)


def subresource_paths(name):
    return ["/sub/%s.js" % name, "/sub/%s.png" % name, "/sub/%s-frame" % name, "/sub/%s-xhr" % name]


class Session:
    """Xvfb, D-Bus with the accessibility bus, and the simulator with an empty HOME."""

    def __init__(self):
        self.base = tempfile.mkdtemp(prefix="quorlane-e2e-")
        self.home = os.path.join(self.base, "home")
        os.mkdir(self.home)
        runtime = os.path.join(self.base, "runtime")
        os.mkdir(runtime, 0o700)
        self.processes = []
        self.display = self._start_xvfb()
        bus = "unix:path=" + os.path.join(self.base, "bus")
        self.env = dict(os.environ)
        self.env.update({
            "DISPLAY": self.display,
            "DBUS_SESSION_BUS_ADDRESS": bus,
            "XDG_RUNTIME_DIR": runtime,
            "NO_AT_BRIDGE": "0",
        })
        self.env.pop("QT_QPA_PLATFORM", None)
        wait_until(self._display_answers, 10, 0.05, "the X server " + self.display)
        self._spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile", "--address=" + bus])
        wait_until(lambda: os.path.exists(os.path.join(self.base, "bus")), 10, message="D-Bus")
        self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        app_env = dict(self.env)
        app_env.update({
            "HOME": self.home,
            "QTWEBENGINE_DISABLE_SANDBOX": "1",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_LOGGING_RULES": "qt.webenginecontext.info=false",
        })
        self.log = open(os.path.join(self.base, "simulator.log"), "w")
        self.app = subprocess.Popen([SIMULATOR], env=app_env, stdout=self.log, stderr=subprocess.STDOUT)
        try:
            wait_until(lambda: self.screen() is not None, 30, 0.3, "the window's accessibility tree")
            wait_until(self._find_window, 30, 0.2, "the simulator's window")
        except AssertionError as e:
            raise AssertionError("%s; simulator %s, its output:\n%s" % (
                e, "running" if self.app.poll() is None else "exited with %s" % self.app.returncode,
                self.output())) from None
        self.xdo("windowfocus", "--sync", self.window)

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        process = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-noreset",
                                    "-nolisten", "tcp"], pass_fds=(write_end,),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        self.processes.append(process)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read_end, 16)
            if not chunk:
                raise RuntimeError("Xvfb did not start")
            number += chunk
        os.close(read_end)
        return ":" + number.decode().strip()

    def _display_answers(self):
        return subprocess.run(["xdotool", "getdisplaygeometry"], env=self.env, capture_output=True).returncode == 0

    def _spawn(self, argv):
        self.processes.append(subprocess.Popen(argv, env=self.env, stdout=subprocess.DEVNULL,
                                               stderr=subprocess.DEVNULL))

    @property
    def window(self):
        """The top-level window now: the engine may recreate it as it starts."""
        return wait_until(self._find_window, 10, 0.1, "the simulator's window")

    def output(self):
        self.log.flush()
        with open(os.path.join(self.base, "simulator.log")) as log:
            return log.read()[-3000:]

    def _find_window(self):
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Quorlane Simulator$"],
                             env=self.env, capture_output=True, text=True).stdout.split()
        return out[0] if out else None

    # --- input -----------------------------------------------------------------
    def xdo(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def size(self):
        out = subprocess.run(["xdotool", "getwindowgeometry", "--shell", self.window], env=self.env,
                             capture_output=True, text=True, check=True).stdout
        values = dict(line.split("=", 1) for line in out.split())
        return int(values["WIDTH"]), int(values["HEIGHT"])

    def point(self, place):
        width, height = self.size()
        anchor, x, y = place
        if anchor == "panel":
            return x, height - PANEL_HEIGHT + y
        if anchor == "panel-right":
            return width - x, height - PANEL_HEIGHT + y
        return x, y

    def click(self, place):
        x, y = self.point(place)
        self.xdo("mousemove", "--window", self.window, x, y)
        time.sleep(0.05)
        self.xdo("click", "1")
        time.sleep(0.1)

    def type(self, text):
        self.xdo("type", "--delay", "15", text)

    def key(self, *keys):
        self.xdo("key", "--delay", "30", *keys)

    def resize(self, width, height):
        self.xdo("windowsize", "--sync", self.window, width, height)

    def close_window(self):
        """What a window manager does when the user clicks the close box."""
        script = ("import sys\nfrom Xlib import display, X, protocol\n"
                  "d = display.Display()\nw = d.create_resource_object('window', int(sys.argv[1]))\n"
                  "p = d.intern_atom('WM_PROTOCOLS'); k = d.intern_atom('WM_DELETE_WINDOW')\n"
                  "e = protocol.event.ClientMessage(window=w, client_type=p, data=(32, [k, X.CurrentTime, 0, 0, 0]))\n"
                  "w.send_event(e, event_mask=X.NoEventMask)\nd.flush()\n")
        subprocess.run([SYSTEM_PYTHON, "-c", script, self.window], env=self.env, check=True)

    # --- reading the window ----------------------------------------------------
    def tree(self):
        out = subprocess.run([SYSTEM_PYTHON, os.path.join(HERE, "accessibility_dump.py")], env=self.env,
                             capture_output=True, text=True, timeout=30).stdout
        try:
            return json.loads(out)
        except ValueError:
            return {"found": False, "nodes": []}

    def screen(self):
        """The Screen read-out: (height, width) as the window shows them."""
        nodes = self.tree()["nodes"]
        for i, node in enumerate(nodes):
            if node["name"] == "Screen":
                labels = [n["name"] for n in nodes[i + 1:] if n["depth"] == node["depth"] + 1 and n["role"] == "label"]
                numbers = [int(t) for t in labels if t.isdigit()]
                return tuple(numbers) if len(numbers) == 2 else None
        return None

    def texts(self):
        return [n["text"] for n in self.tree()["nodes"] if n["role"] == "text"]

    def error_boxes(self):
        nodes = self.tree()["nodes"]
        boxes = []
        for i, node in enumerate(nodes):
            if node["role"] in ("alert", "dialog") and node["name"] == "Quorlane Simulator":
                inner = [n["name"] for n in nodes[i + 1:i + 8] if n["role"] == "label" and n["name"]]
                boxes.append(inner)
        return boxes

    # --- the end ---------------------------------------------------------------
    def wait_exit(self, timeout=10):
        return self.app.wait(timeout=timeout)

    def files_in_home(self):
        found = []
        for root, _, files in os.walk(self.home):
            found.extend(os.path.relpath(os.path.join(root, f), self.home) for f in files)
        return found

    def close(self):
        if self.app.poll() is None:
            self.app.send_signal(signal.SIGTERM)
            try:
                self.app.wait(10)
            except subprocess.TimeoutExpired:
                self.app.kill()
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
        self.log.close()
        shutil.rmtree(self.base, ignore_errors=True)


class SimulatorTestCase(unittest.TestCase):
    """One simulator per test, against one recording server."""

    def setUp(self):
        if not SIMULATOR:
            self.fail("QUORLANE_SIMULATOR names no simulator binary")
        self.server = RecordingServer()
        self.session = Session()
        self.addCleanup(self.server.close)
        self.addCleanup(self.session.close)

    def tearDown(self):
        # The program writes nothing under HOME, whatever the test did.
        self.assertEqual(self.session.files_in_home(), [])

    # Steps a person takes.
    def go_to(self, path):
        """Types the address after the "http://" the box starts with and presses Enter."""
        self.session.click(ADDRESS)
        self.session.key("ctrl+a", "BackSpace")
        self.session.type(self.server.url(path))
        self.session.key("Return")

    def wait_for_address(self, path):
        url = self.server.url(path)
        wait_until(lambda: url in self.session.texts(), 30, 0.3, "the address box to show " + url)

    def wait_for_requests(self, path, count=1):
        return wait_until(lambda: len(self.server.to(path)) >= count and self.server.to(path), 30,
                          message="a request to " + path)

    def assert_one_request_with_block(self, path, xid, tag="en-us", method="GET"):
        requests = self.server.to(path)
        self.assertEqual(len(requests), 1, "requests to %s" % path)
        self.assertEqual(requests[0].method, method)
        self.assertEqual(requests[0].all("X-XID"), [xid])
        self.assertEqual(requests[0].all("Accept-Language"), [tag])
        return requests[0]

    def assert_subresources_without_xid(self, name):
        for path in subresource_paths(name):
            requests = wait_until(lambda: self.server.to(path), 30, message="a request to " + path)
            for request in requests:
                self.assertIsNone(request.header("X-XID"), path)

    def xid(self):
        texts = [t for t in self.session.texts() if t is not None and len(t) == 12 and not t.startswith("http")]
        self.assertTrue(texts, "no XID field text")
        return texts[0]
