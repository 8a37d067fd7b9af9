// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/instructionlanguage.h"

#include <QCoreApplication>
#include <QHash>
#include <QMutex>
#include <QTranslator>

#include <memory>

namespace {

struct State
{
    QMutex mutex;
    QString programLanguage = QStringLiteral("en");
    QString folder; // empty: "translations" beside the program
    // Loaded once per language; a language whose file cannot be read holds null.
    QHash<QString, std::shared_ptr<QTranslator>> translators;
};

State &state()
{
    static State s;
    return s;
}

std::shared_ptr<QTranslator> translatorFor(const QString &code)
{
    State &s = state();
    QMutexLocker lock(&s.mutex);
    const auto found = s.translators.constFind(code);
    if (found != s.translators.constEnd())
        return *found;
    auto translator = std::make_shared<QTranslator>();
    const QString folder = s.folder.isEmpty()
        ? QCoreApplication::applicationDirPath() + QLatin1String("/translations")
        : s.folder;
    if (!translator->load(QStringLiteral("lexivane_") + code, folder))
        translator.reset();
    s.translators.insert(code, translator);
    return translator;
}

} // namespace

QStringList InstructionLanguage::codes()
{
    return {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};
}

QStringList InstructionLanguage::names()
{
    return {QStringLiteral("English"), QStringLiteral("Deutsch"), QStringLiteral("Fran\u00e7ais"),
        QStringLiteral("Espa\u00f1ol")};
}

void InstructionLanguage::setProgramLanguage(const QString &code, const QString &translationsFolder)
{
    State &s = state();
    QMutexLocker lock(&s.mutex);
    s.programLanguage = codes().contains(code) ? code : QStringLiteral("en");
    if (s.folder != translationsFolder) {
        s.folder = translationsFolder;
        s.translators.clear();
    }
}

QString InstructionLanguage::programLanguage()
{
    State &s = state();
    QMutexLocker lock(&s.mutex);
    return s.programLanguage;
}

QString InstructionLanguage::effective(const QString &code)
{
    return code.isEmpty() ? programLanguage() : code;
}

QString InstructionLanguage::translate(
    const QString &code, const char *context, const char *text, const char *disambiguation)
{
    if (code.isEmpty())
        return QCoreApplication::translate(context, text, disambiguation);
    if (code == QLatin1String("en"))
        return QString::fromUtf8(text);
    const std::shared_ptr<QTranslator> translator = translatorFor(code);
    const QString translated = translator ? translator->translate(context, text, disambiguation) : QString();
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}
