#include "frmSplash.h"

#include "ProgramInfo.h"
#include "QtFormSetup.h"

#include <QLabel>
#include <QVBoxLayout>

namespace dvx {

namespace {

QLabel* addLabel(QWidget* parent, QVBoxLayout* layout, const char* name, const QString& text,
                 double scale, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    auto font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter);
    layout->addWidget(label);
    return label;
}

} // namespace

frmSplash::frmSplash(QWidget* parent) : QFrame(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("frmSplash");
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);

    // Frame1 covers the window; the picture is the green band with the
    // twenty numbers of the game.
    auto* frame = new QFrame(this);
    frame->setObjectName("Frame1");
    frame->setStyleSheet(
        QStringLiteral("#Frame1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                       "stop:0 rgb(0,128,0), stop:1 rgb(0,80,0)); border: 2px solid "
                       "rgb(255,255,0); }"
                       "QLabel { color: white; background: transparent; }"));
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(36, 28, 36, 24);
    layout->setSpacing(6);

    auto* image = addLabel(frame, layout, "Image1", {}, 1.6, true);
    QString numbers;
    for (int n = 1; n <= 20; ++n) {
        numbers += QStringLiteral("%1").arg(n, 2, 10, QChar(u'0')) + QLatin1String(n == 10  ? "\n"
                                                                                   : n < 20 ? "  "
                                                                                            : "");
    }
    image->setText(numbers);
    image->setStyleSheet(QStringLiteral("color: rgb(255,255,0);"));

    addLabel(frame, layout, "lblProductName",
             QString::fromUtf8(kProgramTitle.data(), kProgramTitle.size()), 3.0, true);
    addLabel(frame, layout, "lblVersion", QString::fromStdString(splashVersionText()), 1.2, false);
    addLabel(frame, layout, "lbVersion", QString::fromUtf8(kEdition.data(), kEdition.size()), 1.2,
             true);
    layout->addStretch(1);
    addLabel(frame, layout, "lblCompanyProduct",
             QString::fromUtf8(kCompany.data(), kCompany.size()), 1.0, false);
    addLabel(frame, layout, "lblPlatform", {}, 0.9, false);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    resize(520, 320);
    centreOnScreen(*this);
}

void frmSplash::mousePressEvent(QMouseEvent* /*event*/) {
    close();
}

void frmSplash::keyPressEvent(QKeyEvent* /*event*/) {
    close();
}

} // namespace dvx
