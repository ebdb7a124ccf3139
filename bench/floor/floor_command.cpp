// The floor of the command-line measurements: the least a Qt Core command can be, an application object
// and one line printed.
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    const QCoreApplication app(argc, argv);
    std::puts("floor");
    return 0;
}
