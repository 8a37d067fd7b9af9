// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/zelflowlayout.h"

#include <QStyle>
#include <QWidget>

ZelFlowLayout::ZelFlowLayout(QWidget *parent)
    : QLayout(parent)
{ }

ZelFlowLayout::~ZelFlowLayout()
{
    qDeleteAll(items);
}

void ZelFlowLayout::addItem(QLayoutItem *item)
{
    items.append(item);
}

int ZelFlowLayout::count() const
{
    return int(items.size());
}

QLayoutItem *ZelFlowLayout::itemAt(int index) const
{
    return items.value(index);
}

QLayoutItem *ZelFlowLayout::takeAt(int index)
{
    return index >= 0 && index < items.size() ? items.takeAt(index) : nullptr;
}

Qt::Orientations ZelFlowLayout::expandingDirections() const
{
    return {};
}

bool ZelFlowLayout::hasHeightForWidth() const
{
    return true;
}

int ZelFlowLayout::heightForWidth(int width) const
{
    return arrange(QRect(0, 0, width, 0), false);
}

// As narrow as the widest item, and as high as the items are when they wrap at that width: the least
// room the layout can be given holds every item whichever way it wraps.
QSize ZelFlowLayout::minimumSize() const
{
    int width = 0;
    for (const QLayoutItem *item : items) {
        if (!item->isEmpty())
            width = qMax(width, item->sizeHint().width());
    }
    const QMargins m = contentsMargins();
    width += m.left() + m.right();
    return QSize(width, heightForWidth(width));
}

QSize ZelFlowLayout::sizeHint() const
{
    int width = 0;
    int height = 0;
    for (const QLayoutItem *item : items) {
        if (item->isEmpty())
            continue;
        const QSize hint = item->sizeHint();
        width += (width > 0 ? gap() : 0) + hint.width();
        height = qMax(height, hint.height());
    }
    const QMargins m = contentsMargins();
    return QSize(width + m.left() + m.right(), height + m.top() + m.bottom());
}

void ZelFlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int ZelFlowLayout::gap() const
{
    const int s = spacing();
    if (s >= 0)
        return s;
    const QWidget *widget = parentWidget();
    return widget ? widget->style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, widget) : 6;
}

int ZelFlowLayout::arrange(const QRect &rect, bool place) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    int y = area.top();
    bool firstRow = true;
    qsizetype first = 0;
    while (first < items.size()) {
        // One row: as many items as fit, and always at least one.
        int rowWidth = 0;
        int rowHeight = 0;
        qsizetype end = first;
        for (; end < items.size(); ++end) {
            if (items.at(end)->isEmpty())
                continue;
            const QSize hint = items.at(end)->sizeHint();
            const int needed = rowWidth + (rowWidth > 0 ? gap() : 0) + hint.width();
            if (rowWidth > 0 && needed > area.width())
                break;
            rowWidth = needed;
            rowHeight = qMax(rowHeight, hint.height());
        }
        if (rowHeight > 0) {
            if (!firstRow)
                y += gap();
            firstRow = false;
        }
        if (place) {
            int x = area.right() + 1 - qMin(rowWidth, area.width());
            for (qsizetype i = first; i < end; ++i) {
                QLayoutItem *item = items.at(i);
                if (item->isEmpty())
                    continue;
                const int width = qMin(item->sizeHint().width(), area.width());
                item->setGeometry(QRect(x, y, width, rowHeight));
                x += width + gap();
            }
        }
        y += rowHeight;
        first = end;
    }
    return y - area.top() + contentsMargins().top() + contentsMargins().bottom();
}
