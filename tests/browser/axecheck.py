# SPDX-License-Identifier: GPL-3.0-or-later
"""axe-core, from the npm registry, run in the page a Selenium driver shows: every WCAG 2.x A and AA
rule it has, reported as "rule-id: target" lines."""

import os

TAGS = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa"]


def default_path(npm_folder):
    return os.path.join(npm_folder, "node_modules", "axe-core", "axe.min.js")


def violations(driver, source):
    """The WCAG violations axe finds in the document shown now (inside the frame switched to)."""
    if not driver.execute_script("return typeof axe !== 'undefined';"):
        driver.execute_script(source)
    result = driver.execute_async_script(
        "var done = arguments[arguments.length - 1];"
        "axe.run(document, {runOnly: {type: 'tag', values: arguments[0]}})"
        ".then(function (r) { done(r.violations.map(function (v) {"
        "  return v.nodes.map(function (n) { return v.id + ': ' + n.target.join(' ') + ' ' + n.failureSummary; });"
        "})); }, function (e) { done(['axe failed: ' + e]); });",
        TAGS)
    return [line for lines in result for line in lines]
