#include "frmSomma.h"

#include "ConditionCommon.h"
#include "ConditionDialog.h"
#include "Model.h"
#include "OnOffPair.h"
#include "Platform.h"
#include "QtText.h"
#include "SystemOps.h"
#include "ToggleLabels.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace dvx {

namespace {

QLineEdit* makeSumField(const char* name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setInputMask(QStringLiteral("000;_"));
    field->setAlignment(Qt::AlignCenter);
    field->setFixedWidth(72);
    return field;
}

QLabel* makeLabel(QAnyStringView name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

frmSomma::frmSomma(SystemState& system, Platform& platform, QWidget* parent)
    : QDialog(parent), system_(system), platform_(platform) {
    setObjectName("frmSomma");

    auto* frameSomma = makeEditingFrame(QStringLiteral("frameSomma"), this);
    frame3_ =
        new OnOffPair(QStringLiteral("Condizione"), QStringLiteral("optCondSomma"), frameSomma);
    frame3_->onChoose = [this](int i) { optCondSomma_Click(i); };
    meDa_ = makeSumField("meDa", frameSomma);
    meA_ = makeSumField("meA", frameSomma);
    auto* labMin = makeLabel("labMin", QString(), frameSomma);
    auto* labMax = makeLabel("labMax", QString(), frameSomma);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    fields->setVerticalSpacing(8);
    fields->addWidget(makeLabel("Label2", QStringLiteral("DA"), frameSomma), 0, 0);
    fields->addWidget(meDa_, 0, 1);
    fields->addWidget(makeLabel("Label1", QStringLiteral("A"), frameSomma), 0, 2);
    fields->addWidget(meA_, 0, 3);
    fields->addWidget(makeLabel("Label3", QStringLiteral("Minimo"), frameSomma), 1, 0);
    fields->addWidget(labMin, 1, 1, Qt::AlignCenter);
    fields->addWidget(makeLabel("Label4", QStringLiteral("Massimo"), frameSomma), 1, 2);
    fields->addWidget(labMax, 1, 3, Qt::AlignCenter);
    auto* frameLayout = new QVBoxLayout(frameSomma);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->addWidget(frame3_);
    frameLayout->addLayout(fields);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->addWidget(frameSomma);

    // Enter hands the focus over to the other field; focus selects it all.
    connect(meDa_, &QLineEdit::returnPressed, meA_, [this] { meA_->setFocus(); });
    connect(meA_, &QLineEdit::returnPressed, meDa_, [this] { meDa_->setFocus(); });
    meDa_->installEventFilter(this);
    meA_->installEventFilter(this);

    frameSomma->setEnabled(conditionsEditable(system));
    rebuildNumbersInPlay(system);
    limits_ = sumLimits(system.sistema);
    if (limits_) {
        labMin->setText(QString::number(limits_->minimum));
        labMax->setText(QString::number(limits_->maximum));
        const auto shown = proposedSumFields(system.condizioni, *limits_);
        meDa_->setText(QString::number(shown.da));
        meA_->setText(QString::number(shown.a));
    }
    optCondSomma_Click(optionOfSwitch(system.condizioni.sommaOn));
    setTabOrder(frame3_->option(kOptionOn), meDa_);
    setTabOrder(meDa_, meA_);
    meDa_->setFocus();
    finishSetUp(*this, QStringLiteral("  Somma"));
}

int frmSomma::exec() {
    if (!limits_) {
        return Rejected;
    }
    return QDialog::exec();
}

void frmSomma::optCondSomma_Click(int index) {
    system_.condizioni.sommaOn = switchOfOption(index);
    frame3_->showChosen(index);
}

bool frmSomma::closeChecks() {
    if (!limits_) {
        return true;
    }
    const auto outcome =
        closeSumRange(system_, meDa_->text().toStdString(), meA_->text().toStdString(), *limits_);
    for (const auto& problem : outcome.problems) {
        platform_.beep();
        platform_.message(problem.text, problem.title, Icon::Exclamation, Buttons::Ok);
        (problem.focus == SumField::Da ? meDa_ : meA_)->setFocus();
    }
    return outcome.canClose();
}

void frmSomma::done(int result) {
    if (!closeChecks()) {
        return;
    }
    QDialog::done(result);
}

bool frmSomma::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        // After the click that gave the focus has placed the cursor.
        auto* field = static_cast<QLineEdit*>(watched);
        QTimer::singleShot(0, field, &QLineEdit::selectAll);
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace dvx
