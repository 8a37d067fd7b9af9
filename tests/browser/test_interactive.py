#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives self-checking web pages written by the program's renderer in headless chromium.

Usage: test_interactive.py --pagegen PROGRAM --template FILE [--axe axe.min.js] [--screenshot PNG]
                           [--choices-screenshot PNG] [unittest args]
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

from selenium import webdriver
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

import axecheck

ARGS = None

ARABIC = "\u0630\u0647\u0628 [\u0627\u0644\u0648\u0644\u062f] \u0625\u0644\u0649 \u0627\u0644\u0645\u062f\u0631\u0633\u0629."
TRICKY = 'Tom wrote <b> & "quotes" \'too\' a\\b </script> <!-- \U0001F389 in the [caf\u00e9].'
ENTRIES = ["He [went] home.", "She [ate] an [apple].", ARABIC, TRICKY]
TITLE = "Unit 5 & <friends> </script>"
CHOICE = "They [came~come~coming] late."
LONG = "Sie ist [Donaudampfschifffahrtsgesellschaftskapit\u00e4nswitwe] geworden."
# Every kind of page a pupil gets: typed gaps (with a gap of its own choices and the teacher's hint),
# the word list as drop-downs, matching, and a bare page without numbers or word list.
MODES = [("typed", ("--gap-hints", "first-letter")), ("drop-downs", ("--drop-downs",)),
         ("matching", ("--matching",)), ("bare", ("--no-numbers", "--no-word-list"))]


def contrast(first, second):
    """The WCAG contrast ratio of two CSS rgb() colours."""
    def luminance(colour):
        channels = [int(c) / 255 for c in re.findall(r"\d+", colour)[:3]]
        r, g, b = [c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4 for c in channels]
        return 0.2126 * r + 0.7152 * g + 0.0722 * b
    lighter, darker = sorted((luminance(first), luminance(second)), reverse=True)
    return (lighter + 0.05) / (darker + 0.05)


def which(name):
    path = shutil.which(name) or shutil.which(name, path="/usr/bin:/usr/lib/chromium")
    if not path:
        raise RuntimeError(name + " is not installed (see scripts/dev.sh)")
    return path


class InteractivePageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.mkdtemp(prefix="lexivane-pages.")
        options = Options()
        options.binary_location = which("chromium")
        for argument in (
            "--headless=new",
            "--no-sandbox",  # CI runs as root
            "--disable-gpu",
            "--disable-dev-shm-usage",
            "--window-size=1000,900",
            "--user-data-dir=" + os.path.join(cls.folder, "profile"),
            # The page must not need the network: any attempt fails at once.
            "--proxy-server=127.0.0.1:9",
            "--host-resolver-rules=MAP * ~NOTFOUND",
        ):
            options.add_argument(argument)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        cls.driver = webdriver.Chrome(service=Service(which("chromedriver")), options=options)
        cls.driver.set_page_load_timeout(20)
        cls.driver.set_script_timeout(10)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        shutil.rmtree(cls.folder, ignore_errors=True)

    def page(self, name, *options, entries=ENTRIES):
        path = os.path.join(self.folder, name + ".html")
        subprocess.run(
            [ARGS.pagegen, ARGS.template, path, "--title", TITLE, *options, *entries],
            check=True,
            timeout=20,
        )
        return path

    def open(self, path):
        self.driver.get("file://" + path)
        WebDriverWait(self.driver, 10).until(lambda d: d.find_elements(By.ID, "check"))
        errors = [entry for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]
        self.assertEqual(errors, [])

    def gaps(self):
        return self.driver.find_elements(By.CSS_SELECTOR, ".gap")

    def press(self, button_id):
        self.driver.find_element(By.ID, button_id).click()

    def score(self):
        return self.driver.find_element(By.ID, "score").text

    def description(self, index):
        """The gap's description in the browser's own accessibility tree, as a screen reader gets it."""
        root = self.driver.execute_cdp_cmd("DOM.getDocument", {})["root"]["nodeId"]
        gaps = self.driver.execute_cdp_cmd("DOM.querySelectorAll", {"nodeId": root, "selector": ".gap"})
        tree = self.driver.execute_cdp_cmd("Accessibility.getPartialAXTree",
                                           {"nodeId": gaps["nodeIds"][index], "fetchRelatives": False})
        return tree["nodes"][0].get("description", {}).get("value", "")

    def test_typed_answers_are_marked_and_scored(self):
        self.open(self.page("gapfill"))
        gaps = self.gaps()
        self.assertEqual(len(gaps), 5)
        self.assertEqual(gaps[2].get_attribute("aria-label"), "Gap 2 of question 2")
        self.assertEqual(int(gaps[0].get_attribute("size")), 5)  # sized to "went"
        gaps[0].send_keys("WENT")  # case does not count by default
        gaps[1].send_keys("ate ")
        gaps[2].send_keys("orange")
        gaps[4].send_keys("cafe")  # accents count by default
        self.press("check")
        self.assertEqual(self.score(), "Score: 2 of 5 (40%)")
        classes = [gap.get_attribute("class") for gap in gaps]
        self.assertEqual(classes, ["gap right", "gap right", "gap wrong", "gap wrong", "gap wrong"])
        self.assertEqual(gaps[2].get_attribute("aria-invalid"), "true")

        self.press("show-answers")
        self.assertEqual([gap.get_attribute("value") for gap in gaps],
                         ["went", "ate", "apple", "\u0627\u0644\u0648\u0644\u062f", "caf\u00e9"])
        self.press("try-again")
        self.assertEqual([gap.get_attribute("value") for gap in gaps], [""] * 5)
        self.assertEqual(self.score(), "")
        self.assertEqual(self.driver.switch_to.active_element, gaps[0])

    def test_alternatives_are_right_and_clues_stand_beside_the_box(self):
        entries = ["A [colour|color] car.", "She [went::go] home."]
        self.open(self.page("notation", "--accents-optional", entries=entries))
        gaps = self.gaps()
        self.assertEqual(len(gaps), 2)
        clues = [clue.text for clue in self.driver.find_elements(By.CSS_SELECTOR, ".clue")]
        self.assertEqual(clues, ["(go)"])
        gaps[0].send_keys("COLOR")
        gaps[1].send_keys("go")
        self.assertEqual([self.description(0), self.description(1)], ["", "(go)"])
        self.press("check")
        self.assertEqual(self.score(), "Score: 1 of 2 (50%)")
        self.assertEqual([self.description(0), self.description(1)], ["right", "wrong (go)"])
        self.press("show-answers")
        self.assertEqual([gap.get_attribute("value") for gap in gaps], ["colour", "went"])

        # Matching offers the first answers; the clue still stands beside the blank.
        self.open(self.page("notation-matching", "--matching", entries=entries))
        clues = [clue.text for clue in self.driver.find_elements(By.CSS_SELECTOR, ".clue")]
        self.assertEqual(clues, ["(go)"])
        self.assertEqual(sorted(option.text for option in Select(self.gaps()[0]).options[1:]), ["colour", "went"])

    def test_without_show_answers_and_with_gaps_of_one_width(self):
        self.open(self.page("plain", "--no-show-answers", "--same-width"))
        self.assertEqual(self.driver.find_elements(By.ID, "show-answers"), [])
        sizes = {gap.get_attribute("size") for gap in self.gaps()}
        self.assertEqual(sizes, {"6"})  # the longest answer, "apple", and one more
        self.gaps()[0].send_keys("went")
        self.press("check")
        self.assertEqual(self.score(), "Score: 1 of 5 (20%)")

    def test_hint_the_teacher_chose_stands_in_each_box(self):
        entries = ["He [went] home.", "We [ate::eat] an [ice cream]."]
        self.open(self.page("first-letter", "--gap-hints", "first-letter", entries=entries))
        self.assertEqual([gap.get_attribute("placeholder") for gap in self.gaps()], ["w\u2026", "a\u2026", "i\u2026"])
        self.open(self.page("letter-count", "--gap-hints", "letter-count", entries=entries))
        self.assertEqual([gap.get_attribute("placeholder") for gap in self.gaps()], ["(4)", "(3)", "(3 5)"])
        self.gaps()[0].send_keys("went")
        self.press("check")
        self.assertEqual(self.score(), "Score: 1 of 3 (33%)")
        # The hint in a box left empty stays readable on a checked gap's colours.
        for gap in self.gaps()[1:]:
            colours = self.driver.execute_script(
                "var s = getComputedStyle(arguments[0], '::placeholder');"
                "return [s.color, getComputedStyle(arguments[0]).backgroundColor];", gap)
            self.assertGreaterEqual(contrast(*colours), 4.5, colours)
        self.open(self.page("no-hint", entries=entries))
        self.assertEqual({gap.get_attribute("placeholder") for gap in self.gaps()}, {""})

    def test_keyboard_alone_fills_and_checks(self):
        self.open(self.page("keyboard"))
        gaps = self.gaps()
        gaps[0].click()
        active = self.driver.switch_to.active_element
        active.send_keys("went", Keys.TAB)
        self.assertEqual(self.driver.switch_to.active_element, gaps[1])
        self.driver.switch_to.active_element.send_keys("ate", Keys.ENTER)
        self.assertEqual(self.score(), "Score: 2 of 5 (40%)")

    def test_hint_gives_the_next_letter(self):
        self.open(self.page("hint"))
        gaps = self.gaps()
        gaps[0].send_keys("wx")
        self.press("hint")
        self.assertEqual(gaps[0].get_attribute("value"), "we")
        self.press("hint")
        self.assertEqual(gaps[0].get_attribute("value"), "wen")
        gaps[0].send_keys("t")
        # The gap in use is right now: the hint goes to the first gap not yet right.
        self.press("hint")
        self.assertEqual(gaps[1].get_attribute("value"), "a")
        gaps[4].send_keys("caf")
        self.press("hint")
        self.assertEqual(gaps[4].get_attribute("value"), "caf\u00e9")
        # By keyboard the pupil tabs past later gaps to reach Hint: it still helps the gap typed in.
        gaps[2].send_keys("ap")
        ActionChains(self.driver).send_keys(Keys.TAB * 4).perform()
        self.assertEqual(self.driver.switch_to.active_element.get_attribute("id"), "hint")
        ActionChains(self.driver).send_keys(Keys.ENTER).perform()
        self.assertEqual([gaps[2].get_attribute("value"), self.driver.switch_to.active_element], ["app", gaps[2]])

    def test_settings_for_case_and_accents(self):
        self.open(self.page("strict", "--case-sensitive", "--accents-optional"))
        gaps = self.gaps()
        gaps[0].send_keys("WENT")
        gaps[4].send_keys("CAFE")
        gaps[1].send_keys("ate")
        self.press("check")
        self.assertEqual(self.score(), "Score: 1 of 5 (20%)")
        gaps[0].clear()
        gaps[0].send_keys("went")
        gaps[4].clear()
        gaps[4].send_keys("cafe")
        self.press("check")
        self.assertEqual(self.score(), "Score: 3 of 5 (60%)")

    def test_drop_down_gaps_offer_the_word_list(self):
        self.open(self.page("dropdowns", "--drop-downs"))
        bank = [li.text for li in self.driver.find_elements(By.CSS_SELECTOR, ".word-bank li")]
        self.assertEqual(sorted(bank), sorted(["went", "ate", "apple", "\u0627\u0644\u0648\u0644\u062f", "caf\u00e9"]))
        gaps = self.gaps()
        self.assertEqual([gap.tag_name for gap in gaps], ["select"] * 5)
        choices = [option.text for option in Select(gaps[0]).options]
        self.assertEqual(choices[1:], bank)
        Select(gaps[0]).select_by_value("went")
        Select(gaps[1]).select_by_value("apple")
        gaps[1].send_keys(Keys.ENTER)
        self.assertEqual(self.score(), "Score: 1 of 5 (20%)")
        self.assertEqual(self.driver.find_elements(By.ID, "hint"), [])

    def test_a_gap_with_choices_is_its_own_drop_down(self):
        entries = ["She [went~goes~gone] home and [ate] an [apple]."]
        for mode in ((), ("--drop-downs",)):
            self.open(self.page("choices", *mode, entries=entries))
            gaps = self.gaps()
            self.assertEqual([gap.tag_name for gap in gaps], ["select"] + (["select"] * 2 if mode else ["input"] * 2))
            offered = [option.get_attribute("value") for option in Select(gaps[0]).options[1:]]
            self.assertEqual(sorted(offered), sorted(["went", "goes", "gone"]), mode)
            Select(gaps[0]).select_by_value("goes")
            self.press("check")
            self.assertEqual(self.score(), "Score: 0 of 3 (0%)")
            Select(gaps[0]).select_by_value("went")
            self.press("check")
            self.assertEqual(self.score(), "Score: 1 of 3 (33%)")
            self.assertEqual(gaps[0].get_attribute("class"), "gap right")
            self.press("show-answers")
            self.assertEqual(Select(gaps[0]).first_selected_option.text, "went")
        if ARGS.choices_screenshot:
            self.driver.set_window_size(640, 300)
            self.open(self.page("choices-shot", "--no-numbers", entries=entries))
            Select(self.gaps()[0]).select_by_value("went")
            self.gaps()[1].send_keys("ate")
            self.press("check")
            self.driver.save_screenshot(ARGS.choices_screenshot)
            self.driver.set_window_size(1000, 900)

    def test_matching_offers_each_sentences_key_words(self):
        self.open(self.page("matching", "--matching"))
        gaps = self.gaps()
        self.assertEqual(len(gaps), 4)
        self.assertEqual(gaps[1].get_attribute("aria-label"), "Missing words of question 2")
        choices = sorted(option.text for option in Select(gaps[0]).options[1:])
        self.assertEqual(choices, sorted(["went", "ate, apple", "\u0627\u0644\u0648\u0644\u062f", "caf\u00e9"]))
        Select(gaps[0]).select_by_visible_text("went")
        Select(gaps[1]).select_by_visible_text("ate, apple")
        Select(gaps[2]).select_by_visible_text("went")
        self.press("check")
        self.assertEqual(self.score(), "Score: 2 of 4 (50%)")
        self.press("show-answers")
        self.assertEqual(Select(gaps[3]).first_selected_option.text, "caf\u00e9")

    def test_texts_appear_exactly_and_rtl_reads_right_to_left(self):
        self.open(self.page("texts"))
        self.assertEqual(self.driver.title, TITLE)
        self.assertEqual(self.driver.find_element(By.TAG_NAME, "h1").text, TITLE)
        sentences = self.driver.execute_script(
            "return Array.from(document.querySelectorAll('.questions .sentence'), s => s.textContent);")
        self.assertEqual(sentences[3], TRICKY.replace("[caf\u00e9]", ""))
        self.assertEqual(sentences[2], ARABIC.replace("[\u0627\u0644\u0648\u0644\u062f]", ""))
        directions = self.driver.execute_script(
            "return Array.from(document.querySelectorAll('.questions li'), li => getComputedStyle(li).direction);")
        self.assertEqual(directions, ["ltr", "ltr", "rtl", "ltr"])
        # The question number stands on the sentence's own start side, inside the page.
        margins = self.driver.execute_script(
            "var s = getComputedStyle(document.querySelectorAll('.questions li')[2]);"
            "return [parseFloat(s.marginLeft), parseFloat(s.marginRight)];")
        self.assertEqual(margins[0], 0)
        self.assertGreater(margins[1], 0)
        if ARGS.screenshot:
            self.gaps()[0].send_keys("went")
            self.gaps()[2].send_keys("apples")
            self.press("check")
            self.driver.save_screenshot(ARGS.screenshot)

    def test_narrow_window_and_print_layout(self):
        # A phone, or a 640-pixel window at 200% zoom: nothing reaches past the right edge, and every
        # control is at least 24 by 24 pixels, checked or not.
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                    {"width": 320, "height": 640, "deviceScaleFactor": 2, "mobile": True})
        try:
            for name, options in MODES + [("layout", ("--no-numbers",))]:
                self.open(self.page("narrow-" + name, *options, entries=ENTRIES + [CHOICE, LONG]))
                for state in ("unchecked", "checked"):
                    overflow = self.driver.execute_script(
                        "return document.documentElement.scrollWidth - document.documentElement.clientWidth;")
                    self.assertLessEqual(overflow, 0, (name, state))
                    small = self.driver.execute_script(
                        "return Array.from(document.querySelectorAll('button, input, select'), c => {"
                        "  var r = c.getBoundingClientRect(); return [c.id || c.getAttribute('aria-label'),"
                        "  Math.round(r.width), Math.round(r.height)]; }).filter(s => s[1] < 24 || s[2] < 24);")
                    self.assertEqual(small, [], (name, state))
                    self.press("check")
        finally:
            self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
        try:
            shown = [button.is_displayed() for button in self.driver.find_elements(By.TAG_NAME, "button")]
            self.assertEqual(shown, [False] * 4)
            self.assertTrue(self.gaps()[0].is_displayed())
        finally:
            self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})

    def test_every_mode_passes_axe_before_and_after_check(self):
        if ARGS.axe_guessed and not os.path.exists(ARGS.axe):
            self.skipTest("axe-core is not in the build's npm folder: run the browser_scorm_runtime test first")
        with open(ARGS.axe, encoding="utf-8") as script:
            source = script.read()
        found = []
        for name, options in MODES:
            self.open(self.page("axe-" + name, *options, entries=ENTRIES + [CHOICE]))
            found += [name + " unchecked: " + line for line in axecheck.violations(self.driver, source)]
            self.gaps()[0].send_keys("x")
            self.press("check")
            found += [name + " checked: " + line for line in axecheck.violations(self.driver, source)]
            self.press("show-answers")
            found += [name + " shown: " + line for line in axecheck.violations(self.driver, source)]
        self.assertEqual(found, [], "\n".join(found))

    def test_every_mode_reaches_a_full_score_by_keyboard_and_announces_it(self):
        answers = ["went", "ate", "apple", "\u0627\u0644\u0648\u0644\u062f", "caf\u00e9", "came"]
        for name, options in MODES:
            self.open(self.page("keys-" + name, *options, entries=ENTRIES + [CHOICE]))
            score = self.driver.find_element(By.ID, "score")
            self.assertEqual((score.get_attribute("aria-live"), score.text), ("polite", ""), name)
            gaps = self.gaps()
            wanted = iter(["went", "ate, apple", answers[3], "caf\u00e9", "came"] if name == "matching" else answers)
            keys = ActionChains(self.driver)
            for gap in gaps:
                keys.send_keys(Keys.TAB)
                answer = next(wanted)
                if gap.tag_name == "select":
                    values = [option.get_attribute("value") for option in Select(gap).options]
                    keys.send_keys(Keys.ARROW_DOWN * values.index(answer))
                else:
                    keys.send_keys(answer)
            keys.send_keys(Keys.ENTER).perform()
            self.assertEqual(score.text, "Score: %d of %d (100%%)" % (len(gaps), len(gaps)), name)

    def test_page_is_valid_html5_and_self_contained(self):
        tidy = which("tidy")
        for name, options in (("plain", ()), ("drop", ("--drop-downs",)), ("match", ("--matching",))):
            path = self.page("valid-" + name, *options)
            result = subprocess.run([tidy, "-q", "-e", "-utf8", path], capture_output=True, text=True, timeout=20)
            self.assertEqual((result.returncode, result.stderr), (0, ""), name)
            with open(path, encoding="utf-8") as page:
                markup = page.read()
            self.assertIsNone(re.search(r"\bsrc=|\bhref=|url\(|@import", markup))


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--pagegen", required=True)
    parser.add_argument("--template", required=True)
    # Where the build's npm folder has it, unless given.
    parser.add_argument("--axe")
    parser.add_argument("--screenshot")
    parser.add_argument("--choices-screenshot")
    ARGS, rest = parser.parse_known_args()
    ARGS.axe_guessed = not ARGS.axe
    if not ARGS.axe:
        build = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(ARGS.template))))
        ARGS.axe = axecheck.default_path(os.path.join(build, "tests", "npm"))
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
