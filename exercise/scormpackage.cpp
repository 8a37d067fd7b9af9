// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/scormpackage.h"

#include "data/xmltext.h"
#include "exercise/instructionlanguage.h"
#include "exercise/zipwriter.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamWriter>

namespace {

// Runs inside the page's own script, after it has set everything up, so it can wrap check() and read
// the gaps. Every call into the runtime is guarded: a platform that misbehaves must not stop the page.
// The score is honest: "Show answers" waits for a check, a gap it revealed, that was read aloud with
// its answer or that hints spelled out counts as wrong, each hint costs its share of a gap, and the
// platform keeps the first complete check or the best one. What the pupil was given survives a reload
// in cmi.suspend_data.
const char RuntimeScript[]
    = R"js(  // The learning platform's SCORM 1.2 runtime, when the page runs inside one.
  (function (scorm) {
    function apiOf(win) {
      try {
        for (var depth = 0; win && depth < 16; depth++) {
          if (win.API) return win.API;
          if (win.parent === win) break;
          win = win.parent;
        }
      } catch (e) {
        // A parent from another origin: no runtime of ours.
      }
      return null;
    }
    var api = apiOf(window) || (window.opener ? apiOf(window.opener) : null);
    var started = false;
    try {
      started = api !== null && String(api.LMSInitialize("")) === "true";
    } catch (e) {
      started = false;
    }
    if (!started) return;
    function get(name) {
      try {
        return String(api.LMSGetValue(name));
      } catch (e) {
        return "";
      }
    }
    function set(name, value) {
      try {
        api.LMSSetValue(name, value);
      } catch (e) {}
    }
    if (get("cmi.core.lesson_status") === "not attempted") set("cmi.core.lesson_status", "incomplete");

    var passMark = scorm.passMark;
    var penalty = Math.min(Math.max(Number(scorm.hintPenalty) || 0, 0), 100) / 100;
    // What the platform holds already: a score from an earlier visit counts as recorded.
    var raw = get("cmi.core.score.raw");
    var recorded = raw !== "" && isFinite(Number(raw)) ? Number(raw) : null;
    var checked = recorded !== null;
    // Per gap: hints taken, spelled out by hints, revealed by "Show answers".
    var given = [];
    for (var g = 0; g < gaps.length; g++) given.push({hints: 0, spelled: false, shown: false});
    var saved = /^lx1;([c-]);([0-9a-z]*)$/.exec(get("cmi.suspend_data"));
    if (saved && saved[2].length === gaps.length) {
      checked = checked || saved[1] === "c";
      for (var s = 0; s < gaps.length; s++) {
        var code = saved[2].charAt(s);
        if (code === "s") given[s].shown = true;
        else if (code === "d") given[s].spelled = true;
        else given[s].hints = parseInt(code, 36) || 0;
      }
    }
    function save() {
      var codes = "";
      for (var i = 0; i < given.length; i++)
        codes += given[i].shown ? "s" : given[i].spelled ? "d" : Math.min(given[i].hints, 9).toString(36);
      var data = "lx1;" + (checked ? "c" : "-") + ";" + codes;
      if (data.length <= 4096) set("cmi.suspend_data", data);
    }

    function credit(i) {
      if (given[i].shown || given[i].spelled || !isRight(gaps[i])) return 0;
      return Math.max(0, 1 - given[i].hints * penalty);
    }

    // A value as SCORM 1.2 takes it: at most 255 characters, a letter pair never split.
    function limited(value) {
      var result = "";
      var parts = characters(String(value));
      for (var i = 0; i < parts.length && result.length + parts[i].length <= 255; i++) result += parts[i];
      return result;
    }
    // Interaction identifiers (letters, digits, "_" and "-") in the order of the gaps.
    var ids = [];
    for (var q = 0; q < data.questions.length; q++) {
      var count = data.questions[q].answers.length;
      if (matching) {
        if (count > 0) ids.push("q" + (q + 1));
      } else {
        for (var a = 0; a < count; a++) ids.push("q" + (q + 1) + "_gap" + (a + 1));
      }
    }
    // A drop-down list is a "choice": its entries are the characters a to z, then 0 to 9. A longer
    // list, and a typed gap, is a "fill-in" with the words themselves.
    var letters = "abcdefghijklmnopqrstuvwxyz0123456789";
    function interaction(i) {
      var gap = gaps[i];
      var item = {type: "fill-in", response: limited(value(gap)), patterns: []};
      for (var a = 0; a < gap.accepted.length; a++)
        if (item.patterns.indexOf(limited(gap.accepted[a])) < 0) item.patterns.push(limited(gap.accepted[a]));
      var options = gap.control.options;
      if (!gap.typed && options && options.length - 1 <= letters.length) {
        item.type = "choice";
        item.response = "";
        item.patterns = [];
        for (var o = 1; o < options.length; o++) {
          var letter = letters.charAt(o - 1);
          if (options[o].selected && options[o].value !== "") item.response = letter;
          for (var b = 0; b < gap.accepted.length; b++)
            if (same(options[o].value, gap.accepted[b]) && item.patterns.indexOf(letter) < 0) item.patterns.push(letter);
        }
      }
      return item;
    }

    function report(percent, credits) {
      var status = passMark < 0 ? "completed" : percent >= passMark ? "passed" : "failed";
      set("cmi.core.score.raw", String(percent));
      set("cmi.core.score.min", "0");
      set("cmi.core.score.max", "100");
      set("cmi.core.lesson_status", status);
      for (var i = 0; i < gaps.length && i < ids.length; i++) {
        var item = interaction(i);
        var base = "cmi.interactions." + i + ".";
        set(base + "id", ids[i]);
        set(base + "type", item.type);
        set(base + "student_response", item.response);
        set(base + "result", credits[i] >= 1 ? "correct" : credits[i] <= 0 ? "wrong" : credits[i].toFixed(2));
        for (var p = 0; p < item.patterns.length; p++)
          set(base + "correct_responses." + p + ".pattern", item.patterns[p]);
      }
    }

    if (showButton) {
      showButton.hidden = !checked;
      showButton.addEventListener("click", function () {
        for (var i = 0; i < given.length; i++) given[i].shown = true;
        save();
      });
    }
    // A sentence read aloud with its answers gave them as "Show answers" does.
    answersRead.push(function (read) {
      for (var i = 0; i < read.length; i++) given[gaps.indexOf(read[i])].shown = true;
      save();
    });
    if (hintButton) {
      // The values before the page's own hint runs, to see which gap it helped.
      var before = null;
      form.addEventListener("click", function (event) {
        if (event.target === hintButton) before = gaps.map(value);
      }, true);
      hintButton.addEventListener("click", function () {
        for (var i = 0; before && i < gaps.length; i++) {
          if (value(gaps[i]) === before[i]) continue;
          given[i].hints++;
          if (isRight(gaps[i])) given[i].spelled = true;
        }
        before = null;
        save();
      });
    }

    var pageCheck = check;
    check = function () {
      var complete = true;
      for (var i = 0; i < gaps.length; i++)
        if (!/\S/.test(value(gaps[i]))) complete = false;
      if (!scorm.best && recorded === null && !complete) {
        for (var k = 0; k < gaps.length; k++) setMark(gaps[k], null);
        score.textContent = scorm.text.incomplete;
        return;
      }
      pageCheck();
      var credits = [];
      var total = 0;
      for (var j = 0; j < gaps.length; j++) {
        credits.push(credit(j));
        total += credits[j];
      }
      var percent = gaps.length ? Math.round((100 * total) / gaps.length) : 100;
      if (scorm.best ? recorded === null || percent > recorded : recorded === null) {
        recorded = percent;
        report(percent, credits);
      }
      checked = true;
      save();
      try {
        api.LMSCommit("");
      } catch (e) {}
      score.textContent = format(text.score, Math.round(total * 100) / 100, gaps.length, percent) + " "
        + format(scorm.text.recorded, recorded);
      if (showButton) showButton.hidden = false;
    };
    var finished = false;
    function finish() {
      if (finished) return;
      finished = true;
      try {
        api.LMSFinish("");
      } catch (e) {}
    }
    window.addEventListener("pagehide", finish);
    window.addEventListener("beforeunload", finish);
  })(%1);
)js";

} // namespace

