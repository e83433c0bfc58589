#include "allocatorreplaced.h"
#include "memoryallocator.h"
#include "testsupport.h"

#include <cstdlib>
#include <vector>

#include <malloc.h>

// The program's allocator setting, in a test program of its own: it holds
// for the whole process, and every other test program runs without it (the
// program's start test sees the program make it).
// Blocks from the threshold on are mapped by themselves, so that an image
// made and dropped gives its memory back instead of leaving a hole in the
// heap; smaller ones stay in the heap.
class tst_MemoryAllocator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void blocksAreMappedFromTheThresholdOn_data();
    void blocksAreMappedFromTheThresholdOn();
};

void tst_MemoryAllocator::initTestCase()
{
#ifdef TAMARIND_ALLOCATOR_REPLACED
    QSKIP("The C library's allocator is not in use.");
#endif
    TMemoryAllocator::setUpAsTheProgram();
}

void tst_MemoryAllocator::blocksAreMappedFromTheThresholdOn_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("mapped");
    // The heap may still hold room for a few blocks of either size, never
    // for half of them: the default threshold (128 KB and up) maps neither.
    QTest::newRow("blocks just above 16 KB") << 20 * 1024 << true;
    QTest::newRow("blocks just below 16 KB") << 15 * 1024 << false;
}

void tst_MemoryAllocator::blocksAreMappedFromTheThresholdOn()
{
    QFETCH(int, size);
    QFETCH(bool, mapped);
    constexpr int BLOCKS = 64;
    const size_t before = mallinfo2().hblks;
    std::vector<void*> blocks;
    for (int i = 0; i < BLOCKS; ++i)
        blocks.push_back(std::malloc(size_t(size)));
    const size_t held = mallinfo2().hblks - before;
    for (void* block : blocks)
        std::free(block);
    if (mapped)
        QVERIFY2(held >= BLOCKS / 2, qPrintable(QString::number(held)));
    else
        QCOMPARE(held, size_t(0));
    // Freed, a mapped block goes back to the system at once.
    QCOMPARE(mallinfo2().hblks, before);
}

TAMARIND_TEST_MAIN(tst_MemoryAllocator)
#include "tst_memoryallocator.moc"
