#include "testsupport.h"
#include "zelkgreypanel.h"
#include "zelkpushbutton.h"

#include <QApplication>
#include <QProxyStyle>

namespace
{
const char* const PANEL_SHEET = "#panel { background-color: #032343; } "
                                "QZELKGreyPanel { border: 2px solid #062C51; border-radius: 10px; "
                                "background-color: #032343; } "
                                "QZELKGreyPanel[active=\"true\"] { border-color: #FF6600; } "
                                "QZELKPushButton { color: white; border: 2px solid #032343; border-radius: 10; "
                                "background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4990d0, "
                                "stop:0.05 #6ab3f4, stop:0.25 #083a67, stop:1 #0a5ca9); } "
                                "QZELKPushButton[flat=\"true\"] { background-color: #FF6600; } "
                                "QZELKPushButton:pressed { background-color: #FFCC00; } "
                                "QZELKPushButton:disabled { color: #032343; background-color: #999999; }";
const char* const GREEN_PANEL_SHEET = "#panel { background-color: #002D02; } "
                                      "QZELKGreyPanel { border: 2px solid #003802; border-radius: 10px; "
                                      "background-color: #032343; } "
                                      "QZELKPushButton { color: white; border: 2px solid #002D04; "
                                      "border-radius: 10; background-color: #00A813; }";

enum EnChange {
    cNone,
    cText,
    cDisabled,
    cFlat,
    cPanelColours,
    cPanelColoursAndBack,
    cOwnFontSize,
    cPressed,
    cResized,
    cGreyPanelActive
};

// A button and a grey panel on a panel, as the views show them. The grey
// panel's colours differ in its border only, which its palette does not hold.
struct TButtonPanel
{
    TButtonPanel()
    {
        mPanel.setObjectName(QStringLiteral("panel"));
        mPanel.setStyleSheet(QString::fromLatin1(PANEL_SHEET));
        mPanel.resize(300, 100);
        mButton = new QZELKPushButton(&mPanel);
        mButton->setStyleSheet(QString());
        mButton->setText(QStringLiteral("Freeze"));
        mButton->setGeometry(20, 20, 200, 50);
        mGreyPanel = new QZELKGreyPanel(&mPanel);
        mGreyPanel->setGeometry(20, 75, 260, 20);
        mPanel.show();
    }
    void change(EnChange pChange)
    {
        switch (pChange) {
        case cNone:
            break;
        case cText:
            mButton->setText(QStringLiteral("Clear"));
            break;
        case cDisabled:
            mButton->setEnabled(false);
            break;
        case cFlat:
            // As the views highlight a button: the sheet set again applies the selector.
            mButton->setFlat(true);
            mButton->setStyleSheet(mButton->styleSheet());
            break;
        case cPanelColours:
            mPanel.setStyleSheet(QString::fromLatin1(GREEN_PANEL_SHEET));
            break;
        case cPanelColoursAndBack:
            // As a view switches its measured channel back: both looks were shown.
            mPanel.setStyleSheet(QString::fromLatin1(GREEN_PANEL_SHEET));
            grab();
            mPanel.setStyleSheet(QString::fromLatin1(PANEL_SHEET));
            break;
        case cOwnFontSize:
            mButton->setStyleSheet(QStringLiteral("font-size: 14px;"));
            break;
        case cPressed:
            mButton->setDown(true);
            break;
        case cResized:
            mButton->resize(120, 50);
            break;
        case cGreyPanelActive:
            // The flag reaches the look once the sheet is set again.
            mGreyPanel->setActive(true);
            mPanel.setStyleSheet(mPanel.styleSheet());
            break;
        }
    }
    QImage grab() { return mPanel.grab().toImage(); }

