#pragma once
// The statistics window: the six distributions over the archive and the
// delays, one bar chart at a time, and the statistics file.

#include "StatViews.h"

#include <QWidget>

#include <array>

class QChartView;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace dvx {

struct AppState;
class Platform;

// Options are named "optStat_0".."optStat_6".
class frmStatistiche final : public QWidget {
    Q_OBJECT
public:
    frmStatistiche(AppState& app, Platform& platform, QWidget* parent = nullptr);

    // Recomputes the figures over the archive, rewrites the statistics file
    // and shows the first statistic with its option focused.
    void refreshStat();
    void optStat_Click(int index);
    void cmdTxt_Click();

    int shownView() const { return shown_; }

public slots:
    // The figures were recomputed elsewhere (after an archive update): draw
    // the chosen statistic again.
    void refreshFromState();

private:
    void drawView(int index);

    AppState& app_;
    Platform& platform_;
    int shown_ = 0;
    std::array<QRadioButton*, kStatViews> optStat_{};
    QFrame* frameContainer_ = nullptr;
    QChartView* MSChart1_ = nullptr;
    QPushButton* cmdTxt_ = nullptr;
    QLabel* lbElaborazione_ = nullptr;
};

} // namespace dvx
