#include "frmNewVersion.h"

#include "NewVersion.h"
#include "Platform.h"
#include "QtFormSetup.h"
#include "QtPlatform.h"
#include "QtText.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace dvx {

frmNewVersion::frmNewVersion(Platform& platform, QString pageAddress, QWidget* parent)
    : QDialog(parent), platform_(platform) {
    setWindowTitle(qtText(kNewVersionCaption));

    lbLocalVersion_ = new QLabel(QStringLiteral("00.00.00"));
    lbLocalVersion_->setObjectName(QStringLiteral("lbLocalVersion"));
    lbRemoteVersion_ = new QLabel;
    lbRemoteVersion_->setObjectName(QStringLiteral("lbRemoteVersion"));
    for (auto* label : {lbLocalVersion_, lbRemoteVersion_}) {
        auto font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    auto* versions = new QFormLayout;
    versions->addRow(qtText(kLocalVersionLabel), lbLocalVersion_);
    versions->addRow(qtText(kRemoteVersionLabel), lbRemoteVersion_);

    lbURL_ = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(pageAddress.toHtmlEscaped()));
    lbURL_->setObjectName(QStringLiteral("lbURL"));
    lbURL_->setToolTip(qtText(kOpenPageToolTip));
    lbURL_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    lbURL_->setFocusPolicy(Qt::StrongFocus);
    lbURL_->setProperty("address", pageAddress);
    connect(lbURL_, &QLabel::linkActivated, this, [this] { lbURL_Click(); });

    auto* close = new QPushButton(QStringLiteral("Chiudi"));
    close->setObjectName(QStringLiteral("cmdChiudi"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(versions);
    layout->addWidget(lbURL_);
    layout->addWidget(close, 0, Qt::AlignRight);
    // Wide enough for the window manager to show the whole caption.
    layout->addItem(new QSpacerItem(messageBoxWidthForTitle(windowTitle()), 0));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmNewVersion::showEvent(QShowEvent* event) {
    lbLocalVersion_->setText(localVersion_);
    lbRemoteVersion_->setText(remoteVersion_);
    QDialog::showEvent(event);
    centreOnScreen(*this);
}

void frmNewVersion::lbURL_Click() {
    platform_.openExternal(stdText(lbURL_->property("address").toString()));
    accept();
}

} // namespace dvx
