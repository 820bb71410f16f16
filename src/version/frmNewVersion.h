#pragma once
// Announces a newer version on the server: both version numbers and the
// link to the download page. Closing it ends the program.

#include <QDialog>

class QLabel;

namespace dvx {

class Platform;

class frmNewVersion final : public QDialog {
    Q_OBJECT
    Q_PROPERTY(QString localVersion READ localVersion WRITE setLocalVersion)
    Q_PROPERTY(QString remoteVersion READ remoteVersion WRITE setRemoteVersion)
public:
    frmNewVersion(Platform& platform, QString pageAddress, QWidget* parent = nullptr);

    QString localVersion() const { return localVersion_; }
    void setLocalVersion(const QString& text) { localVersion_ = text; }
    QString remoteVersion() const { return remoteVersion_; }
    void setRemoteVersion(const QString& text) { remoteVersion_ = text; }

    // Opens the download page, then closes the window.
    void lbURL_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Platform& platform_;
    QString localVersion_;
    QString remoteVersion_;
    QLabel* lbLocalVersion_ = nullptr;
    QLabel* lbRemoteVersion_ = nullptr;
    QLabel* lbURL_ = nullptr;
};

} // namespace dvx
