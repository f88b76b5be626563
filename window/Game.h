#pragma once

#include <QObject>
#include <memory>

#include "GameState.h"
#include "Host.h"
#include "Random.h"

class Form1;

// Keeps the game state for the whole run, and the one window that shows it.
class Game final : public QObject {
public:
    Game(Host& host, Random& random);
    ~Game() override;

    // Builds, loads and shows the window.
    void start();

    GameState& state() { return state_; }
    Form1& form() const { return *form_; }

private:
    // Reloads the window once the current event is over: never inside the click that won,
    // whose controls are still in use there.
    void reloadAfterThisEvent();

    GameState state_;
    Host& host_;
    std::unique_ptr<Form1> form_;
};
