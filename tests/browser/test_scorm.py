#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the page of a SCORM package in headless chromium, inside a frame whose parent runs a real
SCORM 1.2 runtime (scorm-again from the npm registry), and from a file with no runtime around it.

Usage: test_scorm.py --pagegen PROGRAM --template FILE --runtime scorm12.js [unittest args]
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
from selenium.webdriver.support.ui import WebDriverWait

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
</script></head>
<body><iframe id="sco" src="%s/exercise.html" width="900" height="700"></iframe></body></html>
"""

CP = "{http://www.imsproject.org/xsd/imscp_rootv1p1p2}"
ADLCP = "{http://www.adlnet.org/xsd/adlcp_rootv1p2}"


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

    def package(self, name, pass_mark):
        """Writes the package, reads it back with Python's zipfile and unpacks it into a folder."""
        path = os.path.join(self.folder, name + ".zip")
        subprocess.run([ARGS.pagegen, ARGS.template, path, "--scorm", str(pass_mark), "--title", "Unit <5>",
                        *ENTRIES], check=True, timeout=20)
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

    def in_platform(self, name, answers):
        with open(os.path.join(self.folder, name + ".html"), "w", encoding="utf-8") as parent:
            parent.write(PARENT % name)
        port = self.server.server_address[1]
        self.driver.get("http://127.0.0.1:%d/%s.html" % (port, name))
        self.driver.switch_to.frame(self.driver.find_element(By.ID, "sco"))
        self.answer(answers)
        score = self.driver.find_element(By.ID, "score").text
        self.driver.switch_to.default_content()
        return score

    def runtime(self, expression):
        return self.driver.execute_script("return " + expression)

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
        self.assertEqual(score, "Score: 3 of 4 (75%)")
        self.assertEqual(self.runtime("API.cmi.core.score.raw"), "75")
        self.assertEqual(self.runtime("API.cmi.core.score.min"), "0")
        self.assertEqual(self.runtime("API.cmi.core.score.max"), "100")
        self.assertEqual(self.runtime("API.cmi.core.lesson_status"), "passed")
        calls = self.runtime("calls")
        self.assertEqual(calls[0], "LMSInitialize")
        self.assertIn("LMSCommit", calls)
        self.assertNotIn("LMSFinish", calls)
        # Closing the page ends the attempt.
        self.driver.execute_script("document.getElementById('sco').src = 'about:blank'")
        WebDriverWait(self.driver, 10).until(lambda d: "LMSFinish" in d.execute_script("return calls"))
        self.assertTrue(self.runtime("API.isTerminated()"))

    def test_below_the_pass_mark_fails_and_without_one_completes(self):
        self.package("failed", 80)
        self.in_platform("failed", ["went", "ate", "pear", "caf\u00e9"])
        self.assertEqual(self.runtime("API.cmi.core.lesson_status"), "failed")
        self.assertEqual(self.runtime("API.cmi.core.score.raw"), "75")
        manifest = self.package("completed", -1)
        self.assertIsNone(manifest.find(".//" + ADLCP + "masteryscore"))
        self.in_platform("completed", ["x"])
        self.assertEqual(self.runtime("API.cmi.core.lesson_status"), "completed")
        self.assertEqual(self.runtime("API.cmi.core.score.raw"), "0")

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
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest)
