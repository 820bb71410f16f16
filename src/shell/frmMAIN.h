#pragma once

#include <QMainWindow>

namespace dvx {

struct AppState;

class frmMAIN final : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMAIN(AppState& app, QWidget* parent = nullptr);

private:
    AppState& app_;
};

} // namespace dvx
