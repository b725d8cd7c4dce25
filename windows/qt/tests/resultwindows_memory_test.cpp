// Opening and closing the result windows leaves nothing behind: after the
// toolkit's caches have settled, a thousand more windows opened and closed
// keep the heap in use where it was.
#include <testsupport/qt/offscreen.h>
#include <testsupport/qt/windowchurn.h>

#include <windows/qt/form.h>
#include <windows/qt/look.h>
#include <windows/resultwindows.h>

#include <QtTest/QtTest>
#include <QtWidgets/QApplication>

#include <malloc.h>

class ResultWindowsMemoryTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        windows::qt::applyLook();
        testsupport::quietenOffscreenRaise();
    }
    void heapDoesNotGrow();
};

void ResultWindowsMemoryTest::heapDoesNotGrow()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer keeps freed memory in quarantine; it checks leaks itself");
#endif
    windows::ResultWindowsOf<windows::qt::Form> results;
    for (int i = 0; i < 300; ++i)
        testsupport::openAndCloseEveryResultWindow(results);
    const auto before = static_cast<long long>(mallinfo2().uordblks);
    for (int i = 0; i < 700; ++i)
        testsupport::openAndCloseEveryResultWindow(results);
    const auto growth = static_cast<long long>(mallinfo2().uordblks) - before;
    qInfo("heap in use after 300 and after 1000 cycles of five windows differs by %lld bytes",
          growth);
    // One window left behind a cycle would be 700 widgets at least: hundreds of KiB.
    QVERIFY2(growth < 32 * 1024, qPrintable(QString::number(growth)));
}

QTEST_MAIN(ResultWindowsMemoryTest)
#include "resultwindows_memory_test.moc"
