#include "downloadlistcontroller.h"
#include "messagedialog.h"
#include "testsupport.h"
#include "zelkdialogbutton.h"

#include <QApplication>
#include <QCheckBox>
#include <QSpacerItem>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

namespace
{

// Records what the list hands over, by caption.
class TRecordingHandler : public IDownloadListItemHandler
{
public:
    void deleteItems(const zelk::vector<TDownloadListItem*>& pItems) override { mDeleted << captions(pItems); }
    void downloadItems(const zelk::vector<TDownloadListItem*>& pItems) override { mDownloaded << captions(pItems); }

    static QStringList captions(const zelk::vector<TDownloadListItem*>& pItems)
    {
        QStringList result;
        for (auto* item : pItems)
            result << item->caption();
        return result;
    }

    QList<QStringList> mDeleted;
    QList<QStringList> mDownloaded;
};

// Presses pButton of the question dialog once it is shown; counts the dialogs.
class TQuestionAnswerer : public QObject
{
public:
    explicit TQuestionAnswerer(const QString& pButton) : mButton(pButton)
    {
        connect(&mTimer, &QTimer::timeout, this, [this] {
            auto* dialog = qobject_cast<TMessageDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            ++mShown;
            QTest::mouseClick(dialog->findChild<QWidget*>(mButton), Qt::LeftButton);
        });
        mTimer.start(5);
    }
    int mShown = 0;

private:
    QString mButton;
    QTimer mTimer;
};

} // namespace

class tst_DownloadListController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void checkedItemsReachTheHandler_data();
    void checkedItemsReachTheHandler();
    void deletionRemovesOnlyConfirmedEntries_data();
    void deletionRemovesOnlyConfirmedEntries();
    void fillingReplacesTheList_data();
    void fillingReplacesTheList();

private:
    void fill(const QStringList& pCaptions, bool pDeletePossible = true);
    // Captions and check states as shown, top to bottom.
    QStringList shown() const;
    void check(const QStringList& pCaptions);
    QCheckBox* box(const QString& pCaption) const;

    std::unique_ptr<QWidget> mContent;
    std::unique_ptr<QWidget> mPanel;
    QZELKDialogButton *mSelectAll, *mDeselectAll, *mDownload, *mDelete;
    std::unique_ptr<TRecordingHandler> mHandler;
    std::unique_ptr<TDownloadListController> mList;
};

void tst_DownloadListController::init()
{
    mContent = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(mContent.get());
    layout->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding));
    mPanel = std::make_unique<QWidget>();
    mSelectAll = new QZELKDialogButton(mPanel.get());
    mDeselectAll = new QZELKDialogButton(mPanel.get());
    mDownload = new QZELKDialogButton(mPanel.get());
    mDelete = new QZELKDialogButton(mPanel.get());
    mHandler = std::make_unique<TRecordingHandler>();
    mList = std::make_unique<TDownloadListController>(mHandler.get(), mContent.get(), mSelectAll, mDeselectAll,
                                                      mDownload, mDelete);
}

void tst_DownloadListController::cleanup()
{
    mList.reset();
}

void tst_DownloadListController::fill(const QStringList& pCaptions, bool pDeletePossible)
{
    zelk::vector<std::unique_ptr<TDownloadListItem>> items;
    for (const auto& caption : pCaptions)
        items.push_back(std::make_unique<TDownloadListItem>(caption, caption + ".file", nullptr));
    mList->setAndOwnItems(items, pDeletePossible);
}

QStringList tst_DownloadListController::shown() const
{
    QStringList result;
    auto* layout = mContent->layout();
    for (int i = 0; i < layout->count(); ++i) {
        if (auto* b = qobject_cast<QCheckBox*>(layout->itemAt(i)->widget()))
            result << (b->isChecked() ? "[x] " : "[ ] ") + b->text();
    }
    return result;
}

