#include "frmAbout.h"

#include "Platform.h"
#include "QtText.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStyle>

namespace dvx {

bool startDetached(const SystemInfoTool& tool) {
    QStringList arguments;
    for (const auto& argument : tool.arguments) {
        arguments << qtText(argument);
    }
    return QProcess::startDetached(qtText(tool.program), arguments);
}

void StartSysInfo(Platform& platform, std::string_view pathVariable, ProgramStarter start) {
    const auto tool = findSystemInfoTool(pathVariable);
    if (tool && start(*tool)) {
        return;
    }
    platform.message(kNoSystemInfoText);
}

frmAbout::frmAbout(Platform& platform, AboutTexts texts, std::string pathVariable, QWidget* parent)
    : QDialog(parent), platform_(platform), texts_(std::move(texts)),
      pathVariable_(std::move(pathVariable)) {
    setWindowTitle(qtText(texts_.caption));

    auto* picIcon = new QLabel;
    picIcon->setObjectName(QStringLiteral("picIcon"));
    const auto icon = QApplication::windowIcon().isNull()
                          ? style()->standardIcon(QStyle::SP_MessageBoxInformation)
                          : QApplication::windowIcon();
    picIcon->setPixmap(icon.pixmap(48, 48));

    auto* lblTitle = new QLabel(qtText(texts_.title));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    auto titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    lblTitle->setFont(titleFont);
    auto* lblVersion = new QLabel(qtText(texts_.version));
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    auto* lblDescription = new QLabel(qtText(texts_.description));
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    auto* lbURL =
        new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(qtText(texts_.url).toHtmlEscaped()));
    lbURL->setObjectName(QStringLiteral("lbURL"));
    lbURL->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    lbURL->setFocusPolicy(Qt::StrongFocus);
    connect(lbURL, &QLabel::linkActivated, this, [this] { lbURL_Click(); });

    auto* cmdOK = new QPushButton(qtText(kAboutOkCaption));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    auto* cmdSysInfo = new QPushButton(qtText(kSystemInfoCaption));
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    auto* grid = new QGridLayout(this);
    grid->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblVersion, 1, 1);
    grid->addWidget(lblDescription, 2, 1);
    grid->addWidget(lbURL, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setColumnMinimumWidth(1, 280);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    cmdOK->setFocus();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo(platform_, pathVariable_);
}

void frmAbout::lbURL_Click() {
    platform_.openExternal(texts_.url);
}

} // namespace dvx
