"""Navigations as a person makes them, checked on the wire."""
import unittest

from harness import (ADDRESS, BACK, FORWARD, GO, LANGUAGE, LINK, XID_BUTTON, XID_FIELD, SimulatorTestCase, sample_page,
                     wait_until)


class NavigationTest(SimulatorTestCase):

    def xid_now(self):
        return self.session.texts()[1]

    def test_typed_address_and_enter(self):
        self.server.page("/typed", sample_page("typed"))
        xid = self.xid_now()
        self.go_to("/typed")
        self.wait_for_address("/typed")
        self.assert_one_request_with_block("/typed", xid)
        self.assert_subresources_without_xid("typed")

    def test_go_button(self):
        self.server.page("/clicked", sample_page("clicked"))
        xid = self.xid_now()
        self.session.click(ADDRESS)
        self.session.key("ctrl+a", "BackSpace")
        self.session.type(self.server.url("/clicked"))
        self.session.click(GO)
        self.wait_for_address("/clicked")
        self.assert_one_request_with_block("/clicked", xid)

    def test_link_click_script_navigation_and_redirect(self):
        self.server.page("/first", sample_page("first", link="/second"))
        self.server.page("/second", sample_page("second", link="/moved",
                                              extra="<script>setTimeout(function(){}, 0)</script>"))
        self.server.redirect("/moved", "/third")
        self.server.page("/third", sample_page("third", extra="<script>setTimeout(function()"
                                                            "{location.href='/fourth'}, 300)</script>"))
        self.server.page("/fourth", sample_page("fourth"))
        xid = self.xid_now()
        self.go_to("/first")
        self.wait_for_address("/first")

        self.session.click(LINK)  # a link in the page
        self.wait_for_address("/second")
        self.session.click(LINK)  # a link to a redirect, then a page that moves on by script
        self.wait_for_address("/fourth")

        for path in ("/first", "/second", "/moved", "/third", "/fourth"):
            self.assert_one_request_with_block(path, xid)
        for name in ("first", "second", "third", "fourth"):
            self.assert_subresources_without_xid(name)
        self.assertEqual(self.server.to("/second")[0].header("Referer"), self.server.url("/first"))

    def test_form_post(self):
        self.server.page("/form", """<html><body style="margin:0"><form method="post" action="/posted">
            <input type="hidden" name="msisdn" value="3247 1"><input type="submit" value="Send"
            style="display:block;width:100%;height:60px"></form></body></html>""")
        self.server.page("/posted", sample_page("posted"))
        xid = self.xid_now()
        self.go_to("/form")
        self.wait_for_address("/form")
        self.session.click(LINK)
        self.wait_for_address("/posted")
        request = self.assert_one_request_with_block("/posted", xid, method="POST")
        self.assertEqual(request.body, "msisdn=3247+1")

    def test_back_and_forward(self):
        for name in ("one", "two", "three"):
            self.server.page("/" + name, sample_page(name))
        xid = self.xid_now()
        for name in ("one", "two", "three"):
            self.go_to("/" + name)
            self.wait_for_address("/" + name)
        before = {p: len(self.server.to(p)) for p in ("/one", "/two", "/three")}

        self.session.click(BACK)
        self.wait_for_address("/two")
        self.session.click(BACK)
        self.wait_for_address("/one")
        self.session.click(FORWARD)
        self.wait_for_address("/two")
        # Each step either came from memory or made one request with the block.
        self.assertLessEqual(len(self.server.to("/one")) - before["/one"], 1)
        self.assertLessEqual(len(self.server.to("/two")) - before["/two"], 2)
        for path in ("/one", "/two", "/three"):
            for request in self.server.to(path):
                self.assertEqual(request.all("X-XID"), [xid])

    def test_language_pick_and_new_xid_apply_to_the_next_navigation(self):
        self.server.page("/before", sample_page("before", link="/after"))
        self.server.page("/after", sample_page("after"))
        first_xid = self.xid_now()
        self.go_to("/before")
        self.wait_for_address("/before")

        self.session.click(LANGUAGE)  # opens the list
        self.session.key("Down", "Down", "Return")  # en-us -> fr-be -> fr
        self.session.click(XID_BUTTON)
        second_xid = wait_until(lambda: self.xid_now() != first_xid and self.xid_now(), 10, message="a new XID")

        self.session.click(LINK)
        self.wait_for_address("/after")
        self.assert_one_request_with_block("/before", first_xid, "en-us")
        self.assert_one_request_with_block("/after", second_xid, "fr")

    def test_invalid_xid_shows_the_error_box_and_sends_nothing(self):
        self.server.page("/never", sample_page("never"))
        self.session.click(XID_FIELD)
        self.session.key("Home")
        self.session.type("GGGG")
        self.session.click(ADDRESS)
        self.session.key("ctrl+a", "BackSpace")
        self.session.type(self.server.url("/never"))
        self.session.click(GO)
        boxes = wait_until(self.session.error_boxes, 20, 0.3, "the error box")
        self.assertIn("XID must be a 12 hexadecimal character string!", boxes[0])
        self.session.key("Return")  # OK
        wait_until(lambda: not self.session.error_boxes(), 10, 0.3, "the error box to close")
        self.assertEqual(self.server.all_requests(), [])


if __name__ == "__main__":
    unittest.main()
