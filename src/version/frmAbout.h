#pragma once
// The about box: title, version, edition, the vendor's page, and a button
// that starts the desktop's system-information tool.

#include "AboutBox.h"

#include <QDialog>

class QLabel;

namespace dvx {

class Platform;

class frmAbout final : public QDialog {
    Q_OBJECT
public:
    // pathVariable lists the folders where the system-information tool is
    // looked for (the PATH of the environment).
    frmAbout(Platform& platform, AboutTexts texts, std::string pathVariable,
             QWidget* parent = nullptr);

    void cmdSysInfo_Click();
    void lbURL_Click();

private:
    Platform& platform_;
    AboutTexts texts_;
    std::string pathVariable_;
};

// Starts the tool; false when none is installed or it would not start.
using ProgramStarter = bool (*)(const SystemInfoTool& tool);
bool startDetached(const SystemInfoTool& tool);

// Starts the system-information tool, or says it is not available.
void StartSysInfo(Platform& platform, std::string_view pathVariable,
                  ProgramStarter start = &startDetached);

} // namespace dvx
