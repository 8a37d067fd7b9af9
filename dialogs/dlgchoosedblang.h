// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DLGCHOOSEDBLANG_H
#define DLGCHOOSEDBLANG_H

#include <QDialog>
#include <QLocale>

class QDialogButtonBox;
class QLabel;
class QRadioButton;
class QVBoxLayout;

// Asked once, on the first start: which spelling variant of the starter database becomes the user's
// working database. However the dialog is closed, the checked button is the answer.
class DlgChooseDbLang : public QDialog
{
    Q_OBJECT

public:
    enum Variant { American = 0, British = 1, Canadian = 2 };

    explicit DlgChooseDbLang(QWidget *parent = nullptr);
    // The spelling a teacher in `locale` most likely writes: American in the United States, Canadian
    // in Canada, British in the other English-speaking regions, Canadian elsewhere.
    static Variant variantForLocale(const QLocale &locale);

    // American, British or Canadian, after the checked radio button.
    int selectedVariant() const;

protected:
    void changeEvent(QEvent *e) override;

private:
    void retranslateUi();

    QVBoxLayout *verticalLayout = nullptr;
    QLabel *lblChoose = nullptr;
    QRadioButton *rbAmerican = nullptr;
    QRadioButton *rbBritish = nullptr;
    QRadioButton *rbCanadian = nullptr;
    QDialogButtonBox *buttonBox = nullptr;
};

#endif // DLGCHOOSEDBLANG_H