namespace ScormPackage {

QByteArray manifest(const QString &title, const QString &identifier, int passMark, const QString &language)
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(2);
    writer.writeStartDocument();
    const QString cp = QStringLiteral("http://www.imsproject.org/xsd/imscp_rootv1p1p2");
    const QString adlcp = QStringLiteral("http://www.adlnet.org/xsd/adlcp_rootv1p2");
    const QString xsi = QStringLiteral("http://www.w3.org/2001/XMLSchema-instance");
    writer.writeDefaultNamespace(cp);
    writer.writeNamespace(adlcp, QStringLiteral("adlcp"));
    writer.writeNamespace(xsi, QStringLiteral("xsi"));
    writer.writeStartElement(cp, QStringLiteral("manifest"));
    writer.writeAttribute(QStringLiteral("identifier"), identifier);
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    writer.writeAttribute(xsi, QStringLiteral("schemaLocation"),
        cp
            + QLatin1String(" imscp_rootv1p1p2.xsd http://www.imsglobal.org/xsd/imsmd_rootv1p2p1 "
                            "imsmd_rootv1p2p1.xsd ")
            + adlcp + QLatin1String(" adlcp_rootv1p2.xsd"));

    writer.writeStartElement(cp, QStringLiteral("metadata"));
    writer.writeTextElement(cp, QStringLiteral("schema"), QStringLiteral("ADL SCORM"));
    writer.writeTextElement(cp, QStringLiteral("schemaversion"), QStringLiteral("1.2"));
    if (!language.isEmpty()) {
        // The language of the sentences, in the IMS metadata SCORM 1.2 allows here: the title marked
        // with it, and the language of the learning object.
        const QString md = QStringLiteral("http://www.imsglobal.org/xsd/imsmd_rootv1p2p1");
        writer.writeNamespace(md, QStringLiteral("imsmd"));
        writer.writeStartElement(md, QStringLiteral("lom"));
        writer.writeStartElement(md, QStringLiteral("general"));
        writer.writeStartElement(md, QStringLiteral("title"));
        writer.writeStartElement(md, QStringLiteral("langstring"));
        writer.writeAttribute(QStringLiteral("xml:lang"), language);
        writer.writeCharacters(title);
        writer.writeEndElement(); // langstring
        writer.writeEndElement(); // title
        writer.writeTextElement(md, QStringLiteral("language"), language);
        writer.writeEndElement(); // general
        writer.writeEndElement(); // lom
    }
    writer.writeEndElement();

