#include <testsupport/qt/offscreen.h>

#include <QtCore/QString>
#include <QtCore/QtGlobal>

namespace testsupport {

namespace {

QtMessageHandler gPreviousHandler = nullptr;

void dropRaiseWarning(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(QLatin1String("does not support raise()")))
        gPreviousHandler(type, context, message);
}

} // namespace

void quietenOffscreenRaise()
{
    if (!gPreviousHandler)
        gPreviousHandler = qInstallMessageHandler(dropRaiseWarning);
}

} // namespace testsupport