    QWidget mPanel;
    QZELKPushButton* mButton = nullptr;
    QZELKGreyPanel* mGreyPanel = nullptr;
};

// Counts the style's drawing of push buttons and of texts.
class TCountingStyle : public QProxyStyle
{
public:
    void drawControl(ControlElement pElement, const QStyleOption* pOption, QPainter* pPainter,
                     const QWidget* pWidget) const override
    {
        if (qobject_cast<const QPushButton*>(pWidget))
            ++mButtonDrawings;
        QProxyStyle::drawControl(pElement, pOption, pPainter, pWidget);
    }
    void drawPrimitive(PrimitiveElement pElement, const QStyleOption* pOption, QPainter* pPainter,
                       const QWidget* pWidget) const override
    {
        if (qobject_cast<const QPushButton*>(pWidget))
            ++mButtonDrawings;
        QProxyStyle::drawPrimitive(pElement, pOption, pPainter, pWidget);
    }
    // The text has no widget to tell whose it is; the panels hold buttons only.
    void drawItemText(QPainter* pPainter, const QRect& pRect, int pFlags, const QPalette& pPalette, bool pEnabled,
                      const QString& pText, QPalette::ColorRole pRole) const override
    {
        ++mButtonDrawings;
        QProxyStyle::drawItemText(pPainter, pRect, pFlags, pPalette, pEnabled, pText, pRole);
    }
    mutable int mButtonDrawings = 0;
};
} // namespace

// The look a button keeps between paints is the look the style gives it now.
class tst_ZELKPushButton : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void looksAsAFreshButtonAfterAChange_data();
    void looksAsAFreshButtonAfterAChange();
    void unchangedButtonIsNotDrawnAgain_data();
    void unchangedButtonIsNotDrawnAgain();

private:
    TCountingStyle* mStyle = nullptr;
};

void tst_ZELKPushButton::initTestCase()
{
    mStyle = new TCountingStyle;
    QApplication::setStyle(mStyle);
}

void tst_ZELKPushButton::looksAsAFreshButtonAfterAChange_data()
{
    QTest::addColumn<int>("change");
    QTest::addColumn<bool>("looksChanged");
    QTest::newRow("new text") << int(cText) << true;
    QTest::newRow("disabled") << int(cDisabled) << true;
    QTest::newRow("highlighted through the flat property") << int(cFlat) << true;
    QTest::newRow("panel recoloured") << int(cPanelColours) << true;
    QTest::newRow("panel recoloured and back") << int(cPanelColoursAndBack) << false;
    QTest::newRow("own font size") << int(cOwnFontSize) << true;
    QTest::newRow("pressed") << int(cPressed) << true;
    QTest::newRow("resized") << int(cResized) << true;
    QTest::newRow("grey panel active, sheet set again") << int(cGreyPanelActive) << true;
}

void tst_ZELKPushButton::looksAsAFreshButtonAfterAChange()
{
    QFETCH(int, change);
    QFETCH(bool, looksChanged);

    TButtonPanel shown;
    const QImage before = shown.grab();
    shown.change(EnChange(change));
    const QImage after = shown.grab();

    TButtonPanel fresh;
    fresh.change(EnChange(change));
    QCOMPARE(after, fresh.grab());
    QCOMPARE(after != before, looksChanged);
}

// Each change ends in the look shown first.
void tst_ZELKPushButton::unchangedButtonIsNotDrawnAgain_data()
{
    QTest::addColumn<int>("change");
    QTest::newRow("unchanged") << int(cNone);
    QTest::newRow("panel recoloured and back") << int(cPanelColoursAndBack);
}

void tst_ZELKPushButton::unchangedButtonIsNotDrawnAgain()
{
    QFETCH(int, change);

    TButtonPanel shown;
    mStyle->mButtonDrawings = 0;
    const QImage first = shown.grab();
    QVERIFY(mStyle->mButtonDrawings > 0);
    shown.change(EnChange(change));
    mStyle->mButtonDrawings = 0;
    shown.mButton->update();
    shown.mGreyPanel->update();
    QCOMPARE(shown.grab(), first);
    QCOMPARE(mStyle->mButtonDrawings, 0);
}

TAMARIND_TEST_MAIN(tst_ZELKPushButton)
#include "tst_zelkpushbutton.moc"
