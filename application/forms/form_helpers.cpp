#include "form_helpers.h"

#include "stylesheetcatalogue.h"
#include "zelkcontainerradiobutton.h"
#include "zelkdialogbutton.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QWidget>

namespace Form_helpers
{

QWidget* newPage(const char* pName, QWidget* pStack)
{
    auto* page = named(new QWidget(pStack), pName);
    // The size a page made without a parent starts with: pages the stack has
    // not laid out yet fit their word-wrapped texts to it, and keep doing so.
    page->resize(640, 480);
    return page;
}

void setSizePolicy(QWidget* pWidget, QSizePolicy::Policy pHorizontal, QSizePolicy::Policy pVertical)
{
    QSizePolicy policy(pHorizontal, pVertical);
    policy.setHorizontalStretch(0);
    policy.setVerticalStretch(0);
    policy.setHeightForWidth(pWidget->sizePolicy().hasHeightForWidth());
    pWidget->setSizePolicy(policy);
}

QSpacerItem* newHorizontalSpacer()
{
    return new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
}

QSpacerItem* newVerticalSpacer()
{
    return new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding);
}

QIcon iconFrom(const char* pResource)
{
    QIcon icon;
    icon.addFile(QString::fromUtf8(pResource), QSize(), QIcon::Normal, QIcon::Off);
    return icon;
}

QFont windowFont()
{
    QFont font;
    font.setFamily(QStringLiteral("Droid Sans"));
    return font;
}

QFont mainValueFont()
{
    QFont font;
    font.setFamily(QStringLiteral("DejaVu Sans"));
    font.setBold(false);
    font.setWeight(50);
    return font;
}

QFont boldFont()
{
    QFont font;
    font.setFamily(QStringLiteral("Droid Sans"));
    font.setBold(true);
    font.setWeight(75);
    return font;
}

void setUpScrollArea(QScrollArea* pArea)
{
    pArea->setFrameShape(QFrame::NoFrame);
    pArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pArea->setWidgetResizable(true);
}

QWidget* newClickableRow(QWidget* pParent, const char* pName)
{
    QWidget* row = named(new QWidget(pParent), pName);
    setSizePolicy(row, QSizePolicy::Preferred, QSizePolicy::Fixed);
    row->setMinimumSize(QSize(0, 34));
    row->setStyleSheet(TStyleSheetCatalogue::sheet(ssClickableRow));
    return row;
}

void addRadioRow(QBoxLayout* pList, const TRadioRow& oRow, Qt::Alignment pAlignment, const QString& pText)
{
    oRow.mButton = named(new QZELKContainerRadioButton(pList->parentWidget()), oRow.mButtonName);
    oRow.mButton->setBorderRadius(6);
    oRow.mLayout = rowLayoutOn<QHBoxLayout>(oRow.mButton, oRow.mLayoutName);
    oRow.mLabel = named(new QLabel(oRow.mButton), oRow.mLabelName);
    if (pAlignment)
        oRow.mLabel->setAlignment(pAlignment);
    if (!pText.isNull())
        oRow.mLabel->setText(pText);
    oRow.mLayout->addWidget(oRow.mLabel);
    pList->addWidget(oRow.mButton);
}

QWidget* newCaptionRow(QWidget* pParent, QWidget*& oRow, const char* pRowName, QGridLayout*& oLayout,
                       const char* pLayoutName, QLabel*& oCaption, const char* pCaptionName)
{
    oRow = newClickableRow(pParent, pRowName);
    oLayout = rowLayoutOn<QGridLayout>(oRow, pLayoutName);
    oCaption = named(new QLabel(oRow), pCaptionName);
    oLayout->addWidget(oCaption, 0, 0, 1, 1);
    return oRow;
}

QZELKDialogButton* newIconButton(QWidget* pParent, const char* pName, const char* pIcon)
{
    auto* button = named(new QZELKDialogButton(pParent), pName);
    button->setEnabled(false);
    button->setMinimumSize(QSize(36, 34));
    button->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    button->setIcon(iconFrom(pIcon));
    return button;
}

} // namespace Form_helpers
