#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("ZELK"));
    QApplication::setApplicationName(QStringLiteral("ZTM8800UI"));
    QTextStream(stdout) << "ZTM8800UI: the main window is not part of this build yet; nothing to show.\n";
    return 0;
}
