// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the database file (one headword per line) and the XML exchange document.
#include "data/lxddatabase.h"

#include "data/checkedwrite.h"
#include "data/linefile.h"
#include "data/lxditem.h"
#include "data/lxdpendingappend.h"
#include "data/lxdsentence.h"
#include "models/lxdbsentencetablemodel.h"
#include "models/lxdbwordlistmodel.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QTextStream>
#include <QXmlStreamReader>

#include <cmath>

int LxdDatabase::applicationFormatVersion()
{
    const double version = QCoreApplication::applicationVersion().toDouble();
    return int(std::trunc(version));
}

bool LxdDatabase::saveText(const QString &fileName, int version, QString *error)
{
    const bool written = CheckedWrite::writeFile(
        fileName,
        [&](QIODevice &file, QString *) {
            return LineFile::writeRecords(file, version, items.size(),
                [this, version](qsizetype i, QString &out) { items.at(i)->appendFileText(out, version); });
        },
        error);
    if (!written)
        return false;
    setModified(false);
    return true;
}

bool LxdDatabase::loadText(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;

    // The rows appear in one reset rather than one insertion each: it tells attached views the
    // same thing, far faster for a large file.
    beginModelReset();
    const qsizetype firstNew = items.size();
    const auto dropNew = [this, firstNew]() {
        for (qsizetype i = items.size() - 1; i >= firstNew; --i)
            delete items.at(i);
        items.resize(firstNew);
    };
    const bool ok = LineFile::readFile(file, dropNew, [this](QStringView line) {
        // Blank lines carry nothing; any other line is a headword, however short.
        if (line.trimmed().isEmpty())
            return;
        auto *item = new LxdItem(document, this, nullptr);
        items.append(item);
        item->readFileLine(line);
    });
    if (!ok) {
        // Unreadable, or a read error part way: nothing half-loaded stays.
        dropNew();
        endModelReset();
        return false;
    }
    endModelReset();
    wordListModel->refresh();
    // The new records were built unmarked; only those held before need clearing.
    const bool was = modified;
    modified = false;
    for (qsizetype i = 0; i < firstNew; ++i)
        items.at(i)->setModified(false);
    if (was)
        emit modifiedChanged(false);
    return true;
}

bool LxdDatabase::readPending(const QString &fileName)
{
    const auto restart = [this]() {
        pending->items.clear();
        pending->sentences.clear();
        pending->text.clear();
    };
    restart();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Each line is kept trimmed, one after another, in one text; the records point into it by
    // position, as the text may move while it grows.
    pending->text.reserve(file.size());
    return LineFile::readFile(file, restart, [this](QStringView line) {
        line = line.trimmed();
        if (line.isEmpty())
            return;
        const qsizetype base = pending->text.size();
        pending->text.append(line);
        const QStringView stored = QStringView(pending->text).sliced(base);
        const auto span = [base, origin = stored.data()](QStringView view) {
            return PendingAppend::Span {base + (view.data() - origin), view.size()};
        };
        PendingAppend::Item item;
        item.firstSentence = pending->sentences.size();
        const auto expect = [](qsizetype) {}; // one list for the whole file grows by itself
        item.headword = span(LineFile::splitRecord(stored, expect, [this, &span](QStringView part) {
            PendingAppend::Sentence &sentence = pending->sentences.emplace_back();
            QStringView text;
            sentence.stored = LxdSentence::parseFileField(part, &text, &sentence.used);
            if (sentence.stored)
                sentence.text = span(text);
        }));
        item.sentenceCount = pending->sentences.size() - item.firstSentence;
        pending->items.append(item);
    });
}

QDomElement LxdDatabase::toDomElement(int version)
{
    if (!document)
        return QDomElement();
    QDomElement itemsElement = document->createElement(QStringLiteral("items"));
    for (LxdItem *item : std::as_const(items))
        itemsElement.appendChild(item->toDomElement());
    QDomElement root = document->createElement(QStringLiteral("lexivane-vocabulary-database"));
    root.setAttribute(QStringLiteral("version"), QString::number(version));
    root.appendChild(itemsElement);
    return root;
}

QDomElement LxdDatabase::toDomElement()
{
    return toDomElement(applicationFormatVersion());
}

void LxdDatabase::fromDomElement(const QDomElement &root)
{
    setModified(true);
    const bool announce = !items.isEmpty();
    beginModelReset();
    for (qsizetype i = items.size() - 1; i >= 0; --i)
        delete items.at(i);
    items.clear();

    if (root.tagName() == QLatin1String("lexivane-vocabulary-database")) {
        const QDomElement itemsElement = root.firstChildElement(QStringLiteral("items"));
        for (QDomElement e = itemsElement.firstChildElement(QStringLiteral("item")); !e.isNull();
             e = e.nextSiblingElement(QStringLiteral("item"))) {
            auto *item = new LxdItem(document, this, nullptr);
            item->fromDomElement(e);
            items.append(item);
        }
    }
    // The database file would split a text holding "&&&" on reading; it is broken up instead.
    m_brokenTexts = 0;
    for (LxdItem *item : std::as_const(items)) {
        if (LineFile::holdsSeparator(item->m_headword)) {
            item->m_headword = LineFile::breakSeparators(item->m_headword);
            ++m_brokenTexts;
        }
        for (LxdSentence *sentence : std::as_const(item->sentences)) {
            if (LineFile::holdsSeparator(sentence->text())) {
                sentence->setText(LineFile::breakSeparators(sentence->text()));
                ++m_brokenTexts;
            }
        }
    }
    endModelReset();
    if (announce) {
        wordListModel->refresh();
        sentenceTableModel->refresh();
    }
}

bool LxdDatabase::saveXml(const QString &fileName, int version, QString *error)
{
    if (!document)
        return false;
    document->clear();
    document->appendChild(toDomElement(version));

    return CheckedWrite::writeFile(
        fileName,
        [&](QIODevice &file, QString *) {
            QTextStream stream(&file);
            stream.setEncoding(version >= 3 ? QStringConverter::Utf8 : QStringConverter::Latin1);
            document->save(stream, 3, QDomNode::EncodingFromTextStream);
            stream.flush();
            return stream.status() == QTextStream::Ok;
        },
        error);
}

bool LxdDatabase::saveXml(const QString &fileName)
{
    return saveXml(fileName, applicationFormatVersion());
}

// Whether the document nests deeper than `limit` elements. The format has four levels; a document
// nested thousands deep is corrupt or hostile, and building its tree would take minutes.
static bool nestsDeeperThan(QIODevice &device, int limit)
{
    QXmlStreamReader reader(&device);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > limit)
            return true;
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    return false;
}

bool LxdDatabase::loadXml(const QString &fileName, int *brokenTexts)
{
    if (brokenTexts)
        *brokenTexts = 0;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (nestsDeeperThan(file, 256) || !file.seek(0))
        return false;
    QDomDocument scratch;
    QDomDocument *target = document ? document : &scratch;
    target->clear();
    if (!target->setContent(&file))
        return false;
    file.close();
    fromDomElement(target->documentElement());
    wordListModel->refresh();
    if (brokenTexts)
        *brokenTexts = m_brokenTexts;
    return true;
}