QCheckBox* tst_DownloadListController::box(const QString& pCaption) const
{
    for (auto* b : mContent->findChildren<QCheckBox*>()) {
        if (b->text() == pCaption)
            return b;
    }
    return nullptr;
}

void tst_DownloadListController::check(const QStringList& pCaptions)
{
    for (const auto& caption : pCaptions)
        box(caption)->setChecked(true);
}

void tst_DownloadListController::checkedItemsReachTheHandler_data()
{
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<bool>("selectAll");
    QTest::newRow("nothing checked calls nobody") << QStringList() << false;
    QTest::newRow("one checked") << QStringList{"b"} << false;
    QTest::newRow("select all") << QStringList() << true;
}

void tst_DownloadListController::checkedItemsReachTheHandler()
{
    QFETCH(QStringList, checked);
    QFETCH(bool, selectAll);
    fill({"a", "b", "c", "d"});
    check(checked);
    if (selectAll) {
        mSelectAll->click();
        // The boxes are keyed by identity: the handler's order follows the box
        // addresses, whatever the order on the screen.
        auto boxes = mContent->findChildren<QCheckBox*>();
        std::sort(boxes.begin(), boxes.end());
        for (auto* b : boxes)
            checked << b->text();
    }
    const QStringList before = shown();
    TQuestionAnswerer answerer("BtnYes");
    mDownload->click();
    QCOMPARE(mHandler->mDownloaded, checked.isEmpty() ? QList<QStringList>() : QList<QStringList>{checked});
    // Downloading leaves the selection as it was.
    QCOMPARE(shown(), before);
    if (checked.isEmpty()) {
        mDelete->click();
        QCOMPARE(answerer.mShown, 0);
        QVERIFY(mHandler->mDeleted.isEmpty());
    }
    mDeselectAll->click();
    QVERIFY(!shown().join(' ').contains("[x]"));
}

void tst_DownloadListController::deletionRemovesOnlyConfirmedEntries_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("handlerCalls");
    QTest::newRow("no keeps every entry and check")
        << "BtnNo" << QStringList{"[ ] a", "[x] b", "[ ] c", "[x] d", "[ ] e"} << 0;
    QTest::newRow("yes removes the checked, the rest keep order and check")
        << "BtnYes" << QStringList{"[ ] a", "[ ] c", "[ ] e"} << 1;
}

void tst_DownloadListController::deletionRemovesOnlyConfirmedEntries()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, expected);
    QFETCH(int, handlerCalls);
    fill({"a", "b", "c", "d", "e"});
    check({"b", "d"});
    TQuestionAnswerer answerer(answer);
    mDelete->click();
    QCOMPARE(answerer.mShown, 1);
    QCOMPARE(mHandler->mDeleted.size(), handlerCalls);
    QCOMPARE(shown(), expected);
    // A later check of a survivor still reaches the handler: the map and the screen agree.
    mDeselectAll->click();
    check({"c"});
    mDownload->click();
    QCOMPARE(mHandler->mDownloaded.last(), QStringList{"c"});
}

void tst_DownloadListController::fillingReplacesTheList_data()
{
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<bool>("deletePossible");
    QTest::newRow("empty fill clears, delete hidden") << QStringList() << false;
    QTest::newRow("empty fill clears, delete shown") << QStringList() << true;
    QTest::newRow("new list replaces the old, all unchecked") << QStringList{"x", "y"} << false;
}

void tst_DownloadListController::fillingReplacesTheList()
{
    QFETCH(QStringList, second);
    QFETCH(bool, deletePossible);
    fill({"a", "b"}, !deletePossible);
    check({"a"});
    fill(second, deletePossible);
    QStringList expected;
    for (const auto& caption : second)
        expected << "[ ] " + caption;
    QCOMPARE(shown(), expected);
    QCOMPARE(mContent->findChildren<QCheckBox*>().size(), second.size());
    QCOMPARE(!mDelete->isHidden(), deletePossible);
}

TAMARIND_TEST_MAIN(tst_DownloadListController)
#include "tst_downloadlistcontroller.moc"
