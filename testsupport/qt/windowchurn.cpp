#include <testsupport/qt/windowchurn.h>


#include <questionnaire/resultkind.h>

#include <QtWidgets/QApplication>

namespace testsupport {

void openAndCloseEveryResultWindow(windows::ResultWindowsOf<windows::qt::Form> &results)
{
    for (auto kind : questionnaire::kResultKinds) {
        results.show(kind);
        results.form(kind).window()->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

} // namespace testsupport
