// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TEXTMATCHER_H
#define TEXTMATCHER_H

#include <QString>
#include <QStringView>

#include <array>

// Finds a text in other texts without regard to case, with the same answers as
// QString::indexOf(text, 0, Qt::CaseInsensitive). The case of the text is folded once: a search
// runs over each candidate text looking only for the few code units that can begin a match, and
// compares the whole text where one does.
class TextMatcher
{
public:
    explicit TextMatcher(const QString &needle);

    qsizetype indexIn(QStringView haystack) const;
    bool isIn(QStringView haystack) const { return indexIn(haystack) != -1; }

private:
    qsizetype scan(QStringView haystack) const;

    QString m_needle;
    // The code units that fold to the needle's first one; when there are more than fit, or the
    // needle begins with a surrogate, the library's own search is used.
    std::array<char16_t, 4> m_firsts {};
    int m_firstCount = 0;
    // The code units that fold to the needle's second one, tested without folding; none when the
    // needle has no second unit, it is a surrogate, or more units fold to it than fit.
    std::array<char16_t, 4> m_seconds {};
    bool m_testSecond = false;
    // The same units, each repeated across a block of eight, for the block-wise scan: made once
    // here rather than on every text searched, which for short texts cost more than the search.
    // The first four blocks hold the first units, the next four the second, the last two the
    // mask and the value of a surrogate.
    alignas(16) std::array<std::array<char16_t, 8>, 10> m_blocks {};

    bool m_plain = true;
};

#endif // TEXTMATCHER_H
