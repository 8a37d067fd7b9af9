# SPDX-License-Identifier: GPL-3.0-or-later
"""A stand-in for the browser's speech (speechSynthesis and SpeechSynthesisUtterance), put into every
frame before the page's own script runs. It records what it was asked to read, in which language, with
which voice and when, as window.spokenLog, and finds its voices a moment after the page has loaded,
as Chromium does."""

import json

STUB = """(function (voices, delay) {
  window.spokenLog = [];
  if (voices === null) {
    Object.defineProperty(window, "speechSynthesis", {value: undefined, configurable: true});
    return;
  }
  var loaded = [];
  var listeners = [];
  var current = null;
  var synth = {
    speaking: false,
    speak: function (utterance) {
      window.spokenLog.push({text: utterance.text, lang: utterance.lang, at: performance.now(),
                             voice: utterance.voice ? utterance.voice.name : null});
      current = utterance;
      synth.speaking = true;
      setTimeout(function () {
        if (current !== utterance) return;
        current = null;
        synth.speaking = false;
        if (utterance.onend) utterance.onend({});
      }, 50);
    },
    cancel: function () {
      var stopped = current;
      current = null;
      synth.speaking = false;
      if (stopped && stopped.onerror) stopped.onerror({error: "interrupted"});
    },
    getVoices: function () { return loaded; },
    addEventListener: function (type, listener) { if (type === "voiceschanged") listeners.push(listener); }
  };
  Object.defineProperty(window, "speechSynthesis", {get: function () { return synth; }, configurable: true});
  window.SpeechSynthesisUtterance = function (text) { this.text = text; this.lang = ""; this.voice = null; };
  setTimeout(function () {
    loaded = voices;
    listeners.forEach(function (listener) { listener({}); });
  }, delay);
})(%s, %d);"""

ENGLISH = [{"name": "Server British", "lang": "en-GB", "localService": False},
           {"name": "Local American", "lang": "en_US", "localService": True},
           {"name": "Local German", "lang": "de-DE", "localService": True}]
GERMAN_ONLY = [{"name": "Local German", "lang": "de-DE", "localService": True}]


def install(driver, voices, delay=200):
    """Every document opened from now on gets the stand-in with these voices (None: no speech at all),
    found `delay` milliseconds after it starts; returns what remove() takes."""
    script = STUB % (json.dumps(voices), delay)
    return driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": script})["identifier"]


def remove(driver, identifier):
    driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", {"identifier": identifier})


def log(driver):
    return driver.execute_script("return window.spokenLog;")
