// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/lxdsentence.h"

#include "data/brackettext.h"
#include "data/linefile.h"

#if QT_POINTER_SIZE == 8
// A field more, or one out of place, costs a million sentences eight bytes each.
static_assert(sizeof(LxdSentence) <= 32, "LxdSentence grew beyond its text and two small fields");
#endif

LxdSentence::LxdSentence(const QString &text, int used)
    : m_used(used)
{
    setText(text);
}

int LxdSentence::checkBrackets(QStringView s)
{
    return BracketText::status(s);
}

void LxdSentence::assignText(const QString &t)
{
    m_text = t;
    m_outerSpace = !t.isEmpty() && (t.front().isSpace() || t.back().isSpace());
}

int LxdSentence::setText(const QString &t)
{
    // A text with a bracket left open is kept as it is (and shown as unmatched): wiping it would
    // lose what the teacher typed or what a file held.
    const int s = checkBrackets(t);
    if (m_text != t)
        assignText(t);
    m_status = qint8(s);
    return s;
}

int LxdSentence::indexOf(const QString &s) const
{
    return m_text.indexOf(s, 0, Qt::CaseInsensitive);
}

void LxdSentence::appendFileText(QString &out, int version) const
{
    LineFile::appendSentenceField(out, m_used, m_text, version);
}

// The used count between braces. Plain digits (the only thing the program writes) are read
// directly; anything else goes through QString's own conversion.
static bool parseUsed(QStringView digits, int *out)
{
    const qsizetype size = digits.size();
    qsizetype i = 0;
    const bool negative = size > 1 && digits[0] == QLatin1Char('-');
    if (negative)
        i = 1;
    if (size - i > 0 && size - i <= 9) {
        int n = 0;
        for (; i < size; ++i) {
            const char16_t c = digits[i].unicode();
            if (c < u'0' || c > u'9')
                break;
            n = n * 10 + (c - u'0');
        }
        if (i == size) {
            *out = negative ? -n : n;
            return true;
        }
    }
    bool ok = false;
    const int n = digits.toInt(&ok, 10);
    if (ok)
        *out = n;
    return ok;
}

// Splits a trimmed field into its used count and its text; false when nothing is stored.
static bool splitField(QStringView &field, int *used)
{
    field = field.trimmed();
    if (field.size() <= 2)
        return false;
    if (field.front() == QLatin1Char('{')) {
        const qsizetype close = field.indexOf(QLatin1Char('}'));
        if (close >= 2) {
            parseUsed(field.mid(1, close - 1), used);
            field = field.mid(close + 1);
        }
    } else if (field.front() == QLatin1Char('*')) {
        *used = 1;
        field = field.mid(1);
    }
    return true;
}

LxdSentence LxdSentence::fromFileField(QStringView field)
{
    QStringView text;
    int used = 0;
    const bool stored = parseFileField(field, &text, &used);
    LxdSentence sentence;
    sentence.setLoaded(stored ? text.toString() : QString(), used);
    return sentence;
}

bool LxdSentence::parseFileField(QStringView field, QStringView *text, int *used)
{
    *used = 0;
    if (!splitField(field, used))
        return false;
    *text = field;
    return true;
}

void LxdSentence::setLoaded(const QString &text, int used)
{
    m_used = used;
    if (text.isNull()) {
        // A field too short to hold a sentence: stored empty and never checked.
        assignText(QString(QLatin1String("")));
        m_status = Unchecked;
        return;
    }
    assignText(text);
    m_status = qint8(checkBrackets(m_text));
}
