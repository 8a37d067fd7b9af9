// SPDX-License-Identifier: GPL-3.0-or-later
// The four template renderers with a fuzzed template and fuzzed output entries: every XML file they
// write is well-formed, attributes in the template's order, and the RTF filler copes with any bytes.
#include "fuzzinput.h"

#include "exercise/exerciserender.h"
#include "exercise/templatefill.h"

#include <QDomDocument>
#include <QXmlStreamReader>

namespace {

bool wellFormed(const QByteArray &bytes)
{
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd())
        reader.readNext();
    return !reader.hasError();
}

} // namespace

// The first byte holds the five options; the template runs to the first zero byte, the entries
// (one a line) follow it. Without a zero byte the entries are a few of every kind.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const uint8_t bits = data[0];
    ExerciseOptions options;
    options.includeQNums = bits & 1;
    options.gapWords = bits & 2;
    options.bracketWords = bits & 4;
    options.jumbleOrder = bits & 8;
    options.includeWordList = bits & 16;
    const QByteArray rest(reinterpret_cast<const char *>(data) + 1, qsizetype(size) - 1);
    const qsizetype zero = rest.indexOf('\0');
    const QByteArray templateBytes = zero < 0 ? rest : rest.left(zero);
    const QStringList entries = zero < 0
        ? QStringList {QStringLiteral("She [ate] an [apple]."), QStringLiteral("x<y&z>w [\u00e9\u732b]"),
            QStringLiteral("a] b [c [d] e"), QStringLiteral("no key"), QStringLiteral("[]")}
        : QString::fromUtf8(rest.mid(zero + 1)).split(QLatin1Char('\n'));

    const ExerciseModel model = ExerciseModelBuilder::build(entries, options, bits);
    TemplateFill::fillRtf(templateBytes, entries, entries);

    QDomDocument document;
    if (!document.setContent(templateBytes))
        return 0;
    const QDomDocument original = document.cloneNode(true).toDocument();
    if (ExerciseRender::xhtml(document, model))
        FuzzInput::check(
            wellFormed(TemplateFill::xmlFile(document, templateBytes)), "the page is well-formed");
    document = original.cloneNode(true).toDocument();
    if (ExerciseRender::jmatch(document, model))
        FuzzInput::check(
            wellFormed(TemplateFill::xmlFile(document, templateBytes)), "the JMatch file is well-formed");
    document = original.cloneNode(true).toDocument();
    if (ExerciseRender::jcloze(document, model))
        FuzzInput::check(
            wellFormed(TemplateFill::jclozeFile(document, templateBytes)), "the JCloze file is well-formed");
    return 0;
}
