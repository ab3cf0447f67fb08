#pragma once

#include <chrono>
#include <thread>

// Waits for `condition` without a deadline a slow machine could miss: up to two minutes.
template <class Condition>
bool eventually(Condition condition)
{
    for (int i = 0; i < 120000 && !condition(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return condition();
}