    const QString organization = identifier + QLatin1String("_org");
    const QString resource = identifier + QLatin1String("_page");
    writer.writeStartElement(cp, QStringLiteral("organizations"));
    writer.writeAttribute(QStringLiteral("default"), organization);
    writer.writeStartElement(cp, QStringLiteral("organization"));
    writer.writeAttribute(QStringLiteral("identifier"), organization);
    writer.writeTextElement(cp, QStringLiteral("title"), title);
    writer.writeStartElement(cp, QStringLiteral("item"));
    writer.writeAttribute(QStringLiteral("identifier"), identifier + QLatin1String("_item"));
    writer.writeAttribute(QStringLiteral("identifierref"), resource);
    writer.writeAttribute(QStringLiteral("isvisible"), QStringLiteral("true"));
    writer.writeTextElement(cp, QStringLiteral("title"), title);
    if (passMark >= 0)
        writer.writeTextElement(adlcp, QStringLiteral("masteryscore"), QString::number(passMark));
    writer.writeEndElement(); // item
    writer.writeEndElement(); // organization
    writer.writeEndElement(); // organizations

    writer.writeStartElement(cp, QStringLiteral("resources"));
    writer.writeStartElement(cp, QStringLiteral("resource"));
    writer.writeAttribute(QStringLiteral("identifier"), resource);
    writer.writeAttribute(QStringLiteral("type"), QStringLiteral("webcontent"));
    writer.writeAttribute(adlcp, QStringLiteral("scormtype"), QStringLiteral("sco"));
    writer.writeAttribute(QStringLiteral("href"), QLatin1String(PageName));
    writer.writeEmptyElement(cp, QStringLiteral("file"));
    writer.writeAttribute(QStringLiteral("href"), QLatin1String(PageName));
    writer.writeEndElement(); // resource
    writer.writeEndElement(); // resources
    writer.writeEndElement(); // manifest
    writer.writeEndDocument();
    return xml;
}

QByteArray runtimeScript(const InteractivePageSettings &settings, const QString &instructions)
{
    const auto say = [&instructions](const char *text) {
        return InstructionLanguage::translate(instructions, "ScormPackage", text);
    };
    const QJsonObject texts {
        {QStringLiteral("incomplete"),
            say(QT_TRANSLATE_NOOP("ScormPackage",
                "Answer every gap before you check: your first complete check is the score that counts."))},
        {QStringLiteral("recorded"), say(QT_TRANSLATE_NOOP("ScormPackage", "Score recorded: %1%"))},
    };
    const QJsonObject scorm {
        {QStringLiteral("passMark"), settings.passMark < 0 ? -1 : qMin(settings.passMark, 100)},
        {QStringLiteral("best"), settings.bestScore},
        {QStringLiteral("hintPenalty"), qBound(0, settings.hintPenalty, 100)},
        {QStringLiteral("text"), texts},
    };
    return QByteArray(RuntimeScript)
        .replace("%1", InteractivePage::scriptSafe(QJsonDocument(scorm).toJson(QJsonDocument::Compact)));
}

std::optional<QByteArray> package(const ExerciseModel &model, const InteractivePageSettings &settings,
    const QByteArray &pageTemplate, QString *error)
{
    const std::optional<QByteArray> page = InteractivePage::render(
        model, settings, pageTemplate, runtimeScript(settings, model.options.instructionLanguage));
    if (!page)
        return std::nullopt;
    const QString title = model.title.isEmpty()
        ? InstructionLanguage::translate(model.options.instructionLanguage, "InteractivePage", "Exercise")
        : model.title;
    // An XML ID that differs from package to package, so a platform keeps two exercises apart.
    const QString identifier = QStringLiteral("lexivane_%1").arg(model.seed, 8, 16, QLatin1Char('0'));
    return ZipWriter::archive(
        {{QStringLiteral("imsmanifest.xml"),
             manifest(XmlText::clean(title), identifier, settings.passMark, model.language)},
            {QLatin1String(PageName), *page}},
        error);
}

} // namespace ScormPackage
