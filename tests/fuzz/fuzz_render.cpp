// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise renderers with fuzzed sentences, title and extra words: what each writes is read by a
// standard reader (QXmlStreamReader, QJsonDocument, libzip for the packages) and holds every answer.
// One source, one target per renderer (FUZZ_RENDER_KIND).
#include "fuzzinput.h"

#include "data/xmltext.h"
#include "exercise/exercisemodel.h"
#include "exercise/exerciserender.h"
#include "exercise/h5pexport.h"
#include "exercise/interactivepage.h"
#include "exercise/moodleexport.h"
#include "exercise/scormpackage.h"
#include "exercise/templatefill.h"

#include <QDomDocument>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QXmlStreamReader>

#include <zip.h>

#include <optional>

namespace {

enum Kind { Sheet, Page, Moodle, Gift, H5p, Scorm };

// A text as a UTF-8 file gives it back: half a surrogate pair becomes the replacement character.
QString throughUtf8(const QString &text)
{
    return QString::fromUtf8(text.toUtf8());
}

QString lineEnds(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// The character data of a well-formed document, line ends as a parser gives them; no value when the
// document is not well-formed.
std::optional<QString> xmlText(const QByteArray &bytes)
{
    QXmlStreamReader reader(bytes);
    QString text;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::Characters)
            text += reader.text();
    }
    if (reader.hasError())
        return std::nullopt;
    return text;
}

// The members of a ZIP archive, read back with libzip.
std::optional<QMap<QString, QByteArray>> unzipped(const QByteArray &archive)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source
        = zip_source_buffer_create(archive.constData(), zip_uint64_t(archive.size()), 0, &error);
    if (!source)
        return std::nullopt;
    zip_t *zip = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!zip) {
        zip_source_free(source);
        return std::nullopt;
    }
    QMap<QString, QByteArray> members;
    bool ok = true;
    for (zip_int64_t i = 0; ok && i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t stat;
        zip_file_t *file = nullptr;
        ok = zip_stat_index(zip, zip_uint64_t(i), 0, &stat) == 0
            && (file = zip_fopen_index(zip, zip_uint64_t(i), 0));
        if (!ok)
            break;
        QByteArray data(qsizetype(stat.size), Qt::Uninitialized);
        ok = zip_fread(file, data.data(), stat.size) == zip_int64_t(stat.size);
        zip_fclose(file);
        members.insert(QString::fromUtf8(stat.name), data);
    }
    zip_close(zip);
    if (!ok)
        return std::nullopt;
    return members;
}

// The answers of every gap a pupil has something to type for.
QStringList answers(const ExerciseModel &model)
{
    QStringList all;
    for (const ExerciseQuestion &question : model.questions) {
        for (const QString &answer : question.answers()) {
            if (!answer.trimmed().isEmpty())
                all.append(answer);
        }
    }
    return all;
}

// The page's exercise block holds every question's answers as the model has them.
void checkExerciseJson(const QByteArray &json, const ExerciseModel &model, const char *what)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    FuzzInput::check(error.error == QJsonParseError::NoError && document.isObject(), what);
    const QJsonArray questions = document.object().value(QStringLiteral("questions")).toArray();
    FuzzInput::check(questions.size() == model.questions.size(), "the page holds every question");
    for (qsizetype i = 0; i < questions.size(); ++i) {
        const QJsonArray got = questions.at(i).toObject().value(QStringLiteral("answers")).toArray();
        const QStringList expected = model.questions.at(i).answers();
        FuzzInput::check(got.size() == expected.size(), "the page holds every answer");
        for (qsizetype k = 0; k < got.size(); ++k) {
            const QString answer = got.at(k).toString();
            FuzzInput::check(answer == expected.at(k) || answer == throughUtf8(expected.at(k)),
                "the page holds every answer");
        }
    }
}

} // namespace

