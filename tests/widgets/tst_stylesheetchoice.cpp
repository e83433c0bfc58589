#include "stylesheetchoice.h"
#include "testsupport.h"
#include "zelkgreypanel.h"
#include "zelkpushbutton.h"

#include <QApplication>
#include <QLabel>

namespace
{
// Two colour schemes of a view's panels, as the main window writes them.
const char* const BLUE = "QZELKGreyPanel { border: 2px solid #062C51; border-radius: 10px; background-color: "
                         "#032343; outline: none; } "
                         "QZELKPushButton::disabled { background-color: #999999; color: #032343; } "
                         "QZELKPushButton::pressed { background-color: #FF6600; } "
                         "QZELKPushButton { color: white; background-color: qlineargradient(x1:0, y1:0, x2:0, "
                         "y2:1, stop:0 #4990d0, stop:0.25 #083a67, stop:1 #0a5ca9); border: 2px solid #032343; "
                         "border-radius: 10px; outline: none; }";
const char* const GREEN = "QZELKGreyPanel { border: 2px solid #003802; border-radius: 10px; background-color: "
                          "#002D02; outline: none; } "
                          "QZELKPushButton::disabled { background-color: #999999; color: #002D02; } "
                          "QZELKPushButton::pressed { background-color: #FF6600; } "
                          "QZELKPushButton { color: white; background-color: #00A813; border: 2px solid #002D04; "
                          "border-radius: 10px; outline: none; }";
const char* const WITH_COMBINATOR = "QZELKGreyPanel QZELKPushButton { background-color: #7A1312; }";
// The page's own rules name the panel and its button, up to an id and a pseudo-state.
const char* const PAGE = "#panel { border-radius: 4px; background-color: #333333; } "
                         "#button { background-color: #252525; border: 2px solid #252525; } "
                         "#button::pressed { background-color: #FFCC00; } "
                         "QLabel { color: #EEEEEE; }";
const char* const PAGE_WEIGHING_MORE = "#page #button { background-color: #FF7C00; }";

enum EnStep { sBlue, sGreen, sCombinator, sPressed, sDisabled, sPageSetAgain };

// A page holding a panel with a button and a label, as the two-channel view's.
struct TPage
{
    explicit TPage(const QString& pPageSheet, bool pShown = true)
    {
        mPage.setObjectName(QStringLiteral("page"));
        mPage.setStyleSheet(pPageSheet);
        mPage.resize(320, 80);
        mPanel = new QZELKGreyPanel(&mPage);
        mPanel->setObjectName(QStringLiteral("panel"));
        mPanel->setGeometry(5, 5, 310, 70);
        mButton = new QZELKPushButton(mPanel);
        mButton->setObjectName(QStringLiteral("button"));
        mButton->setStyleSheet(QString());
        mButton->setText(QStringLiteral("clear"));
        mButton->setGeometry(10, 10, 130, 50);
        mLabel = new QLabel(QStringLiteral("Peak"), mPanel);
        mLabel->setGeometry(150, 10, 150, 50);
        // The button's size reads the page's sheet before the page is first polished.
        mButton->sizeHint();
        if (pShown)
            mPage.show();
    }
    QImage look()
    {
        QApplication::processEvents();
        return mPage.grab().toImage();
    }

    QWidget mPage;
    QZELKGreyPanel* mPanel;
    QZELKPushButton* mButton;
    QLabel* mLabel;
};

QString sheetOf(EnStep pStep)
{
    switch (pStep) {
    case sBlue:
        return QString::fromLatin1(BLUE);
    case sGreen:
        return QString::fromLatin1(GREEN);
    case sCombinator:
        return QString::fromLatin1(WITH_COMBINATOR);
    default:
        return QString();
    }
}

// Plays the steps on the page, the sheets through pApply.
template <class TApply> void play(TPage& pPage, const QList<int>& pSteps, TApply pApply)
{
    for (int step : pSteps) {
        switch (EnStep(step)) {
        case sPressed:
            pPage.mButton->setDown(true);
            break;
        case sDisabled:
            pPage.mButton->setEnabled(false);
            break;
        case sPageSetAgain:
            pPage.mPage.setStyleSheet(pPage.mPage.styleSheet() + QStringLiteral(" #other { color: red; }"));
            break;
        default:
            pApply(pPage, sheetOf(EnStep(step)));
        }
        if (pPage.mPage.isVisible())
            pPage.look();
    }
}
} // namespace

