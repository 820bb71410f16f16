#include "frmStatistiche.h"

#include "AppState.h"
#include "OptionLook.h"
#include "Platform.h"
#include "QtFormSetup.h"
#include "QtPlatform.h"
#include "QtText.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace dvx {

namespace {

QChart* chartOf(const ChartView& view, QObject* tips) {
    auto* chart = new QChart;
    chart->setTitle(qtText(view.title));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setVisible(true);
    chart->legend()->setAlignment(Qt::AlignBottom);

    auto* series = new QBarSeries;
    std::int32_t highest = 0;
    for (const auto& s : view.series) {
        auto* set = new QBarSet(qtText(s.name));
        for (const auto value : s.values) {
            *set << value;
            highest = std::max(highest, value);
        }
        set->setLabelColor(Qt::black);
        series->append(set);
    }
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsFormat(QStringLiteral("@value"));
    series->setLabelsPrecision(12);
    chart->addSeries(series);

    auto* axisX = new QBarCategoryAxis;
    for (const auto& category : view.categories) {
        axisX->append(qtText(category));
    }
    axisX->setTitleText(qtText(view.axisX));
    chart->addAxis(axisX, Qt::AlignBottom);
    series->attachAxis(axisX);

    auto* axisY = new QValueAxis;
    axisY->setTitleText(qtText(view.axisY));
    axisY->setLabelFormat(QStringLiteral("%d"));
    const auto scale = axisScale(highest);
    axisY->setRange(0, scale.top);
    axisY->setTickType(QValueAxis::TicksDynamic);
    axisY->setTickAnchor(0);
    axisY->setTickInterval(scale.step);
    chart->addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisY);

    // The bar's full label ("055-065 -->      12") while the mouse rests on it.
    QObject::connect(series, &QBarSeries::hovered, tips,
                     [labels = view.barLabels](bool on, int index, QBarSet*) {
                         if (on && index >= 0 && index < static_cast<int>(labels.size())) {
                             QToolTip::showText(QCursor::pos(),
                                                qtText(labels[static_cast<std::size_t>(index)]));
                         } else {
                             QToolTip::hideText();
                         }
                     });
    return chart;
}

} // namespace

frmStatistiche::frmStatistiche(AppState& app, Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window), app_(app), platform_(platform) {
    setWindowTitle(qtText(kStatisticsCaption));

    auto* options = new QVBoxLayout;
    for (int i = 0; i < kStatViews; ++i) {
        auto* option = new QRadioButton(qtText(kStatViewCaptions[static_cast<std::size_t>(i)]));
        option->setObjectName(QStringLiteral("optStat_%1").arg(i));
        connect(option, &QRadioButton::clicked, this, [this, i] { optStat_Click(i); });
        options->addWidget(option);
        optStat_[static_cast<std::size_t>(i)] = option;
    }
    options->addStretch();
    cmdTxt_ = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogDetailedView),
                              QStringLiteral("CSV"));
    cmdTxt_->setObjectName(QStringLiteral("cmdTxt"));
    cmdTxt_->setToolTip(qtText(kStatisticsFileToolTip));
    connect(cmdTxt_, &QPushButton::clicked, this, &frmStatistiche::cmdTxt_Click);
    options->addWidget(cmdTxt_);

    MSChart1_ = new QChartView;
    MSChart1_->setObjectName(QStringLiteral("MSChart1"));
    MSChart1_->setRenderHint(QPainter::Antialiasing);
    MSChart1_->setMinimumSize(480, 320);
    MSChart1_->setFocusPolicy(Qt::NoFocus);

    frameContainer_ = new QFrame;
    frameContainer_->setObjectName(QStringLiteral("frameContainer"));
    auto* inner = new QHBoxLayout(frameContainer_);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->addLayout(options);
    inner->addWidget(MSChart1_, 1);

    lbElaborazione_ = new QLabel(qtMessageText(kStatisticsBusyText));
    lbElaborazione_->setObjectName(QStringLiteral("lbElaborazione"));
    lbElaborazione_->setAlignment(Qt::AlignCenter);
    lbElaborazione_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lbElaborazione_);
    layout->addWidget(frameContainer_, 1);
    resize(960, 600);
    centreOnScreen(*this);
}

void frmStatistiche::refreshStat() {
    lbElaborazione_->show();
    frameContainer_->hide();
    {
        ScopedDialogParent messagesHere(platform_, this);
        app_.statistics =
            recomputeStatistics(app_.archivio, statisticsPath(app_.programFolder), platform_);
    }
    lbElaborazione_->hide();
    frameContainer_->show();
    optStat_Click(0);
    optStat_[0]->setFocus();
}

void frmStatistiche::refreshFromState() {
    drawView(shown_);
}

void frmStatistiche::optStat_Click(int index) {
    if (index < 0 || index >= kStatViews) {
        return;
    }
    showChosenOption(optStat_, index);
    drawView(index);
}

void frmStatistiche::drawView(int index) {
    shown_ = index;
    MSChart1_->hide();
    QChart* previous = MSChart1_->chart();
    MSChart1_->setChart(chartOf(statView(app_.statistics, index), this));
    delete previous;
    MSChart1_->show();
}

void frmStatistiche::cmdTxt_Click() {
    const auto path = statisticsPath(app_.programFolder);
    if (!platform_.openExternal(path)) {
        ScopedDialogParent messagesHere(platform_, this);
        platform_.message("Impossibile aprire il file delle statistiche:\r\n" + path,
                          kStatisticsCaption, Icon::Exclamation);
    }
}

} // namespace dvx
