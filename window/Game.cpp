#include "Game.h"

#include "Form1.h"
#include "Guarded.h"

Game::Game(Host& host, Random& random)
    : host_(host),
      form_(std::make_unique<Form1>(state_, host, random, [this] { reloadAfterThisEvent(); })) {}

Game::~Game() = default;

void Game::start() {
    runGuarded(host_, [this] {
        form_->Form_Load();
        form_->show();
    });
}

void Game::reloadAfterThisEvent() {
    QMetaObject::invokeMethod(
        this, [this] { runGuarded(host_, [this] { form_->Reload(); }); }, Qt::QueuedConnection);
}
