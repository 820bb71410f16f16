#include "VersionWindows.h"

#include "AppState.h"
#include "ProgramInfo.h"
#include "QtPlatform.h"
#include "QtText.h"
#include "ServerAddress.h"
#include "frmAbout.h"
#include "frmNewVersion.h"

namespace dvx {

void openAbout(WindowContext& context) {
    frmAbout about(context.platform,
                   aboutTexts(kProgramTitle, versionText(), kEdition, context.app.serverAddress),
                   qEnvironmentVariable("PATH").toStdString(), context.mainWindow);
    ScopedDialogParent messagesHere(context.platform, &about);
    about.exec();
}

bool announceNewVersion(const std::optional<NewVersionOffer>& offer, Platform& platform,
                        const std::string& serverAddress) {
    if (!offer) {
        return false;
    }
    frmNewVersion window(platform, qtText(serverUrl(serverAddress, kDownloadPagePath)));
    window.setLocalVersion(qtText(offer->localVersion));
    window.setRemoteVersion(qtText(offer->remoteVersion));
    window.exec();
    return true;
}

} // namespace dvx
