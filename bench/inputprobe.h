// Real clicks and key presses sent through the X server while the window is busy, and how long
// each took to reach the program's event handling.
#pragma once

#include <atomic>
#include <thread>
#include <vector>

#include <QObject>

class InputProbe : public QObject
{
public:
    // Clicks at (x, y) on the screen and presses a modifier key in turn, every few milliseconds,
    // until stop(); both must do nothing in the program.
    InputProbe(int x, int y);
    ~InputProbe() override;

    void start();
    // Stops sending; returns each input's latency in seconds, from sending to handling.
    std::vector<double> stop();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void send();

    int x, y;
    std::thread sender;
    std::atomic<bool> running { false };
    std::atomic<long long> sentAt { 0 };   // steady-clock nanoseconds of the input in flight, 0 if none
    std::atomic<long long> handledAt { 0 };
    std::vector<double> latencies;
};
