// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/zelabout.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

ZelAbout::ZelAbout(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ZelAbout"));
    resize(318, 409);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    verticalLayout = new QVBoxLayout(this);
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));

    lblLogo = new QLabel(this);
    lblLogo->setObjectName(QStringLiteral("lblLogo"));
    lblLogo->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    lblLogo->setMinimumSize(300, 248);
    lblLogo->setMaximumSize(300, 248);
    lblLogo->setBaseSize(300, 248);
    lblLogo->setAutoFillBackground(false);
    lblLogo->setPixmap(QPixmap(QStringLiteral(":/appResources/splash2.bmp")));
    lblLogo->setScaledContents(true);

    lblAppTitle = new QLabel(QStringLiteral("TextLabel"), this);
    lblAppTitle->setObjectName(QStringLiteral("lblAppTitle"));
    lblAppTitle->setAlignment(Qt::AlignCenter);

    lblAppVersion = new QLabel(QStringLiteral("TextLabel"), this);
    lblAppVersion->setObjectName(QStringLiteral("lblAppVersion"));
    lblAppVersion->setAlignment(Qt::AlignCenter);

    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok, Qt::Horizontal, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));
    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);

    verticalLayout->addWidget(lblLogo);
    verticalLayout->addWidget(lblAppTitle);
    verticalLayout->addWidget(lblAppVersion);
    verticalLayout->addWidget(buttonBox);

    setWindowTitle(QCoreApplication::applicationName());
}

void ZelAbout::setAppTitle(const QString &title)
{
    lblAppTitle->setText(title);
}

void ZelAbout::setAppVersion(const QString &version)
{
    lblAppVersion->setText(QLatin1String("v. ") + version);
}
