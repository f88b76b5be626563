#pragma once

#include <QWidget>
#include <array>

#include "Design.h"

// The gallows drawing, Hang: twelve straight lines, each shown or hidden.
class Gallows final : public QWidget {
    Q_OBJECT

public:
    explicit Gallows(QWidget* parent);

    // Pieces are numbered 1 to 12.
    void showPiece(int piece);
    void hidePiece(int piece);
    bool isShown(int piece) const { return shown_.at(piece - 1); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void describe();

    std::array<bool, design::kHang.size()> shown_{};
};
