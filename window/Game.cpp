#include "Game.h"

#include "Form1.h"
#include "Guarded.h"

Game::Game(Host& host, Random& random) : host_(host), random_(random) {}

Game::~Game() = default;

void Game::start() {
    runGuarded(host_, [this] { showNewForm(); });
}

void Game::reload() {
    // Never inside the click that won: the old window's controls are still in use there.
    QMetaObject::invokeMethod(
        this, [this] { runGuarded(host_, [this] { showNewForm(); }); }, Qt::QueuedConnection);
}

void Game::showNewForm() {
    std::unique_ptr<Form1> old = std::move(form_);
    form_ = std::make_unique<Form1>(*this);
    form_->Form_Load();
    if (old) {
        form_->move(old->pos());
    }
    // The new window covers the old before it goes, so nothing flickers between them.
    form_->show();
    if (old) {
        old.release()->deleteLater();
    }
}
