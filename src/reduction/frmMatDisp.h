#pragma once
// The catalogue of ready-made matrices: every record of the index, one line
// each under a heading. It only shows.

#include <QDialog>

class QLabel;
class QListWidget;

namespace dvx {

struct AppState;

class frmMatDisp final : public QDialog {
    Q_OBJECT
public:
    explicit frmMatDisp(const AppState& app, QWidget* parent = nullptr);

private:
    QLabel* lblista_;
    QListWidget* listbox_;
};

} // namespace dvx
