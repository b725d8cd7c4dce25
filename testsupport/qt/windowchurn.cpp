#include <testsupport/qt/windowchurn.h>

#include <windows/qt/resultwindows.h>

#include <questionnaire/resultkind.h>

#include <QtWidgets/QApplication>

namespace testsupport {

void openAndCloseEveryResultWindow(windows::qt::ResultWindows &results)
{
    for (auto kind : questionnaire::kResultKinds)
        results.showWindow(kind)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

} // namespace testsupport
