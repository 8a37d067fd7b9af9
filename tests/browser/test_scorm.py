#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the page of a SCORM package in headless chromium, inside a frame whose parent runs a real
SCORM 1.2 runtime (scorm-again from the npm registry), and from a file with no runtime around it.

Usage: test_scorm.py --pagegen PROGRAM --template FILE --runtime scorm12.js [--axe axe.min.js]
                    [unittest args]
"""

import argparse
import functools
import http.server
import os
import shutil
import sys
import tempfile
import threading
import unittest
import xml.etree.ElementTree as ET
import zipfile
import subprocess

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import Select, WebDriverWait

import axecheck
import speechstub

ARGS = None
ENTRIES = ["He [went] home.", "She [ate] an [apple].", "Tom & <Jerry> like [caf\u00e9]."]

# The platform's side: the runtime as the window's API, every call it receives logged.
PARENT = """<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>Platform</title><link rel="icon" href="data:,">
<script src="scorm12.js"></script>
<script>
var calls = [];
window.API = new Scorm12API({autocommit: false, logLevel: 5});
["LMSInitialize", "LMSSetValue", "LMSCommit", "LMSFinish"].forEach(function (name) {
  window.API.on(name, function (element, value) {
    calls.push(element ? name + " " + element + "=" + value : name);
  });
});
// Every value the runtime refuses, with its error code.
var refused = [];
var setValue = window.API.LMSSetValue.bind(window.API);
window.API.LMSSetValue = function (element, value) {
  var result = setValue(element, value);
  var code = String(window.API.LMSGetLastError());
  if (code !== "0") refused.push(element + "=" + value + ": " + code);
  return result;
};
</script></head>
<body><iframe id="sco" src="%s/exercise.html" width="900" height="700"></iframe></body></html>
"""

CP = "{http://www.imsproject.org/xsd/imscp_rootv1p1p2}"
ADLCP = "{http://www.adlnet.org/xsd/adlcp_rootv1p2}"
MD = "{http://www.imsglobal.org/xsd/imsmd_rootv1p2p1}"


def which(name):
    path = shutil.which(name) or shutil.which(name, path="/usr/bin:/usr/lib/chromium")
    if not path:
        raise RuntimeError(name + " is not installed (see scripts/dev.sh)")
    return path


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class ScormPackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.mkdtemp(prefix="lexivane-scorm.")
        shutil.copy(ARGS.runtime, os.path.join(cls.folder, "scorm12.js"))
        handler = functools.partial(Quiet, directory=cls.folder)
        cls.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=cls.server.serve_forever, daemon=True).start()
        options = Options()
        options.binary_location = which("chromium")
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                         "--user-data-dir=" + os.path.join(cls.folder, "profile")):
            options.add_argument(argument)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        cls.driver = webdriver.Chrome(service=Service(which("chromedriver")), options=options)
        cls.driver.set_page_load_timeout(20)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.server.shutdown()
        shutil.rmtree(cls.folder, ignore_errors=True)

    def package(self, name, pass_mark, *options):
        """Writes the package, reads it back with Python's zipfile and unpacks it into a folder."""
        path = os.path.join(self.folder, name + ".zip")
        subprocess.run([ARGS.pagegen, ARGS.template, path, "--scorm", str(pass_mark), "--title", "Unit <5>",
                        *options, *ENTRIES], check=True, timeout=20)
        with zipfile.ZipFile(path) as archive:
            self.assertIsNone(archive.testzip())
            self.assertEqual(archive.namelist(), ["imsmanifest.xml", "exercise.html"])
            manifest = ET.fromstring(archive.read("imsmanifest.xml"))
            archive.extractall(os.path.join(self.folder, name))
        return manifest

    def answer(self, answers):
        WebDriverWait(self.driver, 10).until(lambda d: d.find_elements(By.ID, "check"))
        for gap, text in zip(self.driver.find_elements(By.CSS_SELECTOR, ".gap"), answers):
            gap.send_keys(text)
        self.driver.find_element(By.ID, "check").click()

    def open_in_platform(self, name):
        """Opens the package's page in the platform's frame and stays in the frame."""
        with open(os.path.join(self.folder, name + ".html"), "w", encoding="utf-8") as parent:
            parent.write(PARENT % name)
        port = self.server.server_address[1]
        self.driver.get("http://127.0.0.1:%d/%s.html" % (port, name))
        self.driver.switch_to.frame(self.driver.find_element(By.ID, "sco"))
        WebDriverWait(self.driver, 10).until(lambda d: d.find_elements(By.ID, "check"))

    def in_platform(self, name, answers):
        self.open_in_platform(name)
        self.answer(answers)
        return self.driver.find_element(By.ID, "score").text

    def retype(self, answers):
        """Replaces the gaps' contents (None keeps a gap) and presses Check."""
        for gap, text in zip(self.driver.find_elements(By.CSS_SELECTOR, ".gap"), answers):
            if text is not None:
                gap.clear()
                gap.send_keys(text)
        self.driver.find_element(By.ID, "check").click()

    def click(self, ident):
        self.driver.find_element(By.ID, ident).click()

    def runtime(self, expression):
        # From the top window or from inside the page's frame.
        return self.driver.execute_script("var API = window.parent.API, calls = window.parent.calls; return "
                                          + expression)

    def cmi(self):
        return self.runtime("JSON.parse(JSON.stringify(API.cmi))")

    def test_manifest_names_one_sco(self):
        manifest = self.package("manifest", 80)
        self.assertEqual(manifest.tag, CP + "manifest")
        self.assertEqual(manifest.find(CP + "metadata/" + CP + "schemaversion").text, "1.2")
        organizations = manifest.find(CP + "organizations")
        organization = organizations.find(CP + "organization")
        self.assertEqual(organizations.get("default"), organization.get("identifier"))
        item = organization.find(CP + "item")
        self.assertEqual(item.find(CP + "title").text, "Unit <5>")
        self.assertEqual(item.find(ADLCP + "masteryscore").text, "80")
        resources = manifest.findall(CP + "resources/" + CP + "resource")
        self.assertEqual(len(resources), 1)
        self.assertEqual(item.get("identifierref"), resources[0].get("identifier"))
        self.assertEqual(resources[0].get(ADLCP + "scormtype"), "sco")
        self.assertEqual(resources[0].get("href"), "exercise.html")
        self.assertEqual(resources[0].find(CP + "file").get("href"), "exercise.html")
        identifiers = [e.get("identifier") for e in manifest.iter() if e.get("identifier")]
        self.assertEqual(len(identifiers), len(set(identifiers)))

    def test_runtime_receives_score_status_commit_and_finish(self):
        self.package("passed", 75)
        score = self.in_platform("passed", ["went", "ate", "pear", "caf\u00e9"])
        self.assertEqual(score, "Score: 3 of 4 (75%) Score recorded: 75%")
        self.assertEqual(self.runtime("API.cmi.core.score.raw"), "75")
        self.assertEqual(self.runtime("API.cmi.core.score.min"), "0")
        self.assertEqual(self.runtime("API.cmi.core.score.max"), "100")
        self.assertEqual(self.runtime("API.cmi.core.lesson_status"), "passed")
        calls = self.runtime("calls")
        self.assertEqual(calls[0], "LMSInitialize")
        self.assertIn("LMSCommit", calls)
        self.assertNotIn("LMSFinish", calls)
        # Closing the page ends the attempt.
        self.driver.switch_to.default_content()
        self.driver.execute_script("document.getElementById('sco').src = 'about:blank'")
        WebDriverWait(self.driver, 10).until(lambda d: "LMSFinish" in d.execute_script("return calls"))
        self.assertTrue(self.runtime("API.isTerminated()"))

    def test_language_of_the_sentences_in_the_manifest_and_on_the_page(self):
        manifest = self.package("language", 80, "--language", "en-GB")
        general = manifest.find(CP + "metadata/" + MD + "lom/" + MD + "general")
        self.assertEqual(general.find(MD + "language").text, "en-GB")
        self.in_platform("language", ["went", "ate", "apple", "caf\u00e9"])
        self.assertEqual(self.runtime("API.cmi.core.lesson_status"), "passed")
        self.assertEqual(self.driver.find_element(By.CSS_SELECTOR, "ol.questions").get_attribute("lang"), "en-GB")

    def test_below_the_pass_mark_fails_and_without_one_completes(self):
        self.package("failed", 80)
        self.in_platform("failed", ["went", "ate", "pear", "caf\u00e9"])
        self.assertEqual(self.runtime("API.cmi.core.lesson_status"), "failed")
        self.assertEqual(self.runtime("API.cmi.core.score.raw"), "75")
        manifest = self.package("completed", -1)
        self.assertIsNone(manifest.find(".//" + ADLCP + "masteryscore"))
        self.in_platform("completed", ["x", "x", "x", "x"])
        self.assertEqual(self.runtime("API.cmi.core.lesson_status"), "completed")
        self.assertEqual(self.runtime("API.cmi.core.score.raw"), "0")

    def test_show_answers_waits_for_a_check_and_scores_nothing(self):
        self.package("shown", 75)
        self.open_in_platform("shown")
        self.assertFalse(self.driver.find_element(By.ID, "show-answers").is_displayed())
        # A half-done sheet is not marked and sends nothing: the first complete check counts.
        self.answer(["went"])
        self.assertEqual(self.runtime("API.cmi.core.score.raw"), "")
        self.assertNotIn("\u2713", self.driver.find_element(By.ID, "exercise").text)
        self.retype([None, "ate", "pear", "caf\u00e9"])
        self.assertEqual(self.runtime("API.cmi.core.score.raw"), "75")
        self.click("show-answers")
        self.click("check")
        self.retype(["went", "ate", "apple", "caf\u00e9"])
        self.assertEqual(self.runtime("API.cmi.core.score.raw"), "75")
        self.assertEqual(self.runtime("API.cmi.core.lesson_status"), "passed")
        # One interaction per gap, in SCORM 1.2's formats, as the first complete check left them.
        interactions = self.cmi()["interactions"]
        expected = [("q1_gap1", "went", "correct"), ("q2_gap1", "ate", "correct"),
                    ("q2_gap2", "pear", "wrong"), ("q3_gap1", "caf\u00e9", "correct")]
        self.assertEqual(len(interactions), 4)
        for n, (ident, response, result) in enumerate(expected):
            interaction = interactions[str(n)]
            self.assertEqual((interaction["id"], interaction["type"], interaction["student_response"],
                              interaction["result"]), (ident, "fill-in", response, result))
        self.assertEqual(interactions["2"]["correct_responses"]["0"]["pattern"], "apple")
        self.assertEqual(self.runtime("window.parent.refused"), [])

    def test_best_check_counts_and_shown_or_hinted_gaps_do_not(self):
        self.package("best", 80, "--best", "--hint-penalty", "25")
        self.open_in_platform("best")
        self.answer(["went", "eat", "pear", ""])
        self.assertEqual(self.runtime("API.cmi.core.score.raw"), "25")
        self.assertEqual(self.runtime("API.cmi.core.lesson_status"), "failed")
        gaps = self.driver.find_elements(By.CSS_SELECTOR, ".gap")
        # One hint in the second gap costs a quarter of it; the third gap spelled out by hints scores
        # nothing; the last typed by the pupil.
        gaps[1].clear()
        gaps[1].send_keys("a")
        self.click("hint")
        gaps[1].send_keys("e")
        gaps[2].clear()
        for _ in range(5):
            gaps[2].click()
            self.click("hint")
        self.assertEqual(gaps[2].get_attribute("value"), "apple")
        self.retype([None, None, None, "caf\u00e9"])
        self.assertEqual(self.driver.find_element(By.ID, "score").text,
                         "Score: 2.75 of 4 (69%) Score recorded: 69%")
        interactions = self.cmi()["interactions"]
        self.assertEqual([interactions[str(n)]["result"] for n in range(4)], ["correct", "0.75", "wrong", "correct"])
        # Answers shown and checked again: the best check stays.
        self.click("show-answers")
        self.click("check")
        self.assertEqual(self.runtime("API.cmi.core.score.raw"), "69")
        self.assertEqual(self.runtime("API.cmi.core.lesson_status"), "failed")
        # A reload keeps what the pupil was shown.
        self.assertRegex(self.runtime("API.cmi.suspend_data"), r"^lx1;c;ssss$")

    def test_listening_scores_as_usual_and_answers_read_aloud_count_as_shown(self):
        stub = speechstub.install(self.driver, speechstub.ENGLISH)
        try:
            self.package("listening", 50, "--listening")
            self.open_in_platform("listening")
            for button in self.speak_buttons():
                button.click()
            self.answer(["went", "ate", "pear", "caf\u00e9"])
            self.assertEqual(self.runtime("API.cmi.core.score.raw"), "75")
            self.assertEqual(speechstub.log(self.driver)[0]["text"], "He went home.")

            # After a check, the sentence read with its answers gave them away: the best check keeps
            # nothing for its gaps.
            self.package("read-aloud", 50, "--read-aloud", "--best")
            self.open_in_platform("read-aloud")
            self.answer(["went", "ate", "pear", "x"])
            self.speak_buttons()[1].click()
            WebDriverWait(self.driver, 10).until(lambda d: speechstub.log(d))
            self.assertEqual(speechstub.log(self.driver)[0]["text"], "She ate an apple.")
            self.retype([None, None, "apple", "caf\u00e9"])
            self.assertEqual(self.driver.find_element(By.ID, "score").text,
                             "Score: 2 of 4 (50%) Score recorded: 50%")
            self.assertEqual(self.runtime("API.cmi.core.score.raw"), "50")
        finally:
            speechstub.remove(self.driver, stub)

    def speak_buttons(self):
        return WebDriverWait(self.driver, 10).until(
            lambda d: [b for b in d.find_elements(By.CSS_SELECTOR, ".speak") if b.is_displayed()] or None)

    def test_drop_downs_report_choices(self):
        self.package("choice", 80, "--drop-downs")
        self.open_in_platform("choice")
        selects = self.driver.find_elements(By.CSS_SELECTOR, "select.gap")
        for select, word in zip(selects, ["went", "apple", "ate", "caf\u00e9"]):
            Select(select).select_by_value(word)
        self.click("check")
        interaction = self.cmi()["interactions"]["1"]
        options = [o.get_attribute("value") for o in Select(selects[1]).options][1:]
        letters = "abcdefghijklmnopqrstuvwxyz"
        self.assertEqual(interaction["type"], "choice")
        self.assertEqual(interaction["student_response"], letters[options.index("apple")])
        self.assertEqual(interaction["correct_responses"]["0"]["pattern"], letters[options.index("ate")])
        self.assertEqual(interaction["result"], "wrong")
        self.assertEqual(self.runtime("window.parent.refused"), [])

    def test_every_mode_passes_axe_in_the_platform(self):
        if ARGS.axe_guessed and not os.path.exists(ARGS.axe):
            self.skipTest("axe-core is not in the build's npm folder: run the browser_scorm_runtime test first")
        with open(ARGS.axe, encoding="utf-8") as script:
            source = script.read()
        found = []
        for name, options in (("typed", ()), ("drop-downs", ("--drop-downs",)), ("matching", ("--matching",))):
            self.package("axe-" + name, 80, *options)
            self.open_in_platform("axe-" + name)
            found += [name + " unchecked: " + line for line in axecheck.violations(self.driver, source)]
            self.click("check")  # incomplete: the page says so
            found += [name + " incomplete: " + line for line in axecheck.violations(self.driver, source)]
            if name == "typed":
                self.retype(["went", "ate", "pear", "x"])
            else:
                for select in self.driver.find_elements(By.CSS_SELECTOR, "select.gap"):
                    Select(select).select_by_index(1)
                self.click("check")
            found += [name + " checked: " + line for line in axecheck.violations(self.driver, source)]
            self.click("show-answers")
            found += [name + " shown: " + line for line in axecheck.violations(self.driver, source)]
        self.assertEqual(found, [], "\n".join(found))

    def test_from_a_file_without_runtime_the_page_works_alone(self):
        self.package("alone", 80)
        self.driver.get_log("browser")  # what earlier pages logged
        self.driver.get("file://" + os.path.join(self.folder, "alone", "exercise.html"))
        self.answer(["went", "ate", "apple", "caf\u00e9"])
        self.assertEqual(self.driver.find_element(By.ID, "score").text, "Score: 4 of 4 (100%)")
        errors = [entry for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]
        self.assertEqual(errors, [])


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--pagegen", required=True)
    parser.add_argument("--template", required=True)
    parser.add_argument("--runtime", required=True)
    parser.add_argument("--axe")  # beside the runtime in the npm folder, unless given
    ARGS, rest = parser.parse_known_args()
    ARGS.axe_guessed = not ARGS.axe
    if not ARGS.axe:
        modules = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(ARGS.runtime))))
        ARGS.axe = axecheck.default_path(os.path.dirname(modules))
    unittest.main(argv=[sys.argv[0]] + rest)
