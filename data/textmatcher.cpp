// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/textmatcher.h"

#include <QChar>
#include <QtAlgorithms>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

TextMatcher::TextMatcher(const QString &needle)
    : m_needle(needle)
{
    if (needle.isEmpty() || needle.front().isSurrogate())
        return;
    const char32_t first = QChar::toCaseFolded(needle.front().unicode());
    int count = 0;
    // Every code unit of the basic plane that folds to the same: a handful at most (k, K and the
    // Kelvin sign), found once per search rather than folded once per character searched.
    for (char32_t c = 0; c <= 0xffff; ++c) {
        if (QChar::isSurrogate(c) || QChar::toCaseFolded(c) != first)
            continue;
        if (count == int(m_firsts.size()))
            return;
        m_firsts[size_t(count++)] = char16_t(c);
    }
    // Unused places repeat the first, which the scan may then test twice at no cost.
    for (int k = count; k < int(m_firsts.size()); ++k)
        m_firsts[size_t(k)] = m_firsts[0];
    m_firstCount = count;
    m_plain = count == 0;
    if (needle.size() > 1 && !needle.at(1).isSurrogate())
        m_second = QChar::toCaseFolded(needle.at(1).unicode());
}

qsizetype TextMatcher::scan(QStringView haystack) const
{
    const char16_t *data = haystack.utf16();
    const qsizetype size = haystack.size();
    const qsizetype last = size - m_needle.size(); // the last place a match can begin
    qsizetype i = 0;
    const auto matchesAt = [&](qsizetype at) {
        // The second character turns most candidates away before the full comparison.
        if (m_second && QChar::toCaseFolded(char32_t(data[at + 1])) != m_second
            && !QChar::isSurrogate(data[at + 1]))
            return false;
        return haystack.sliced(at, m_needle.size()).compare(m_needle, Qt::CaseInsensitive) == 0;
    };
#if defined(__SSE2__)
    const __m128i a = _mm_set1_epi16(short(m_firsts[0]));
    const __m128i b = _mm_set1_epi16(short(m_firsts[1]));
    const __m128i c = _mm_set1_epi16(short(m_firsts[2]));
    const __m128i d = _mm_set1_epi16(short(m_firsts[3]));
    for (; i + 8 <= last + 1; i += 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i));
        const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(units, a), _mm_cmpeq_epi16(units, b)),
            _mm_or_si128(_mm_cmpeq_epi16(units, c), _mm_cmpeq_epi16(units, d)));
        unsigned mask = unsigned(_mm_movemask_epi8(hits));
        while (mask) {
            const qsizetype at = i + qCountTrailingZeroBits(mask) / 2;
            if (matchesAt(at))
                return at;
            mask &= mask - 1;
            mask &= mask - 1; // two mask bits per code unit
        }
    }
#endif
    for (; i <= last; ++i) {
        const char16_t unit = data[i];
        if ((unit == m_firsts[0] || unit == m_firsts[1] || unit == m_firsts[2] || unit == m_firsts[3])
            && matchesAt(i))
            return i;
    }
    return -1;
}

qsizetype TextMatcher::indexIn(QStringView haystack) const
{
    if (m_plain)
        return haystack.indexOf(m_needle, 0, Qt::CaseInsensitive);
    if (haystack.size() < m_needle.size())
        return -1;
    return scan(haystack);
}
