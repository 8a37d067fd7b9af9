// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/textmatcher.h"

#include <QChar>
#include <QtAlgorithms>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Every code unit of the basic plane that folds as `unit` does: a handful at most (k, K and the
// Kelvin sign), found once per search rather than folded once per character searched. Unused
// places repeat the first, which a test may then make twice at no cost. 0 when there are more than
// fit.
int foldsAlike(char16_t unit, std::array<char16_t, 4> *units)
{
    const char32_t folded = QChar::toCaseFolded(char32_t(unit));
    int count = 0;
    for (char32_t c = 0; c <= 0xffff; ++c) {
        if (QChar::isSurrogate(c) || QChar::toCaseFolded(c) != folded)
            continue;
        if (count == int(units->size()))
            return 0;
        (*units)[size_t(count++)] = char16_t(c);
    }
    for (int k = count; k < int(units->size()); ++k)
        (*units)[size_t(k)] = (*units)[0];
    return count;
}

} // namespace

TextMatcher::TextMatcher(const QString &needle)
    : m_needle(needle)
{
    if (needle.isEmpty() || needle.front().isSurrogate())
        return;
    m_firstCount = foldsAlike(needle.front().unicode(), &m_firsts);
    m_plain = m_firstCount == 0;
    if (!m_plain && needle.size() > 1 && !needle.at(1).isSurrogate())
        m_testSecond = foldsAlike(needle.at(1).unicode(), &m_seconds) > 0;
    for (size_t k = 0; k < 4; ++k) {
        m_blocks[k].fill(m_firsts[k]);
        m_blocks[4 + k].fill(m_seconds[k]);
    }
    m_blocks[8].fill(0xf800);
    m_blocks[9].fill(0xd800);
}

qsizetype TextMatcher::scan(QStringView haystack) const
{
    const char16_t *data = haystack.utf16();
    const qsizetype size = haystack.size();
    const qsizetype last = size - m_needle.size(); // the last place a match can begin
    qsizetype i = 0;
    const auto matchesAt = [&](qsizetype at) {
        // The second character turns most candidates away before the full comparison.
        if (m_testSecond) {
            const char16_t second = data[at + 1];
            if (second != m_seconds[0] && second != m_seconds[1] && second != m_seconds[2]
                && second != m_seconds[3] && !QChar::isSurrogate(second))
                return false;
        }
        return haystack.sliced(at, m_needle.size()).compare(m_needle, Qt::CaseInsensitive) == 0;
    };
#if defined(__SSE2__)
    const auto block
        = [this](size_t k) { return _mm_load_si128(reinterpret_cast<const __m128i *>(m_blocks[k].data())); };
    // The units after each place are tested in the same block, so that a common first letter
    // seldom leaves the block for a comparison that fails at once. A surrogate there passes, as
    // in matchesAt. A block's two loads end within the text; its places after `last`, where no
    // match can begin, are masked off, so that with a long needle almost nothing is left to the
    // loop below.
    for (; i <= last && i + 9 <= size; i += 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i));
        __m128i hits
            = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(units, block(0)), _mm_cmpeq_epi16(units, block(1))),
                _mm_or_si128(_mm_cmpeq_epi16(units, block(2)), _mm_cmpeq_epi16(units, block(3))));
        if (m_testSecond) {
            const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i + 1));
            const __m128i seconds = _mm_or_si128(
                _mm_or_si128(_mm_cmpeq_epi16(next, block(4)), _mm_cmpeq_epi16(next, block(5))),
                _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(next, block(6)), _mm_cmpeq_epi16(next, block(7))),
                    _mm_cmpeq_epi16(_mm_and_si128(next, block(8)), block(9))));
            hits = _mm_and_si128(hits, seconds);
        }
        unsigned mask = unsigned(_mm_movemask_epi8(hits));
        if (last - i < 7)
            mask &= (1u << (2 * (last - i + 1))) - 1;
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
