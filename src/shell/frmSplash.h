#pragma once
// The window shown while the program starts.

#include <QFrame>

namespace dvx {

class frmSplash final : public QFrame {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

protected:
    // A click or a key closes the splash at once.
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace dvx
