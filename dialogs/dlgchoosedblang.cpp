// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/dlgchoosedblang.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

DlgChooseDbLang::DlgChooseDbLang(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgChooseDbLang"));
    resize(400, 300);

    verticalLayout = new QVBoxLayout(this);
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    verticalLayout->setSpacing(4);

    lblChoose = new QLabel(this);
    lblChoose->setObjectName(QStringLiteral("lblChoose"));
    verticalLayout->addWidget(lblChoose);

    // Siblings in one parent, so the three exclude each other without a button group.
    rbAmerican = new QRadioButton(this);
    rbAmerican->setObjectName(QStringLiteral("rbAmerican"));
    rbBritish = new QRadioButton(this);
    rbBritish->setObjectName(QStringLiteral("rbBritish"));
    rbCanadian = new QRadioButton(this);
    rbCanadian->setObjectName(QStringLiteral("rbCanadian"));
    for (QRadioButton *button : {rbAmerican, rbBritish, rbCanadian})
        verticalLayout->addWidget(button);
    switch (variantForLocale(QLocale())) {
    case American:
        rbAmerican->setChecked(true);
        break;
    case British:
        rbBritish->setChecked(true);
        break;
    case Canadian:
        rbCanadian->setChecked(true);
        break;
    }

    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok, Qt::Horizontal, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));
    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    verticalLayout->addWidget(buttonBox);

    retranslateUi();
    adjustSize();
}

DlgChooseDbLang::Variant DlgChooseDbLang::variantForLocale(const QLocale &locale)
{
    if (locale.language() != QLocale::English)
        return Canadian;
    switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::UnitedStatesOutlyingIslands:
    case QLocale::UnitedStatesVirginIslands:
    case QLocale::AmericanSamoa:
    case QLocale::Guam:
    case QLocale::PuertoRico:
    case QLocale::NorthernMarianaIslands:
        return American;
    case QLocale::Canada:
        return Canadian;
    default:
        return British;
    }
}

int DlgChooseDbLang::selectedVariant() const
{
    if (rbAmerican->isChecked())
        return American;
    if (rbBritish->isChecked())
        return British;
    return Canadian;
}

void DlgChooseDbLang::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        retranslateUi();
}

void DlgChooseDbLang::retranslateUi()
{
    setWindowTitle(tr("Choose preferred spelling"));
    lblChoose->setText(tr("Choose which version of the database you would like to use.\n"
                          "The databases differ slightly in spelling and vocabulary."));
    rbAmerican->setText(tr("American (US)"));
    rbBritish->setText(tr("British (UK)"));
    rbCanadian->setText(tr("Canadian"));
}
