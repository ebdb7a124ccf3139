// The floor of the whole-program measurements: the least a Qt Widgets clock can be, a label that a
// one-second timer sets to the time of day.
#include <QApplication>
#include <QLabel>
#include <QTime>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel clock;
    clock.setWindowTitle(QStringLiteral("Floor clock"));
    clock.setAlignment(Qt::AlignCenter);
    clock.resize(200, 60);
    const auto showTime = [&clock] {
        clock.setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
    };
    showTime();
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &clock, showTime);
    tick.start(1000);
    clock.show();
    return app.exec();
}
