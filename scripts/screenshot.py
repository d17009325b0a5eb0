"""Makes docs/screenshot.png: the simulator under Xvfb with a page loaded that
shows the headers it received. Run through scripts/screenshot.sh."""
import html
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import harness  # noqa: E402


def welcome(handler):
    xid = html.escape(handler.headers.get("X-XID", "(none)"))
    language = html.escape(handler.headers.get("Accept-Language", "(none)"))
    page = """<html><head><meta name="viewport" content="width=device-width"></head>
<body style="margin:0;font-family:sans-serif;font-size:13px">
<div style="background:#036;color:white;padding:6px">Quorlane Mobile</div>
<div style="padding:6px">Welcome, subscriber<br><b>%s</b><br><br>Language: <b>%s</b>
<ul style="padding-left:16px"><li><a href="/">News</a></li><li><a href="/">Weather</a></li>
<li><a href="/">Account</a></li></ul></div></body></html>""" % (xid, language)
    handler.respond(200, "text/html; charset=utf-8", page)


def main(output):
    server = harness.RecordingServer()
    server.routes["/"] = welcome
    session = harness.Session()
    try:
        session.resize(240, 516)  # a 240 x 320 handset screen
        harness.wait_until(lambda: session.screen() == (320, 240), 15, 0.3, "a 240 x 320 pane")
        session.click(harness.ADDRESS)
        session.key("ctrl+a", "BackSpace")
        session.type(server.url("/"))
        session.key("Return")
        harness.wait_until(lambda: server.url("/") in session.texts(), 30, 0.3, "the page")
        session.xdo("mousemove", "--window", session.window, 300, 300)  # pointer out of the way
        subprocess.run(["sleep", "1"])
        subprocess.run(["import", "-window", session.window, output], env=session.env, check=True)
    finally:
        session.close()
        server.close()


if __name__ == "__main__":
    harness.SIMULATOR = sys.argv[1]
    main(sys.argv[2])
