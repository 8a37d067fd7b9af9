// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZELFLOWLAYOUT_H
#define ZELFLOWLAYOUT_H

#include <QLayout>
#include <QList>

// Lays its items out side by side at their preferred sizes, right-aligned, and wraps them onto further
// rows when the width it is given is less than one row needs: a long row of buttons then never makes the
// window wider than a small screen, and on a wide one it stays one row.
class ZelFlowLayout : public QLayout
{
public:
    explicit ZelFlowLayout(QWidget *parent = nullptr);
    ~ZelFlowLayout() override;

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect &rect) override;

private:
    // The height the items take in `rect`, placing them there when `place` is set.
    int arrange(const QRect &rect, bool place) const;
    int gap() const;

    QList<QLayoutItem *> items;
};

#endif // ZELFLOWLAYOUT_H
