#pragma once

#include <QFont>
#include <QIcon>
#include <QSizePolicy>
#include <QSpacerItem>
#include <QString>

class QBoxLayout;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QScrollArea;
class QWidget;
class QZELKContainerRadioButton;
class QZELKDialogButton;

// The few steps that every hand-written form repeats, done the way the form compiler does them,
// so that a form reads as a list of widgets and their properties.
namespace Form_helpers
{

// A layout margin left to the style: the style's layout margin on a widget's own layout, 0 on a
// layout nested into another.
constexpr int StyleDefault = -1;

template <typename TObject> TObject* named(TObject* pObject, const char* pName)
{
    pObject->setObjectName(QString::fromLatin1(pName));
    return pObject;
}

// The layout installed on pWidget; margins left, top, right, bottom.
template <typename TLayout>
TLayout* layoutOn(QWidget* pWidget, const char* pName, int pSpacing, int pLeft, int pTop, int pRight, int pBottom)
{
    auto* layout = named(new TLayout(pWidget), pName);
    layout->setSpacing(pSpacing);
    layout->setContentsMargins(pLeft, pTop, pRight, pBottom);
    return layout;
}

// A layout without a widget of its own, put into its parent layout with addLayout; its margins
// stay at the style default, which is 0 for a nested layout.
template <typename TLayout> TLayout* nestedLayout(const char* pName, int pSpacing)
{
    auto* layout = named(new TLayout(), pName);
    layout->setSpacing(pSpacing);
    return layout;
}

// The layout of a clickable row or a container button: spacing 6, the style's margins at the sides,
// none above and below.
template <typename TLayout> TLayout* rowLayoutOn(QWidget* pRow, const char* pName)
{
    return layoutOn<TLayout>(pRow, pName, 6, StyleDefault, 0, StyleDefault, 0);
}

// A page of a page stack, created in the stack it is added to: a page moved into the styled
// window after it was built would have every widget on it styled again. Null builds it outside
// the window, for a page that must keep the sizes it takes that way.
QWidget* newPage(const char* pName, QWidget* pStack);

// Sets the policy with no stretch and keeps the widget's height-for-width, as the form compiler does.
void setSizePolicy(QWidget* pWidget, QSizePolicy::Policy pHorizontal, QSizePolicy::Policy pVertical);

// The usual spacers: 40 by 20 pushing sideways, 20 by 40 pushing downwards.
QSpacerItem* newHorizontalSpacer();
QSpacerItem* newVerticalSpacer();

// One image for the normal mode and the off state, at its own size.
QIcon iconFrom(const char* pResource);

// The window font: the family only, sizes come from the style sheets.
QFont windowFont();
// The large measured values: a family whose digits have equal widths, normal weight.
QFont mainValueFont();
QFont boldFont();

// The touch scroll areas of the form scroll vertically only, without a frame, and their contents
// follow the width of the area.
void setUpScrollArea(QScrollArea* pArea);

// A plain widget row that the screens register as clickable: drawn as a dark button, at least
// 34 pixels high, as wide as its list.
QWidget* newClickableRow(QWidget* pParent, const char* pName);

// The members of a radio row holding one label, filled by addRadioRow; the names are the members'
// own (see TAMARIND_RADIO_ROW).
struct TRadioRow
{
    QZELKContainerRadioButton*& mButton;
    QHBoxLayout*& mLayout;
    QLabel*& mLabel;
    const char* mButtonName;
    const char* mLayoutName;
    const char* mLabelName;
};

// A radio row with its one label on a layout on the button, added at the end of pList. The rows
// of one list form one radio group; none is checked as built. pText is the label's untranslated
// text; a null text is left to the retranslation.
void addRadioRow(QBoxLayout* pList, const TRadioRow& oRow, Qt::Alignment pAlignment = {},
                 const QString& pText = QString());

// A clickable row whose only item is its caption, in row 0, column 0 of a row layout; the screens register the row
// with that caption. Creates and names the row, its layout and its caption into the members given.
QWidget* newCaptionRow(QWidget* pParent, QWidget*& oRow, const char* pRowName, QGridLayout*& oLayout,
                       const char* pLayoutName, QLabel*& oCaption, const char* pCaptionName);

// A small dialog button that shows only an icon and takes its look from the root sheet, disabled until the screen
// that owns it has something for it to act on.
QZELKDialogButton* newIconButton(QWidget* pParent, const char* pName, const char* pIcon);

} // namespace Form_helpers

// clang-format off
#define TAMARIND_RADIO_ROW(button, layout, label) \
    Form_helpers::TRadioRow{button, layout, label, #button, #layout, #label}
// clang-format on