class tst_StyleSheetChoice : public QObject
{
    Q_OBJECT

private slots:
    void looksAsTheSheetSetAsItsOwn_data();
    void looksAsTheSheetSetAsItsOwn();
};

void tst_StyleSheetChoice::looksAsTheSheetSetAsItsOwn_data()
{
    QTest::addColumn<QString>("pageSheet");
    QTest::addColumn<bool>("prepared");
    QTest::addColumn<bool>("shownFirst");
    QTest::addColumn<QList<int>>("steps");

    const QString page = QString::fromLatin1(PAGE);
    QTest::newRow("first sheet") << page << false << true << QList<int>{sBlue};
    QTest::newRow("prepared, first sheet") << page << true << true << QList<int>{sBlue};
    QTest::newRow("prepared, second sheet") << page << true << true << QList<int>{sGreen};
    QTest::newRow("switched") << page << false << true << QList<int>{sBlue, sGreen};
    QTest::newRow("switched and back") << page << true << true << QList<int>{sBlue, sGreen, sBlue};
    QTest::newRow("pressed after a switch") << page << true << true << QList<int>{sBlue, sGreen, sPressed};
    QTest::newRow("switched while pressed") << page << true << true << QList<int>{sBlue, sPressed, sGreen};
    QTest::newRow("disabled after a switch") << page << true << true << QList<int>{sBlue, sGreen, sBlue, sDisabled};
    QTest::newRow("page sheet set again between switches")
        << page << true << true << QList<int>{sBlue, sPageSetAgain, sGreen, sBlue};
    QTest::newRow("sheet with a combinator") << page << false << true << QList<int>{sBlue, sCombinator};
    QTest::newRow("back from a sheet with a combinator")
        << page << true << true << QList<int>{sBlue, sCombinator, sGreen};
    QTest::newRow("prepared before the page is first shown") << page << true << false << QList<int>{sBlue, sGreen};
    QTest::newRow("first sheet before the page is first shown") << page << false << false << QList<int>{sBlue};
    QTest::newRow("page without a sheet") << QString() << true << true << QList<int>{sBlue, sGreen, sPressed};
    QTest::newRow("page rule weighing more than an id") << page + QLatin1Char(' ') + QLatin1String(PAGE_WEIGHING_MORE)
                                                        << true << true << QList<int>{sBlue, sGreen, sBlue};
}

void tst_StyleSheetChoice::looksAsTheSheetSetAsItsOwn()
{
    QFETCH(QString, pageSheet);
    QFETCH(bool, prepared);
    QFETCH(bool, shownFirst);
    QFETCH(QList<int>, steps);

    auto applied = [](TPage& pPage, const QString& pSheet) {
        TStyleSheetChoice::apply(*pPage.mPanel, pSheet);
        QCOMPARE(TStyleSheetChoice::currentSheet(*pPage.mPanel), pSheet);
    };
    auto setAsItsOwn = [](TPage& pPage, const QString& pSheet) { pPage.mPanel->setStyleSheet(pSheet); };
    // Before the first show only the first step is played.
    const QList<int> early = shownFirst ? QList<int>{} : steps.mid(0, 1);
    const QList<int> late = steps.mid(early.size());

    TPage chosen(pageSheet, false);
    if (prepared)
        TStyleSheetChoice::prepare(*chosen.mPanel, {QString::fromLatin1(BLUE), QString::fromLatin1(GREEN)});
    if (shownFirst)
        chosen.mPage.show();
    play(chosen, early, applied);
    chosen.mPage.show();
    play(chosen, late, applied);

    TPage own(pageSheet, false);
    play(own, early, setAsItsOwn);
    own.mPage.show();
    play(own, late, setAsItsOwn);

    QCOMPARE(chosen.look(), own.look());
}

TAMARIND_TEST_MAIN(tst_StyleSheetChoice)
#include "tst_stylesheetchoice.moc"
