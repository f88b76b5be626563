#pragma once

#include <QObject>
#include <memory>

#include "GameState.h"
#include "Host.h"
#include "Random.h"

class Form1;

// Form1's owner: keeps the game state for the whole run while windows come and go.
class Game final : public QObject {
public:
    Game(Host& host, Random& random);
    ~Game() override;

    // Builds, loads and shows the first window.
    void start();
    // Once the current event is over, replaces the window with a new one built from the
    // design, where the old one was.
    void reload();

    GameState& state() { return state_; }
    Host& host() { return host_; }
    Random& random() { return random_; }
    Form1* form() const { return form_.get(); }

    // Set when no word file could give a round at load; cleared by opening one that can.
    bool usesBuiltInWords = false;

private:
    void showNewForm();

    GameState state_;
    Host& host_;
    Random& random_;
    std::unique_ptr<Form1> form_;
};
