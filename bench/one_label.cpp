// The floor for start-up figures: the smallest Qt Widgets window, one label.
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Trimvale"));
    label.show();
    return app.exec();
}
