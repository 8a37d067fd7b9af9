// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/zelelement.h"

ZelElement::~ZelElement() = default;

void ZelElement::setDocument(QDomDocument *document)
{
    this->document = document;
}

void ZelElement::setModified(bool m)
{
    modified = m;
}

bool ZelElement::isModified() const
{
    return modified;
}
