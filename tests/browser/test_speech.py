#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reading aloud and listening on the self-checking web page, in headless chromium, with the browser's
speech replaced by a stand-in that records what the page asks it to read.

Usage: test_speech.py --pagegen PROGRAM --template FILE --axe axe.min.js [unittest args]
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
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

import axecheck
import speechstub
from test_interactive import which

ARGS = None
ENTRIES = ["He [went] home.", "She [ate] an [apple]."]


class SpeechTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.mkdtemp(prefix="lexivane-speech.")
        options = Options()
        options.binary_location = which("chromium")
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                         "--window-size=1000,900", "--user-data-dir=" + os.path.join(cls.folder, "profile"),
                         "--proxy-server=127.0.0.1:9", "--host-resolver-rules=MAP * ~NOTFOUND"):
            options.add_argument(argument)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        cls.driver = webdriver.Chrome(service=Service(which("chromedriver")), options=options)
        cls.driver.set_page_load_timeout(20)
        cls.driver.set_script_timeout(10)
        cls.stub = None

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        shutil.rmtree(cls.folder, ignore_errors=True)

    def open(self, name, *options, voices=speechstub.ENGLISH, lang="en-GB", delay=200):
        """Writes a page whose sentences are marked as `lang` (none: the page's own language) and opens
        it with the stand-in speech."""
        path = os.path.join(self.folder, name + ".html")
        subprocess.run([ARGS.pagegen, ARGS.template, path, *options, *ENTRIES], check=True, timeout=20)
        if lang:
            with open(path, encoding="utf-8") as page:
                markup = page.read()
            with open(path, "w", encoding="utf-8") as page:
                page.write(re.sub(r'<main id="exercise"( lang="[^"]*")?', '<main id="exercise" lang="%s"' % lang,
                                  markup, count=1))
        if self.stub:
            speechstub.remove(self.driver, self.stub)
        self.stub = speechstub.install(self.driver, voices, delay)
        self.driver.get("file://" + path)
        WebDriverWait(self.driver, 10).until(lambda d: d.find_elements(By.ID, "check"))
        self.assertEqual([e for e in self.driver.get_log("browser") if e["level"] == "SEVERE"], [])

    def buttons(self):
        """The read-aloud buttons, once the page knows whether it has a voice."""
        WebDriverWait(self.driver, 10).until(lambda d: any(
            e.is_displayed() for e in d.find_elements(By.CSS_SELECTOR, ".speak, .speech-note")))
        return [b for b in self.driver.find_elements(By.CSS_SELECTOR, ".speak") if b.is_displayed()]

    def note(self):
        notes = self.driver.find_elements(By.CSS_SELECTOR, ".speech-note")
        return notes[0].text if notes and notes[0].is_displayed() else ""

    def heard(self, count):
        """The first `count` readings asked of the browser, once they were all asked."""
        WebDriverWait(self.driver, 10).until(lambda d: len(speechstub.log(d)) >= count)
        return speechstub.log(self.driver)

    def accessible_texts(self):
        """Every name and text the browser's accessibility tree gives a screen reader."""
        nodes = self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        return " ".join(n.get("name", {}).get("value", "") for n in nodes if not n.get("ignored"))

    def test_gaps_are_pauses_until_checked_then_answers_in_the_sentences_language(self):
        self.open("read", "--read-aloud")
        buttons = self.buttons()
        self.assertEqual([b.get_attribute("aria-label") for b in buttons],
                         ["Read sentence 1 aloud", "Read sentence 2 aloud"])
        self.assertEqual(self.note(), "")
        buttons[1].click()
        first = self.heard(2)
        # Each stretch between the gaps on its own, a silence of a second between them; the full stop
        # after the last gap is not read on its own. A voice on this computer before a server's.
        self.assertEqual([(s["text"], s["lang"], s["voice"]) for s in first],
                         [("She ", "en-GB", "Local American"), (" an ", "en-GB", "Local American")])
        self.assertGreaterEqual(first[1]["at"] - first[0]["at"], 1000)

        for gap, answer in zip(self.driver.find_elements(By.CSS_SELECTOR, ".gap"), ["went", "ate", "pear"]):
            gap.send_keys(answer)
        self.driver.find_element(By.ID, "check").click()
        buttons[1].click()
        self.assertEqual([s["text"] for s in self.heard(3)[2:]], ["She ate an apple."])
        # "Try again" brings the pauses back; another sentence asked for stops the one being read.
        self.driver.find_element(By.ID, "try-again").click()
        buttons[1].click()
        buttons[0].click()
        self.assertEqual([s["text"] for s in self.heard(6)[3:]], ["She ", "He ", " home."])

        # Without a language mark around the sentences, the page's own language is read; a page without
        # "Show answers" keeps its gaps silent after Check too.
        self.open("page-language", "--read-aloud", "--no-show-answers", lang=None)
        self.driver.find_element(By.ID, "check").click()
        self.buttons()[0].click()
        self.assertEqual([(s["text"], s["lang"]) for s in self.heard(2)], [("He ", "en"), (" home.", "en")])

    def test_without_a_voice_there_are_no_buttons_and_the_page_says_why(self):
        cases = [(speechstub.GERMAN_ONLY, (), "Reading aloud is not available: this browser has no English voice."),
                 (None, (), "Reading aloud is not available: this browser cannot speak."),
                 (speechstub.GERMAN_ONLY, ("--listening",),
                  "Reading aloud is not available: this browser has no English voice. "
                  "The sentences are shown instead.")]
        for voices, mode, note in cases:
            self.open("silent", "--read-aloud", *mode, voices=voices)
            self.assertEqual(self.buttons(), [], mode)
            self.assertEqual(self.note(), note)
            # Listening without a voice shows the sentences to read.
            self.assertTrue(all(g.is_displayed() for g in self.driver.find_elements(By.CSS_SELECTOR, ".gap")))
            self.assertEqual(speechstub.log(self.driver), [])
        # Voices found after the page stopped waiting still bring the buttons.
        self.open("late", "--read-aloud", delay=3000)
        self.assertEqual(self.buttons(), [])
        WebDriverWait(self.driver, 10).until(lambda d: self.note() == "")
        self.assertEqual(len(self.buttons()), 2)

    def test_listening_by_keyboard_hears_each_sentence_then_fills_it_in(self):
        self.open("listen", "--listening", "--no-word-list")
        buttons = self.buttons()
        self.assertEqual([b.get_attribute("aria-label") for b in buttons],
                         ["Listen to sentence 1", "Listen to sentence 2"])
        # Not heard yet: neither the eye nor a screen reader has the sentences.
        self.assertFalse(any(g.is_displayed() for g in self.driver.find_elements(By.CSS_SELECTOR, ".gap")))
        self.assertNotIn("home", self.accessible_texts())

        keys = ActionChains(self.driver)
        keys.send_keys(Keys.TAB, Keys.ENTER, Keys.TAB, "went", Keys.TAB, Keys.SPACE).perform()
        self.assertEqual([(s["text"], s["lang"]) for s in self.heard(2)],
                         [("He went home.", "en-GB"), ("She ate an apple.", "en-GB")])
        self.assertIn("home", self.accessible_texts())
        ActionChains(self.driver).send_keys(Keys.TAB, "ate", Keys.TAB, "apples", Keys.ENTER).perform()
        self.assertEqual(self.driver.find_element(By.ID, "score").text, "Score: 2 of 3 (67%)")
        # The checked sentence is read whole, as before.
        buttons[0].click()
        self.assertEqual(self.heard(3)[2]["text"], "He went home.")

    def test_reading_aloud_and_listening_pass_axe(self):
        with open(ARGS.axe, encoding="utf-8") as script:
            source = script.read()
        found = []
        for name, options, voices in (("read", ("--read-aloud",), speechstub.ENGLISH),
                                      ("listen", ("--listening",), speechstub.ENGLISH),
                                      ("silent", ("--listening",), speechstub.GERMAN_ONLY)):
            self.open("axe-" + name, *options, voices=voices)
            buttons = self.buttons()
            found += [name + " unheard: " + line for line in axecheck.violations(self.driver, source)]
            if buttons:
                buttons[0].click()
                found += [name + " heard: " + line for line in axecheck.violations(self.driver, source)]
            self.driver.find_element(By.ID, "check").click()
            found += [name + " checked: " + line for line in axecheck.violations(self.driver, source)]
        self.assertEqual(found, [], "\n".join(found))


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--pagegen", required=True)
    parser.add_argument("--template", required=True)
    parser.add_argument("--axe", required=True)
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
