// SPDX-License-Identifier: GPL-3.0-or-later
#include "dbfixtures.h"

#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"

#include <QStringList>

namespace DbFixtures {

LxdItem *addHeadword(LxdDatabase &db, const QString &headword, const QList<Sentence> &sentences)
{
    LxdItem *item = db.addItem();
    for (const Sentence &s : sentences) {
        LxdSentence *sentence = item->addSentence();
        sentence->setText(s.text);
        sentence->setUsed(s.used);
    }
    item->setHeadword(headword);
    return item;
}

QString describe(const LxdItem &item)
{
    QString out = item.headword();
    for (int i = 0; i < item.sentenceCount(); ++i) {
        const LxdSentence *s = item.sentenceAt(i);
        out += QLatin1Char('|') + s->text() + QLatin1Char('#') + QString::number(s->used());
    }
    return out;
}

QString describe(const LxdDatabase &db)
{
    QStringList lines;
    for (int i = 0; i < db.itemCount(); ++i)
        lines << describe(*db.itemAt(i));
    return lines.join(QLatin1Char('\n'));
}

QByteArray crlfLines(const QList<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &line : lines)
        out += line + "\r\n";
    return out;
}

WatchedText::WatchedText(const QString &text)
    : m_text(text.constData(), text.size())
{ }

LxdSentence WatchedText::sentence(int used) const
{
    return LxdSentence(m_text, used);
}

QString fileLine(const LxdItem &item, int version)
{
    QString line;
    item.appendFileText(line, version);
    return line;
}

} // namespace DbFixtures
