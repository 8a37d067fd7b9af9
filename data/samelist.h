// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SAMELIST_H
#define SAMELIST_H

#include <QList>

#include <algorithm>

// Whether two lists hold the same values in the same order. QList's own == hands memcmp a null
// pointer when an empty list that never held anything meets an empty one that did, which the
// undefined-behaviour sanitizer reports.
template<typename T>
bool sameList(const QList<T> &a, const QList<T> &b)
{
    return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend());
}

#endif // SAMELIST_H
