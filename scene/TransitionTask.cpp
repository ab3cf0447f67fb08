#include "scene/TransitionTask.h"

#include <cstdio>
#include <exception>
#include <utility>

std::vector<std::shared_ptr<vantrel::Image>> loadTransitionRules(const ImageLoader& load)
{
    std::vector<std::shared_ptr<vantrel::Image>> rules(1);
    for (unsigned number = 0;; ++number) {
        char name[32];
        std::snprintf(name, sizeof name, "trans%u.png", number);
        std::shared_ptr<vantrel::Image> rule;
        try {
            rule = load(name);
        } catch (const std::exception&) {
            break;
        }
        // A loader that yields nothing would otherwise keep the enumeration going forever.
        if (!rule) {
            break;
        }
        rules.push_back(std::move(rule));
    }
    return rules;
}

void TransitionTask::setUp(vantrel::Screen& screen, const ImageLoader& load)
{
    screen.addTask(TransitionTask(loadTransitionRules(load)));
}

TransitionTask::TransitionTask(std::vector<std::shared_ptr<vantrel::Image>> rules)
    : rules(std::move(rules))
{
}

bool TransitionTask::operator()(vantrel::Screen& screen)
{
    const std::uint8_t level = screen.getTransitionLevel();
    std::uint8_t newLevel;
    if (rising) {
        if (level == 255) {
            rising = false;
            return false;
        }
        newLevel = static_cast<std::uint8_t>(level + 1);
    } else {
        if (level == 0) {
            if (!rules.empty()) {
                screen.setTransitionRule(rules[next]);
                if (++next == rules.size()) {
                    next = 0;
                }
            }
            rising = true;
            return false;
        }
        newLevel = static_cast<std::uint8_t>(level - 1);
    }
    screen.setTransitionLevel(newLevel);
    return false;
}