// The first byte holds the options, the second the seed; the rest is text, UTF-16 when the first
// byte's top bit is set (so that any code unit, half a surrogate pair too, can come in), else UTF-8.
// Its first line is the title, its second the extra words (separated by commas), the others the
// output entries.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const uint8_t bits = data[0];
    ExerciseOptions options;
    options.includeQNums = bits & 1;
    options.gapWords = bits & 2;
    options.bracketWords = bits & 4;
    options.jumbleOrder = bits & 8;
    options.includeWordList = bits & 16;
    options.answerKey = true;
    options.shuffleWordList = bits & 32;
    const char *rest = reinterpret_cast<const char *>(data) + 2;
    const qsizetype restSize = qsizetype(size) - 2;
    const QString text = bits & 128
        ? QString::fromUtf16(reinterpret_cast<const char16_t *>(rest), restSize / 2)
        : QString::fromUtf8(rest, restSize);
    QStringList lines = text.split(QLatin1Char('\n'));
    const QString title = lines.takeFirst();
    const QStringList extra = lines.isEmpty() ? QStringList() : lines.takeFirst().split(QLatin1Char(','));
    if (lines.isEmpty())
        return 0;

    ExerciseModel model = ExerciseModelBuilder::build(lines, options, data[1], title);
    model.titleTyped = !title.trimmed().isEmpty();
    ExerciseModelBuilder::addDistractors(model, extra, 0, QStringList());

    switch (FUZZ_RENDER_KIND) {
    case Sheet: {
        QFile file(QStringLiteral(LEXIVANE_SOURCE_DIR "/share/templates/xhtml_exercise.htm"));
        QDomDocument page;
        FuzzInput::check(
            file.open(QIODevice::ReadOnly) && bool(page.setContent(&file)), "the template reads");
        FuzzInput::check(ExerciseRender::xhtml(page, model), "the page is filled");
        const std::optional<QString> content = xmlText(TemplateFill::xmlFile(page));
        FuzzInput::check(content.has_value(), "the page is well-formed");
        // The key lists every answer.
        for (int i = 0; i < model.questions.size(); ++i)
            FuzzInput::check(lineEnds(*content).contains(lineEnds(XmlText::clean(model.answersText(i)))),
                "the page holds every answer");
        break;
    }
    case Page: {
        InteractivePageSettings settings;
        settings.mode
            = bits & 64 ? InteractivePageSettings::Mode::Matching : InteractivePageSettings::Mode::GapFill;
        const std::optional<QByteArray> page
            = InteractivePage::render(model, settings, QByteArrayLiteral("[strExercise]"));
        FuzzInput::check(page.has_value(), "the page is made");
        checkExerciseJson(*page, model, "the page's exercise is JSON");
        break;
    }
    case Moodle: {
        // Without the word list every key word is a short-answer box of its own.
        model.options.includeWordList = false;
        const std::optional<QString> content = xmlText(MoodleExport::moodleXml(model));
        FuzzInput::check(content.has_value(), "the Moodle XML file is well-formed");
        for (const QString &answer : answers(model))
            FuzzInput::check(
                lineEnds(*content).contains(lineEnds(XmlText::clean(MoodleExport::clozeAnswer(answer)))),
                "the Moodle XML file holds every answer");
        const QByteArray matching = MoodleExport::matchingXml(model);
        FuzzInput::check(
            matching.isEmpty() || xmlText(matching).has_value(), "the matching question is well-formed");
        break;
    }
    case Gift: {
        const QByteArray bytes = MoodleExport::gift(model);
        const QString gift = QString::fromUtf8(bytes);
        FuzzInput::check(gift.toUtf8() == bytes, "the GIFT file is UTF-8");
        for (const QString &answer : answers(model))
            FuzzInput::check(gift.contains(throughUtf8(MoodleExport::giftEscaped(answer))),
                "the GIFT file holds every answer");
        break;
    }
    case H5p: {
        for (const H5PExport::Kind kind : {H5PExport::Kind::Blanks, H5PExport::Kind::DragText}) {
            const std::optional<QMap<QString, QByteArray>> members
                = unzipped(H5PExport::package(model, kind));
            FuzzInput::check(members.has_value(), "the H5P package reads back");
            FuzzInput::check(members->size() == 2, "the H5P package holds its two files");
            for (const QByteArray &json : *members) {
                QJsonParseError error;
                QJsonDocument::fromJson(json, &error);
                FuzzInput::check(error.error == QJsonParseError::NoError, "the H5P package's files are JSON");
            }
        }
        break;
    }
    case Scorm: {
        const std::optional<QByteArray> archive
            = ScormPackage::package(model, InteractivePageSettings(), QByteArrayLiteral("[strExercise]"));
        FuzzInput::check(archive.has_value(), "the SCORM package is made");
        std::optional<QMap<QString, QByteArray>> members = unzipped(*archive);
        FuzzInput::check(members.has_value() && members->size() == 2, "the SCORM package reads back");
        FuzzInput::check(xmlText(members->value(QStringLiteral("imsmanifest.xml"))).has_value(),
            "the SCORM manifest is well-formed");
        members->remove(QStringLiteral("imsmanifest.xml"));
        checkExerciseJson(members->first(), model, "the SCORM page's exercise is JSON");
        break;
    }
    }
    return 0;
}
