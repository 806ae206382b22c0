// Resident memory of the program's main window: after start-up, after 10,000 Draws without
// Clear, and after Clear. Clear must give back what the Draws took, within 2 MiB.
#include "residentmemory.h"
#include "session.h"

#include <QApplication>

#include <chrono>
#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr int draws = 10000;
    constexpr long allowanceKib = 2048;

    Session session;
    const long startUp = residentKib();
    for (int i = 0; i < draws; ++i)
        session.drawAndRepaint();
    session.verify();
    const long afterDraws = residentKib();
    const auto clearStart = std::chrono::steady_clock::now();
    session.clearAndRepaint();
    const std::chrono::duration<double, std::milli> clearTime =
            std::chrono::steady_clock::now() - clearStart;
    const long afterClear = residentKib();
    session.verify();

    const auto mib = [](long kib) { return kib / 1024.0; };
    std::printf("RSS after start-up          %8.1f MiB\n", mib(startUp));
    std::printf("RSS after %d Draws       %8.1f MiB\n", draws, mib(afterDraws));
    std::printf("RSS after Clear             %8.1f MiB  (Clear and its repaint took %.2f ms)\n",
                mib(afterClear), clearTime.count());
    const bool met = afterClear - startUp <= allowanceKib;
    std::printf("after Clear - after start-up %+7.1f MiB  goal <= +2.0 MiB: %s\n",
                mib(afterClear - startUp), met ? "met" : "MISSED");
    return met ? 0 : 2;
}
