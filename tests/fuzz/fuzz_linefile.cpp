// SPDX-License-Identifier: GPL-3.0-or-later
// A database file read, saved and read again: every text and used count comes back, except for what
// the line format cannot hold (white space at the ends of a line, a line break inside a text, a
// byte-order mark at the start of a line, a character that UTF-8 cannot encode).
#include "fuzzinput.h"

#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"

#include <QStringEncoder>
#include <QStringList>

#include <cstdio>

namespace {

struct Record
{
    QString headword;
    QStringList texts;
    QList<int> used;
    bool operator==(const Record &o) const
    {
        return headword == o.headword && texts == o.texts && used == o.used;
    }
};

QList<Record> records(const LxdDatabase &db)
{
    QList<Record> out;
    for (int i = 0; i < db.itemCount(); ++i) {
        Record r {db.headword(i), {}, {}};
        for (int j = 0; j < db.sentenceCount(i); ++j) {
            r.texts.append(db.sentenceAt(i, j)->text());
            r.used.append(db.sentenceAt(i, j)->used());
        }
        out.append(r);
    }
    return out;
}

// What one save and read make of a record.
QString written(const QString &text)
{
    // Through UTF-8 and back with the writer's own encoder, which turns a lone surrogate into a
    // replacement character; the "x" before keeps a mark at the start from being taken for a file's,
    // the one after makes the encoder settle a surrogate left open at the end.
    QStringEncoder encoder(QStringConverter::Utf8);
    const QByteArray bytes = encoder.encode(QLatin1Char('x') + text + QLatin1Char('x'));
    QString out = QString::fromUtf8(bytes).mid(1).chopped(1);
    out.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return out;
}

qsizetype trailingSpaceStart(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return end;
}

QList<Record> expectedAfterSave(const QList<Record> &loaded)
{
    QList<Record> out;
    for (Record r : loaded) {
        r.headword = written(r.headword);
        for (QString &t : r.texts)
            t = written(t);
        // A mark at the very start of a line is dropped on reading, then the line is trimmed.
        if (r.headword.startsWith(QChar(0xFEFF)))
            r.headword.remove(0, 1);
        while (!r.headword.isEmpty() && r.headword.front().isSpace())
            r.headword.remove(0, 1);
        if (r.texts.isEmpty())
            r.headword = r.headword.trimmed();
        else
            r.texts.last().truncate(trailingSpaceStart(r.texts.last()));
        if (r.headword.isEmpty() && r.texts.isEmpty())
            continue; // a blank line
        out.append(r);
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    LxdDatabase first;
    FuzzInput::check(first.loadText(FuzzInput::write(QStringLiteral("in.lxv"), bytes)), "the file reads");
    const QString saved = FuzzInput::write(QStringLiteral("saved.lxv"), QByteArray());
    FuzzInput::check(first.saveText(saved, 3), "the database saves");
    LxdDatabase second;
    FuzzInput::check(second.loadText(saved), "the saved file reads");
    const QList<Record> got = records(second);
    const QList<Record> expected = expectedAfterSave(records(first));
    for (qsizetype i = 0; i < qMin(got.size(), expected.size()); ++i) {
        if (!(got.at(i) == expected.at(i))) {
            const auto show = [](const Record &r) {
                QString out = r.headword;
                for (qsizetype k = 0; k < r.texts.size(); ++k)
                    out += QStringLiteral("|%1#%2").arg(r.texts.at(k)).arg(r.used.at(k));
                return QString::fromLatin1(out.toUtf8().toPercentEncoding(" |#[]{}&*"));
            };
            std::fprintf(stderr, "record %lld\n got      %s\n expected %s\n", qlonglong(i),
                qPrintable(show(got.at(i))), qPrintable(show(expected.at(i))));
            break;
        }
    }
    FuzzInput::check(got == expected, "texts and counts come back");
    return 0;
}
