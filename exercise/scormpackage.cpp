// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/scormpackage.h"

#include "data/xmltext.h"
#include "exercise/zipwriter.h"

#include <QCoreApplication>
#include <QXmlStreamWriter>

namespace {

// Runs inside the page's own script, after it has set everything up, so it can wrap check() and read
// the gaps. Every call into the runtime is guarded: a platform that misbehaves must not stop the page.
const char RuntimeScript[]
    = R"js(  // The learning platform's SCORM 1.2 runtime, when the page runs inside one.
  (function (passMark) {
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
    try {
      if (api.LMSGetValue("cmi.core.lesson_status") === "not attempted")
        api.LMSSetValue("cmi.core.lesson_status", "incomplete");
    } catch (e) {}
    var pageCheck = check;
    check = function () {
      pageCheck();
      var right = 0;
      for (var i = 0; i < gaps.length; i++)
        if (isRight(gaps[i])) right++;
      var percent = gaps.length ? Math.round((100 * right) / gaps.length) : 100;
      var status = passMark < 0 ? "completed" : percent >= passMark ? "passed" : "failed";
      try {
        api.LMSSetValue("cmi.core.score.raw", String(percent));
        api.LMSSetValue("cmi.core.score.min", "0");
        api.LMSSetValue("cmi.core.score.max", "100");
        api.LMSSetValue("cmi.core.lesson_status", status);
        api.LMSCommit("");
      } catch (e) {}
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

QByteArray manifest(const QString &title, const QString &identifier, int passMark)
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

QByteArray runtimeScript(int passMark)
{
    return QByteArray(RuntimeScript)
        .replace("%1", QByteArray::number(passMark < 0 ? -1 : qMin(passMark, 100)));
}

std::optional<QByteArray> package(const ExerciseModel &model, const InteractivePageSettings &settings,
    const QByteArray &pageTemplate, QString *error)
{
    const std::optional<QByteArray> page
        = InteractivePage::render(model, settings, pageTemplate, runtimeScript(settings.passMark));
    if (!page)
        return std::nullopt;
    const QString title
        = model.title.isEmpty() ? QCoreApplication::translate("InteractivePage", "Exercise") : model.title;
    // An XML ID that differs from package to package, so a platform keeps two exercises apart.
    const QString identifier = QStringLiteral("lexivane_%1").arg(model.seed, 8, 16, QLatin1Char('0'));
    return ZipWriter::archive(
        {{QStringLiteral("imsmanifest.xml"), manifest(XmlText::clean(title), identifier, settings.passMark)},
            {QLatin1String(PageName), *page}},
        error);
}

} // namespace ScormPackage
