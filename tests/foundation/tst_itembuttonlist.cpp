#include "itembuttonlist.h"
#include "itemselectionreceiver.h"
#include "testsupport.h"
#include "zelkcontainerpushbutton.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace
{
class TReceiver : public IItemSelectionReceiver
{
public:
    QStringList mSelected;
    TItemButtonList* mList = nullptr;

    void itemSelected(TItemButtonList* list, const TItemButtonListEntry& entry) override
    {
        mList = list;
        mSelected << entry.entryInfo();
    }
};

zelk::vector<std::unique_ptr<TItemButtonListEntry>> entries(const QStringList& pNames)
{
    zelk::vector<std::unique_ptr<TItemButtonListEntry>> list;
    for (const QString& name : pNames)
        list << std::make_unique<TItemButtonListEntry>(name, "/media/usb/ZTM8800/" + name + ".txt");
    return list;
}

// The captions of the list's buttons, top to bottom, as the layout holds them.
QStringList captions(QLayout* pLayout)
{
    QStringList list;
    for (int i = 0; i < pLayout->count(); ++i) {
        if (auto* button = qobject_cast<QZELKContainerPushButton*>(pLayout->itemAt(i)->widget()))
            list << button->label()->text();
        else if (pLayout->itemAt(i)->spacerItem())
            list << "stretch";
    }
    return list;
}
} // namespace

class tst_ItemButtonList : public QObject
{
    Q_OBJECT

private slots:
    void buttonsStandAboveTheStretch();
    void tapReportsTheEntry();
    void newEntriesReplaceTheOldOnes();
    void otherLayoutsShowNothing();
    void destroyingTheListRemovesItsButtons();
};

void tst_ItemButtonList::buttonsStandAboveTheStretch()
{
    QWidget content;
    auto* column = new QVBoxLayout(&content);
    column->addStretch();
    TReceiver receiver;
    TItemButtonList list(&content, &receiver);
    auto files = entries({"coeff_A", "coeff_B", "coeff_C"});

    list.setAndOwnEntries(files);

    QVERIFY(files.empty());
    QCOMPARE(captions(column), (QStringList{"coeff_A", "coeff_B", "coeff_C", "stretch"}));
    auto* first = qobject_cast<QZELKContainerPushButton*>(column->itemAt(0)->widget());
    QCOMPARE(first->getColorSchemeIndex(), int(QZELKAbstractButton::csBlack));
    QCOMPARE(first->getBorderRadius(), 6u);
}

void tst_ItemButtonList::tapReportsTheEntry()
{
    QWidget content;
    auto* column = new QVBoxLayout(&content);
    TReceiver receiver;
    TItemButtonList list(&content, &receiver);
    auto files = entries({"coeff_A", "coeff_B"});
    list.setAndOwnEntries(files);

    QTest::mouseClick(column->itemAt(1)->widget(), Qt::LeftButton);
    QCOMPARE(receiver.mSelected, QStringList{"/media/usb/ZTM8800/coeff_B.txt"});
    QCOMPARE(receiver.mList, &list);

    // Without a receiver a tap does nothing.
    TItemButtonList silent(&content, nullptr);
    auto more = entries({"coeff_C"});
    silent.setAndOwnEntries(more);
    QTest::mouseClick(column->itemAt(0)->widget(), Qt::LeftButton);
    QCOMPARE(receiver.mSelected.size(), 1);
}

void tst_ItemButtonList::newEntriesReplaceTheOldOnes()
{
    QWidget content;
    auto* column = new QVBoxLayout(&content);
    column->addStretch();
    TItemButtonList list(&content, nullptr);
    auto first = entries({"a", "b", "c"});
    list.setAndOwnEntries(first);
    auto second = entries({"d"});
    list.setAndOwnEntries(second);
    QCOMPARE(captions(column), (QStringList{"d", "stretch"}));

    zelk::vector<std::unique_ptr<TItemButtonListEntry>> none;
    list.setAndOwnEntries(none);
    QCOMPARE(captions(column), QStringList{"stretch"});
    QCOMPARE(content.findChildren<QZELKContainerPushButton*>().size(), 0);
}

void tst_ItemButtonList::otherLayoutsShowNothing()
{
    QWidget content;
    new QGridLayout(&content);
    TItemButtonList list(&content, nullptr);
    auto files = entries({"a", "b"});
    list.setAndOwnEntries(files);

    const auto buttons = content.findChildren<QZELKContainerPushButton*>();
    QCOMPARE(buttons.size(), 2);
    for (QZELKContainerPushButton* button : buttons)
        QVERIFY(!button->isVisibleTo(&content));
}

void tst_ItemButtonList::destroyingTheListRemovesItsButtons()
{
    QWidget content;
    new QVBoxLayout(&content);
    auto list = std::make_unique<TItemButtonList>(&content, nullptr);
    auto files = entries({"a", "b"});
    list->setAndOwnEntries(files);
    // The page may have deleted a button itself already.
    delete content.findChildren<QZELKContainerPushButton*>().first();

    list.reset();
    QCOMPARE(content.findChildren<QZELKContainerPushButton*>().size(), 0);
    QCOMPARE(content.layout()->count(), 0);
}

TAMARIND_TEST_MAIN(tst_ItemButtonList)
#include "tst_itembuttonlist.moc"
