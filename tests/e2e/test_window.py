"""The window as a person handles it: sizing the pane, closing mid-load."""
import threading
import time
import unittest

from harness import SimulatorTestCase, sample_page, wait_until


class WindowTest(SimulatorTestCase):

    def test_screen_read_out_follows_the_window_size(self):
        self.assertEqual(self.session.screen(), (176, 192))
        for (width, height), shown in (((240, 500), (304, 240)), ((320, 400), (204, 320)),
                                       ((192, 372), (176, 192))):
            self.session.resize(width, height)
            wait_until(lambda: self.session.screen() == shown, 15, 0.3,
                       "the Screen box to read %s for %sx%s" % (shown, width, height))

    def test_pane_sized_like_a_handset_renders_pages_at_that_size(self):
        self.server.page("/size", sample_page("size", extra="<script>fetch('/report?w=' + innerWidth + "
                                                            "'&h=' + innerHeight)</script>"))
        self.session.resize(240, 516)
        wait_until(lambda: self.session.screen() == (320, 240), 15, 0.3, "a 240 x 320 pane")
        self.go_to("/size")
        report = wait_until(lambda: self.server.to("/report"), 30, message="the page's size report")
        self.assertEqual(report[0].path.split("?")[1], "w=240&h=320")

    def test_closing_while_a_slow_page_loads_exits_at_once_with_code_zero(self):
        release = threading.Event()

        def slow(handler):
            release.wait(60)  # answers only when the test ends
            handler.respond(200, "text/html", "<html>late</html>")

        self.server.routes["/slow"] = slow
        self.addCleanup(release.set)
        self.go_to("/slow")
        wait_until(lambda: self.server.to("/slow"), 30, message="the slow request")
        started = time.monotonic()
        self.session.close_window()
        self.assertEqual(self.session.wait_exit(timeout=15), 0, self.session.output())
        self.assertLess(time.monotonic() - started, 10)


if __name__ == "__main__":
    unittest.main()
