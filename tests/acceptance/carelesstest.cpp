#include "deviceroot.h"
#include "testsupport.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <memory>
#include <vector>

// A test program whose rows do what a careless row would, started by the
// program start test to show that the shared set-up stops them before they
// touch anything outside the test root. Started with --without-root first, it
// runs as a test program not built on the shared set-up.
class tst_CarelessTest : public QObject
{
    Q_OBJECT

private slots:
    // Clears TAMARIND_CARELESS_PATH; the root holds a link "/out" to the
    // folder the root lies in, as a row may make one.
    void clearsWhatItIsTold();
    // Writes a file into a scratch folder named TAMARIND_CARELESS_SCRATCH.
    void writesInAScratchFolder();
};

void tst_CarelessTest::clearsWhatItIsTold()
{
    if (!TTestEnvironment::root().isEmpty())
        QVERIFY(QFile::link(QFileInfo(TTestEnvironment::root()).path(), TDeviceRoot::path(QStringLiteral("/out"))));
    QVERIFY(TTestEnvironment::removeUnderRoot(qEnvironmentVariable("TAMARIND_CARELESS_PATH")));
}

void tst_CarelessTest::writesInAScratchFolder()
{
    TAMARIND_SCRATCH_FOLDER(scratch, qEnvironmentVariable("TAMARIND_CARELESS_SCRATCH"));
    QFile written(scratch.filePath(QStringLiteral("written")));
    QVERIFY(written.open(QIODevice::WriteOnly));
}

int main(int argc, char** argv)
{
    std::vector<char*> arguments(argv, argv + argc + 1);
    std::unique_ptr<TTestEnvironment> environment;
    if (argc > 1 && std::strcmp(argv[1], "--without-root") == 0) {
        arguments.erase(arguments.begin() + 1);
        qunsetenv(TDeviceRoot::ROOT_VARIABLE);
    } else {
        environment = std::make_unique<TTestEnvironment>();
    }
    int count = int(arguments.size()) - 1;
    QApplication app(count, arguments.data());
    tst_CarelessTest test;
    return QTest::qExec(&test, count, arguments.data());
}

#include "carelesstest.moc"
